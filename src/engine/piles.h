#pragma once
#include <string_view>

namespace cv {

// The pile kinds, named as the board's pile picture arrays; the names also travel
// in network move messages.
enum class PileKind { None, Player, Opponent, Tableau, Center };

constexpr std::string_view PileKindName(PileKind k) {
  switch (k) {
    case PileKind::Player: return "picPlayer";
    case PileKind::Opponent: return "picOpponent";
    case PileKind::Tableau: return "picTableau";
    case PileKind::Center: return "picCenter";
    case PileKind::None: break;
  }
  return "";
}

// Player pile indexes.
constexpr int kStock = 1;
constexpr int kReserve = 2;
constexpr int kWaste = 3;

// Owner indexes: this screen's player and the opponent.
constexpr int kLocal = 0;
constexpr int kOpponent = 1;

}  // namespace cv
