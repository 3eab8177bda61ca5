#include "board/board_items.h"

#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "cardart/picture_store.h"

namespace cv {

BoardItem::BoardItem(const QString& name, int index, QSize size) : size_(size) {
  setObjectName(name);
  if (index >= 0) setProperty("index", index);
}

void BoardItem::SetSize(QSize size) {
  if (size == size_) return;
  prepareGeometryChange();
  size_ = size;
}

CardItem::CardItem(const QString& name, int index, PileRef pile, const CardArt& art)
    : BoardItem(name, index, QSize(71, 96)), art_(art), pile_(pile) {}

void CardItem::ShowFace(Card card) {
  if (card < 1 || card > 52) return;
  Show(Shows::Face, card);
}

void CardItem::ShowUnder(UnderCard under) {
  switch (under.kind) {
    case UnderCard::Face: ShowFace(under.card); break;
    case UnderCard::Back: ShowBack(); break;
    case UnderCard::Empty: ShowEmpty(); break;
    case UnderCard::Keep: break;
  }
}

void CardItem::Show(Shows what, Card card) {
  if (what == shows_ && card == card_) return;
  shows_ = what;
  card_ = card;
  update();
}

void CardItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  const QRect area(QPoint(0, 0), size_);
  switch (shows_) {
    case Shows::Face: painter->drawPixmap(area, art_.faceSheet, CardCell(card_)); break;
    case Shows::Back:
      if (art_.builtInBack) {
        painter->fillRect(area, art_.deckColor);
        painter->drawPixmap(area, art_.back);
        painter->setPen(QPen(Qt::black, 1));
        painter->drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
      } else {
        painter->drawPixmap(area, art_.back);
      }
      break;
    case Shows::Empty: painter->drawPixmap(area, art_.empty); break;
    case Shows::Nothing: break;
  }
}

PictureItem::PictureItem(const QString& name, int index, QRect place, bool centred)
    : BoardItem(name, index, QSize()), place_(place), centred_(centred) {
  Reposition();
}

void PictureItem::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  SetSize(picture.size());
  Reposition();
  update();
}

void PictureItem::Reposition() {
  if (!centred_) {
    setPos(place_.topLeft());
    return;
  }
  const QSize gap = place_.size() - size_;
  setPos(place_.left() + gap.width() / 2, place_.top() + gap.height() / 2);
}

void PictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->drawPixmap(0, 0, picture_);
}

LabelItem::LabelItem(const QString& name, int index, QSize size, Qt::Alignment align)
    : BoardItem(name, index, size), font_(BoardFont(8)), align_(align) {}

void LabelItem::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void LabelItem::SetFont(const QFont& font) {
  font_ = font;
  update();
}

void LabelItem::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void LabelItem::SetBoxed(const QColor& line) {
  line_ = line;
  update();
}

void LabelItem::SetFill(const QColor& fill) {
  if (fill == fill_) return;
  fill_ = fill;
  update();
}

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  const QRectF area(QPointF(0, 0), size_);
  if (fill_.isValid()) painter->fillRect(area, fill_);
  if (line_.isValid()) {
    painter->setPen(QPen(line_, 1));
    painter->drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
  }
  if (text_.isEmpty()) return;
  painter->setFont(font_);
  painter->setPen(colour_);
  // Multi-line texts (messages with line breaks) wrap inside the label as they were designed to.
  QString shown = text_;
  shown.replace("\r\n", "\n");
  painter->drawText(area, static_cast<int>(align_) | Qt::TextWordWrap, shown);
}

QFont BoardFont(int points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  // Sizes are points at 96 dots per inch; the scene is in those pixels whatever the screen.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
  font.setBold(bold);
  return font;
}

}  // namespace cv
