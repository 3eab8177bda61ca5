#include <gtest/gtest.h>

#include "app/selfplay.h"
#include "home.h"
#include "records/high_scores.h"
#include "records/player_rec.h"

namespace cv {
namespace {

PlayerRec StoredPlayer(const test::TempHome& home, int record) {
  const auto bytes = test::FileBytes(home.Data("players.sav"));
  return DecodePlayerRec(std::vector<uint8_t>(bytes.begin() + (record - 1) * 154, bytes.begin() + record * 154));
}

TEST(SelfPlayAtHome, FinishedGamesGoIntoThePlayerAndScoreFiles) {
  test::TempHome home;
  SelfPlayOptions opt;
  opt.games = 12;
  opt.seed = 4;
  opt.home = home.path;
  const SelfPlayResult first = RunSelfPlay(opt);
  ASSERT_EQ(first.failure, "");
  const int finished = first.localWins + first.computerWins;
  ASSERT_GT(finished, 0);

  const PlayerRec bot = StoredPlayer(home, 1);
  EXPECT_EQ(bot.name, "Player");
  EXPECT_EQ(bot.entries[0].Played, finished);
  EXPECT_EQ(bot.entries[0].Won, first.localWins);
  EXPECT_EQ(StoredPlayer(home, kComputerRecord).entries[0].Won, first.computerWins);
  EXPECT_EQ(DecodeProgramRec(StoredPlayer(home, kProgramRecord).image).lastPlayer, 1);
  const auto table = test::FileBytes(home.Data("highscore.ran"));
  int entered = 0;
  for (size_t at = 0; at + kHighScoreRecSize <= table.size(); at += kHighScoreRecSize)
    entered += DecodeHighScoreRec(std::span(table).subspan(at, kHighScoreRecSize)).score > 0;
  EXPECT_EQ(entered, std::min(finished, kHighScoreCount));
  EXPECT_FALSE(std::filesystem::exists(home.Data("~tempmoves.sav")));

  // The same games recorded or not: the record keeping does not change the play.
  SelfPlayOptions bare = opt;
  bare.home.clear();
  const SelfPlayResult unrecorded = RunSelfPlay(bare);
  EXPECT_EQ(unrecorded.moves, first.moves);

  // A second run plays on as the same player.
  const SelfPlayResult second = RunSelfPlay(opt);
  EXPECT_EQ(StoredPlayer(home, 1).entries[0].Played, finished + second.localWins + second.computerWins);
  EXPECT_EQ(StoredPlayer(home, 2).name, "");
}

TEST(SelfPlayAtHome, AFolderWithoutAPlayerFileIsRefused) {
  test::TempHome home;
  std::filesystem::remove(home.Data("players.sav"));
  SelfPlayOptions opt;
  opt.games = 3;
  opt.home = home.path;
  const SelfPlayResult r = RunSelfPlay(opt);
  EXPECT_NE(r.failure.find("players.sav is missing"), std::string::npos);
  EXPECT_EQ(r.games, 0);
  EXPECT_FALSE(std::filesystem::exists(home.Data("backup.sav")));
}

}  // namespace
}  // namespace cv
