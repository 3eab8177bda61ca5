#include "game_rec.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "text.h"

namespace cv {
namespace {

constexpr int kTurnAt = 0, kReserveCntAt = 2, kStockCntAt = 6, kWasteCntAt = 10;
constexpr int kTableauCntAt = 14, kCenterCntAt = 32;
constexpr int kReserveAt = 50, kStockAt = 470, kWasteAt = 890;
constexpr int kTableauAt = 1310, kCenterAt = 1562, kLabelAt = 1814, kElapsedAt = 1844;

void Put16(GameRecBytes& b, int at, int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  b[at] = static_cast<uint8_t>(u & 0xFF);
  b[at + 1] = static_cast<uint8_t>(u >> 8);
}

int16_t Get16(const GameRecBytes& b, int at) {
  return static_cast<int16_t>(static_cast<uint16_t>(b[at] | (b[at + 1] << 8)));
}

// Player piles: element (owner, pos) at base + (owner + 2 * pos) * 2.
constexpr int PlayerAt(int base, int owner, int pos) { return base + (owner + 2 * pos) * 2; }
// Tableau and Center: element (pile, pos) at base + (pile + 9 * pos) * 2.
constexpr int BuildAt(int base, int pile, int pos) { return base + (pile + 9 * pos) * 2; }

}  // namespace

GameRecBytes EncodeGameRec(const GameRec& rec) {
  GameRecBytes b{};
  const GameState& s = rec.position;
  Put16(b, kTurnAt, s.Turn);
  for (int o = 0; o < 2; ++o) {
    Put16(b, kReserveCntAt + 2 * o, s.ReserveCnt[o]);
    Put16(b, kStockCntAt + 2 * o, s.StockCnt[o]);
    Put16(b, kWasteCntAt + 2 * o, s.WasteCnt[o]);
    for (int pos = 0; pos < kPlayerPileSize; ++pos) {
      Put16(b, PlayerAt(kReserveAt, o, pos), s.Reserve[o][pos]);
      Put16(b, PlayerAt(kStockAt, o, pos), s.Stock[o][pos]);
      Put16(b, PlayerAt(kWasteAt, o, pos), s.Waste[o][pos]);
    }
  }
  for (int p = 0; p < 9; ++p) {
    Put16(b, kTableauCntAt + 2 * p, s.TableauCnt[p]);
    Put16(b, kCenterCntAt + 2 * p, s.CenterCnt[p]);
    for (int pos = 0; pos < kBuildPileSize; ++pos) {
      Put16(b, BuildAt(kTableauAt, p, pos), s.Tableau[p][pos]);
      Put16(b, BuildAt(kCenterAt, p, pos), s.Center[p][pos]);
    }
  }
  // The two unused Tableau slots of pile 0 carry ReserveDown.
  Put16(b, BuildAt(kTableauAt, 0, 0), s.ReserveDown[0]);
  Put16(b, BuildAt(kTableauAt, 0, 1), s.ReserveDown[1]);

  const std::string label = PadRight(rec.label, kGameRecLabelSize);
  std::memcpy(b.data() + kLabelAt, label.data(), kGameRecLabelSize);

  const auto bits = std::bit_cast<uint64_t>(rec.elapsed);
  for (int i = 0; i < 8; ++i) b[kElapsedAt + i] = static_cast<uint8_t>(bits >> (8 * i));
  return b;
}

GameRec DecodeGameRec(const GameRecBytes& b) {
  GameRec rec;
  GameState& s = rec.position;
  s.Turn = Get16(b, kTurnAt);
  for (int o = 0; o < 2; ++o) {
    s.ReserveCnt[o] = Get16(b, kReserveCntAt + 2 * o);
    s.StockCnt[o] = Get16(b, kStockCntAt + 2 * o);
    s.WasteCnt[o] = Get16(b, kWasteCntAt + 2 * o);
    for (int pos = 1; pos < kPlayerPileSize; ++pos) {
      s.Reserve[o][pos] = Get16(b, PlayerAt(kReserveAt, o, pos));
      s.Stock[o][pos] = Get16(b, PlayerAt(kStockAt, o, pos));
      s.Waste[o][pos] = Get16(b, PlayerAt(kWasteAt, o, pos));
    }
  }
  for (int p = 1; p < 9; ++p) {
    s.TableauCnt[p] = Get16(b, kTableauCntAt + 2 * p);
    s.CenterCnt[p] = Get16(b, kCenterCntAt + 2 * p);
    for (int pos = 1; pos < kBuildPileSize; ++pos) {
      s.Tableau[p][pos] = Get16(b, BuildAt(kTableauAt, p, pos));
      s.Center[p][pos] = Get16(b, BuildAt(kCenterAt, p, pos));
    }
  }
  s.ReserveDown[0] = Get16(b, BuildAt(kTableauAt, 0, 0));
  s.ReserveDown[1] = Get16(b, BuildAt(kTableauAt, 0, 1));

  rec.label.assign(reinterpret_cast<const char*>(b.data() + kLabelAt), kGameRecLabelSize);
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(b[kElapsedAt + i]) << (8 * i);
  rec.elapsed = std::bit_cast<double>(bits);
  if (!std::isfinite(rec.elapsed)) rec.elapsed = 0.0;
  return rec;
}

void SaveGameRec(GameRec& rec, const GameState& state, std::string_view elapsedText) {
  GameState& s = rec.position;
  s = GameState{};
  s.Turn = state.Turn;
  s.ReserveCnt = state.ReserveCnt;
  s.StockCnt = state.StockCnt;
  s.WasteCnt = state.WasteCnt;
  s.ReserveDown = state.ReserveDown;
  for (int o = 0; o < 2; ++o)
    for (int pos = 1; pos < kPlayerPileSize; ++pos) {
      s.Reserve[o][pos] = state.Reserve[o][pos];
      s.Stock[o][pos] = state.Stock[o][pos];
      s.Waste[o][pos] = state.Waste[o][pos];
    }
  for (int p = 1; p < 9; ++p) {
    s.TableauCnt[p] = state.TableauCnt[p];
    s.CenterCnt[p] = state.CenterCnt[p];
    for (int pos = 1; pos < kBuildPileSize; ++pos) {
      s.Tableau[p][pos] = state.Tableau[p][pos];
      s.Center[p][pos] = state.Center[p][pos];
    }
  }
  rec.elapsed = ParseTimeOfDay(Trim(elapsedText)).value_or(0.0);
}

LoadedGameRec LoadGameRec(const GameRec& rec, GameState& state) {
  const bool stockUp = state.StockUp;
  const int16_t turnCount = state.TurnCount;
  state = rec.position;
  state.StockUp = stockUp;
  state.TurnCount = turnCount;
  for (int o = 0; o < 2; ++o)
    // A stored 0 means "all but the top face down"; an empty Reserve stays at 0, not -1.
    if (state.ReserveDown[o] == 0 && state.ReserveCnt[o] > 0)
      state.ReserveDown[o] = static_cast<int16_t>(state.ReserveCnt[o] - 1);
  std::string msg = rec.label;
  if (msg.starts_with("^^")) msg.erase(0, 2);
  return {rec.elapsed, msg};
}

std::optional<double> ParseTimeOfDay(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int n = 0;
  size_t i = 0;
  while (n < 3) {
    size_t start = i;
    int v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 3) v = v * 10 + (text[i++] - '0');
    if (i == start) return std::nullopt;
    parts[n++] = v;
    if (i == text.size()) break;
    if (text[i] != ':' || n == 3) return std::nullopt;
    ++i;
  }
  if (i != text.size() || n < 2) return std::nullopt;
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return (parts[0] * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
}

int TimeOfDaySeconds(double serial) {
  double frac = serial - std::floor(serial);
  return static_cast<int>(std::lround(frac * 86400.0)) % 86400;
}

}  // namespace cv
