#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "paint.h"
#include "suits.h"

namespace artgen {
namespace {

const QColor kInk(60, 36, 10);

void Eye(QPainter& p, QPointF c, double h) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(c, 1.8, h);
}

void Arc(QPainter& p, QPointF from, QPointF ctrl, QPointF to, double width = 1.6) {
  QPainterPath path;
  path.moveTo(from);
  path.quadTo(ctrl, to);
  p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void Tear(QPainter& p, QPointF at) {
  QPainterPath tear;
  tear.moveTo(at);
  tear.cubicTo(at + QPointF(-2.5, 4), at + QPointF(-2.5, 6), at + QPointF(0, 6.5));
  tear.cubicTo(at + QPointF(2.5, 6), at + QPointF(2.5, 4), at);
  p.fillPath(tear, QColor(90, 170, 250));
  p.strokePath(tear, QPen(QColor(30, 90, 180), 0.6));
}

}  // namespace

std::vector<QString> EmoticonNames() {
  return {"Wink", "Angry", "Grinning", "Embarrassed", "Mischievous", "Sad", "Begging", "Crying"};
}

QImage DrawEmoticon(const QString& name) {
  QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const bool angry = name == "Angry", shy = name == "Embarrassed";
  QRadialGradient face(QPointF(12, 10), 20);
  face.setColorAt(0, angry ? QColor(255, 170, 130) : QColor(255, 242, 130));
  face.setColorAt(1, angry ? QColor(220, 70, 40) : QColor(240, 180, 20));
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(face);
  p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
  if (shy) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 90, 90, 150));
    p.drawEllipse(QPointF(8.5, 19), 3.5, 2.2);
    p.drawEllipse(QPointF(23.5, 19), 3.5, 2.2);
  }
  if (name == "Wink") {
    Eye(p, QPointF(11, 12), 2.4);
    Arc(p, QPointF(18.5, 12.5), QPointF(21.5, 10), QPointF(24.5, 12.5));
    Arc(p, QPointF(9, 19), QPointF(16, 26), QPointF(23, 19));
  } else if (angry) {
    Arc(p, QPointF(7, 8), QPointF(10, 10), QPointF(14, 12), 1.8);
    Arc(p, QPointF(25, 8), QPointF(22, 10), QPointF(18, 12), 1.8);
    Eye(p, QPointF(11, 14), 1.8);
    Eye(p, QPointF(21, 14), 1.8);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(120, 20, 10));
    p.drawEllipse(QPointF(16, 23), 4, 3);
  } else if (name == "Grinning") {
    Eye(p, QPointF(11, 11.5), 2.4);
    Eye(p, QPointF(21, 11.5), 2.4);
    QPainterPath mouth;
    mouth.moveTo(7, 17);
    mouth.quadTo(16, 30, 25, 17);
    mouth.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(mouth);
    p.drawLine(QPointF(8, 18.5), QPointF(24, 18.5));
  } else if (shy) {
    Arc(p, QPointF(8, 12), QPointF(11, 14), QPointF(14, 12));
    Arc(p, QPointF(18, 12), QPointF(21, 14), QPointF(24, 12));
    Arc(p, QPointF(12, 23), QPointF(16, 21.5), QPointF(20, 23), 1.4);
  } else if (name == "Mischievous") {
    Arc(p, QPointF(8, 9), QPointF(11, 8), QPointF(14, 10.5), 1.4);
    Arc(p, QPointF(18, 10.5), QPointF(21, 8), QPointF(24, 9), 1.4);
    Eye(p, QPointF(11.5, 13), 1.6);
    Eye(p, QPointF(21.5, 13), 1.6);
    Arc(p, QPointF(9, 21), QPointF(17, 24), QPointF(24, 17.5));
  } else if (name == "Sad" || name == "Crying") {
    Arc(p, QPointF(8, 10), QPointF(11, 8), QPointF(14, 9.5), 1.2);
    Arc(p, QPointF(18, 9.5), QPointF(21, 8), QPointF(24, 10), 1.2);
    Eye(p, QPointF(11, 13), 2);
    Eye(p, QPointF(21, 13), 2);
    Arc(p, QPointF(10, 25), QPointF(16, 19), QPointF(22, 25));
    if (name == "Crying") {
      Tear(p, QPointF(9.5, 16));
      Tear(p, QPointF(22.5, 16));
    }
  } else if (name == "Begging") {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11, 12), 4, 4.5);
    p.drawEllipse(QPointF(21, 12), 4, 4.5);
    Eye(p, QPointF(11, 10.5), 2.2);
    Eye(p, QPointF(21, 10.5), 2.2);
    Arc(p, QPointF(11, 21), QPointF(16, 19.5), QPointF(21, 21), 1.4);
    QPainterPath tongue;
    tongue.moveTo(13.5, 21);
    tongue.quadTo(16, 29, 18.5, 21);
    p.fillPath(tongue, QColor(230, 90, 110));
    p.strokePath(tongue, QPen(kInk, 0.8));
  }
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawAvatar() {
  QImage img(120, 120, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 120);
  sky.setColorAt(0, QColor(70, 120, 90));
  sky.setColorAt(1, QColor(20, 60, 40));
  p.fillRect(img.rect(), sky);
  // A card player in a waistcoat, a fan of cards in the corner.
  for (int i = 0; i < 3; ++i) {
    QTransform t;
    t.translate(92, 100);
    t.rotate(-20 + i * 18);
    QPainterPath card;
    card.addRoundedRect(QRectF(-9, -30, 18, 26), 2, 2);
    const QPainterPath c = t.map(card);
    p.fillPath(c, Qt::white);
    p.strokePath(c, QPen(QColor(60, 60, 60), 0.8));
    QPainterPath pip = QTransform().translate(-5, -23).scale(0.1, 0.1).map(SuitPath(i == 1 ? 3 : 4));
    p.fillPath(t.map(pip), i == 1 ? QColor(210, 30, 30) : QColor(20, 20, 20));
  }
  QPainterPath body;
  body.moveTo(18, 120);
  body.cubicTo(18, 92, 34, 84, 60, 84);
  body.cubicTo(86, 84, 102, 92, 102, 120);
  body.closeSubpath();
  p.fillPath(body, QColor(120, 30, 40));
  p.strokePath(body, QPen(QColor(40, 10, 10), 1.2));
  QPainterPath shirt;
  shirt.moveTo(50, 86);
  shirt.lineTo(60, 108);
  shirt.lineTo(70, 86);
  shirt.closeSubpath();
  p.fillPath(shirt, QColor(246, 244, 236));
  p.setPen(QPen(QColor(30, 30, 30), 1));
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QPointF(60, 90), 4, 2.5);  // bow tie
  p.setBrush(QColor(246, 212, 176));
  p.setPen(QPen(QColor(90, 50, 30), 1.2));
  p.drawRect(QRectF(52, 70, 16, 16));
  p.drawEllipse(QPointF(60, 52), 20, 23);
  QPainterPath hair;
  hair.moveTo(40, 50);
  hair.cubicTo(38, 24, 82, 24, 80, 50);
  hair.cubicTo(74, 38, 50, 36, 40, 50);
  p.fillPath(hair, QColor(70, 44, 24));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 20));
  p.drawEllipse(QPointF(52, 52), 2.4, 2.8);
  p.drawEllipse(QPointF(68, 52), 2.4, 2.8);
  QPainterPath smile;
  smile.moveTo(51, 63);
  smile.quadTo(60, 70, 69, 63);
  p.setPen(QPen(QColor(120, 40, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(smile);
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace artgen
