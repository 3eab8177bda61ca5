#include "court.h"

#include <QImage>
#include <QPainterPath>

#include "paint.h"
#include "suits.h"

namespace artgen {
namespace {

// The half figure is designed in a 100 x 86 box; the bottom edge is the card's middle.
constexpr double kW = 100, kH = 86;
constexpr int kScale = 6;  // drawn this much larger, then scaled down smoothly

struct Colours {
  QColor robe, band, trim;
};

// Each suit dresses its courts differently, so no two courts look alike.
Colours Dress(int suit, int rank, const CourtPalette& pal) {
  const int pick = (suit + rank) % 4;
  switch (pick) {
    case 0: return {pal.red, pal.blue, pal.gold};
    case 1: return {pal.blue, pal.red, pal.gold};
    case 2: return {pal.gold, pal.red, pal.blue};
    default: return {pal.red, pal.gold, pal.blue};
  }
}

class Figure {
 public:
  Figure(QPainter& p, const CourtPalette& pal, int suit, int rank)
      : p_(p), pal_(pal), suit_(suit), rank_(rank), dress_(Dress(suit, rank, pal)) {}

  void Draw() {
    p_.fillRect(QRectF(0, 0, kW, kH), pal_.paper);
    Item();
    p_.save();
    HeadSpace();
    BackHair();
    p_.restore();
    Robe();
    Arm();
    p_.save();
    HeadSpace();
    Neck();
    Face();
    Headwear();
    p_.restore();
  }

