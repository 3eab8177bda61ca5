#include <gtest/gtest.h>

#include "fixture.h"

namespace cv {
namespace {

using Choice = Players::Choice;

class PlayersTest : public test::RecordsFixture {};

TEST_F(PlayersTest, TheFirstPlayerTakesRecordOneWithTheComputersDefaults) {
  Open();
  EXPECT_EQ(records.players.PlayerRecord, 0);
  EXPECT_EQ(game.prefs.BackgroundName, "MarbleGrey.gif");  // record 12's preferences already in use
  ASSERT_EQ(records.players.ChoosePlayer("Anna"), Choice::Created);
  EXPECT_EQ(records.players.PlayerRecord, 1);
  const PlayerRec anna = Player(1);
  const PlayerRec computer = Player(kComputerRecord);
  EXPECT_EQ(anna.name, "Anna");
  EXPECT_EQ(anna.prefs, computer.prefs);
  EXPECT_EQ(anna.entries[0], ScoreEntry{});
  EXPECT_EQ(game.PlayerName, "Anna");
  EXPECT_EQ(table.panels[1], "Anna");
  EXPECT_TRUE(table.dealButton);
  EXPECT_DOUBLE_EQ(game.SpeedDelay, 0.5);  // speed 3, "quick"
}

TEST_F(PlayersTest, PlayersFillTheFreeRecordsInOrderUpToTen) {
  Open();
  for (int i = 1; i <= 10; ++i) {
    ASSERT_EQ(records.players.ChoosePlayer("P" + std::to_string(i)), Choice::Created) << i;
    EXPECT_EQ(records.players.PlayerRecord, i);
  }
  const auto before = test::FileBytes(home.Data("players.sav"));
  EXPECT_EQ(records.players.ChoosePlayer("Eleven"), Choice::Full);
  EXPECT_EQ(records.players.PlayerRecord, 10);
  EXPECT_EQ(test::FileBytes(home.Data("players.sav")), before);
  EXPECT_EQ(records.players.ChoosePlayer("P3"), Choice::Switched);
  EXPECT_EQ(records.players.PlayerRecord, 3);
  EXPECT_EQ(records.players.ChoosePlayer("P3"), Choice::Unchanged);
}

TEST_F(PlayersTest, NamesCompareExactlyAfterTrimmingAndCutting) {
  OpenWithPlayer("Anna");
  EXPECT_EQ(records.players.ChoosePlayer("anna"), Choice::Created);  // another letter case: another player
  EXPECT_EQ(records.players.PlayerRecord, 2);
  EXPECT_EQ(records.players.ChoosePlayer("  Anna "), Choice::Switched);
  EXPECT_EQ(records.players.PlayerRecord, 1);
  // A name longer than the field is found again rather than created anew each time.
  ASSERT_EQ(records.players.ChoosePlayer("Bartholomew Longname-Smith"), Choice::Created);
  EXPECT_EQ(records.players.ChoosePlayer("Anna"), Choice::Switched);
  EXPECT_EQ(records.players.ChoosePlayer("Bartholomew Longname-Smith"), Choice::Switched);
  EXPECT_EQ(records.players.PlayerRecord, 3);
}

TEST_F(PlayersTest, ANewPlayerNeverOverwritesAnExistingOne) {
  Open();
  for (const char* n : {"A", "B", "C"}) records.players.ChoosePlayer(n);
  records.players.PlayerRecord = 0;  // a program record that lost its player
  ASSERT_EQ(records.players.ChoosePlayer("D"), Choice::Created);
  EXPECT_EQ(records.players.PlayerRecord, 4);
  EXPECT_EQ(Player(1).name, "A");
}

TEST_F(PlayersTest, SwitchingStoresTheCurrentPlayersPreferencesFirst) {
  OpenWithPlayer("Anna");
  ASSERT_EQ(records.players.ChoosePlayer("Bob"), Choice::Created);
  game.prefs.Structure = 1004;
  game.prefs.SoundMode = 2;
  game.prefs.BackgroundName = "None";
  ASSERT_EQ(records.players.ChoosePlayer("Anna"), Choice::Switched);
  const PlayerRec bob = Player(2);
  EXPECT_EQ(bob.prefs.Structure, 1004);
  EXPECT_EQ(bob.prefs.Sound, 2);
  EXPECT_EQ(bob.prefs.BackgroundName, "None");
  EXPECT_EQ(game.prefs.Structure, 1001);  // Anna's own
  EXPECT_EQ(table.applied.back().Structure, 1001);
}

TEST_F(PlayersTest, ADamagedPlayerRecordGivesDefaultsAndIsStoredSane) {
  OpenWithPlayer("Anna");
  PlayerRec anna = Player(1);
  anna.prefs.Structure = 0;
  anna.prefs.FaceStyle = 7;
  anna.prefs.FontSize = 0;
  anna.prefs.SpeedIndex = -4;
  SetPlayer(1, anna);
  records.players.ApplyPlayerRecord(1);
  EXPECT_EQ(game.prefs.Structure, 1001);
  EXPECT_EQ(game.prefs.FaceStyle, 1);
  EXPECT_EQ(game.prefs.FontSize, 14);
  EXPECT_DOUBLE_EQ(game.SpeedDelay, 0.5);
  records.players.StorePlayerSettings();
  EXPECT_EQ(Player(1).prefs.Structure, 1001);
  EXPECT_EQ(Player(1).prefs.FaceStyle, 1);
}

ProgramRec StoredProgramRec(const test::TempHome& home) {
  const auto bytes = test::FileBytes(home.Data("players.sav"));
  return DecodeProgramRec(std::vector<uint8_t>(bytes.begin() + 10 * 154, bytes.begin() + 11 * 154));
}

TEST_F(PlayersTest, TheProgramRecordBringsBackTheLastPlayerAndWindow) {
  OpenWithPlayer("Anna");
  records.players.ChoosePlayer("Bob");
  game.prefs.FontSize = 18;
  records.Shutdown(WindowGeometry{9000, 150, 300, 12000});
  EXPECT_EQ(StoredProgramRec(home).lastPlayer, 2);
  EXPECT_EQ(StoredProgramRec(home).window, (WindowGeometry{9000, 150, 300, 12000}));

  test::BoardWithExtras table2;
  Game game2(table2, platform);
  game2.AppPath = home.path;
  Records again(game2);
  ASSERT_EQ(again.Open(), Records::OpenResult::Ready);
  EXPECT_EQ(again.players.PlayerRecord, 2);
  EXPECT_EQ(game2.PlayerName, "Bob");
  EXPECT_EQ(game2.prefs.FontSize, 18);
  // A minimised window leaves the stored geometry alone; a maximised one stores zeros.
  again.Shutdown(std::nullopt);
  EXPECT_EQ(StoredProgramRec(home).window, (WindowGeometry{9000, 150, 300, 12000}));
  ASSERT_EQ(again.Open(), Records::OpenResult::Ready);
  again.Shutdown(WindowGeometry{});
  EXPECT_EQ(StoredProgramRec(home).window, WindowGeometry{});
  EXPECT_EQ(StoredProgramRec(home).lastPlayer, 2);
}

TEST_F(PlayersTest, ALastPlayerThatIsNoPlayerIsIgnored) {
  for (int last : {77, -1, 5, kComputerRecord}) {
    std::vector<uint8_t> bytes = test::FileBytes(home.Data("players.sav"));
    test::Le16(bytes, 10 * 154 + 64, last);  // record 5 is empty
    test::SetFileBytes(home.Data("players.sav"), bytes);
    Records r(game);
    ASSERT_EQ(r.Open(), Records::OpenResult::Ready);
    EXPECT_EQ(r.players.PlayerRecord, 0) << last;
  }
}

TEST_F(PlayersTest, WithoutAPlayerFileTheProgramDoesNotStart) {
  std::filesystem::remove(home.Data("players.sav"));
  EXPECT_EQ(records.Open(), Records::OpenResult::PlayersMissing);
}

TEST_F(PlayersTest, OpponentRecordsAreFoundIgnoringCaseAndAppended) {
  OpenWithPlayer("Anna");
  EXPECT_FALSE(records.net.NetFileOpen);
  game.OpponentName = "BOB";
  records.net.LookUpOpponent();  // creates user/Anna.net
  EXPECT_TRUE(std::filesystem::exists(home.path + "/user/Anna.net"));
  EXPECT_EQ(records.net.NetRecord, 1);
  EXPECT_EQ(records.net.OpponentPic, "QZ.jpg");

  NetScoreRec bob = records.net.Read(1);
  bob.avatar = "bob.jpg";
  records.net.Write(1, bob);
  test::SetFileBytes(home.path + "/user/bob.jpg", {1, 2, 3});
  records.net.OpponentPic.clear();
  game.OpponentName = "bob";
  records.net.LookUpOpponent();
  EXPECT_EQ(records.net.NetRecord, 1);
  EXPECT_EQ(records.net.OpponentPic, "bob.jpg");

  game.OpponentName = "Carl";
  records.net.OpponentPic = "carl.png";
  records.net.LookUpOpponent();
  EXPECT_EQ(records.net.NetRecord, 2);
  EXPECT_EQ(records.net.Read(2).avatar, "carl.png");
  EXPECT_EQ(records.net.NetNames, (std::vector<std::string>{"BOB", "Carl"}));

  // A picture name that leads out of the user folder is not taken.
  NetScoreRec carl = records.net.Read(2);
  carl.avatar = "../Data/players.sav";
  records.net.Write(2, carl);
  records.net.OpponentPic.clear();
  records.net.LookUpOpponent();
  EXPECT_EQ(records.net.OpponentPic, "QZ.jpg");
}

TEST_F(PlayersTest, ThePlayersNetworkFileIsOpenWhileHeHasOne) {
  OpenWithPlayer("Anna");
  game.OpponentName = "Bob";
  records.net.LookUpOpponent();
  ASSERT_EQ(records.players.ChoosePlayer("Zed"), Choice::Created);
  EXPECT_FALSE(records.net.NetFileOpen);
  EXPECT_TRUE(records.net.NetNames.empty());
  ASSERT_EQ(records.players.ChoosePlayer("Anna"), Choice::Switched);
  EXPECT_TRUE(records.net.NetFileOpen);
  EXPECT_EQ(records.net.NetNames, std::vector<std::string>{"Bob"});
}

}  // namespace
}  // namespace cv
