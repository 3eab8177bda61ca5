#include "backs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "paint.h"
#include "suits.h"

namespace artgen {
namespace {

constexpr int kW = 71, kH = 96;


// A white-bordered card with `pattern` painted inside the inner panel.
QImage Framed(QColor border, QColor edge, const std::function<void(QPainter&, const QRectF&)>& pattern) {
  QImage img(kW, kH, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline = Rounded(QRectF(0.5, 0.5, kW - 1, kH - 1), 5);
  p.fillPath(outline, border);
  const QRectF panel(4, 4, kW - 8, kH - 8);
  p.save();
  p.setClipPath(Rounded(panel, 2.5));
  pattern(p, panel);
  p.restore();
  p.strokePath(Rounded(panel.adjusted(0.5, 0.5, -0.5, -0.5), 2.5), QPen(edge, 1));
  p.strokePath(outline, QPen(QColor(110, 110, 116), 1));
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

// A lattice of diagonal lines both ways, `step` pixels apart.
void Lattice(QPainter& p, const QRectF& r, double step, const QPen& pen) {
  p.setPen(pen);
  for (double d = -r.height(); d < r.width() + r.height(); d += step) {
    p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
    p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
  }
}

void Medallion(QPainter& p, QPointF c, double rx, double ry, QColor fill, QColor line) {
  p.setPen(QPen(line, 1));
  p.setBrush(fill);
  p.drawEllipse(c, rx, ry);
}


}  // namespace

QImage DrawBack(int design) {
  switch (design) {
    case 0:  // navy lattice on white: the classic club back
      return Framed(Qt::white, QColor(20, 40, 110), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(250, 250, 255));
        Lattice(p, r, 5, QPen(QColor(30, 56, 140), 1.1));
        Medallion(p, r.center(), 14, 18, QColor(250, 250, 255), QColor(30, 56, 140));
        FillSuit(p, 1, r.center(), 16, QColor(30, 56, 140));
      });
    case 1:  // maroon with gold scrolls
      return Framed(Qt::white, QColor(90, 0, 0), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(128, 10, 16));
        p.setPen(QPen(QColor(232, 188, 90), 0.9));
        p.setBrush(Qt::NoBrush);
        for (double y = r.top() - 4; y < r.bottom() + 8; y += 8)
          for (double x = r.left() - 4; x < r.right() + 8; x += 8) p.drawArc(QRectF(x, y, 8, 8), 0, 180 * 16);
        Medallion(p, r.center(), 15, 19, QColor(150, 20, 28), QColor(232, 188, 90));
        FillSuit(p, 3, r.center(), 17, QColor(232, 188, 90));
      });
    case 2:  // peach with brown rosettes
      return Framed(Qt::white, QColor(140, 80, 40), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(252, 222, 186));
        p.setPen(QPen(QColor(160, 96, 50), 0.8));
        for (double y = r.top() + 6; y < r.bottom(); y += 12)
          for (double x = r.left() + 6 + (int(y) / 12 % 2) * 6; x < r.right(); x += 12) {
            p.setBrush(QColor(232, 170, 120));
            for (int k = 0; k < 4; ++k) {
              const double a = k * M_PI / 2;
              p.drawEllipse(QPointF(x + 2.4 * std::cos(a), y + 2.4 * std::sin(a)), 1.8, 1.8);
            }
            p.setBrush(QColor(160, 96, 50));
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
          }
      });
    case 3:  // orange sunburst
      return Framed(Qt::white, QColor(170, 80, 10), [](QPainter& p, const QRectF& r) {
        QRadialGradient g(r.center(), r.height() * 0.6);
        g.setColorAt(0, QColor(255, 214, 130));
        g.setColorAt(1, QColor(232, 120, 30));
        p.fillRect(r, g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 200, 90));
        for (int k = 0; k < 24; k += 2) {
          QPainterPath ray;
          const double a0 = k * M_PI / 12, a1 = (k + 1) * M_PI / 12;
          ray.moveTo(r.center());
          ray.lineTo(r.center() + QPointF(80 * std::cos(a0), 80 * std::sin(a0)));
          ray.lineTo(r.center() + QPointF(80 * std::cos(a1), 80 * std::sin(a1)));
          ray.closeSubpath();
          p.drawPath(ray);
        }
        Medallion(p, r.center(), 11, 11, QColor(255, 230, 160), QColor(170, 80, 10));
        FillSuit(p, 2, r.center(), 14, QColor(200, 60, 20));
      });
    case 4:  // riveted steel plate
      return Framed(QColor(236, 236, 238), QColor(70, 74, 82), [](QPainter& p, const QRectF& r) {
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor(200, 204, 210));
        g.setColorAt(0.5, QColor(150, 156, 166));
        g.setColorAt(1, QColor(186, 190, 198));
        p.fillRect(r, g);
        Noise n(41);
        for (double y = r.top(); y < r.bottom(); y += 1)
          p.fillRect(QRectF(r.left(), y, r.width(), 1), QColor(255, 255, 255, int(n.At(1, y * 0.8) * 50)));
        for (double y : {r.top() + 5, r.bottom() - 5})
          for (double x : {r.left() + 5, r.right() - 5}) {
            QRadialGradient rivet(QPointF(x - 0.7, y - 0.7), 3);
            rivet.setColorAt(0, QColor(250, 250, 252));
            rivet.setColorAt(1, QColor(90, 96, 106));
            p.setPen(Qt::NoPen);
            p.setBrush(rivet);
            p.drawEllipse(QPointF(x, y), 2.3, 2.3);
          }
        p.setPen(QPen(QColor(90, 96, 106), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(10, 12, -10, -12), 3, 3);
        FillSuit(p, 4, r.center(), 18, QColor(70, 76, 88));
      });
    case 5:  // silver checks
      return Framed(Qt::white, QColor(96, 96, 104), [](QPainter& p, const QRectF& r) {
        for (int y = 0; y * 6 < r.height(); ++y)
          for (int x = 0; x * 6 < r.width(); ++x)
            p.fillRect(QRectF(r.left() + x * 6, r.top() + y * 6, 6, 6),
                       (x + y) % 2 ? QColor(168, 170, 178) : QColor(214, 216, 222));
        Medallion(p, r.center(), 13, 17, QColor(236, 236, 240), QColor(96, 96, 104));
        FillSuit(p, 4, r.center(), 15, QColor(60, 62, 70));
      });
    case 6:  // green baize with a gold rule
      return Framed(Qt::white, QColor(0, 40, 0), [](QPainter& p, const QRectF& r) {
        Noise n(66);
        for (int y = 0; y < r.height(); ++y)
          for (int x = 0; x < r.width(); ++x) {
            const int v = int(n.Fractal(x * 0.5, y * 0.5, 3) * 40);
            p.fillRect(QRectF(r.left() + x, r.top() + y, 1, 1), QColor(10 + v / 3, 80 + v, 30 + v / 2));
          }
        p.setPen(QPen(QColor(218, 180, 80), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(4.5, 4.5, -4.5, -4.5), 2, 2);
        p.drawRoundedRect(r.adjusted(6.5, 6.5, -6.5, -6.5), 1.5, 1.5);
        FillSuit(p, 1, r.center(), 20, QColor(218, 180, 80));
      });
    case 7:  // green leaves
      return Framed(Qt::white, QColor(0, 50, 0), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(20, 86, 36));
        p.setPen(QPen(QColor(10, 50, 20), 0.6));
        for (double y = r.top() - 6; y < r.bottom() + 6; y += 9)
          for (double x = r.left() - 6 + (int(y) / 9 % 2) * 5; x < r.right() + 6; x += 10) {
            QPainterPath leaf;
            leaf.moveTo(x, y + 5);
            leaf.quadTo(x + 1, y, x + 6, y - 2);
            leaf.quadTo(x + 5, y + 4, x, y + 5);
            p.setBrush(QColor(70, 150, 70));
            p.drawPath(leaf);
          }
      });
    default:  // blue waves
      return Framed(Qt::white, QColor(40, 30, 100), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(64, 70, 160));
        p.setBrush(Qt::NoBrush);
        for (double y = r.top() - 4; y < r.bottom() + 4; y += 5) {
          QPainterPath wave;
          wave.moveTo(r.left(), y);
          for (double x = r.left(); x < r.right() + 8; x += 8) wave.quadTo(x + 2, y - 3, x + 4, y), wave.quadTo(x + 6, y + 3, x + 8, y);
          p.setPen(QPen(int(y) % 2 ? QColor(150, 170, 240) : QColor(110, 120, 210), 1));
          p.drawPath(wave);
        }
        Medallion(p, r.center(), 12, 15, QColor(230, 232, 250), QColor(40, 30, 100));
        FillSuit(p, 2, r.center(), 13, QColor(64, 70, 160));
      });
  }
}

