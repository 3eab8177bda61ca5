#pragma once
#include <array>
#include <cstdint>

#include "cards.h"

namespace cv {

constexpr int kPlayerPileSize = 105;  // positions 0..104: room for both decks
constexpr int kBuildPileSize = 14;    // positions 0..13

using PlayerPiles = std::array<std::array<Card, kPlayerPileSize>, 2>;
using BuildPiles = std::array<std::array<Card, kBuildPileSize>, 9>;

// The whole position: piles indexed from 0, position 0 never filled, the top card at
// position == count, every slot above the count 0.
struct GameState {
  PlayerPiles Reserve{};
  PlayerPiles Stock{};
  PlayerPiles Waste{};
  std::array<int16_t, 2> ReserveCnt{};
  std::array<int16_t, 2> ReserveDown{};
  std::array<int16_t, 2> StockCnt{};
  std::array<int16_t, 2> WasteCnt{};
  BuildPiles Tableau{};
  BuildPiles Center{};
  std::array<int16_t, 9> TableauCnt{};
  std::array<int16_t, 9> CenterCnt{};

  int16_t Turn = 0;  // 0 nobody, 1 local player, 2 opponent
  bool StockUp = false;
  int16_t TurnCount = 0;

  Card ReserveTop(int owner) const { return Reserve[owner][ReserveCnt[owner]]; }
  Card StockTop(int owner) const { return Stock[owner][StockCnt[owner]]; }
  Card WasteTop(int owner) const { return Waste[owner][WasteCnt[owner]]; }
  Card TableauTop(int pile) const { return Tableau[pile][TableauCnt[pile]]; }
  Card CenterTop(int pile) const { return Center[pile][CenterCnt[pile]]; }

  // Owner on turn: 0 when the local player is on turn, otherwise 1.
  int OwnerOnTurn() const { return Turn == 1 ? 0 : 1; }

  // Every pile, count and flag back to the empty board.
  void Clear() { *this = GameState{}; }
};

}  // namespace cv
