#include "suits.h"

namespace artgen {

bool IsRed(int suit) { return suit == 2 || suit == 3; }

void FillSuit(QPainter& p, int suit, QPointF centre, double width, const QColor& colour) {
  QTransform t;
  t.translate(centre.x() - width / 2, centre.y() - width / 2);
  t.scale(width / 100, width / 100);
  p.fillPath(t.map(SuitPath(suit)), colour);
}

QPainterPath SuitPath(int suit) {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  switch (suit) {
    case 1:  // clubs: three lobes and a flared stem
      p.addEllipse(QPointF(50, 25), 23, 23);
      p.addEllipse(QPointF(25, 59), 23, 23);
      p.addEllipse(QPointF(75, 59), 23, 23);
      p.addEllipse(QPointF(50, 52), 13, 13);
      p.moveTo(46, 56);
      p.cubicTo(46, 80, 40, 92, 30, 100);
      p.lineTo(70, 100);
      p.cubicTo(60, 92, 54, 80, 54, 56);
      p.closeSubpath();
      break;
    case 2:  // diamonds: gently curved sides
      p.moveTo(50, 0);
      p.quadTo(66, 27, 88, 50);
      p.quadTo(66, 73, 50, 100);
      p.quadTo(34, 73, 12, 50);
      p.quadTo(34, 27, 50, 0);
      p.closeSubpath();
      break;
    case 3:  // hearts
      p.moveTo(50, 98);
      p.cubicTo(22, 72, 0, 52, 0, 28);
      p.cubicTo(0, 10, 13, 0, 27, 0);
      p.cubicTo(38, 0, 46, 7, 50, 18);
      p.cubicTo(54, 7, 62, 0, 73, 0);
      p.cubicTo(87, 0, 100, 10, 100, 28);
      p.cubicTo(100, 52, 78, 72, 50, 98);
      p.closeSubpath();
      break;
    default:  // spades: an upturned heart on a flared stem
      p.moveTo(50, 0);
      p.cubicTo(60, 18, 100, 36, 100, 60);
      p.cubicTo(100, 75, 89, 83, 77, 83);
      p.cubicTo(67, 83, 59, 78, 54, 70);
      p.cubicTo(55, 84, 60, 93, 70, 100);
      p.lineTo(30, 100);
      p.cubicTo(40, 93, 45, 84, 46, 70);
      p.cubicTo(41, 78, 33, 83, 23, 83);
      p.cubicTo(11, 83, 0, 75, 0, 60);
      p.cubicTo(0, 36, 40, 18, 50, 0);
      p.closeSubpath();
      break;
  }
  return p;
}

std::vector<Pip> PipLayout(int value) {
  const double third = 1.0 / 3, sixth = 1.0 / 6;
  std::vector<std::pair<double, double>> at;
  auto sides = [&](std::initializer_list<double> rows) {
    for (double y : rows) {
      at.push_back({0, y});
      at.push_back({1, y});
    }
  };
  switch (value) {
    case 1: at = {{0.5, 0.5}}; break;
    case 2: at = {{0.5, 0}, {0.5, 1}}; break;
    case 3: at = {{0.5, 0}, {0.5, 0.5}, {0.5, 1}}; break;
    case 4: sides({0, 1}); break;
    case 5: sides({0, 1}); at.push_back({0.5, 0.5}); break;
    case 6: sides({0, 0.5, 1}); break;
    case 7: sides({0, 0.5, 1}); at.push_back({0.5, 0.25}); break;
    case 8: sides({0, 0.5, 1}); at.push_back({0.5, 0.25}); at.push_back({0.5, 0.75}); break;
    case 9: sides({0, third, 2 * third, 1}); at.push_back({0.5, 0.5}); break;
    case 10: sides({0, third, 2 * third, 1}); at.push_back({0.5, sixth}); at.push_back({0.5, 1 - sixth}); break;
    default: break;
  }
  std::vector<Pip> pips;
  for (auto [x, y] : at) pips.push_back({x, y, y > 0.5});
  return pips;
}

}  // namespace artgen
