#pragma once
// A game with its records in a fresh program folder, on a recording board.
#include <gtest/gtest.h>

#include "engine/deal.h"
#include "engine/game.h"
#include "home.h"
#include "records/records.h"
#include "support/fakes.h"

namespace cv::test {

class BoardWithExtras : public RecordingTable {
 public:
  void SetStructure(int structure) override { structures.push_back(structure); }
  void ApplyPreferences(const Preferences& p) override { applied.push_back(p); }
  void ShowMatchPanels(bool visible) override { matchPanels = visible; }
  void ShowLogo() override { ++logos; }

  std::vector<int> structures;
  std::vector<Preferences> applied;
  bool matchPanels = false;
  int logos = 0;
};

// Stands in for the computer: hands the turn straight back, as its driver does.
class PassingOpponent : public OpponentPlayer {
 public:
  explicit PassingOpponent(Game& g) : g_(g) {}
  void PlayTurn() override {
    ++turns;
    g_.HandBack();
  }
  int turns = 0;

 private:
  Game& g_;
};

class RecordsFixture : public ::testing::Test {
 protected:
  RecordsFixture() : game(table, platform), records(game) {
    game.AppPath = home.path;
    game.SpeedDelay = 0;
  }

  void Open() { ASSERT_EQ(records.Open(), Records::OpenResult::Ready); }
  void OpenWithPlayer(const std::string& name) {
    Open();
    ASSERT_EQ(records.players.ChoosePlayer(name), Players::Choice::Created);
  }
  // A deal with the local player to move first: a clock seed whose toss he wins.
  void DealLocalFirst() {
    uint64_t seed = 1;
    for (;; ++seed) {
      Rng toss;
      toss.Seed(seed);
      if (TossTurn(toss.Next()) == 1) break;
    }
    platform.clockSeed = seed;
    game.NewGame();
    ASSERT_EQ(game.state.Turn, 1);
    ASSERT_EQ(game.state.TurnCount, 1);
  }
  PlayerRec Player(int record) { return records.players.Read(record); }
  void SetPlayer(int record, const PlayerRec& rec) { records.players.Write(record, rec); }

  TempHome home;
  BoardWithExtras table;
  RecordingPlatform platform;
  Game game;
  Records records;
};

}  // namespace cv::test
