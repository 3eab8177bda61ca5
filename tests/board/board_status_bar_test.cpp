// The status bar widget and the game clock beside it.
#include "board/board_status_bar.h"

#include <QLabel>
#include <QTime>

#include "board/board_clock.h"
#include "view_fixture.h"

namespace cv::test {
namespace {

TEST(BoardStatusBar, PanelsByKeyWithTheirTipsAndTexts) {
  App();
  BoardStatusBar bar;
  struct Case {
    int panel;
    const char* key;
    const char* tip;
    bool shown;
  };
  const Case cases[] = {{1, "Space", "Player Name", true},       {2, "PCount", "Player's cards remaining", true},
                        {4, "Match", "Match Points to reach", false}, {7, "MatchScoreOpp", "Opponent's Match score", false},
                        {9, "Time", "", true},                   {10, "Elapsed", "Elapsed Time", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    QLabel* label = bar.findChild<QLabel*>(c.key);
    ASSERT_EQ(label, bar.PanelLabel(c.panel));
    EXPECT_EQ(label->toolTip(), c.tip);
    EXPECT_EQ(label->isVisibleTo(&bar), c.shown);
  }
  EXPECT_EQ(bar.Panel(4), "Match Game");
  const QTime shown = QTime::fromString(bar.Panel(9), "hh:mm");
  ASSERT_TRUE(shown.isValid());
  EXPECT_LE(std::abs(shown.secsTo(QTime::currentTime())), 120);
  bar.SetPanel(11, "ignored");
  bar.SetPanel(3, " 48");
  EXPECT_EQ(bar.Panel(3), " 48");
}

TEST(BoardStatusBar, OnlyTheNamePanelTakesUpTheWidth) {
  App();
  BoardStatusBar bar;
  bar.resize(800, 24);
  bar.show();
  auto widths = [&] {
    QCoreApplication::processEvents();
    std::array<int, kPanelCount + 1> w{};
    for (int p = 1; p <= kPanelCount; ++p) w[p] = bar.PanelLabel(p)->width();
    return w;
  };
  const auto narrow = widths();
  bar.resize(1200, 24);
  const auto wide = widths();
  EXPECT_EQ(wide[1] - narrow[1], 400);
  for (int p = 2; p <= kPanelCount; ++p) EXPECT_EQ(wide[p], PanelDesignWidth(p)) << p;

  bar.ShowMatchPanels(true);
  const auto match = widths();
  int matchWidth = 0;
  for (int p = 4; p <= 7; ++p) {
    EXPECT_TRUE(bar.PanelLabel(p)->isVisible());
    matchWidth += PanelDesignWidth(p);
  }
  EXPECT_LE(match[1], wide[1] - matchWidth);
  bar.ShowMatchPanels(false);
  EXPECT_EQ(widths()[1], wide[1]);
}

TEST(BoardStatusBar, TheClockOfTheDayWakesAtTheTurnOfTheMinute) {
  EXPECT_EQ(MsecsToNextMinute(0), 60000);
  EXPECT_EQ(MsecsToNextMinute(59999), 1);
  EXPECT_EQ(MsecsToNextMinute(12 * 3600000 + 61000), 59000);
}

TEST(BoardClock, StandsStillWhileTheWindowIsMinimised) {
  App();
  BoardClock clock;
  double GameStart = 100.0;
  const double minute = 1.0 / 1440;
  clock.Start();
  clock.Minimized(100.5);
  EXPECT_FALSE(clock.Running());
  clock.Restored(100.5 + 5 * minute, GameStart);
  EXPECT_TRUE(clock.Running());
  EXPECT_DOUBLE_EQ(GameStart, 100.0 + 5 * minute);

  // No game on: minimising and restoring start nothing and move nothing.
  clock.Stop();
  clock.Minimized(101);
  clock.Restored(102, GameStart);
  EXPECT_FALSE(clock.Running());
  EXPECT_DOUBLE_EQ(GameStart, 100.0 + 5 * minute);
}

}  // namespace
}  // namespace cv::test
