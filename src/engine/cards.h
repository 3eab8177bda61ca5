#pragma once
#include <cstdint>

namespace cv {

// A card is 1..52 (0 = no card); both decks use the same numbers.
using Card = int16_t;

constexpr int16_t CardSuit(int card) { return card <= 0 ? 0 : static_cast<int16_t>((card - 1) / 13 + 1); }

constexpr int16_t CardValue(int card) {
  if (card <= 0) return 0;
  const int v = card % 13;
  return static_cast<int16_t>(v == 0 ? 13 : v);
}

constexpr bool IsBlackSuit(int suit) { return suit == 1 || suit == 4; }
constexpr bool IsRedSuit(int suit) { return suit == 2 || suit == 3; }

// Suit 0 (an empty pile) has no colour, so it is never opposite to anything.
constexpr bool OppositeColours(int suitA, int suitB) {
  return (IsBlackSuit(suitA) && IsRedSuit(suitB)) || (IsRedSuit(suitA) && IsBlackSuit(suitB));
}

constexpr Card MakeCard(int suit, int value) { return static_cast<Card>((suit - 1) * 13 + value); }

}  // namespace cv
