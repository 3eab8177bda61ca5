#pragma once
#include "engine/game.h"
#include "search.h"

namespace cv {

// The built-in computer opponent: plays owner 1's turn with the search routines in
// their fixed order of preference, at the chosen speed.
class Computer : public OpponentPlayer {
 public:
  explicit Computer(Game& game) : g_(game) {}

  void PlayTurn() override { ComputerTurn(); }

  void ComputerTurn();
  void CompEndTurn();
  void FillTableau(int owner);
  // Executing searches: one Tableau card to a Center, or onto another Tableau pile.
  void CheckTableauToCenter();
  void MoveCheckTABtoTAB();

  // Safety net: passes of the main loop in one turn before the turn is ended anyway.
  static constexpr int kMaxPassesPerTurn = 1000;

 private:
  // Pause, fly the found card to its destination, place it and take it from its source.
  void PlayFound(const FoundMove& m, PileKind destKind);
  void Place(const FoundMove& m, PileKind destKind);
  bool EndTurnWithoutStock();

  Game& g_;
  bool PassMoved = false;
};

}  // namespace cv
