#include "local_bot.h"

namespace cv {
namespace {
constexpr PileRef kOwnStock{PileKind::Player, kStock};
constexpr PileRef kOwnReserve{PileKind::Player, kReserve};
constexpr PileRef kOwnWaste{PileKind::Player, kWaste};
}  // namespace

bool LocalBot::Try(PileRef from, PileRef to) {
  const Card card = g_.TopCard(from.kind, from.index);
  if (card == 0) return false;
  if (from == kOwnStock && !g_.state.StockUp) return false;
  if (CanPlay(g_.state, from, card, to, g_.TopCard(to.kind, to.index)) != kAllowed) return false;
  return g_.PlayLocalMove(from, to);
}

bool LocalBot::StepToCenter() {
  const GameState& s = g_.state;
  auto toCenter = [&](PileRef from) {
    const Card c = g_.TopCard(from.kind, from.index);
    const Found f = CheckCenter(s, CardValue(c), CardSuit(c));
    return c != 0 && f && Try(from, {PileKind::Center, f.index});
  };
  if (toCenter(kOwnReserve)) return true;
  if (const Found t = TableauToCenter(s); t && toCenter({PileKind::Tableau, t.index})) return true;
  return s.StockUp && toCenter(kOwnStock);
}

bool LocalBot::StepFillOpenTableau() {
  const Found open = CheckTableauOpen(g_.state);
  if (!open) return false;
  if (g_.state.ReserveCnt[kLocal] > 0) return Try(kOwnReserve, {PileKind::Tableau, open.index});
  return Try(kOwnStock, {PileKind::Tableau, open.index});
}

bool LocalBot::StepBuild() {
  const GameState& s = g_.state;
  for (PileRef from : {kOwnStock, kOwnReserve}) {
    const Card c = g_.TopCard(from.kind, from.index);
    if (c == 0) continue;
    const Found t = CheckTableau(s, CardValue(c), CardSuit(c), 0);
    if (t && Try(from, {PileKind::Tableau, t.index})) return true;
  }
  return false;
}

bool LocalBot::StepLoad() {
  for (int target : {kWaste, kReserve}) {
    const PileRef to{PileKind::Opponent, target};
    for (PileRef from : {kOwnStock, kOwnReserve})
      if (Try(from, to)) return true;
    for (int t = 1; t <= 8; ++t)
      if (Try({PileKind::Tableau, t}, to)) return true;
  }
  return false;
}

bool LocalBot::StepTableauToTableau() {
  const GameState& s = g_.state;
  for (int t = 1; t <= 8; ++t) {
    const Card c = s.TableauTop(t);
    const int v = CardValue(c);
    if (c == 0 || tabMoved_[t] == v) continue;
    const Found dest = CheckTableau(s, v, CardSuit(c), t);
    if (dest && Try({PileKind::Tableau, t}, {PileKind::Tableau, dest.index})) {
      tabMoved_[t] = static_cast<int16_t>(v);
      return true;
    }
  }
  return false;
}

bool LocalBot::PlayTurn() {
  tabMoved_.fill(0);
  for (int action = 0; action < kMaxActionsPerTurn; ++action) {
    if (g_.GameOver || g_.state.Turn != 1) return true;
    if (StepToCenter()) continue;
    if (CheckTableauOpen(g_.state) && g_.state.ReserveCnt[kLocal] > 0) {
      if (StepFillOpenTableau()) continue;
      return false;
    }
    if (!g_.state.StockUp) {
      g_.PressOwnStock();
      if (!g_.state.StockUp && g_.state.StockCnt[kLocal] == 0) return false;
      continue;
    }
    const bool shuffleAllowed = action < kMaxActionsPerTurn / 2;
    if (StepBuild() || StepLoad() || (shuffleAllowed && StepTableauToTableau()) || StepFillOpenTableau()) continue;
    if (!Try(kOwnStock, kOwnWaste)) return false;
    g_.HandOver();
    return true;
  }
  return false;
}

}  // namespace cv
