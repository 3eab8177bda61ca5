#include <gtest/gtest.h>

#include "records/high_scores.h"
#include "records/score_entry.h"
#include "records/score_text.h"
#include "support/positions.h"

namespace cv {
namespace {

TEST(AddGameResult, OverflowThresholds) {
  struct Case {
    int16_t before;
    int score;
    ScoreUpdate update;
  };
  const Case cases[] = {
      {31940, 60, ScoreUpdate::Added},        // 32000: still added
      {31941, 60, ScoreUpdate::Overflowing},  // 32001
      {32440, 60, ScoreUpdate::Overflowing},  // 32500: the last "overflowing"
      {32441, 60, ScoreUpdate::NotUpdated},   // 32501
  };
  for (const Case& c : cases) {
    ScoreEntry e{10, 4, c.before, 62, 0.0};
    EXPECT_EQ(AddGameResult(e, true, c.score, 0), c.update) << c.before;
    EXPECT_EQ(e.Played, 11) << c.before;
    if (c.update == ScoreUpdate::Added) {
      EXPECT_EQ(e, (ScoreEntry{11, 5, static_cast<int16_t>(c.before + c.score), 0, 0.0}));
    } else {
      EXPECT_EQ(e, (ScoreEntry{11, 4, c.before, 62, 0.0})) << "points, wins and goal stay";
      EXPECT_FALSE(ScoreUpdateMessage(c.update).text.empty());
    }
  }
  EXPECT_EQ(ScoreUpdateMessage(ScoreUpdate::Overflowing).title, "Score file overflowing");
  EXPECT_EQ(ScoreUpdateMessage(ScoreUpdate::NotUpdated).title, "Score file not updated");
}

TEST(AddGameResult, ALossCountsOnlyTheGameAndCountsStopAtTheTop) {
  ScoreEntry e{5, 2, 100, 40, 0.0};
  EXPECT_EQ(AddGameResult(e, false, 60, 61), ScoreUpdate::Counted);
  EXPECT_EQ(e, (ScoreEntry{6, 2, 100, 40, 0.0}));
  ScoreEntry full{32767, 3, 100, 0, 0.0};
  AddGameResult(full, false, 60, 0);
  EXPECT_EQ(full.Played, 32767);  // not wrapped to a negative count
}

TEST(GameScore, CountsTheLosersCards) {
  GameState s;
  test::SetReserve(s, 1, {1, 2, 3, 4, 5}, 4);
  test::SetStock(s, 1, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
  test::SetWaste(s, 1, {18, 19, 20, 21, 22, 23, 24, 25});
  test::SetReserve(s, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 12);
  EXPECT_EQ(GameScore(s, 1), 60);  // 30 + 20 + 2 * 5
  EXPECT_EQ(GameScore(s, 0), 56);  // 30 + 0 + 2 * 13
}

TEST(GameScore, WinnerAndScoreTexts) {
  EXPECT_EQ(WinnerText(true, false, ""), "You WON!");
  EXPECT_EQ(WinnerText(false, false, ""), "I'm the WINNER!");
  EXPECT_EQ(WinnerText(false, true, "Bob"), "Bob is the WINNER!");
  EXPECT_EQ(ScoreText(true, 20, 5, 60),
            "Your score is:\r\n30 points for the win\r\n 20 pts for  your opponent's Stock/Waste\r\n"
            " 10 pts for  your opponent's Reserve\r\n\r\nTotal Score:  60");
  EXPECT_EQ(ScoreText(false, 0, 13, 56),
            "Your opponent's score is:\r\n30 points for the win\r\n 0 pts for  your Stock/Waste\r\n"
            " 26 pts for  your Reserve\r\n\r\nTotal Score:  56");
}

double Seconds(int s) { return s / 86400.0; }

std::vector<HighScoreRec> Table(std::initializer_list<std::pair<int, int>> scoresAndSeconds) {
  std::vector<HighScoreRec> t;
  for (const auto& [score, secs] : scoresAndSeconds)
    t.push_back({46000, "x", static_cast<int16_t>(score), Seconds(secs)});
  t.resize(kHighScoreCount);
  return t;
}

TEST(HighScores, InsertionPlace) {
  const auto t = Table({{80, 600}, {60, 300}, {60, 500}, {45, 100}});
  struct Case {
    int score, seconds, place;
  };
  const Case cases[] = {
      {90, 1000, 1},  // a new best
      {60, 300, 2},   // same score, same time: above the old entry
      {60, 299, 2},   // same score, faster
      {60, 400, 3},   // same score, between the two times
      {60, 501, 4},   // same score, slower than both
      {31, 9999, 5},  // beats the never-written lines (score 0)
  };
  for (const Case& c : cases)
    EXPECT_EQ(HighScorePlace(t, {0, "n", static_cast<int16_t>(c.score), Seconds(c.seconds)}), c.place)
        << c.score << " in " << c.seconds << " s";
}

TEST(HighScores, AFullTableDropsItsLastLineOrStaysUnchanged) {
  std::vector<HighScoreRec> t;
  for (int i = 0; i < kHighScoreCount; ++i) t.push_back({46000, "p" + std::to_string(i), static_cast<int16_t>(100 - i), 0.01});
  const auto before = t;
  EXPECT_EQ(InsertHighScore(t, {46001, "late", 80, 0.01}), 0);  // 21st best
  EXPECT_EQ(t, before);
  EXPECT_EQ(InsertHighScore(t, {46001, "best", 120, 0.02}), 1);
  ASSERT_EQ(t.size(), 20u);
  EXPECT_EQ(t[0].name, "best");
  EXPECT_EQ(t[1].name, "p0");
  EXPECT_EQ(t[19].name, "p18");  // p19 pushed out
}

}  // namespace
}  // namespace cv
