#include "engine/rules.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/game.h"
#include "support/fakes.h"
#include "support/positions.h"

namespace cv {
namespace {

using test::SetCenter;
using test::SetReserve;
using test::SetStock;
using test::SetTableau;
using test::SetWaste;

constexpr PileRef kStockPile{PileKind::Player, kStock};
constexpr PileRef kReservePile{PileKind::Player, kReserve};
constexpr PileRef kWastePile{PileKind::Player, kWaste};
PileRef Tab(int t) { return {PileKind::Tableau, t}; }
PileRef Cen(int f) { return {PileKind::Center, f}; }
PileRef Opp(int i) { return {PileKind::Opponent, i}; }

struct Case {
  const char* name;
  std::function<void(GameState&)> setup;
  PileRef from;
  PileRef to;
  int expected;
};

// Cards: clubs 1-13, diamonds 14-26, hearts 27-39, spades 40-52.
const Case kCases[] = {
    {"stock to empty tableau while the reserve holds cards",
     [](GameState& s) { SetReserve(s, 0, {5}); SetStock(s, 0, {20}); SetTableau(s, 2, {}); }, kStockPile, Tab(2), 7},
    {"stock ace to the center while a tableau pile is empty",
     [](GameState& s) { SetReserve(s, 0, {5}); SetStock(s, 0, {1}); SetTableau(s, 2, {}); }, kStockPile, Cen(1), 7},
    {"stock card that fits the center played to a tableau",
     [](GameState& s) { SetStock(s, 0, {25}); SetCenter(s, 1, {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}); },
     kStockPile, Tab(1), 11},
    {"the same stock card to the center", [](GameState& s) { SetStock(s, 0, {1}); }, kStockPile, Cen(1), kAllowed},
    {"stock card on own waste ends the turn whatever it is", [](GameState& s) { SetStock(s, 0, {44}); SetWaste(s, 0, {2}); },
     kStockPile, kWastePile, kAllowed},
    {"stock on own waste with a tableau gap and a reserve",
     [](GameState& s) { SetReserve(s, 0, {5}); SetStock(s, 0, {44}); SetTableau(s, 4, {}); }, kStockPile, kWastePile, 7},
    {"stock on own waste with a gap, no reserve, card fits the center",
     [](GameState& s) { SetStock(s, 0, {1}); SetTableau(s, 4, {}); }, kStockPile, kWastePile, 11},
    {"stock on own waste with a gap and nothing else", [](GameState& s) { SetStock(s, 0, {44}); SetTableau(s, 4, {}); },
     kStockPile, kWastePile, 10},
    {"reserve card on own waste", [](GameState& s) { SetReserve(s, 0, {5}); }, kReservePile, kWastePile, 0},
    {"reserve card on own reserve", [](GameState& s) { SetReserve(s, 0, {5}); }, kReservePile, kReservePile, 5},
    {"reserve card that fits the center played to a tableau", [](GameState& s) { SetReserve(s, 0, {1}); SetTableau(s, 3, {}); },
     kReservePile, Tab(3), 13},
    {"reserve card to an empty tableau", [](GameState& s) { SetReserve(s, 0, {5}); SetTableau(s, 3, {}); }, kReservePile, Tab(3),
     kAllowed},
    {"waste card anywhere", [](GameState& s) { SetWaste(s, 0, {1}); }, kWastePile, Cen(1), 6},
    {"two on an empty center", [](GameState& s) { SetTableau(s, 1, {2}); }, Tab(1), Cen(1), 1},
    {"two of clubs on the ace of clubs", [](GameState& s) { SetTableau(s, 1, {2}); SetCenter(s, 5, {1}); }, Tab(1), Cen(5),
     kAllowed},
    {"two of diamonds on the ace of clubs", [](GameState& s) { SetTableau(s, 1, {15}); SetCenter(s, 5, {1}); }, Tab(1), Cen(5),
     1},
    {"nine of hearts on ten of clubs", [](GameState& s) { SetTableau(s, 1, {35}); SetTableau(s, 2, {10}); }, Tab(1), Tab(2),
     kAllowed},
    {"nine of hearts on ten of diamonds", [](GameState& s) { SetTableau(s, 1, {35}); SetTableau(s, 2, {23}); }, Tab(1), Tab(2), 2},
    {"nine of spades on ten of clubs", [](GameState& s) { SetTableau(s, 1, {48}); SetTableau(s, 2, {10}); }, Tab(1), Tab(2), 2},
    {"eight of hearts on ten of clubs", [](GameState& s) { SetTableau(s, 1, {34}); SetTableau(s, 2, {10}); }, Tab(1), Tab(2), 2},
    {"any card on an empty tableau", [](GameState& s) { SetTableau(s, 1, {34}); SetTableau(s, 2, {}); }, Tab(1), Tab(2), kAllowed},
    {"one lower in suit on the opponent's reserve", [](GameState& s) { SetTableau(s, 1, {4}); SetReserve(s, 1, {5}); }, Tab(1),
     Opp(kReserve), kAllowed},
    {"one higher in suit on the opponent's waste", [](GameState& s) { SetTableau(s, 1, {6}); SetWaste(s, 1, {5}); }, Tab(1),
     Opp(kWaste), kAllowed},
    {"same value on the opponent's reserve", [](GameState& s) { SetTableau(s, 1, {5}); SetReserve(s, 1, {5}); }, Tab(1),
     Opp(kReserve), 3},
    {"other suit on the opponent's reserve", [](GameState& s) { SetTableau(s, 1, {19}); SetReserve(s, 1, {5}); }, Tab(1),
     Opp(kReserve), 3},
    {"the opponent's empty reserve", [](GameState& s) { SetTableau(s, 1, {1}); SetReserve(s, 1, {}); }, Tab(1), Opp(kReserve), 3},
    {"the opponent's stock", [](GameState& s) { SetTableau(s, 1, {1}); SetStock(s, 1, {2}); }, Tab(1), Opp(kStock), 0},
    {"a tableau card to own waste", [](GameState& s) { SetTableau(s, 1, {1}); }, Tab(1), kWastePile, 0},
};

}  // namespace

TEST(CanPlay, RuleCodes) {
  for (const Case& c : kCases) {
    GameState s = test::QuietBoard();
    c.setup(s);
    s.StockUp = true;
    const Card card = TopCard(s, c.from.kind, c.from.index);
    EXPECT_EQ(CanPlay(s, c.from, card, c.to, TopCard(s, c.to.kind, c.to.index)), c.expected) << c.name;
  }
}

TEST(CanTurnStock, ChecksRunInOrderAndStopAtTheFirst) {
  struct TurnCase {
    const char* name;
    std::function<void(GameState&)> setup;
    int expected;
  };
  const TurnCase cases[] = {
      {"empty reserve allows everything", [](GameState& s) { SetTableau(s, 2, {}); SetTableau(s, 3, {1}); }, kAllowed},
      {"empty tableau with a reserve", [](GameState& s) { SetReserve(s, 0, {1}); SetTableau(s, 2, {}); }, 7},
      {"reserve fits the center before a tableau card does",
       [](GameState& s) { SetReserve(s, 0, {1}); SetTableau(s, 3, {14}); }, 8},
      {"a tableau card fits the center", [](GameState& s) { SetReserve(s, 0, {5}); SetTableau(s, 3, {14}); }, 9},
      {"nothing compulsory", [](GameState& s) { SetReserve(s, 0, {5}); }, kAllowed},
  };
  for (const TurnCase& c : cases) {
    GameState s = test::QuietBoard();
    c.setup(s);
    EXPECT_EQ(CanTurnStock(s), c.expected) << c.name;
  }
}

TEST(Predicates, ScanPilesInOrderAndReportTheFirstMatch) {
  GameState s = test::QuietBoard();
  SetCenter(s, 2, {1, 2});
  SetCenter(s, 4, {1, 2});
  EXPECT_EQ(CheckCenter(s, 3, 1).index, 2);
  EXPECT_EQ(CheckCenter(s, 1, 3).index, 1);  // an Ace goes to the first empty foundation
  EXPECT_FALSE(CheckCenter(s, 0, 0));
  SetCenter(s, 6, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52});
  EXPECT_NE(CheckCenter(s, 1, 4).index, 6);  // a finished foundation takes nothing

