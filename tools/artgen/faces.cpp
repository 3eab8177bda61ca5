#include "faces.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "court.h"
#include "paint.h"
#include "suits.h"

namespace artgen {
namespace {

constexpr int kW = 71, kH = 96;

struct Look {
  QColor red, black;
  QString font;
  int weight;
  CourtPalette court;
};

Look LookOf(FaceStyle style) {
  switch (style) {
    case FaceStyle::Steel:
      return {QColor(170, 20, 40), QColor(22, 34, 56), "DejaVu Sans", QFont::Bold,
              {QColor(226, 230, 236), QColor(20, 28, 44), QColor(168, 36, 52), QColor(52, 86, 140),
               QColor(176, 184, 196), QColor(236, 214, 196), QColor(120, 126, 140), QColor(246, 248, 252),
               QColor(170, 20, 40), QColor(22, 34, 56)}};
    case FaceStyle::Tile:
      return {QColor(184, 62, 28), QColor(28, 46, 110), "DejaVu Serif", QFont::Bold,
              {QColor(250, 240, 218), QColor(70, 40, 20), QColor(196, 74, 36), QColor(36, 82, 150),
               QColor(222, 166, 52), QColor(244, 206, 164), QColor(120, 70, 30), QColor(252, 248, 236),
               QColor(184, 62, 28), QColor(28, 46, 110)}};
    case FaceStyle::Standard:
    default:
      return {QColor(204, 18, 30), QColor(16, 16, 20), "DejaVu Serif", QFont::Bold,
              {QColor(255, 253, 244), QColor(18, 18, 22), QColor(210, 32, 38), QColor(30, 70, 170),
               QColor(246, 196, 40), QColor(250, 218, 180), QColor(236, 190, 60), QColor(255, 255, 255),
               QColor(204, 18, 30), QColor(16, 16, 20)}};
  }
}

QPainterPath CardOutline() {
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 5, 5);
  return path;
}

void PaintBody(QPainter& p, FaceStyle style) {
  const QPainterPath outline = CardOutline();
  switch (style) {
    case FaceStyle::Standard:
      p.fillPath(outline, QColor(255, 255, 255));
      p.strokePath(outline, QPen(QColor(120, 120, 126), 1));
      break;
    case FaceStyle::Steel: {
      // Brushed metal: a cool gradient with fine horizontal streaks.
      QLinearGradient g(0, 0, kW, kH);
      g.setColorAt(0, QColor(246, 248, 251));
      g.setColorAt(0.5, QColor(218, 223, 230));
      g.setColorAt(1, QColor(236, 239, 243));
      p.fillPath(outline, g);
      p.save();
      p.setClipPath(outline);
      Noise streaks(7);
      for (int y = 1; y < kH - 1; ++y) {
        const int shade = static_cast<int>(streaks.At(0, y * 0.7) * 40) - 20;
        p.fillRect(QRectF(1, y, kW - 2, 1), QColor(shade > 0 ? 255 : 60, shade > 0 ? 255 : 70, shade > 0 ? 255 : 90,
                                                   std::abs(shade)));
      }
      p.restore();
      QPainterPath inner;
      inner.addRoundedRect(QRectF(2.5, 2.5, kW - 5, kH - 5), 3.5, 3.5);
      p.strokePath(inner, QPen(QColor(255, 255, 255, 200), 1));
      p.strokePath(outline, QPen(QColor(82, 92, 110), 1));
      break;
    }
    case FaceStyle::Tile: {
      // Glazed tile: warm cream with a terracotta rim and a faint inner line.
      p.fillPath(outline, QColor(176, 84, 44));
      QPainterPath glaze;
      glaze.addRoundedRect(QRectF(2.5, 2.5, kW - 5, kH - 5), 3.5, 3.5);
      QRadialGradient g(kW * 0.35, kH * 0.3, kH * 0.9);
      g.setColorAt(0, QColor(255, 250, 236));
      g.setColorAt(1, QColor(240, 226, 196));
      p.fillPath(glaze, g);
      QPainterPath line;
      line.addRoundedRect(QRectF(4.5, 4.5, kW - 9, kH - 9), 2, 2);
      p.strokePath(line, QPen(QColor(196, 150, 100, 150), 1));
      p.strokePath(outline, QPen(QColor(110, 50, 24), 1));
      break;
    }
  }
}

QColor SuitColour(const Look& look, int suit) { return IsRed(suit) ? look.red : look.black; }

// A suit sign `w` pixels wide with its top-left at (x, y); steel and tile signs get
// a highlight so they read as embossed metal or glaze.
void PaintSuit(QPainter& p, FaceStyle style, const Look& look, int suit, QPointF at, double w, bool inverted) {
  QTransform t;
  t.translate(at.x(), at.y());
  if (inverted) {
    t.translate(w, w);
    t.rotate(180);
  }
  t.scale(w / 100, w / 100);
  const QPainterPath path = t.map(SuitPath(suit));
  const QColor c = SuitColour(look, suit);
  switch (style) {
    case FaceStyle::Standard:
      p.fillPath(path, c);
      break;
    case FaceStyle::Steel: {
      QLinearGradient g(at, at + QPointF(w * 0.6, w));
      g.setColorAt(0, c.lighter(190));
      g.setColorAt(0.45, c);
      g.setColorAt(1, c.darker(160));
      p.fillPath(path, g);
      p.strokePath(path, QPen(c.darker(200), 0.6));
      break;
    }
    case FaceStyle::Tile: {
      p.fillPath(path, c);
      QRadialGradient g(at + QPointF(w * 0.35, w * (inverted ? 0.65 : 0.3)), w * 0.5);
      g.setColorAt(0, QColor(255, 255, 255, 110));
      g.setColorAt(1, QColor(255, 255, 255, 0));
      p.fillPath(path, g);
      break;
    }
  }
}

QString RankText(int value) {
  switch (value) {
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return QString::number(value);
  }
}

// The rank in the corner, fitted to a box of whole pixels so its edges stay sharp.
void PaintIndex(QPainter& p, const Look& look, int suit, int value, FaceStyle style) {
  const QString text = RankText(value);
  const double inset = style == FaceStyle::Tile ? 2.5 : 0;  // clear of the tile's rim
  const QRectF box(1.5 + inset, 3 + inset, value == 10 ? 11.5 : 10, 11);
  const QPainterPath glyphs = FitText(text, look.font, look.weight, box, value == 10 ? 0.62 : 1.0);
  const QColor c = SuitColour(look, suit);
  if (style == FaceStyle::Steel) p.fillPath(glyphs.translated(0.6, 0.6), QColor(255, 255, 255, 200));
  p.fillPath(glyphs, c);
  PaintSuit(p, style, look, suit, QPointF(box.center().x() - 4.5, box.bottom() + 2.5), 9, false);
}

void PaintPips(QPainter& p, FaceStyle style, const Look& look, int suit, int value) {
  if (value == 1) {
    const double w = suit == 4 ? 34 : 28;
    if (suit == 4 && style == FaceStyle::Standard) {  // the ornate Ace of spades
      QPainterPath ring;
      ring.addEllipse(QPointF(kW / 2.0, kH / 2.0), 24, 26);
      p.strokePath(ring, QPen(look.black, 0.8));
      ring = QPainterPath();
      ring.addEllipse(QPointF(kW / 2.0, kH / 2.0), 22, 24);
      p.strokePath(ring, QPen(look.black, 0.5));
    }
    PaintSuit(p, style, look, suit, QPointF(kW / 2.0 - w / 2, kH / 2.0 - w / 2), w, false);
    return;
  }
  const double pip = 12;
  const QRectF field(22.5, 16, 26, 64);  // pip centres
  for (const Pip& at : PipLayout(value)) {
    const QPointF c(field.left() + at.x * field.width(), field.top() + at.y * field.height());
    PaintSuit(p, style, look, suit, c - QPointF(pip / 2, pip / 2), pip, at.inverted);
  }
}

void PaintCourt(QPainter& p, FaceStyle style, const Look& look, int suit, int value) {
  const QRect frame(12, 8, 47, 80);
  DrawCourtFigure(p, frame, suit, value, look.court);
  const QColor edge = style == FaceStyle::Tile ? QColor(150, 70, 30) : SuitColour(look, suit);
  p.setPen(QPen(edge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
  p.setPen(QPen(look.court.line, 0.6));
  p.drawLine(QPointF(frame.left() + 1, frame.center().y() + 0.5), QPointF(frame.right(), frame.center().y() + 0.5));
}

}  // namespace

QImage DrawFace(FaceStyle style, int suit, int value) {
  const Look look = LookOf(style);
  QImage card(kW, kH, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  PaintBody(p, style);
  if (value > 10)
    PaintCourt(p, style, look, suit, value);
  else
    PaintPips(p, style, look, suit, value);
  // The corner index, and the same turned round at the bottom right.
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn) {
      p.translate(kW, kH);
      p.rotate(180);
    }
    PaintIndex(p, look, suit, value, style);
    p.restore();
  }
  p.end();
  return card.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawFaceSheet(FaceStyle style) {
  QImage sheet(927, 394, QImage::Format_ARGB32);
  sheet.fill(Qt::transparent);
  QPainter p(&sheet);
  for (int suit = 1; suit <= 4; ++suit)
    for (int value = 1; value <= 13; ++value)
      p.drawImage(1 + 71 * (value - 1), 96 * (suit - 1), DrawFace(style, suit, value));
  p.end();
  return sheet;
}

}  // namespace artgen
