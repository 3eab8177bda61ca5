#include "invariants.h"

#include <array>
#include <span>

namespace cv {
namespace {

std::string PileName(const char* kind, int a, int b = -1) {
  std::string n = std::string(kind) + "(" + std::to_string(a);
  if (b >= 0) n += "," + std::to_string(b);
  return n + ")";
}

// Counts the cards of one pile and checks its slots; "" when it is sound.
std::string CheckPile(std::span<const Card> slots, int count, int capacity, const std::string& name,
                      std::array<int, 53>& seen) {
  if (count < 0 || count > capacity) return name + " count " + std::to_string(count) + " out of range";
  for (size_t pos = 0; pos < slots.size(); ++pos) {
    const Card c = slots[pos];
    const bool filled = pos >= 1 && static_cast<int>(pos) <= count;
    if (!filled && c != 0) return name + " slot " + std::to_string(pos) + " above the count holds " + std::to_string(c);
    if (filled) {
      if (c < 1 || c > 52) return name + " position " + std::to_string(pos) + " holds " + std::to_string(c);
      ++seen[c];
    }
  }
  return {};
}

}  // namespace

std::string CheckPosition(const GameState& s) {
  std::array<int, 53> seen{};
  std::string err;
  for (int o = 0; o < 2 && err.empty(); ++o) {
    err = CheckPile(s.Reserve[o], s.ReserveCnt[o], kPlayerPileSize - 1, PileName("Reserve", o), seen);
    if (err.empty()) err = CheckPile(s.Stock[o], s.StockCnt[o], kPlayerPileSize - 1, PileName("Stock", o), seen);
    if (err.empty()) err = CheckPile(s.Waste[o], s.WasteCnt[o], kPlayerPileSize - 1, PileName("Waste", o), seen);
    if (err.empty()) {
      const bool ok = (s.ReserveDown[o] == 0 && s.ReserveCnt[o] == 0) ||
                      (s.ReserveDown[o] >= 0 && s.ReserveDown[o] < s.ReserveCnt[o]);
      if (!ok)
        err = "ReserveDown(" + std::to_string(o) + ") = " + std::to_string(s.ReserveDown[o]) +
              " with ReserveCnt " + std::to_string(s.ReserveCnt[o]);
    }
  }
  for (int p = 1; p <= 8 && err.empty(); ++p) {
    err = CheckPile(s.Tableau[p], s.TableauCnt[p], 13, PileName("Tableau", p), seen);
    if (err.empty()) err = CheckPile(s.Center[p], s.CenterCnt[p], 13, PileName("Center", p), seen);
  }
  if (err.empty() && (s.TableauCnt[0] != 0 || s.CenterCnt[0] != 0)) err = "pile 0 is not empty";
  for (int c = 1; c <= 52 && err.empty(); ++c)
    if (seen[c] != 2) err = "card " + std::to_string(c) + " appears " + std::to_string(seen[c]) + " times";
  return err;
}

}  // namespace cv
