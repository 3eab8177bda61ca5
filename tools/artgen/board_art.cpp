#include "board_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "paint.h"
#include "suits.h"
#include "textures.h"

namespace artgen {
namespace {

QImage Blank(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QImage Done(QImage& img) { return img.convertToFormat(QImage::Format_ARGB32); }


// Text with a one-pixel light edge below and a dark edge above, as if cut into the plate.
void Engrave(QPainter& p, const QPainterPath& text, const QColor& ink, const QColor& light) {
  p.fillPath(text.translated(0, 1), light);
  p.fillPath(text, ink);
}


}  // namespace

QImage DrawEmptyPile(bool wood, bool small) {
  const int w = small ? 59 : 71, h = small ? 80 : 96;
  QImage img = Blank(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline = Rounded(QRectF(0.5, 0.5, w - 1, h - 1), 5);
  if (wood) {
    const QImage grain = WoodGrain(128, 128, QColor(214, 176, 124), QColor(178, 134, 84), 91);
    p.fillPath(outline, QBrush(grain));
    p.fillPath(outline, QColor(255, 240, 210, 40));
    p.strokePath(Rounded(QRectF(3.5, 3.5, w - 7, h - 7), 3), QPen(QColor(120, 80, 40, 150), 1));
    p.strokePath(outline, QPen(QColor(110, 72, 36), 1));
    FillSuit(p, 2, QPointF(w / 2.0, h / 2.0), w * 0.34, QColor(120, 80, 40, 70));
  } else {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(196, 198, 204));
    g.setColorAt(1, QColor(164, 168, 176));
    p.fillPath(outline, g);
    // A dotted rim: small round dots evenly spaced round the card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 100, 110));
    const double inset = 4.5, step = 4;
    for (double x = inset; x <= w - inset + 0.1; x += (w - 2 * inset) / std::round((w - 2 * inset) / step)) {
      p.drawEllipse(QPointF(x, inset), 0.9, 0.9);
      p.drawEllipse(QPointF(x, h - inset), 0.9, 0.9);
    }
    for (double y = inset; y <= h - inset + 0.1; y += (h - 2 * inset) / std::round((h - 2 * inset) / step)) {
      p.drawEllipse(QPointF(inset, y), 0.9, 0.9);
      p.drawEllipse(QPointF(w - inset, y), 0.9, 0.9);
    }
    p.strokePath(outline, QPen(QColor(120, 124, 132), 1));
    FillSuit(p, 4, QPointF(w / 2.0, h / 2.0), w * 0.34, QColor(110, 114, 124, 80));
  }
  p.end();
  return Done(img);
}

QImage DrawLogo(bool large) {
  const int w = large ? 307 : 165, h = large ? 131 : 89;
  QImage img = Blank(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = w / 307.0;
  // A dark cartouche with a gold rule, the name in gold serif capitals, suits beneath.
  const QRectF plate(4 * s, 6 * s, w - 8 * s, h - 12 * s);
  QLinearGradient g(plate.topLeft(), plate.bottomLeft());
  g.setColorAt(0, QColor(30, 60, 40));
  g.setColorAt(1, QColor(10, 34, 20));
  p.fillPath(Rounded(plate, 14 * s), g);
  p.strokePath(Rounded(plate.adjusted(4 * s, 4 * s, -4 * s, -4 * s), 10 * s), QPen(QColor(214, 178, 90), 2 * s));
  p.strokePath(Rounded(plate, 14 * s), QPen(QColor(8, 20, 12), 1.5));
  const QPainterPath name =
      FitText("CORVALLE", "DejaVu Serif", QFont::Bold, QRectF(plate.left() + 18 * s, 24 * s, plate.width() - 36 * s, 46 * s));
  p.fillPath(name.translated(2 * s, 2 * s), QColor(0, 0, 0, 120));
  QLinearGradient gold(0, 24 * s, 0, 70 * s);
  gold.setColorAt(0, QColor(255, 236, 160));
  gold.setColorAt(0.55, QColor(222, 176, 70));
  gold.setColorAt(1, QColor(160, 110, 30));
  p.fillPath(name, gold);
  p.strokePath(name, QPen(QColor(90, 60, 10), 0.8 * s));
  const QPainterPath sub = FitText("DOUBLE  SOLITAIRE", "DejaVu Sans", QFont::Bold,
                                   QRectF(plate.left() + 60 * s, 80 * s, plate.width() - 120 * s, 9 * s));
  p.fillPath(sub, QColor(226, 214, 180));
  const QColor suitColour[] = {QColor(240, 240, 240), QColor(232, 70, 60), QColor(232, 70, 60), QColor(240, 240, 240)};
  for (int i = 0; i < 4; ++i) FillSuit(p, i + 1, QPointF(w / 2.0 + (i - 1.5) * 26 * s, 104 * s), 15 * s, suitColour[i]);
  p.end();
  return Done(img);
}

QImage DrawPanel(bool metal) {
  const int w = metal ? 684 : 680, h = metal ? 93 : 72;
  QImage img = Blank(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline = Rounded(QRectF(0.5, 0.5, w - 1, h - 1), 8);
  QColor ink, light;
  if (metal) {
    p.fillPath(outline, QBrush(BrushedMetal(256, 256, QColor(168, 174, 184), 12)));
    QLinearGradient shine(0, 0, 0, h);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    shine.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillPath(outline, shine);
    for (double x : {12.0, w - 12.0})
      for (double y : {12.0, h - 12.0}) {
        QRadialGradient rivet(QPointF(x - 1, y - 1), 5);
        rivet.setColorAt(0, QColor(250, 250, 252));
        rivet.setColorAt(1, QColor(80, 86, 96));
        p.setPen(QPen(QColor(60, 64, 72), 0.8));
        p.setBrush(rivet);
        p.drawEllipse(QPointF(x, y), 4, 4);
      }
    ink = QColor(34, 40, 52);
    light = QColor(236, 240, 246);
  } else {
    p.fillPath(outline, QBrush(WoodGrain(256, 256, QColor(170, 110, 60), QColor(120, 72, 36), 5)));
    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0, QColor(255, 230, 190, 60));
    shade.setColorAt(1, QColor(40, 20, 0, 80));
    p.fillPath(outline, shade);
    ink = QColor(52, 28, 10);
    light = QColor(230, 190, 140);
  }
  p.strokePath(Rounded(QRectF(3.5, 3.5, w - 7, h - 7), 6), QPen(QColor(255, 255, 255, 70), 1));
  p.strokePath(outline, QPen(ink, 1.5));
  // Titles centred on the ranges where a press opens each menu.
  const struct {
    const char* text;
    int from, to;
  } titles[] = {{"Game", 31, 183}, {"Options", 195, 335}, {"Internet", 348, 491}, {"Help", 500, 649}};
  const double cap = metal ? 22 : 18, top = (h - cap) / 2 + (metal ? 2 : 1);
  for (const auto& t : titles) {
    const QRectF box(t.from + 8, top, t.to - t.from - 16, cap);
    Engrave(p, FitText(t.text, "DejaVu Serif", QFont::Bold, box), ink, light);
  }
  // Thin dividers between the titles.
  p.setPen(QPen(QColor(0, 0, 0, 70), 1));
  for (int x : {189, 341, 495}) p.drawLine(QPointF(x + 0.5, h * 0.25), QPointF(x + 0.5, h * 0.75));
  p.end();
  return Done(img);
}

QImage DrawPileCaption(const QString& text) {
  const QPainterPath probe = FitText(text, "DejaVu Sans", QFont::Bold, QRectF(0, 3, 400, 9));
  const int w = std::clamp(static_cast<int>(std::ceil(probe.boundingRect().width())) + 12, 43, 87);
  QImage img = Blank(w, 16);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath plate = Rounded(QRectF(0.5, 0.5, w - 1, 15), 4);
  QLinearGradient g(0, 0, 0, 16);
  g.setColorAt(0, QColor(250, 236, 196));
  g.setColorAt(1, QColor(212, 184, 120));
  p.fillPath(plate, g);
  p.strokePath(plate, QPen(QColor(110, 80, 30), 1));
  p.fillPath(FitText(text, "DejaVu Sans", QFont::Bold, QRectF(4, 3, w - 8, 9)), QColor(60, 36, 10));
  p.end();
  return Done(img);
}

QImage DrawColumnCaption(const QString& text) {
  QImage img = Blank(72, 21);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath plate = Rounded(QRectF(0.5, 0.5, 71, 20), 3);
  QLinearGradient g(0, 0, 0, 21);
  g.setColorAt(0, QColor(196, 150, 80));
  g.setColorAt(0.5, QColor(232, 196, 120));
  g.setColorAt(1, QColor(150, 106, 44));
  p.fillPath(plate, g);
  p.strokePath(plate, QPen(QColor(86, 56, 16), 1));
  for (double x : {4.0, 68.0}) {
    p.setPen(QPen(QColor(86, 56, 16), 0.6));
    p.setBrush(QColor(250, 230, 170));
    p.drawEllipse(QPointF(x, 10.5), 1.6, 1.6);
  }
  Engrave(p, FitText(text, "DejaVu Serif", QFont::Bold, QRectF(9, 5, 54, 10)), QColor(60, 34, 6),
          QColor(255, 236, 180));
  p.end();
  return Done(img);
}

QImage DrawTurnMarker(bool local) {
  QImage img = Blank(36, 36);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor base = local ? QColor(40, 170, 60) : QColor(210, 60, 40);
  QRadialGradient glow(QPointF(14, 13), 18);
  glow.setColorAt(0, base.lighter(170));
  glow.setColorAt(0.6, base);
  glow.setColorAt(1, base.darker(160));
  p.setPen(QPen(base.darker(220), 1.2));
  p.setBrush(glow);
  p.drawEllipse(QPointF(18, 18), 16, 16);
  QPainterPath arrow;  // down towards the local piles, up towards the opponent's
  arrow.moveTo(18, 28);
  arrow.lineTo(27, 17);
  arrow.lineTo(21.5, 17);
  arrow.lineTo(21.5, 8);
  arrow.lineTo(14.5, 8);
  arrow.lineTo(14.5, 17);
  arrow.lineTo(9, 17);
  arrow.closeSubpath();
  if (!local) arrow = QTransform().translate(36, 36).rotate(180).map(arrow);
  p.setPen(QPen(base.darker(250), 1));
  p.setBrush(QColor(255, 255, 240));
  p.drawPath(arrow);
  p.end();
  return Done(img);
}

QImage DrawTipPointer(bool up) {
  QImage img = up ? Blank(36, 48) : Blank(48, 36);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;  // drawn pointing right, turned for the upward one
  arrow.moveTo(46, 18);
  arrow.lineTo(26, 2);
  arrow.lineTo(26, 11);
  arrow.lineTo(3, 11);
  arrow.quadTo(1, 18, 3, 25);
  arrow.lineTo(26, 25);
  arrow.lineTo(26, 34);
  arrow.closeSubpath();
  if (up) arrow = QTransform().translate(0, 48).rotate(-90).map(arrow);
  p.fillPath(arrow.translated(1.5, 1.5), QColor(0, 0, 0, 90));
  QLinearGradient g(0, 0, up ? 36 : 0, up ? 0 : 36);
  g.setColorAt(0, QColor(255, 240, 120));
  g.setColorAt(1, QColor(240, 170, 20));
  p.fillPath(arrow, g);
  p.strokePath(arrow, QPen(QColor(120, 70, 0), 1.4));
  p.end();
  return Done(img);
}

QImage DrawMenuTab() {
  QImage img = Blank(80, 18);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tab;
  tab.moveTo(0, 0);
  tab.lineTo(80, 0);
  tab.lineTo(74, 17.5);
  tab.lineTo(6, 17.5);
  tab.closeSubpath();
  QLinearGradient g(0, 0, 0, 18);
  g.setColorAt(0, QColor(120, 78, 40));
  g.setColorAt(1, QColor(80, 48, 20));
  p.fillPath(tab, g);
  p.strokePath(tab, QPen(QColor(40, 20, 6), 1));
  p.fillPath(FitText("MENU", "DejaVu Sans", QFont::Bold, QRectF(14, 4, 40, 9)), QColor(250, 226, 170));
  QPainterPath caret;
  caret.moveTo(58, 6);
  caret.lineTo(66, 6);
  caret.lineTo(62, 12);
  caret.closeSubpath();
  p.fillPath(caret, QColor(250, 226, 170));
  p.end();
  return Done(img);
}

QImage DrawSlap() {
  QImage img = Blank(110, 90);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath burst;  // a comic-book burst
  const int points = 14;
  for (int i = 0; i <= 2 * points; ++i) {
    const double a = i * M_PI / points;
    const double r = i % 2 ? 28 : 44 + (i % 4 ? 0 : 6);
    const QPointF pt(55 + r * std::cos(a) * 1.15, 45 + r * std::sin(a) * 0.9);
    i ? burst.lineTo(pt) : burst.moveTo(pt);
  }
  burst.closeSubpath();
  QRadialGradient g(QPointF(55, 45), 50);
  g.setColorAt(0, QColor(255, 250, 150));
  g.setColorAt(1, QColor(255, 150, 30));
  p.fillPath(burst, g);
  p.strokePath(burst, QPen(QColor(150, 40, 0), 2));
  const QPainterPath word = FitText("SLAP!", "DejaVu Sans", QFont::Black, QRectF(18, 33, 74, 22));
  p.fillPath(word.translated(2, 2), QColor(120, 20, 0));
  p.fillPath(word, QColor(230, 30, 20));
  p.strokePath(word, QPen(QColor(255, 255, 255), 0.8));
  p.end();
  return Done(img);
}

QImage DrawHandPointer(bool slapping) {
  QImage img = Blank(32, 32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath hand;  // palm with four fingers and a thumb
  hand.addRoundedRect(QRectF(8, 13, 16, 15), 5, 5);
  for (int i = 0; i < 4; ++i) {
    const double len = slapping ? 6 : (i == 1 || i == 2 ? 11 : 9);
    hand.addRoundedRect(QRectF(8.5 + i * 4, 15 - len, 3.6, len + 3), 1.8, 1.8);
  }
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(0, 0, 4, 10), 2, 2);
  hand.addPath(QTransform().translate(4, 15).rotate(-40).map(thumb));
  hand.setFillRule(Qt::WindingFill);
  const QPainterPath solid = hand.simplified();
  p.fillPath(solid, QColor(250, 220, 180));
  p.strokePath(solid, QPen(QColor(90, 50, 20), 1.2));
  if (slapping) {
    p.setPen(QPen(QColor(220, 40, 20), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(26, 8 + i * 5), QPointF(31, 6 + i * 6));
  }
  p.end();
  return Done(img);
}

}  // namespace artgen
