#include <gtest/gtest.h>

#include <cmath>

#include "fixture.h"
#include "records/high_scores.h"
#include "records/score_text.h"
#include "support/positions.h"

namespace cv {
namespace {

class GameEndTest : public test::RecordsFixture {
 protected:
  // The end of a game lasting `seconds`, the loser keeping the given cards.
  void EndGame(int winner, int loserStockWaste, int loserReserve, long seconds = 300) {
    GameState& s = game.state;
    s = GameState{};
    s.Turn = winner == 0 ? 1 : 2;
    s.TurnCount = 7;
    const int loser = 1 - winner;
    s.StockCnt[loser] = static_cast<int16_t>(loserStockWaste);
    s.ReserveCnt[loser] = static_cast<int16_t>(loserReserve);
    game.GameOver = false;
    game.GameStart = platform.now - seconds / 86400.0;
    records.FinishGame(game, winner);
  }
  std::vector<HighScoreRec> HighScores() {
    RecordFile f(kHighScoreRecSize);
    f.Open(home.Data("highscore.ran"), false);
    std::vector<HighScoreRec> t;
    for (int i = 1; i <= kHighScoreCount; ++i) t.push_back(DecodeHighScoreRec(f.Read(i)));
    return t;
  }
  void Reopen() {
    records.Shutdown(std::nullopt);
    ASSERT_EQ(records.Open(), Records::OpenResult::Ready);
  }
};

TEST_F(GameEndTest, ALocalWinIsAnnouncedScoredAndShownWithTheWinDisplay) {
  OpenWithPlayer("Anna");
  game.prefs.Structure = 1003;
  EndGame(0, 20, 5);
  EXPECT_EQ(records.gameEnd.GameScore, 60);
  EXPECT_EQ(table.turnLabel, "You WON!");
  EXPECT_EQ(table.message, ScoreText(true, 20, 5, 60));
  EXPECT_EQ(table.structures, (std::vector<int>{1002, 1003}));
  EXPECT_EQ(platform.sounds.back(), home.path + "/Data/win.wav");
  EXPECT_EQ(Player(1).entries[0], (ScoreEntry{1, 1, 60, 0, 0.0}));
  EXPECT_EQ(Player(kComputerRecord).entries[0], (ScoreEntry{1, 0, 0, 0, 0.0}));
  const auto t = HighScores();
  EXPECT_EQ(t[0].name, "Anna");
  EXPECT_EQ(t[0].score, 60);
  EXPECT_EQ(TimeOfDaySeconds(t[0].time), 300);
  EXPECT_EQ(t[0].date, std::floor(platform.now));
  EXPECT_EQ(game.state.Turn, 0);
  EXPECT_EQ(game.state.TurnCount, 0);
  EXPECT_TRUE(game.GameOver);
  EXPECT_FALSE(game.ComputerBusy);
  EXPECT_TRUE(table.dealButton);
  EXPECT_FALSE(table.pilesEnabled);
  EXPECT_EQ(table.logos, 1);
  EXPECT_EQ(platform.pauses, (std::vector<double>{1.0, 3.0}));
}

TEST_F(GameEndTest, TheComputersWinEntersTheTableUnderTheProgramsName) {
  OpenWithPlayer("Anna");
  EndGame(1, 0, 13, 4503);  // over an hour: the clock text would read 00:75:03
  EXPECT_EQ(records.gameEnd.GameScore, 56);
  EXPECT_EQ(table.turnLabel, "I'm the WINNER!");
  EXPECT_TRUE(table.structures.empty());
  EXPECT_EQ(Player(kComputerRecord).entries[0], (ScoreEntry{1, 1, 56, 0, 0.0}));
  EXPECT_EQ(Player(1).entries[0], (ScoreEntry{1, 0, 0, 0, 0.0}));
  const auto t = HighScores();
  EXPECT_EQ(t[0].name, "Corvalle");
  EXPECT_EQ(TimeOfDaySeconds(t[0].time), 4503);
  EXPECT_EQ(platform.pauses, std::vector<double>{1.0});
}

TEST_F(GameEndTest, NoSoundsMeansNoWinTuneButStillTheWinDisplay) {
  OpenWithPlayer("Anna");
  game.prefs.SoundMode = 2;
  EndGame(0, 3, 0);
  EXPECT_TRUE(platform.sounds.empty());
  EXPECT_EQ(table.structures.front(), 1002);
}

TEST_F(GameEndTest, AnOverflowingScoreKeepsItsPointsButCountsTheGame) {
  OpenWithPlayer("Anna");
  PlayerRec anna = Player(1);
  anna.entries[0] = {500, 480, 31990, 0, 0.0};
  SetPlayer(1, anna);
  EndGame(0, 20, 5);
  EXPECT_EQ(Player(1).entries[0], (ScoreEntry{501, 480, 31990, 0, 0.0}));
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].substr(0, platform.boxes[0].find('|')), "Score file overflowing");
  EXPECT_EQ(Player(kComputerRecord).entries[0].Played, 1);  // the other files are still updated
  EXPECT_EQ(HighScores()[0].score, 60);
}

