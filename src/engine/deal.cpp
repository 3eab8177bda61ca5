#include "deal.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace cv {

void ShuffleDecks(GameState& s, Rng& rng) {
  for (int o = 0; o < 2; ++o)
    for (int i = 1; i <= 52; ++i) s.Reserve[o][i] = static_cast<Card>(i);
  for (int o = 0; o < 2; ++o)
    for (int pass = 0; pass < 10; ++pass)
      for (int i = 1; i <= 52; ++i) {
        const int j = static_cast<int>(rng.Next() * 52) + 1;
        std::swap(s.Reserve[o][i], s.Reserve[o][j]);
      }
}

int NextSampleNumber(int stored) {
  const int n = stored + 1;
  return (n > 10 || n < 1) ? 1 : n;
}

int SampleSeed(int n) { return n == 5 ? 15 : n == 10 ? 12 : n; }

void ShuffleSample(GameState& s, Rng& rng, int sampleNumber) {
  rng.Reset();
  rng.Seed(static_cast<uint64_t>(SampleSeed(sampleNumber)));
  ShuffleDecks(s, rng);
}

int TableauBase(int owner, bool remoteSide) {
  if (remoteSide) return owner == 0 ? 4 : 0;
  return owner == 0 ? 0 : 4;
}

void DealDecks(GameState& s, bool remoteSide) {
  for (int p = 0; p < 2; ++p) {
    auto& deck = s.Reserve[p];
    s.WasteCnt[p] = 0;
    s.ReserveCnt[p] = 13;
    const int b = TableauBase(p, remoteSide);
    for (int k = 1; k <= 4; ++k) {
      s.Tableau[b + k][1] = deck[13 + k];
      s.TableauCnt[b + k] = 1;
      deck[13 + k] = 0;
    }
    for (int k = 1; k <= 35; ++k) {
      s.Stock[p][k] = deck[17 + k];
      deck[17 + k] = 0;
    }
    s.StockCnt[p] = 35;
  }
}

int16_t TossTurn(double r) {
  // r + 1 rounded half to even: 1 below 0.5, 2 from 0.5 on.
  return static_cast<int16_t>(std::nearbyint(r + 1.0) == 1.0 ? 1 : 2);
}

std::string GameClockText(long seconds) {
  if (seconds < 0) seconds = 0;
  char buf[32];
  const long minutes = seconds / 60;
  std::snprintf(buf, sizeof buf, "%02ld:%02ld:%02ld", minutes / 100, minutes % 100, seconds % 60);
  return buf;
}

}  // namespace cv
