#pragma once
#include <array>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/rules.h"

namespace cv {

// A move the computer found: the source (as the selection) and the destination index
// (a Center foundation, a Tableau pile, or the local player's Reserve 2 / Waste 3).
struct FoundMove {
  bool ok = false;
  PileKind from = PileKind::None;
  int fromIndex = 0;
  Card card = 0;
  int to = 0;
  explicit operator bool() const { return ok; }
};

using TabMovedTable = std::array<int16_t, 9>;

// Mode 1: to a Center foundation; any other mode: to a Tableau pile.
FoundMove MoveCheckReserve(const GameState& s, int mode);
FoundMove MoveCheckHand(const GameState& s, int mode);
// Mode 2 records the moved value in tabMoved and skips a card just moved off a pile.
FoundMove MoveCheckTableau(const GameState& s, int mode, TabMovedTable& tabMoved);
// The computer's Stock card, then its Reserve top, onto the local player's Waste, then Reserve.
FoundMove MoveCheckToPlayersCards(const GameState& s);
// A Tableau top card onto the local player's Waste, then Reserve; short piles first.
FoundMove MoveCheckTABtoPlayersCards(const GameState& s);

}  // namespace cv
