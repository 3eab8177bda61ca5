#pragma once
#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace artgen {

// Suit symbols in a 100 x 100 box; suits as on the sheets: 1 clubs, 2 diamonds,
// 3 hearts, 4 spades.
QPainterPath SuitPath(int suit);
bool IsRed(int suit);
// A suit sign `width` pixels wide centred on `centre`.
void FillSuit(QPainter& p, int suit, QPointF centre, double width, const QColor& colour);

// Where the pips of a number card stand, as fractions of the pip field (0..1 across
// and down); pips below the middle are drawn upside down, as on real cards.
struct Pip {
  double x, y;
  bool inverted;
};
std::vector<Pip> PipLayout(int value);

}  // namespace artgen
