#include <gtest/gtest.h>

#include "fixture.h"

namespace cv {
namespace {

// The position alone, flags and clock left out, for comparing.
GameRecBytes Position(const GameState& s) {
  GameRec rec;
  SaveGameRec(rec, s, "");
  return EncodeGameRec(rec);
}

class SavedGamesTest : public test::RecordsFixture {
 protected:
  SavedGamesTest() : opponent(game) { game.SetOpponent(&opponent); }

  // One move of the local player: his Stock card onto the opponent's Waste.
  void Move() {
    game.SetSelection(PileKind::Player, kStock, game.state.StockTop(0));
    game.PlaceOnPlayerPile(kWaste, 2);
    game.TakeFromSource(PileKind::Player, kStock);
  }
  // The local player ends his turn; the opponent hands it straight back.
  void PassTurn() {
    game.TurnOver = true;
    game.HandOver();
  }
  GameRec Stored(int record) { return records.saved.Read(GameFile::Saved, record); }
  GameRecBytes StoredPosition(int record) { return Position(Stored(record).position); }

  test::PassingOpponent opponent;
};

TEST_F(SavedGamesTest, TheDealFillsBothBackupsTheRestartAndTheLatestTurn) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  const GameRecBytes dealt = Position(game.state);
  for (int r : {11, 12, 13, 14}) EXPECT_EQ(StoredPosition(r), dealt) << r;
  EXPECT_EQ(Position(records.saved.Read(GameFile::Undo, 1).position), dealt);
  EXPECT_EQ(game.UndoStep, 1);
}

TEST_F(SavedGamesTest, BackspaceTakesBackOneMoveAtATime) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  std::vector<GameRecBytes> seen{Position(game.state)};
  for (int i = 0; i < 3; ++i) {
    Move();
    seen.push_back(Position(game.state));
  }
  EXPECT_EQ(game.UndoStep, 4);
  for (int i = 2; i >= 0; --i) {
    records.saved.UndoMove();
    EXPECT_EQ(Position(game.state), seen[i]) << i;
    EXPECT_EQ(game.UndoStep, i + 1);
  }
  const int clears = table.clears;
  records.saved.UndoMove();  // nothing left to take back
  EXPECT_EQ(table.clears, clears);
  EXPECT_EQ(Position(game.state), seen[0]);
  EXPECT_FALSE(records.saved.UndoMoveRequest);
  // Taking moves back never touches the turn backups.
  EXPECT_EQ(StoredPosition(12), seen[0]);
}

TEST_F(SavedGamesTest, DeleteAndPreviousTurnGoByTheTurnParity) {
  OpenWithPlayer("Anna");
  DealLocalFirst();                       // turn 1
  Move();
  PassTurn();                             // turn 2 begins
  const GameRecBytes turn2 = Position(game.state);
  EXPECT_EQ(StoredPosition(11), turn2);
  Move();
  PassTurn();                             // turn 3 begins
  ASSERT_EQ(game.state.TurnCount, 3);
  const GameRecBytes turn3 = Position(game.state);
  EXPECT_EQ(StoredPosition(12), turn3);
  EXPECT_EQ(StoredPosition(14), turn3);
  Move();
  Move();

  records.saved.UndoTurn();               // Delete: back to the start of turn 3 (record 12)
  EXPECT_EQ(Position(game.state), turn3);
  EXPECT_EQ(game.UndoStep, 1);
  EXPECT_EQ(Position(records.saved.Read(GameFile::Undo, 1).position), turn3);
  EXPECT_EQ(StoredPosition(11), turn2);   // the backups stay as they were

  Move();
  records.saved.BackupToPreviousTurn(false);  // F4 in an odd turn: record 11, turn 2
  EXPECT_EQ(Position(game.state), turn2);
  EXPECT_EQ(game.state.Turn, 1);
  EXPECT_FALSE(records.saved.RestoringBackup);
  // Both backups now hold the position restored, so F4 again stays there.
  EXPECT_EQ(StoredPosition(11), turn2);
  EXPECT_EQ(StoredPosition(12), turn2);
}

TEST_F(SavedGamesTest, PreviousTurnIsRefusedWhenNoTurnIsRecorded) {
  OpenWithPlayer("Anna");
  records.saved.BackupToPreviousTurn(false);
  EXPECT_EQ(platform.boxes, std::vector<std::string>{"Previous Turn|No previous turn to backup to."});
  EXPECT_EQ(table.clears, 0);
}

