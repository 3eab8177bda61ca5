#pragma once
// The drawn elements of the board. Each is a QGraphicsObject so that it carries its
// name (objectName) and, in an array, its "index" property, by which code and tests
// find it.
#include <QColor>
#include <QFont>
#include <QGraphicsObject>
#include <QPixmap>
#include <QString>

#include "engine/cards.h"
#include "engine/rules.h"
#include "engine/table.h"

namespace cv {

class BoardItem : public QGraphicsObject {
 public:
  // index -1 for an element that is not part of an array.
  BoardItem(const QString& name, int index, QSize size);

  QRectF boundingRect() const override { return QRectF(QPointF(0, 0), size_); }
  QSize Size() const { return size_; }
  void SetSize(QSize size);

 protected:
  QSize size_;
};

// What the card pictures are drawn from, shared by every pile picture.
struct CardArt {
  QPixmap faceSheet;
  QPixmap back;
  QPixmap empty;            // the empty-pile picture in use
  bool builtInBack = true;  // the game's own back: drawn on DeckColor with a border
  QColor deckColor = Qt::black;
};

// A pile picture (or the under-card picture): a face cut from the sheet, the current
// back or the empty-pile picture.
class CardItem : public BoardItem {
 public:
  enum class Shows { Nothing, Face, Back, Empty };

  CardItem(const QString& name, int index, PileRef pile, const CardArt& art);

  void ShowFace(Card card);
  void ShowBack() { Show(Shows::Back, 0); }
  void ShowEmpty() { Show(Shows::Empty, 0); }
  // What a pile will show once its top card has gone; Keep leaves the picture as it is.
  void ShowUnder(UnderCard under);

  Shows shows() const { return shows_; }
  Card card() const { return card_; }
  PileRef pile() const { return pile_; }

  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  void Show(Shows what, Card card);

  const CardArt& art_;
  PileRef pile_;
  Shows shows_ = Shows::Nothing;
  Card card_ = 0;
};

// A picture at its own size, standing at the top-left corner of its place on the
// board or centred in it.
class PictureItem : public BoardItem {
 public:
  PictureItem(const QString& name, int index, QRect place, bool centred);
  void SetPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  void Reposition();
  QPixmap picture_;
  QRect place_;
  bool centred_;
};

// A text label, optionally boxed by a line and filled (a marked frame).
class LabelItem : public BoardItem {
 public:
  LabelItem(const QString& name, int index, QSize size, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

  void SetText(const QString& text);
  const QString& text() const { return text_; }
  void SetFont(const QFont& font);
  const QFont& font() const { return font_; }
  void SetColour(const QColor& colour);
  const QColor& colour() const { return colour_; }
  void SetBoxed(const QColor& line);
  void SetFill(const QColor& fill);  // an invalid colour for none
  const QColor& fill() const { return fill_; }

  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  QString text_;
  QFont font_;
  QColor colour_ = Qt::black;
  QColor line_, fill_;
  Qt::Alignment align_;
};

// A board font of `points` as the 96-dots-per-inch design drew it, in board pixels.
QFont BoardFont(int points, bool bold = false);

}  // namespace cv