  SetTableau(s, 3, {});
  SetTableau(s, 7, {});
  EXPECT_EQ(CheckTableauOpen(s).index, 3);
  SetTableau(s, 5, {23});  // ten of diamonds
  SetTableau(s, 6, {36});  // ten of hearts
  EXPECT_EQ(CheckTableau(s, 9, 1, 0).index, 5);
  EXPECT_EQ(CheckTableau(s, 9, 1, 5).index, 6);
  EXPECT_FALSE(CheckTableau(s, 9, 2, 0));

  SetReserve(s, 0, {5});
  SetWaste(s, 0, {});
  EXPECT_TRUE(CheckPlayer(s, 4, 1, kReserve));
  EXPECT_TRUE(CheckPlayer(s, 6, 1, kReserve));
  EXPECT_FALSE(CheckPlayer(s, 6, 2, kReserve));
  EXPECT_FALSE(CheckPlayer(s, 1, 1, kWaste));  // an empty pile never takes a card
}

TEST(RuleMessage, ShowsTheTextsAndTheRefusalSound) {
  test::RecordingTable table;
  test::RecordingPlatform platform;
  Game g(table, platform);
  g.AppPath = "/p";
  g.state.Turn = 1;
  g.RuleMessage(2);
  EXPECT_EQ(table.message,
            "That card cannot be played there.\r\nTableau piles are built down in alternating colors.");
  EXPECT_EQ(platform.sounds.back(), "/p/Data/~109.tmp");
  g.RuleMessage(0);
  EXPECT_EQ(table.message, "That card cannot be played there.\r\n");
  g.RuleMessage(10);
  EXPECT_EQ(table.message, "STOP! You must fill empty Tableau spaces before ending your turn!");
  g.state.Turn = 2;
  g.RuleMessage(2);
  EXPECT_EQ(table.message, "It's NOT your turn!");
  g.prefs.SoundMode = 2;
  platform.sounds.clear();
  g.RuleMessage(1);
  EXPECT_TRUE(platform.sounds.empty());
}

}  // namespace cv
