#include "board/drag.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace cv {
namespace {

// Floor division, for the half-up rounding of points on either side of zero.
long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// from + (to - from) * s / n rounded half up, in exact arithmetic.
int PointOnLine(int from, int to, int s, int n) {
  const long num = 2L * (static_cast<long>(from) * n + static_cast<long>(to - from) * s) + n;
  return static_cast<int>(FloorDiv(num, 2L * n));
}

}  // namespace

bool CoversTarget(QPoint card, QPoint target) {
  return 3 * std::abs(card.x() - target.x()) <= CardW && 3 * std::abs(card.y() - target.y()) <= CardH;
}

std::optional<PileRef> HitTest(const BoardLayout& layout, PileRef source, QPoint card) {
  static constexpr std::array<PileRef, 19> kOrder = {{
      {PileKind::Center, 1}, {PileKind::Center, 2}, {PileKind::Center, 3}, {PileKind::Center, 4},
      {PileKind::Center, 5}, {PileKind::Center, 6}, {PileKind::Center, 7}, {PileKind::Center, 8},
      {PileKind::Tableau, 1}, {PileKind::Tableau, 2}, {PileKind::Tableau, 3}, {PileKind::Tableau, 4},
      {PileKind::Tableau, 5}, {PileKind::Tableau, 6}, {PileKind::Tableau, 7}, {PileKind::Tableau, 8},
      {PileKind::Opponent, kReserve}, {PileKind::Opponent, kWaste}, {PileKind::Player, kWaste}}};
  for (const PileRef& target : kOrder) {
    if (target == source) continue;
    if (CoversTarget(card, PileRect(layout, target).topLeft())) return target;
  }
  return std::nullopt;
}

std::vector<QPoint> SlideBackPath(QPoint from, QPoint home) {
  const int n = std::max(std::abs(home.x() - from.x()), std::abs(home.y() - from.y()));
  std::vector<QPoint> path;
  for (int s = 0; n > 0 && s <= n; s += 60)
    path.emplace_back(PointOnLine(from.x(), home.x(), s, n), PointOnLine(from.y(), home.y(), s, n));
  path.push_back(home);
  return path;
}

UnderCard UnderCardForDrag(const GameState& s, PileRef source) {
  const int i = source.index;
  if (source.kind == PileKind::Tableau && i >= 1 && i <= 8 && s.TableauCnt[i] >= 2)
    return {UnderCard::Face, s.Tableau[i][s.TableauCnt[i] - 1]};
  if (source.kind == PileKind::Player) {
    if (i == kStock && s.StockCnt[kLocal] >= 2) return {UnderCard::Back};
    if (i == kReserve && s.ReserveCnt[kLocal] >= 2) {
      if (s.ReserveDown[kLocal] + 1 == s.ReserveCnt[kLocal]) return {UnderCard::Back};
      return {UnderCard::Face, s.Reserve[kLocal][s.ReserveCnt[kLocal] - 1]};
    }
    if (i == kWaste && s.WasteCnt[kLocal] >= 2) return {UnderCard::Face, s.Waste[kLocal][s.WasteCnt[kLocal] - 1]};
  }
  return {UnderCard::Empty};
}

}  // namespace cv