QImage DrawBuiltinBack() {
  QImage img(kW, kH, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // One clear pixel all round: the board fills it with the deck colour.
  const QRectF card(1, 1, kW - 2, kH - 2);
  p.fillPath(Rounded(card, 4), Qt::white);
  const QRectF panel = card.adjusted(3, 3, -3, -3);
  QLinearGradient g(panel.topLeft(), panel.bottomRight());
  g.setColorAt(0, QColor(26, 52, 120));
  g.setColorAt(1, QColor(12, 28, 74));
  p.fillPath(Rounded(panel, 2.5), g);
  p.save();
  p.setClipPath(Rounded(panel, 2.5));
  Lattice(p, panel, 6, QPen(QColor(255, 255, 255, 38), 1));
  p.restore();
  p.strokePath(Rounded(panel.adjusted(2.5, 2.5, -2.5, -2.5), 1.5), QPen(QColor(220, 180, 80), 1));
  // The logo: a gold C in a ring with the four suits round it.
  const QPointF c = panel.center();
  p.setPen(QPen(QColor(220, 180, 80), 1.4));
  p.setBrush(QColor(16, 36, 92));
  p.drawEllipse(c, 17, 17);
  p.fillPath(FitText("C", "DejaVu Serif", QFont::Bold, QRectF(c.x() - 10, c.y() - 10, 20, 20)),
             QColor(236, 198, 96));
  const QColor suitColours[] = {QColor(240, 240, 246), QColor(236, 80, 80), QColor(236, 80, 80), QColor(240, 240, 246)};
  const QPointF at[] = {c + QPointF(-22, -30), c + QPointF(22, -30), c + QPointF(-22, 30), c + QPointF(22, 30)};
  for (int s = 0; s < 4; ++s) FillSuit(p, s + 1, at[s], 9, suitColours[s]);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace artgen