 private:
  void Shape(const QPainterPath& path, const QColor& fill) {
    p_.setBrush(fill);
    p_.setPen(QPen(pal_.line, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(path);
  }
  void Line(QPointF a, QPointF b, double width = 1.5) {
    p_.setPen(QPen(pal_.line, width, Qt::SolidLine, Qt::RoundCap));
    p_.drawLine(a, b);
  }

  // What the figure holds, drawn behind the body on the right-hand side.
  void Item() {
    if (rank_ == 13 && suit_ != 1) {  // sword, or an axe for diamonds
      QPainterPath blade;
      blade.moveTo(75, 66);
      blade.lineTo(75, 8);
      blade.lineTo(77.5, 1);
      blade.lineTo(80, 8);
      blade.lineTo(80, 66);
      blade.closeSubpath();
      Shape(blade, suit_ == 2 ? QColor(150, 100, 50) : pal_.white);
      if (suit_ == 2) {
        QPainterPath head;
        head.moveTo(80, 8);
        head.quadTo(98, 2, 96, 26);
        head.quadTo(90, 18, 80, 22);
        head.closeSubpath();
        Shape(head, pal_.white);
      } else {
        Line(QPointF(77.5, 8), QPointF(77.5, 62), 0.7);
      }
      Shape(Rounded(QRectF(68, 64, 19, 4), 2), pal_.gold);
    } else if (rank_ == 13) {  // an orb on a sceptre
      Shape(Rounded(QRectF(75.5, 14, 4, 56), 2), pal_.gold);
      QPainterPath orb;
      orb.addEllipse(QPointF(77.5, 10), 7, 7);
      Shape(orb, dress_.band);
      Line(QPointF(70.5, 10), QPointF(84.5, 10), 1.2);
    } else if (rank_ == 12) {  // a flower
      QPainterPath stem;
      stem.moveTo(77, 72);
      stem.cubicTo(80, 54, 74, 40, 78, 24);
      p_.setBrush(Qt::NoBrush);
      p_.setPen(QPen(QColor(40, 110, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
      p_.drawPath(stem);
      QPainterPath leaf;
      leaf.moveTo(78, 46);
      leaf.quadTo(90, 38, 94, 44);
      leaf.quadTo(88, 50, 78, 46);
      Shape(leaf, QColor(70, 150, 60));
      for (int i = 0; i < 5; ++i) {
        QPainterPath petal;
        QTransform t;
        t.translate(78, 18);
        t.rotate(i * 72.0);
        petal.addEllipse(QPointF(0, -6), 4, 6);
        Shape(t.map(petal), suit_ % 2 ? pal_.red : pal_.white);
      }
      QPainterPath heart;
      heart.addEllipse(QPointF(78, 18), 3, 3);
      Shape(heart, pal_.gold);
    } else {  // a halberd for the Jack
      Shape(Rounded(QRectF(75.5, 14, 4, 58), 1.5), QColor(150, 100, 50));
      QPainterPath head;
      head.moveTo(77.5, 2);
      head.lineTo(81, 12);
      head.quadTo(93, 12, 94, 24);
      head.quadTo(86, 19, 80, 21);
      head.lineTo(75, 21);
      head.quadTo(68, 18, 66, 12);
      head.quadTo(72, 13, 74, 12);
      head.closeSubpath();
      Shape(head, pal_.white);
    }
  }

  // The head is drawn in its own space, larger than the body and a little lower, so the
  // face reads at card size.
  void HeadSpace() {
    p_.translate(44, 52);
    p_.scale(1.2, 1.2);
    p_.translate(-44, -47);
  }

  void BackHair() {
    if (rank_ != 12) return;
    QPainterPath hair;  // long hair falling to the shoulders
    hair.moveTo(30, 30);
    hair.cubicTo(26, 14, 62, 14, 58, 30);
    hair.cubicTo(62, 44, 64, 52, 60, 58);
    hair.lineTo(28, 58);
    hair.cubicTo(24, 52, 26, 44, 30, 30);
    hair.closeSubpath();
    Shape(hair, pal_.hair);
  }

  void Robe() {
    QPainterPath robe;
    robe.moveTo(4, kH + 2);
    robe.lineTo(4, 72);
    robe.cubicTo(4, 62, 12, 56, 26, 54);
    robe.lineTo(62, 54);
    robe.cubicTo(76, 56, 84, 62, 84, 72);
    robe.lineTo(84, kH + 2);
    robe.closeSubpath();
    Shape(robe, dress_.robe);
    // Folds of the robe.
    for (double x : {12.0, 20.0, 68.0, 76.0}) Line(QPointF(x, 66), QPointF(x, kH), 0.8);

    // The front panel with its pattern.
    QPainterPath band;
    band.addRect(QRectF(36, 58, 16, kH - 56));
    Shape(band, dress_.band);
    p_.setPen(QPen(pal_.line, 0.9));
    p_.setBrush(dress_.trim);
    for (double y = 68; y < kH; y += 9) {
      QPainterPath motif;
      motif.moveTo(44, y - 4);
      motif.lineTo(48, y);
      motif.lineTo(44, y + 4);
      motif.lineTo(40, y);
      motif.closeSubpath();
      p_.drawPath(motif);
    }
    // Trimmed edges of the panel.
    p_.setBrush(dress_.trim);
    p_.drawRect(QRectF(33, 58, 3, kH - 56));
    p_.drawRect(QRectF(52, 58, 3, kH - 56));

    // Collar: ermine for the King, lace for the Queen, a plain band for the Jack.
    QPainterPath collar;
    collar.moveTo(18, 56);
    collar.quadTo(44, 68, 70, 56);
    collar.lineTo(70, 63);
    collar.quadTo(44, 76, 18, 63);
    collar.closeSubpath();
    Shape(collar, rank_ == 11 ? dress_.trim : pal_.white);
    if (rank_ == 13) {
      p_.setPen(Qt::NoPen);
      p_.setBrush(pal_.line);
      for (double x = 24; x < 68; x += 7) p_.drawEllipse(QPointF(x, 61.5 + (x > 30 && x < 58 ? 3.5 : 0)), 0.9, 1.5);
    } else if (rank_ == 12) {
      p_.setPen(QPen(pal_.line, 0.7));
      p_.setBrush(Qt::NoBrush);
      for (double x = 22; x < 68; x += 5)
        p_.drawArc(QRectF(x - 2.5, 60.5 + (x > 30 && x < 58 ? 3.5 : 0), 5, 4), 0, -180 * 16);
    }
  }

  // The arm bent across the body to the hand that holds the item.
  void Arm() {
    QPainterPath sleeve;
    sleeve.moveTo(62, 56);
    sleeve.cubicTo(76, 58, 80, 64, 78, 72);
    sleeve.lineTo(70, 76);
    sleeve.cubicTo(68, 70, 62, 66, 56, 64);
    sleeve.closeSubpath();
    Shape(sleeve, dress_.band);
    QPainterPath cuff;
    cuff.moveTo(78, 72);
    cuff.lineTo(70, 76);
    p_.setPen(QPen(pal_.line, 2.4, Qt::SolidLine, Qt::RoundCap));
    p_.drawPath(cuff);
    QPainterPath hand;
    hand.addEllipse(QPointF(77, 76), 5, 4.5);
    Shape(hand, pal_.skin);
  }

  void Neck() {
    QPainterPath neck;
    neck.addRect(QRectF(39, 42, 10, 9));
    Shape(neck, pal_.skin);
  }

  void Face() {
    QPainterPath face;
    face.addEllipse(QPointF(44, 33), 10.5, 12.5);
    Shape(face, pal_.skin);
    if (rank_ == 13) {  // beard and moustache
      QPainterPath beard;
      beard.moveTo(34, 34);
      beard.cubicTo(34, 50, 40, 54, 44, 55);
      beard.cubicTo(48, 54, 54, 50, 54, 34);
      beard.cubicTo(50, 40, 38, 40, 34, 34);
      beard.closeSubpath();
      Shape(beard, pal_.hair);
      QPainterPath mouth;
      mouth.moveTo(41, 41.5);
      mouth.quadTo(44, 43, 47, 41.5);
      p_.setBrush(Qt::NoBrush);
      p_.setPen(QPen(pal_.red.darker(130), 1.2, Qt::SolidLine, Qt::RoundCap));
      p_.drawPath(mouth);
      QPainterPath moustache;
      moustache.moveTo(44, 38.5);
      moustache.cubicTo(40, 37, 37, 39, 35, 41);
      moustache.moveTo(44, 38.5);
      moustache.cubicTo(48, 37, 51, 39, 53, 41);
      p_.setPen(QPen(pal_.line, 1.6, Qt::SolidLine, Qt::RoundCap));
      p_.drawPath(moustache);
    } else {
      p_.setPen(Qt::NoPen);
      p_.setBrush(pal_.red.lighter(125));
      p_.drawEllipse(QPointF(44, 41), 2.6, 1.3);
      p_.setBrush(QColor(pal_.red.red(), pal_.red.green(), pal_.red.blue(), 50));
      p_.drawEllipse(QPointF(37.5, 37), 2.6, 1.8);
      p_.drawEllipse(QPointF(50.5, 37), 2.6, 1.8);
    }
    // Eyes, brows and nose.
    p_.setPen(Qt::NoPen);
    p_.setBrush(pal_.line);
    p_.drawEllipse(QPointF(39.5, 31), 1.4, 1.1);
    p_.drawEllipse(QPointF(48.5, 31), 1.4, 1.1);
    Line(QPointF(37, 28), QPointF(41.5, 27.5), 1.0);
    Line(QPointF(46.5, 27.5), QPointF(51, 28), 1.0);
    QPainterPath nose;
    nose.moveTo(44, 31);
    nose.lineTo(42.5, 36.5);
    nose.lineTo(45, 36.8);
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(pal_.line, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(nose);
  }

  void Headwear() {
    if (rank_ == 13) {
      QPainterPath crown;
      crown.moveTo(31, 24);
      crown.lineTo(30, 10);
      crown.lineTo(36.5, 16);
      crown.lineTo(40, 4);
      crown.lineTo(44, 14);
      crown.lineTo(48, 4);
      crown.lineTo(51.5, 16);
      crown.lineTo(58, 10);
      crown.lineTo(57, 24);
      crown.closeSubpath();
      Shape(crown, pal_.gold);
      Shape(Rounded(QRectF(30, 20, 28, 5), 1), pal_.gold);
      Jewels({36.0, 44.0, 52.0}, 22.5);
      for (double x : {30.0, 40.0, 48.0, 58.0}) {
        QPainterPath ball;
        ball.addEllipse(QPointF(x, x == 30 || x == 58 ? 9.5 : 3.5), 1.6, 1.6);
        Shape(ball, pal_.white);
      }
    } else if (rank_ == 12) {
      QPainterPath crown;  // a small crown on top of the hair
      crown.moveTo(33, 22);
      crown.lineTo(33, 13);
      crown.quadTo(38, 17, 39, 9);
      crown.quadTo(44, 14, 49, 9);
      crown.quadTo(50, 17, 55, 13);
      crown.lineTo(55, 22);
      crown.closeSubpath();
      Shape(crown, pal_.gold);
      Jewels({39.0, 49.0}, 19);
      QPainterPath pearl;
      pearl.addEllipse(QPointF(44, 16.5), 2.2, 2.2);
      Shape(pearl, dress_.band);
      QPainterPath fringe;  // hair over the brow
      fringe.moveTo(33.5, 25);
      fringe.quadTo(44, 18, 54.5, 25);
      fringe.quadTo(50, 23, 44, 24.5);
      fringe.quadTo(38, 23, 33.5, 25);
      fringe.closeSubpath();
      Shape(fringe, pal_.hair);
    } else {
      // A cap with a feather, and curls at the sides.
      for (double x : {33.5, 54.5}) {
        QPainterPath curl;
        curl.addEllipse(QPointF(x, 34), 3.5, 5);
        Shape(curl, pal_.hair);
      }
      QPainterPath feather;
      feather.moveTo(52, 16);
      feather.cubicTo(62, 4, 70, 2, 74, 4);
      feather.cubicTo(68, 10, 62, 16, 54, 20);
      feather.closeSubpath();
      Shape(feather, dress_.trim == pal_.gold ? pal_.white : dress_.trim);
      QPainterPath cap;
      cap.moveTo(31, 22);
      cap.cubicTo(30, 8, 58, 8, 57, 22);
      cap.closeSubpath();
      Shape(cap, dress_.band);
      Shape(Rounded(QRectF(27, 19.5, 34, 5), 2.5), dress_.robe);
    }
  }

  void Jewels(std::initializer_list<double> xs, double y) {
    p_.setPen(QPen(pal_.line, 0.6));
    for (double x : xs) {
      p_.setBrush(x == 44 ? pal_.blue : pal_.red);
      p_.drawEllipse(QPointF(x, y), 1.8, 1.8);
    }
  }

  QPainter& p_;
  const CourtPalette& pal_;
  int suit_, rank_;
  Colours dress_;
};

}  // namespace

void DrawCourtFigure(QPainter& p, const QRect& frame, int suit, int rank, const CourtPalette& pal) {
  const int halfH = frame.height() / 2;
  QImage big(frame.width() * kScale, halfH * kScale, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  {
    QPainter q(&big);
    q.setRenderHint(QPainter::Antialiasing);
    q.scale(big.width() / kW, big.height() / kH);
    // Diamonds and spades look the other way, so facing pairs differ.
    if (suit == 2 || suit == 4) {
      q.translate(kW, 0);
      q.scale(-1, 1);
    }
    Figure(q, pal, suit, rank).Draw();
    // The suit sign sits in the corner away from what the figure holds.
    q.translate(4, 4);
    q.scale(0.16, 0.16);
    q.setPen(Qt::NoPen);
    q.setBrush(IsRed(suit) ? pal.suitRed : pal.suitBlack);
    q.drawPath(SuitPath(suit));
  }
  const QImage half = big.scaled(frame.width(), halfH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  p.drawImage(frame.topLeft(), half);
  p.drawImage(QPoint(frame.left(), frame.top() + halfH), half.mirrored(true, true));
}

}  // namespace artgen
