#pragma once
#include <array>
#include <cstdint>

#include "engine/game.h"

namespace cv {

// Plays the local player's side as a person at the board would: every move it makes
// is one that the rules allow, tried through the same calls the mouse makes.
class LocalBot {
 public:
  explicit LocalBot(Game& game) : g_(game) {}

  // Plays the local turn until the Stock card goes to the own Waste and the turn
  // passes, or the game ends. False when the bot found nothing it may do (a rules
  // dead end that must not happen).
  bool PlayTurn();

  static constexpr int kMaxActionsPerTurn = 2000;

 private:
  bool Try(PileRef from, PileRef to);
  bool StepToCenter();
  bool StepFillOpenTableau();
  bool StepBuild();
  bool StepLoad();
  bool StepTableauToTableau();

  Game& g_;
  std::array<int16_t, 9> tabMoved_{};
};

}  // namespace cv