TEST_F(GameEndTest, AMatchRunsAcrossGamesAndSurvivesARestart) {
  OpenWithPlayer("Anna");
  records.StartMatch(40);
  EXPECT_FALSE(game.GameOver);  // starting a match deals at once
  EXPECT_TRUE(table.matchPanels);
  EXPECT_EQ(table.panels[4], "Match Game:  40 points");
  EXPECT_EQ(Player(1).entries[1], (ScoreEntry{0, 0, 0, 40, 0.0}));

  EndGame(0, 5, 0);  // 35 points
  EXPECT_EQ(Player(1).entries[1], (ScoreEntry{1, 1, 35, 40, 0.0}));
  EXPECT_EQ(Player(1).entries[2], (ScoreEntry{1, 0, 0, 0, 0.0}));
  EXPECT_EQ(table.panels[5], " 1");
  EXPECT_EQ(table.panels[6], " 35");
  EXPECT_EQ(table.panels[7], " 0");
  EXPECT_TRUE(records.match.MatchOn);

  Reopen();
  EXPECT_TRUE(records.match.MatchOn);
  EXPECT_EQ(records.match.MatchPoints, 40);
  EXPECT_TRUE(table.matchPanels);

  EndGame(1, 0, 0);  // the computer scores 30: 30 : 35, still short
  EXPECT_TRUE(records.match.MatchOn);
  EndGame(0, 1, 0);  // 31 more: 66 of 40
  EXPECT_EQ(table.turnLabel, "Match Complete!!!\r\nYou WON!");
  EXPECT_FALSE(records.match.MatchOn);
  EXPECT_EQ(records.match.MatchPoints, 0);
  EXPECT_EQ(Player(1).entries[1], (ScoreEntry{3, 2, 66, 40, 0.0}));  // kept until the next match
  Reopen();
  EXPECT_FALSE(records.match.MatchOn);
}

TEST_F(GameEndTest, AMatchToThirtyOnePointsIsNotResumed) {
  OpenWithPlayer("Anna");
  records.StartMatch(31);
  Reopen();
  EXPECT_FALSE(records.match.MatchOn);
  EXPECT_FALSE(table.matchPanels);
}

TEST_F(GameEndTest, OneGameWorthMoreThanTheTargetEndsTheMatch) {
  OpenWithPlayer("Anna");
  records.StartMatch(61);
  EndGame(1, 35, 0);  // 65 for the computer
  EXPECT_EQ(table.turnLabel, "Match Complete!!!\r\nI'm the WINNER!");
  EXPECT_EQ(Player(1).entries[2].Points, 65);
}

TEST_F(GameEndTest, EndingAMatchByHandDealsNothing) {
  OpenWithPlayer("Anna");
  records.StartMatch(50);
  EndGame(0, 5, 0);
  const int clears = table.clears;
  records.EndMatch();
  EXPECT_EQ(table.clears, clears);
  EXPECT_TRUE(game.GameOver);
  EXPECT_FALSE(records.match.MatchOn);
  EXPECT_FALSE(table.matchPanels);
  EXPECT_EQ(Player(1).entries[1], ScoreEntry{});
}

TEST_F(GameEndTest, WithoutAPlayerOnlyTheComputerIsCounted) {
  Open();
  EndGame(1, 10, 0);
  EXPECT_EQ(Player(kComputerRecord).entries[0].Won, 1);
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(Player(r).name, "");
}

}  // namespace
}  // namespace cv
