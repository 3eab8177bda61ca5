#include <gtest/gtest.h>

#include "engine/game.h"
#include "engine/invariants.h"
#include "support/fakes.h"
#include "support/positions.h"

namespace cv {
namespace {

using test::SetCenter;
using test::SetReserve;
using test::SetStock;
using test::SetTableau;
using test::SetWaste;

class CountingOpponent : public OpponentPlayer {
 public:
  explicit CountingOpponent(Game& g) : g_(g) {}
  void PlayTurn() override {
    ++turns;
    g_.state.Turn = 1;
  }
  int turns = 0;

 private:
  Game& g_;
};

class Moves : public ::testing::Test {
 protected:
  Moves() : game(table, platform) {
    game.SetHooks(&hooks);
    game.AppPath = "/p";
    game.GameOver = false;
    game.state = test::QuietBoard();
  }
  GameState& s() { return game.state; }
  void Select(PileKind k, int i) { game.SetSelection(k, i, TopCard(s(), k, i)); }

  test::RecordingTable table;
  test::RecordingPlatform platform;
  test::RecordingHooks hooks;
  Game game;
};

}  // namespace

TEST_F(Moves, LastStockCardWithAnEmptyWasteWinsWhateverTheReserveHolds) {
  SetReserve(s(), 0, {5, 6, 7}, 2);
  SetStock(s(), 0, {1});
  s().StockUp = true;
  Select(PileKind::Player, kStock);
  game.PlaceOnCenter(1);
  game.TakeFromSource(PileKind::Player, kStock);
  EXPECT_EQ(hooks.winner, 0);
  EXPECT_EQ(table.winningStock, 0);
  EXPECT_TRUE(game.GameOver);
  EXPECT_EQ(s().Turn, 0);
}

TEST_F(Moves, LastStockCardOntoTheOwnWasteDoesNotWin) {
  SetStock(s(), 0, {44});
  s().StockUp = true;
  EXPECT_TRUE(game.PlayLocalMove({PileKind::Player, kStock}, {PileKind::Player, kWaste}));
  EXPECT_EQ(hooks.winner, -1);
  EXPECT_TRUE(game.TurnOver);
  EXPECT_EQ(s().StockCnt[0], 0);
  EXPECT_EQ(s().WasteTop(0), 44);
}

TEST_F(Moves, ComputerRecyclesItsWasteAfterItsLastStockCardButNotAtTurnEnd) {
  s().Turn = 2;
  SetStock(s(), 1, {1});
  SetWaste(s(), 1, {20, 21, 22});
  s().StockUp = true;
  Select(PileKind::Opponent, kStock);
  game.PlaceOnCenter(1);
  game.TakeFromSource(PileKind::Opponent, kStock);
  EXPECT_EQ(s().WasteCnt[1], 0);
  ASSERT_EQ(s().StockCnt[1], 3);
  EXPECT_EQ(s().Stock[1][1], 22);  // the top Waste card becomes the bottom Stock card
  EXPECT_EQ(s().StockTop(1), 20);
  EXPECT_TRUE(s().StockUp);        // and its first card is turned up

  // The end-of-turn move (selection index 3) empties the Stock without a recycle.
  SetStock(s(), 1, {30});
  SetWaste(s(), 1, {20});
  game.SetSelection(PileKind::Opponent, kWaste, 30);
  game.PlaceOnPlayerPile(kWaste, 2);
  game.TakeFromSource(PileKind::Opponent, kStock);
  EXPECT_EQ(s().StockCnt[1], 0);
  EXPECT_EQ(s().WasteCnt[1], 2);
}

TEST_F(Moves, ReserveTurnsItsCardsUpOneByOne) {
  s().Turn = 2;
  SetReserve(s(), 1, {1, 2, 3}, 2);
  for (int expectedDown : {1, 0}) {
    Select(PileKind::Opponent, kReserve);
    game.PlaceOnTableau(1);
    game.TakeFromSource(PileKind::Opponent, kReserve);
    EXPECT_EQ(s().ReserveDown[1], expectedDown);
  }
  EXPECT_EQ(s().ReserveTop(1), 1);
  Select(PileKind::Opponent, kReserve);
  game.PlaceOnTableau(1);
  game.TakeFromSource(PileKind::Opponent, kReserve);
  EXPECT_EQ(s().ReserveCnt[1], 0);
  EXPECT_EQ(s().ReserveDown[1], 0);
  EXPECT_EQ(table.CountLabel(PileKind::Opponent, kReserve), "");
  EXPECT_TRUE(table.shown.back().empty);
}

TEST_F(Moves, LoadedCardLiesFaceUpAndLeavesTheFaceDownPartAlone) {
  SetReserve(s(), 1, {1, 2, 3}, 2);
  SetTableau(s(), 1, {4});
  Select(PileKind::Tableau, 1);
  game.PlaceOnPlayerPile(kReserve, 2);
  game.TakeFromSource(PileKind::Tableau, 1);
  EXPECT_EQ(s().ReserveCnt[1], 4);
  EXPECT_EQ(s().ReserveDown[1], 2);
  EXPECT_TRUE(table.shown.back().empty);  // the emptied Tableau pile
  EXPECT_EQ(table.CountLabel(PileKind::Tableau, 1), "");
}

TEST_F(Moves, PressingAnEmptyStockRecyclesTheWaste) {
  SetStock(s(), 0, {});
  SetWaste(s(), 0, {7, 8});
  EXPECT_FALSE(game.PressOwnStock());
  EXPECT_EQ(s().StockCnt[0], 2);
  EXPECT_FALSE(s().StockUp);
  EXPECT_EQ(platform.sounds.front(), "/p/Data/~121.tmp");
  EXPECT_EQ(table.CountLabel(PileKind::Player, kWaste), "0");
  EXPECT_FALSE(game.PressOwnStock());  // turns up the first card of the new Stock
  EXPECT_TRUE(s().StockUp);
  EXPECT_TRUE(game.PressOwnStock());   // and now the press drags it
}

TEST_F(Moves, RefusedStockPressShowsTheRule) {
  SetReserve(s(), 0, {5});
  SetTableau(s(), 3, {14});
  SetStock(s(), 0, {44});
  EXPECT_FALSE(game.PressOwnStock());
  EXPECT_FALSE(s().StockUp);
  EXPECT_EQ(table.message, "STOP! Tableau cards that can be played to the Center, must be moved there before turning over "
                           "your Stock card!");
  EXPECT_EQ(game.SelPile, PileKind::Tableau);
  EXPECT_EQ(game.SelIndex, 3);
}

TEST_F(Moves, EveryLocalMoveIsSnapshotForUndo) {
  game.UndoStep = 1;
  SetTableau(s(), 1, {35});
  SetTableau(s(), 2, {10});
  SetTableau(s(), 3, {2});
  SetCenter(s(), 1, {1});
  EXPECT_TRUE(game.PlayLocalMove({PileKind::Tableau, 1}, {PileKind::Tableau, 2}));
  EXPECT_TRUE(game.PlayLocalMove({PileKind::Tableau, 3}, {PileKind::Center, 1}));
  EXPECT_FALSE(game.PlayLocalMove({PileKind::Tableau, 2}, {PileKind::Center, 2}));
  EXPECT_EQ(hooks.undoSteps, (std::vector<int>{2, 3}));
  EXPECT_EQ(game.UndoStep, 3);
}

TEST_F(Moves, NetworkNoteGivesPlayerPilesAsTheReceiverSeesThem) {
  game.netState = 1;
  SetTableau(s(), 1, {13, 6});
  SetWaste(s(), 1, {5});
  EXPECT_TRUE(game.PlayLocalMove({PileKind::Tableau, 1}, {PileKind::Opponent, kWaste}));
  EXPECT_EQ(game.NetFrom, PileKind::Tableau);
  EXPECT_EQ(game.NetFromIndex, 1);
  EXPECT_EQ(game.NetTo, PileKind::Player);
  EXPECT_EQ(game.NetToIndex, kWaste);
  SetStock(s(), 0, {44});
  s().StockUp = true;
  EXPECT_TRUE(game.PlayLocalMove({PileKind::Player, kStock}, {PileKind::Player, kWaste}));
  EXPECT_EQ(game.NetTo, PileKind::Opponent);
}

TEST_F(Moves, TurnPassesOnReleaseAndComesBack) {
  CountingOpponent opponent(game);
  game.SetOpponent(&opponent);
  SetStock(s(), 0, {44, 45});
  s().StockUp = true;
  game.PlayLocalMove({PileKind::Player, kStock}, {PileKind::Player, kWaste});
  game.HandOver();
  EXPECT_EQ(opponent.turns, 1);
  EXPECT_FALSE(game.TurnOver);
  EXPECT_FALSE(s().StockUp);

  s().Turn = 2;
  game.ComputerBusy = true;
  const int turnCount = s().TurnCount;
  game.HandBack();
  EXPECT_EQ(s().Turn, 1);
  EXPECT_EQ(s().TurnCount, turnCount + 1);
  EXPECT_EQ(hooks.turnBackups, 1);
  EXPECT_EQ(game.UndoStep, 1);
  EXPECT_EQ(hooks.undoSteps.back(), 1);
  EXPECT_TRUE(table.turnMarker[1]);
  EXPECT_FALSE(table.turnMarker[2]);
  EXPECT_FALSE(game.ComputerBusy);
  EXPECT_EQ(platform.sounds.back(), "/p/Data/~124.tmp");
}

TEST_F(Moves, NoTurnPassesAfterTheWinningMove) {
  CountingOpponent opponent(game);
  game.SetOpponent(&opponent);
  SetStock(s(), 0, {1});
  s().StockUp = true;
  game.PlayLocalMove({PileKind::Player, kStock}, {PileKind::Center, 1});
  game.TurnOver = true;  // as if the release came after the win
  game.HandOver();
  EXPECT_EQ(opponent.turns, 0);
}

TEST_F(Moves, CloseAskedDuringTheOpponentsTurnClosesAtTheHandOver) {
  struct ClosingOpponent : OpponentPlayer {
    Game* g;
    void PlayTurn() override { g->Closing = true; }
  } opponent;
  opponent.g = &game;
  game.SetOpponent(&opponent);
  game.TurnOver = true;
  game.HandOver();
  EXPECT_TRUE(table.closed);
  EXPECT_FALSE(game.ComputerBusy);
  platform.pauses.clear();
  game.Pause(5);
  EXPECT_TRUE(platform.pauses.empty());  // every pause returns at once while closing
}

}  // namespace cv
