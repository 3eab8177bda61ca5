#include "opponent/computer.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/positions.h"

namespace cv {
namespace {

using test::SetCenter;
using test::SetReserve;
using test::SetStock;
using test::SetTableau;
using test::SetWaste;

class ComputerTurnTest : public ::testing::Test {
 protected:
  ComputerTurnTest() : game(table, platform), computer(game) {
    game.SetHooks(&hooks);
    game.SpeedDelay = 0.05f;
    game.GameOver = false;
    game.state = test::QuietBoard();
    game.state.Turn = 2;
    SetReserve(game.state, 0, {5});
    SetReserve(game.state, 1, {48});
    SetWaste(game.state, 1, {47});
  }
  GameState& s() { return game.state; }

  test::RecordingTable table;
  test::RecordingPlatform platform;
  test::RecordingHooks hooks;
  Game game;
  Computer computer;
};

TEST_F(ComputerTurnTest, EndsByPuttingItsStockCardOnItsWaste) {
  SetStock(s(), 1, {46, 45});
  computer.ComputerTurn();
  EXPECT_EQ(s().Turn, 1);
  EXPECT_EQ(s().WasteTop(1), 45);
  EXPECT_EQ(s().StockCnt[1], 1);
  EXPECT_FALSE(game.ComputerBusy);
  EXPECT_EQ(table.turnLabel, "Your turn");
  EXPECT_TRUE(table.flights.empty());  // the last card goes to the Waste without a flight
  for (double p : platform.pauses) EXPECT_TRUE(p == 0.05f || p == 0.4 || p == 0.025f || p == 0.5) << p;
}

TEST_F(ComputerTurnTest, PlaysEveryAvailableMoveBeforeEndingItsTurn) {
  SetStock(s(), 1, {46, 3, 2, 1});  // three clubs to the Center, one after another
  computer.ComputerTurn();
  EXPECT_EQ(s().CenterCnt[1], 3);
  EXPECT_EQ(s().WasteTop(1), 46);
  EXPECT_EQ(s().Turn, 1);
}

TEST_F(ComputerTurnTest, FirstTurnPlaysTableauCardsToTheCenterFirst) {
  s().TurnCount = 1;
  SetTableau(s(), 6, {13, 14});
  SetStock(s(), 1, {46, 45});
  computer.ComputerTurn();
  ASSERT_FALSE(table.flights.empty());
  EXPECT_EQ(table.flights.front().fromKind, PileKind::Tableau);
  EXPECT_EQ(table.flights.front().fromIndex, 6);
  EXPECT_EQ(table.flights.front().toKind, PileKind::Center);
}

TEST_F(ComputerTurnTest, FirstTurnFillDoesNotStallWhenTheStockCardMustGoToTheCenter) {
  s().TurnCount = 1;
  SetReserve(s(), 1, {1});       // goes to the Center, emptying the Reserve
  SetStock(s(), 1, {46, 45, 2});  // the two of clubs must follow it there
  SetTableau(s(), 4, {});
  computer.ComputerTurn();
  EXPECT_EQ(s().CenterCnt[1], 2);
  EXPECT_EQ(s().TableauTop(4), 45);  // then the next Stock card fills the gap
  EXPECT_EQ(s().Turn, 1);
}

TEST_F(ComputerTurnTest, LoadsOntoThePlayersPilesAndClearsTheFrameMarker) {
  SetStock(s(), 1, {46, 43});
  SetReserve(s(), 0, {44});  // five of spades takes the four
  computer.ComputerTurn();
  EXPECT_EQ(s().ReserveTop(0), 43);
  EXPECT_FALSE(table.frameMarker[kReserve]);
  EXPECT_EQ(s().Turn, 1);
}

TEST_F(ComputerTurnTest, StockAndWasteBothGoneMeansTheComputerHasWon) {
  SetStock(s(), 1, {});
  SetWaste(s(), 1, {});
  computer.ComputerTurn();
  EXPECT_EQ(hooks.winner, 1);
  EXPECT_TRUE(game.GameOver);
  EXPECT_FALSE(game.ComputerBusy);
}

TEST_F(ComputerTurnTest, EmptyStockAtTheStartRecyclesTheWaste) {
  SetStock(s(), 1, {});
  SetWaste(s(), 1, {46, 45});
  computer.ComputerTurn();
  EXPECT_EQ(s().Turn, 1);
  EXPECT_EQ(s().StockTop(1), 45);  // the Waste turned over, its first card ended the turn
  EXPECT_EQ(s().WasteTop(1), 46);
}

TEST_F(ComputerTurnTest, StopLeavesTheGameAbandonedWithNoResult) {
  SetStock(s(), 1, {46, 45});
  game.StopComputer = true;
  computer.ComputerTurn();
  EXPECT_EQ(s().Turn, 0);
  EXPECT_FALSE(game.StopComputer);
  EXPECT_FALSE(game.ComputerBusy);
  EXPECT_EQ(hooks.winner, -1);
  EXPECT_EQ(table.clears, 1);
}

TEST_F(ComputerTurnTest, ClosingEndsTheTurnEarly) {
  SetStock(s(), 1, {46, 45});
  game.Closing = true;
  computer.ComputerTurn();
  EXPECT_EQ(s().Turn, 2);  // handed over by the board as it closes
  EXPECT_TRUE(platform.pauses.empty());
}

}  // namespace
}  // namespace cv
