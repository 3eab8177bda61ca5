#include "structures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "paint.h"
#include "textures.h"

namespace artgen {
namespace {

// What a structure is built of: its surface, and the tone of its light and shadow.
struct Material {
  QImage surface;
  QColor edge;
};

Material MaterialOf(int number) {
  switch (number) {
    case 1002:  // gilded, for the winner
      return {Marble(256, 256, QColor(222, 182, 80), QColor(150, 100, 20), 1002), QColor(110, 70, 10)};
    case 1003:  // steel
      return {BrushedMetal(256, 256, QColor(120, 128, 140), 1003), QColor(40, 44, 52)};
    case 1004:  // dark timber
      return {WoodGrain(256, 256, QColor(112, 56, 30), QColor(58, 26, 12), 1004), QColor(24, 10, 2)};
    default:  // white marble
      return {Marble(256, 256, QColor(236, 234, 228), QColor(150, 150, 156), 1001), QColor(110, 108, 104)};
  }
}

// Light from the left: a band of shading across a rounded surface of width w.
QLinearGradient Roundness(double x, double w) {
  QLinearGradient g(x, 0, x + w, 0);
  g.setColorAt(0, QColor(0, 0, 0, 70));
  g.setColorAt(0.3, QColor(255, 255, 255, 70));
  g.setColorAt(0.55, QColor(255, 255, 255, 0));
  g.setColorAt(1, QColor(0, 0, 0, 110));
  return g;
}

void Block(QPainter& p, const QRectF& r, const Material& m, bool rounded) {
  p.fillRect(r, QBrush(m.surface));
  if (rounded) p.fillRect(r, Roundness(r.left(), r.width()));
  p.setPen(QPen(m.edge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

QImage Column(const Material& m, int number) {
  const int w = 44, h = 426;
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Capital: abacus slab and a flared echinus; base: two tori on a plinth.
  Block(p, QRectF(0, 0, w, 8), m, false);
  QPainterPath echinus;
  echinus.moveTo(3, 8);
  echinus.lineTo(w - 3, 8);
  echinus.quadTo(w - 6, 18, w - 8, 20);
  echinus.lineTo(8, 20);
  echinus.quadTo(6, 18, 3, 8);
  p.fillPath(echinus, QBrush(m.surface));
  p.fillPath(echinus, Roundness(3, w - 6));
  p.strokePath(echinus, QPen(m.edge, 1));
  if (number == 1003) {  // steel: a riveted girder instead of a fluted shaft
    Block(p, QRectF(8, 20, w - 16, h - 48), m, true);
    p.setPen(QPen(m.edge, 1));
    for (double y = 34; y < h - 30; y += 28) {
      p.setBrush(QColor(200, 206, 214));
      p.drawEllipse(QPointF(14, y), 2, 2);
      p.drawEllipse(QPointF(w - 14, y), 2, 2);
    }
  } else {
    Block(p, QRectF(8, 20, w - 16, h - 48), m, true);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    for (double x = 12.5; x < w - 10; x += 4) p.drawLine(QPointF(x, 24), QPointF(x, h - 32));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (double x = 13.5; x < w - 10; x += 4) p.drawLine(QPointF(x, 24), QPointF(x, h - 32));
  }
  Block(p, QRectF(5, h - 28, w - 10, 7), m, true);
  Block(p, QRectF(3, h - 21, w - 6, 7), m, true);
  Block(p, QRectF(0, h - 14, w, 14), m, false);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Stairs(const Material& m) {
  const int w = 820, h = 118, steps = 4;
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double stepH = double(h) / steps;
  for (int i = 0; i < steps; ++i) {
    const double inset = (steps - 1 - i) * 24;
    const QRectF tread(inset, i * stepH, w - 2 * inset, 6);
    const QRectF riser(inset, i * stepH + 6, w - 2 * inset, stepH - 6);
    p.fillRect(tread, QBrush(m.surface));
    p.fillRect(tread, QColor(255, 255, 255, 80));
    p.fillRect(riser, QBrush(m.surface));
    QLinearGradient shade(0, riser.top(), 0, riser.bottom());
    shade.setColorAt(0, QColor(0, 0, 0, 30));
    shade.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(riser, shade);
    p.setPen(QPen(m.edge, 1));
    p.drawLine(QPointF(tread.left(), tread.top() + 0.5), QPointF(tread.right(), tread.top() + 0.5));
    p.drawLine(QPointF(riser.left(), riser.top() + 0.5), QPointF(riser.right(), riser.top() + 0.5));
    p.drawLine(QPointF(tread.left() + 0.5, tread.top()), QPointF(riser.left() + 0.5, riser.bottom()));
    p.drawLine(QPointF(tread.right() - 0.5, tread.top()), QPointF(riser.right() - 0.5, riser.bottom()));
  }
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Top(const Material& m, int number) {
  const int w = 830, h = 140;
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // The pediment rises above the frame of the window; the entablature below it shows.
  QPainterPath pediment;
  pediment.moveTo(40, 84);
  pediment.lineTo(w / 2.0, 6);
  pediment.lineTo(w - 40, 84);
  pediment.closeSubpath();
  p.fillPath(pediment, QBrush(m.surface));
  p.fillPath(pediment, QColor(0, 0, 0, 30));
  p.strokePath(pediment, QPen(m.edge, 1.5));
  // Cornice, frieze with triglyphs, architrave.
  Block(p, QRectF(20, 84, w - 40, 12), m, false);
  p.fillRect(QRectF(20, 84, w - 40, 3), QColor(255, 255, 255, 90));
  Block(p, QRectF(30, 96, w - 60, 24), m, false);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  for (double x = 46; x < w - 50; x += 48)
    for (double dx : {0.0, 4.0, 8.0}) p.drawLine(QPointF(x + dx + 0.5, 99), QPointF(x + dx + 0.5, 117));
  Block(p, QRectF(36, 120, w - 72, 16), m, false);
  QLinearGradient under(0, 120, 0, 136);
  under.setColorAt(0, QColor(0, 0, 0, 0));
  under.setColorAt(1, QColor(0, 0, 0, 70));
  p.fillRect(QRectF(36, 120, w - 72, 16), under);
  if (number == 1002) {  // a laurel in the tympanum
    p.setPen(QPen(QColor(120, 80, 10), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(w / 2.0 - 26, 34, 52, 44), 200 * 16, 140 * 16);
  }
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage DrawStructure(int number, StructurePart part) {
  const Material m = MaterialOf(number);
  switch (part) {
    case StructurePart::Column: return Column(m, number);
    case StructurePart::Stairs: return Stairs(m);
    default: return Top(m, number);
  }
}

}  // namespace artgen
