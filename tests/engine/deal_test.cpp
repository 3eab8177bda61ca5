#include "engine/deal.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/game.h"
#include "engine/invariants.h"
#include "support/fakes.h"

namespace cv {
namespace {

GameState Shuffled(uint64_t seed) {
  GameState s;
  Rng rng;
  rng.Seed(seed);
  ShuffleDecks(s, rng);
  return s;
}

}  // namespace

TEST(Shuffle, EachDeckIsAPermutationAndTheDecksDiffer) {
  const GameState s = Shuffled(3);
  for (int o = 0; o < 2; ++o) {
    std::vector<int> deck(s.Reserve[o].begin() + 1, s.Reserve[o].begin() + 53);
    std::sort(deck.begin(), deck.end());
    for (int i = 0; i < 52; ++i) EXPECT_EQ(deck[i], i + 1);
  }
  EXPECT_NE(s.Reserve[0], s.Reserve[1]);  // owner 1's draws follow owner 0's
}

TEST(Shuffle, SampleGamesRepeatAndUseTheirOwnSeeds) {
  GameState a, b, seeded5, seeded15;
  Rng r1, r2, r3, r4;
  r1.Seed(999);  // whatever state the generator was in
  ShuffleSample(a, r1, 5);
  ShuffleSample(b, r2, 5);
  EXPECT_EQ(a.Reserve, b.Reserve);
  r3.Seed(5);
  ShuffleDecks(seeded5, r3);
  r4.Seed(15);
  ShuffleDecks(seeded15, r4);
  EXPECT_NE(a.Reserve, seeded5.Reserve);
  EXPECT_EQ(a.Reserve, seeded15.Reserve);
  EXPECT_EQ(SampleSeed(10), 12);
  EXPECT_EQ(SampleSeed(3), 3);
}

TEST(Shuffle, SampleDealsArePinned) {
  // Sample games must deal the same cards in every build on every machine.
  GameState s;
  Rng rng;
  ShuffleSample(s, rng, 1);
  const std::vector<int> firstCards(s.Reserve[0].begin() + 1, s.Reserve[0].begin() + 6);
  EXPECT_EQ(firstCards, (std::vector<int>{3, 22, 19, 20, 39}));
}

TEST(Shuffle, NextSampleNumberWraps) {
  EXPECT_EQ(NextSampleNumber(0), 1);
  EXPECT_EQ(NextSampleNumber(4), 5);
  EXPECT_EQ(NextSampleNumber(10), 1);
  EXPECT_EQ(NextSampleNumber(-7), 1);  // a damaged stored value
}

TEST(Deal, SplitsEachDeckIntoReserveTableauAndStock) {
  for (bool remote : {false, true}) {
    GameState s = Shuffled(11);
    const GameState before = s;
    DealDecks(s, remote);
    s.ReserveDown = {12, 12};
    EXPECT_EQ(CheckPosition(s), "");
    for (int o = 0; o < 2; ++o) {
      EXPECT_EQ(s.ReserveCnt[o], 13);
      EXPECT_EQ(s.StockCnt[o], 35);
      EXPECT_EQ(s.WasteCnt[o], 0);
      EXPECT_EQ(s.ReserveTop(o), before.Reserve[o][13]);
      EXPECT_EQ(s.StockTop(o), before.Reserve[o][52]);
      const int b = TableauBase(o, remote);
      for (int k = 1; k <= 4; ++k) EXPECT_EQ(s.Tableau[b + k][1], before.Reserve[o][13 + k]);
    }
    // The host's deck always lands on piles 1-4: on the remote side that is owner 1.
    EXPECT_EQ(TableauBase(remote ? 1 : 0, remote), 0);
  }
}

TEST(Deal, TossGivesTheOpponentTheTurnFromOneHalf) {
  EXPECT_EQ(TossTurn(0.0), 1);
  EXPECT_EQ(TossTurn(0.4999), 1);
  EXPECT_EQ(TossTurn(0.5), 2);
  EXPECT_EQ(TossTurn(0.99), 2);
}

TEST(Deal, GameClockText) {
  struct Case { long seconds; const char* text; };
  for (const Case c : {Case{0, "00:00:00"}, {307, "00:05:07"}, {4503, "00:75:03"}, {6000, "01:00:00"}, {-5, "00:00:00"}})
    EXPECT_EQ(GameClockText(c.seconds), c.text) << c.seconds;
}

TEST(Deal, NewGameDealsAnnouncesAndStartsTheClock) {
  test::RecordingTable table;
  test::RecordingPlatform platform;
  Game g(table, platform);
  g.AppPath = "/p";
  g.NewGame();
  EXPECT_EQ(CheckPosition(g.state), "");
  EXPECT_EQ(g.state.ReserveDown[0], 12);
  EXPECT_EQ(g.state.ReserveDown[1], 12);
  EXPECT_EQ(g.state.TurnCount, 1);
  EXPECT_FALSE(g.GameOver);
  EXPECT_EQ(table.panels[2], " 48");
  EXPECT_EQ(table.panels[3], " 48");
  EXPECT_EQ(table.CountLabel(PileKind::Player, kReserve), "13");
  EXPECT_EQ(table.CountLabel(PileKind::Opponent, kStock), "35");
  EXPECT_EQ(g.GameStart, platform.now);
  // Without an opponent attached the computer's first turn is not played, so the
  // announcement is the toss result either way.
  const std::string expected = g.state.Turn == 1 ? "You won the toss.\r\n\r\nYou go first."
                                                 : "I won the toss.\r\n\r\nI go first.";
  EXPECT_EQ(table.message, expected);
  EXPECT_EQ(platform.sounds.back(), "/p/Data/~122.tmp");  // deal and toss over
  // 13 Reserve flights and 4 Tableau flights per owner, all with backs under them.
  EXPECT_EQ(table.flights.size(), 34u);
  for (const auto& f : table.flights) EXPECT_EQ(f.under.kind, UnderCard::Back);
}

TEST(Deal, SampleGameAdvancesTheStoredNumberAndNamesItself) {
  test::RecordingTable table;
  test::RecordingPlatform platform;
  Game g(table, platform);
  g.PlayerName = "Ann";
  platform.settings["Options/Tip Number"] = "4";
  g.SampleGame = true;
  g.NewGame();
  EXPECT_EQ(platform.settings["Options/Tip Number"], "5");
  EXPECT_EQ(table.panels[1], "Ann   Sample Game Number 5");
  GameState expected;
  Rng rng;
  ShuffleSample(expected, rng, 5);
  DealDecks(expected, false);
  EXPECT_EQ(g.state.Stock, expected.Stock);
  EXPECT_EQ(g.state.Tableau, expected.Tableau);
}

}  // namespace cv
