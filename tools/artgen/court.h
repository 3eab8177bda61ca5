#pragma once
#include <QColor>
#include <QPainter>
#include <QRect>

namespace artgen {

// The colours a court figure is drawn in; each face style brings its own.
struct CourtPalette {
  QColor paper, line, red, blue, gold, skin, hair, white, suitRed, suitBlack;
};

// Draws the double-ended figure of a Jack (11), Queen (12) or King (13) of `suit`
// filling `frame` (whole pixels): the upper half drawn finely and scaled down, the
// lower half the same turned round.
void DrawCourtFigure(QPainter& p, const QRect& frame, int suit, int rank, const CourtPalette& pal);

}  // namespace artgen
