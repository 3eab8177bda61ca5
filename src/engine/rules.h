#pragma once
#include <string_view>

#include "game_state.h"
#include "piles.h"

namespace cv {

// Rule codes of refused moves; kAllowed when a move may be made.
constexpr int kAllowed = -1;

struct PileRef {
  PileKind kind = PileKind::None;
  int index = 0;
  friend bool operator==(const PileRef&, const PileRef&) = default;
};

// Results of the board scans: the first matching pile, 0 when none matched.
struct Found {
  bool ok = false;
  int index = 0;
  explicit operator bool() const { return ok; }
};

// A card of this value and suit can go on some Center foundation.
Found CheckCenter(const GameState& s, int value, int suit);
// Some Tableau pile is empty.
Found CheckTableauOpen(const GameState& s);
// A card of this value and suit can go on the top card of a Tableau pile other than skip.
Found CheckTableau(const GameState& s, int value, int suit, int skip);
// A card of this value and suit can be loaded onto the local player's Reserve (2) or Waste (3).
Found CheckPlayer(const GameState& s, int value, int suit, int index);
// A Tableau top card that fits a Center foundation: the first such pile. On the
// opponent's turn a pile holding one card is taken as it is; otherwise the same card
// on top of a lower pile elsewhere is preferred, so that short piles empty first.
Found TableauToCenter(const GameState& s);

// The top card of a pile as the board shows it (0 when empty or not a pile).
Card TopCard(const GameState& s, PileKind kind, int index);

// Judges a move of the local player: kAllowed or the rule code that refuses it.
// destTop is the destination's top card as the caller sees it (0 when empty).
int CanPlay(const GameState& s, PileRef from, Card card, PileRef to, Card destTop);

// The compulsory-play check when the local player presses his Stock: kAllowed or 7, 8, 9.
int CanTurnStock(const GameState& s);

// The explanation of a rule code (codes 1..14), "" for codes without one.
std::string_view RuleText(int code);
inline constexpr std::string_view kCannotPlayThere = "That card cannot be played there.";
inline constexpr std::string_view kNotYourTurn = "It's NOT your turn!";

}  // namespace cv
