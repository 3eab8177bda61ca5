#pragma once
// Hand-built positions for tests: piles listed bottom to top.
#include <initializer_list>

#include "engine/game_state.h"

namespace cv::test {

template <typename Slots, typename Count>
void SetPile(Slots& slots, Count& count, std::initializer_list<int> cards) {
  slots.fill(0);
  count = 0;
  for (int c : cards) slots[++count] = static_cast<Card>(c);
}

inline void SetTableau(GameState& s, int pile, std::initializer_list<int> cards) {
  SetPile(s.Tableau[pile], s.TableauCnt[pile], cards);
}
inline void SetCenter(GameState& s, int pile, std::initializer_list<int> cards) {
  SetPile(s.Center[pile], s.CenterCnt[pile], cards);
}
inline void SetReserve(GameState& s, int owner, std::initializer_list<int> cards, int down = 0) {
  SetPile(s.Reserve[owner], s.ReserveCnt[owner], cards);
  s.ReserveDown[owner] = static_cast<int16_t>(down);
}
inline void SetStock(GameState& s, int owner, std::initializer_list<int> cards) {
  SetPile(s.Stock[owner], s.StockCnt[owner], cards);
}
inline void SetWaste(GameState& s, int owner, std::initializer_list<int> cards) {
  SetPile(s.Waste[owner], s.WasteCnt[owner], cards);
}

// A board with every Tableau pile holding one card nobody can use, so that no
// compulsory rule fires unless a test sets it up.
inline GameState QuietBoard() {
  GameState s;
  s.Turn = 1;
  s.TurnCount = 2;
  for (int t = 1; t <= 8; ++t) SetTableau(s, t, {13});  // Kings of clubs
  return s;
}

}  // namespace cv::test