TEST_F(SavedGamesTest, ASavedGameComesBackWithItsOwnRestartPosition) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  const GameRecBytes dealt = Position(game.state);
  Move();
  PassTurn();
  Move();
  const GameRecBytes saved = Position(game.state);
  records.saved.SaveGame(3, "Tuesday");
  EXPECT_EQ(StoredPosition(3), saved);
  EXPECT_EQ(StoredPosition(23), dealt);
  const auto file = test::FileBytes(home.Data("backup.sav"));
  EXPECT_EQ(std::string(file.begin() + 2 * 1852 + 1814, file.begin() + 2 * 1852 + 1844),
            "Tuesday                       ");

  // Another game, then the saved one again.
  DealLocalFirst();
  Move();
  table.clockRunning = false;
  ASSERT_TRUE(records.saved.RestoreSavedGame(3));
  EXPECT_EQ(Position(game.state), saved);
  EXPECT_TRUE(table.clockRunning);
  EXPECT_FALSE(game.GameOver);
  EXPECT_FALSE(table.dealButton);
  EXPECT_EQ(StoredPosition(13), dealt);  // restart goes to that game's own deal
  EXPECT_EQ(StoredPosition(11), saved);
  EXPECT_EQ(StoredPosition(12), saved);
  EXPECT_EQ(game.UndoStep, 1);
  EXPECT_EQ(table.CountLabel(PileKind::Opponent, kWaste), "2");

  Move();
  const int turns = opponent.turns;
  records.saved.Restart(true);
  EXPECT_EQ(Position(game.state), dealt);
  EXPECT_EQ(game.state.Turn, 1);
  EXPECT_EQ(game.state.TurnCount, 1);
  EXPECT_EQ(opponent.turns, turns);  // the same first player: the local one
}

TEST_F(SavedGamesTest, RestartWithTheOtherPlayerFirstLetsTheComputerPlayAtOnce) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  Move();
  records.saved.Restart(false);
  EXPECT_EQ(opponent.turns, 1);
  EXPECT_EQ(game.state.Turn, 1);  // handed back
  EXPECT_EQ(game.state.TurnCount, 2);
}

TEST_F(SavedGamesTest, ARestoredSampleGameShowsItsLabelAndNumber) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  records.saved.SaveGame(5, "Sample Game Number 10");
  game.SampleGame = true;
  ASSERT_TRUE(records.saved.RestoreSavedGame(5));
  EXPECT_EQ(table.panels[1], "Anna   Sample Game Number 10");
  EXPECT_EQ(records.saved.SampleNumber, 10);
}

TEST_F(SavedGamesTest, DamagedOrEmptyRecordsAreRefusedAndTheGameGoesOn) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  Move();
  const GameRecBytes before = Position(game.state);
  records.saved.SaveGame(2, "good");
  const GameRecBytes restart = StoredPosition(13);

  struct Case {
    const char* what;
    void (*damage)(GameRec&);
  };
  const Case cases[] = {
      {"a card twice", [](GameRec& r) { r.position.Tableau[1][1] = r.position.Tableau[2][1]; }},
      {"a negative count", [](GameRec& r) { r.position.StockCnt[0] = -3; }},
      {"a count past the pile", [](GameRec& r) { r.position.TableauCnt[4] = 14; }},
      {"nobody on turn", [](GameRec& r) { r.position.Turn = 7; }},
  };
  RecordFile& file = records.saved.file(GameFile::Saved);
  for (const Case& c : cases) {
    GameRec rec = Stored(2);
    c.damage(rec);
    file.Write(4, EncodeGameRec(rec));
    platform.boxes.clear();
    const int clears = table.clears;
    EXPECT_FALSE(records.saved.RestoreSavedGame(4)) << c.what;
    EXPECT_EQ(platform.boxes.size(), 1u) << c.what;
    EXPECT_EQ(table.clears, clears) << c.what;
    EXPECT_EQ(Position(game.state), before) << c.what;
    EXPECT_EQ(StoredPosition(13), restart) << c.what;
  }
  platform.boxes.clear();
  EXPECT_FALSE(records.saved.RestoreSavedGame(9));  // never written
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_NE(platform.boxes[0].find("No game is stored there."), std::string::npos);

  // A short file: the slot's restart position is missing, so the restart record
  // becomes the slot itself rather than an empty position.
  std::vector<uint8_t> bytes = test::FileBytes(home.Data("backup.sav"));
  bytes.resize(21 * 1852 + 100);  // record 22 cut short
  test::SetFileBytes(home.Data("backup.sav"), bytes);
  ASSERT_TRUE(records.saved.RestoreSavedGame(2));
  EXPECT_EQ(StoredPosition(13), StoredPosition(2));
}

TEST_F(SavedGamesTest, TheUndoFileIsDeletedAtShutdown) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  EXPECT_TRUE(std::filesystem::exists(home.Data("~tempmoves.sav")));
  records.Shutdown(std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(home.Data("~tempmoves.sav")));
  EXPECT_TRUE(std::filesystem::exists(home.Data("backup.sav")));
}

}  // namespace
}  // namespace cv
