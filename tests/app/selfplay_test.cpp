#include "app/selfplay.h"

#include <gtest/gtest.h>

namespace cv {

// Whole games of the real computer against the rules-abiding bot, every position
// checked after every move: any broken invariant or rules dead end fails here.
TEST(SelfPlay, HundredsOfSeededGamesKeepEveryCardInPlace) {
  for (uint64_t seed : {1u, 2u, 3u}) {
    SelfPlayOptions opt;
    opt.games = 150;
    opt.seed = seed;
    const SelfPlayResult r = RunSelfPlay(opt);
    ASSERT_EQ(r.failure, "") << "seed " << seed;
    EXPECT_EQ(r.games, 150);
    EXPECT_EQ(r.localWins + r.computerWins + r.stalled, 150);
    // Both sides play properly: neither wins nearly everything, few games stall.
    EXPECT_GT(r.localWins, 30);
    EXPECT_GT(r.computerWins, 30);
    EXPECT_LT(r.stalled, 15);
  }
}

TEST(SelfPlay, TheSameSeedGivesTheSameGames) {
  SelfPlayOptions opt;
  opt.games = 40;
  opt.seed = 9;
  const SelfPlayResult a = RunSelfPlay(opt);
  const SelfPlayResult b = RunSelfPlay(opt);
  EXPECT_EQ(a.localWins, b.localWins);
  EXPECT_EQ(a.moves, b.moves);
  EXPECT_EQ(a.turns, b.turns);
  opt.seed = 10;
  EXPECT_NE(RunSelfPlay(opt).moves, a.moves);
}

TEST(SelfPlay, ReportNamesEveryFigure) {
  SelfPlayResult r;
  r.games = 4;
  r.localWins = 1;
  r.computerWins = 2;
  r.stalled = 1;
  r.turns = 60;
  r.moves = 1000;
  const std::string report = FormatSelfPlayReport(r, 2.0);
  EXPECT_NE(report.find("games: 4\n"), std::string::npos);
  EXPECT_NE(report.find("wins: local 1, computer 2\n"), std::string::npos);
  EXPECT_NE(report.find("stalled: 1\n"), std::string::npos);
  EXPECT_NE(report.find("average turns per finished game: 20.0\n"), std::string::npos);
  EXPECT_NE(report.find("average moves per game: 250.0\n"), std::string::npos);
  EXPECT_NE(report.find("games per second: 2\n"), std::string::npos);
}

}  // namespace cv
