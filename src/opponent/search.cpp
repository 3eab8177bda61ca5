#include "search.h"

namespace cv {
namespace {

FoundMove CheckSource(const GameState& s, int mode, int sourceIndex, Card card) {
  const int v = CardValue(card), su = CardSuit(card);
  const Found f = mode == 1 ? CheckCenter(s, v, su) : CheckTableau(s, v, su, 0);
  if (!f) return {};
  return {true, PileKind::Opponent, sourceIndex, card, f.index};
}

}  // namespace

FoundMove MoveCheckReserve(const GameState& s, int mode) { return CheckSource(s, mode, kReserve, s.ReserveTop(1)); }

FoundMove MoveCheckHand(const GameState& s, int mode) { return CheckSource(s, mode, kStock, s.StockTop(1)); }

FoundMove MoveCheckTableau(const GameState& s, int mode, TabMovedTable& tabMoved) {
  if (mode == 1) {
    const Found t = TableauToCenter(s);
    if (!t) return {};
    const Card c = s.TableauTop(t.index);
    return {true, PileKind::Tableau, t.index, c, CheckCenter(s, CardValue(c), CardSuit(c)).index};
  }
  for (int t = 1; t <= 8; ++t) {
    const Card c = s.TableauTop(t);
    const int v = CardValue(c);
    const Found dest = CheckTableau(s, v, CardSuit(c), t);
    if (!dest) continue;
    if (tabMoved[t] != 0 && tabMoved[t] == v) continue;
    tabMoved[t] = static_cast<int16_t>(v);
    return {true, PileKind::Tableau, t, c, dest.index};
  }
  return {};
}

FoundMove MoveCheckToPlayersCards(const GameState& s) {
  for (int source : {kStock, kReserve}) {
    const Card c = source == kStock ? s.StockTop(1) : s.ReserveTop(1);
    for (int target : {kWaste, kReserve})
      if (CheckPlayer(s, CardValue(c), CardSuit(c), target)) return {true, PileKind::Opponent, source, c, target};
  }
  return {};
}

FoundMove MoveCheckTABtoPlayersCards(const GameState& s) {
  auto fits = [&](int pile, int target) {
    const Card c = s.TableauTop(pile);
    return static_cast<bool>(CheckPlayer(s, CardValue(c), CardSuit(c), target));
  };
  for (int target : {kWaste, kReserve})
    for (int t = 1; t <= 8; ++t) {
      if (!fits(t, target)) continue;
      int take = t;
      if (s.TableauCnt[t] != 1)
        for (int u = 1; u <= 8; ++u)
          if (u != t && fits(u, target) && s.TableauCnt[u] < s.TableauCnt[t]) {
            take = u;
            break;
          }
      return {true, PileKind::Tableau, take, s.TableauTop(take), target};
    }
  return {};
}

}  // namespace cv
