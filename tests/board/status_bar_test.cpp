#include "board/status_bar.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(StatusPanels, DesignWidthsInPixels) {
  const int expected[] = {96, 40, 40, 133, 27, 60, 60, 27, 67, 96};
  for (int p = 1; p <= kPanelCount; ++p) EXPECT_EQ(PanelDesignWidth(p), expected[p - 1]) << p;
}

TEST(StatusPanels, MatchPanelsShowOnlyDuringAMatch) {
  for (int p = 1; p <= kPanelCount; ++p) {
    const bool match = p >= 4 && p <= 7;
    EXPECT_EQ(PanelShown(p, false), !match) << p;
    EXPECT_TRUE(PanelShown(p, true)) << p;
  }
}

TEST(StatusPanels, OnlyTheNamePanelStretches) {
  const auto narrow = PanelWidths(800, false);
  const auto wide = PanelWidths(1000, false);
  EXPECT_EQ(narrow[1], 800 - (40 + 40 + 27 + 67 + 96));
  EXPECT_EQ(wide[1], narrow[1] + 200);
  for (int p = 2; p <= kPanelCount; ++p) EXPECT_EQ(wide[p], narrow[p]) << p;

  // A match shrinks the name panel by the match panels' widths.
  EXPECT_EQ(PanelWidths(800, true)[1], narrow[1] - (133 + 27 + 60 + 60));
  // Never narrower than its design width.
  EXPECT_EQ(PanelWidths(300, true)[1], 96);
}

TEST(StatusPanels, AMaximisedWindowLaysOutToTheScreen) {
  EXPECT_EQ(StatusBarWidth(WindowState::Maximized, 640, 1920), 1920);
  EXPECT_EQ(StatusBarWidth(WindowState::Normal, 640, 1920), 640);
}

constexpr double kMinute = 1.0 / (24 * 60);

TEST(ElapsedClock, MinimisedTimeIsLeftOut) {
  double gameStart = 100.0;
  ElapsedClock clock;
  clock.Start();
  clock.Minimized(100.0 + 10 * kMinute);
  EXPECT_FALSE(clock.running);
  clock.Restored(100.0 + 15 * kMinute, gameStart);
  EXPECT_TRUE(clock.running);
  EXPECT_NEAR(gameStart, 100.0 + 5 * kMinute, 1e-9);
  // Restoring again, or with no game, changes nothing.
  clock.Restored(100.0 + 20 * kMinute, gameStart);
  EXPECT_NEAR(gameStart, 100.0 + 5 * kMinute, 1e-9);
}

TEST(ElapsedClock, ARepeatedMinimisedNoticeKeepsTheFirstPause) {
  double gameStart = 100.0;
  ElapsedClock clock;
  clock.Start();
  clock.Minimized(100.0 + 1 * kMinute);
  clock.Minimized(100.0 + 3 * kMinute);
  clock.Restored(100.0 + 6 * kMinute, gameStart);
  EXPECT_TRUE(clock.running);
  EXPECT_NEAR(gameStart, 100.0 + 5 * kMinute, 1e-9);
}

TEST(ElapsedClock, AGameEndedWhileMinimisedDoesNotRestartTheClock) {
  double gameStart = 100.0;
  ElapsedClock clock;
  clock.Start();
  clock.Minimized(100.0 + kMinute);
  clock.Stop();
  clock.Restored(100.0 + 2 * kMinute, gameStart);
  EXPECT_FALSE(clock.running);
  EXPECT_EQ(gameStart, 100.0);
}

}  // namespace
}  // namespace cv
