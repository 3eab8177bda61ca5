#include "opponent/search.h"

#include <gtest/gtest.h>

#include "opponent/speed.h"
#include "support/positions.h"

namespace cv {
namespace {

using test::SetReserve;
using test::SetStock;
using test::SetTableau;
using test::SetWaste;

GameState ComputerOnTurn() {
  GameState s = test::QuietBoard();
  s.Turn = 2;
  return s;
}

// Moves the found card in the tables, as the driver would.
void Apply(GameState& s, const FoundMove& m) {
  auto& from = s.Tableau[m.fromIndex];
  auto& fromCnt = s.TableauCnt[m.fromIndex];
  from[fromCnt--] = 0;
  s.Tableau[m.to][++s.TableauCnt[m.to]] = m.card;
}

}  // namespace

TEST(MoveCheckTableau, ToCenterPrefersTheShorterPileWithTheSameCard) {
  struct Case {
    const char* name;
    std::initializer_list<int> pile2, pile5;
    int turn, expected;
  };
  const Case cases[] = {
      {"single card is taken at once", {1}, {1}, 2, 2},
      {"a shorter pile with the other deck's ace wins", {30, 20, 1}, {20, 1}, 2, 5},
      {"equal heights keep the lower pile", {20, 1}, {30, 1}, 2, 2},
      {"a taller second copy does not win", {20, 1}, {30, 20, 1}, 2, 2},
      {"on the local player's turn the first pile is taken", {30, 20, 1}, {1}, 1, 2},
  };
  for (const Case& c : cases) {
    GameState s = ComputerOnTurn();
    s.Turn = static_cast<int16_t>(c.turn);
    SetTableau(s, 2, c.pile2);
    SetTableau(s, 5, c.pile5);
    TabMovedTable tabMoved{};
    const FoundMove m = MoveCheckTableau(s, 1, tabMoved);
    ASSERT_TRUE(m) << c.name;
    EXPECT_EQ(m.fromIndex, c.expected) << c.name;
    EXPECT_EQ(m.card, 1) << c.name;
    EXPECT_EQ(m.to, 1) << c.name;
  }
}

TEST(MoveCheckTableau, ACardCannotShuttleBetweenTwoPiles) {
  GameState s = ComputerOnTurn();
  SetTableau(s, 3, {21, 7});  // black seven on a red eight
  SetTableau(s, 5, {34});     // a red eight
  TabMovedTable tabMoved{};

  FoundMove m = MoveCheckTableau(s, 2, tabMoved);
  ASSERT_TRUE(m);
  EXPECT_EQ(m.fromIndex, 3);
  EXPECT_EQ(m.to, 5);
  EXPECT_EQ(tabMoved[3], 7);
  Apply(s, m);

  m = MoveCheckTableau(s, 2, tabMoved);  // back once
  ASSERT_TRUE(m);
  EXPECT_EQ(m.fromIndex, 5);
  EXPECT_EQ(m.to, 3);
  EXPECT_EQ(tabMoved[5], 7);
  Apply(s, m);

  EXPECT_FALSE(MoveCheckTableau(s, 2, tabMoved));  // and then no more
}

TEST(Loading, OnlyInSuitAndNeverOntoAnEmptyPile) {
  GameState s = ComputerOnTurn();
  SetStock(s, 1, {6});
  SetReserve(s, 1, {4});
  SetWaste(s, 0, {});
  SetReserve(s, 0, {18});  // five of diamonds: other suit
  EXPECT_FALSE(MoveCheckToPlayersCards(s));

  SetReserve(s, 0, {5});  // five of clubs: both cards fit, the Stock card first
  FoundMove m = MoveCheckToPlayersCards(s);
  ASSERT_TRUE(m);
  EXPECT_EQ(m.fromIndex, kStock);
  EXPECT_EQ(m.to, kReserve);

  SetWaste(s, 0, {7});  // the Waste is tried before the Reserve
  m = MoveCheckToPlayersCards(s);
  ASSERT_TRUE(m);
  EXPECT_EQ(m.fromIndex, kStock);
  EXPECT_EQ(m.to, kWaste);
}

TEST(Loading, TableauCardsComeFromTheShorterPile) {
  GameState s = ComputerOnTurn();
  SetWaste(s, 0, {5});
  SetTableau(s, 2, {30, 20, 6});
  SetTableau(s, 4, {30, 4});
  SetTableau(s, 7, {6});
  const FoundMove m = MoveCheckTABtoPlayersCards(s);
  ASSERT_TRUE(m);
  EXPECT_EQ(m.fromIndex, 4);  // the first shorter pile that also fits
  EXPECT_EQ(m.to, kWaste);
}

TEST(Speed, Tables) {
  EXPECT_FLOAT_EQ(SpeedSeconds(1), 1.0f);
  EXPECT_FLOAT_EQ(SpeedSeconds(6), 0.05f);
  EXPECT_FLOAT_EQ(SpeedSeconds(0), 0.0f);
  EXPECT_FLOAT_EQ(SpeedSeconds(7), 0.0f);
  EXPECT_EQ(SpeedName(2), "human");
  EXPECT_EQ(AnimStepsAt(0), 2);
  EXPECT_EQ(AnimStepsAt(10), 250);
  EXPECT_EQ(AnimStepsPosition(0), 3);  // 0 reads as 45
  EXPECT_EQ(AnimStepsPosition(150), 7);
  EXPECT_EQ(AnimStepsPosition(33), -1);
}

}  // namespace cv
