#pragma once
#include <QImage>
#include <QRect>

#include "engine/cards.h"

namespace cv {

// The cell of a card on a face sheet: value across from x = 1, suit down from y = 0.
QRect CardCell(Card card);

// The hidden picture holders the board draws cards from: the active face sheet, the
// current back, the built-in back and the empty-pile pictures.
class PictureStore {
 public:
  PictureStore();

  const QImage& FaceSheet() const { return faceSheet_; }
  // One face cut from the active sheet; a null image for card 0.
  QImage Face(Card card) const;
  const QImage& CurrentBack() const { return currentBack_; }
  const QImage& BuiltinBack() const { return builtinBack_; }
  // "Wood" is the tan textured pair, otherwise the grey dotted ("Metal") pair.
  const QImage& EmptyPile(bool wood, bool small) const;

  // The built-in sheet comes back, as when the holder is made anew.
  void ResetFaceSheet();
  void SetFaceSheet(const QImage& sheet) { faceSheet_ = sheet; }
  void SetCurrentBack(const QImage& back) { currentBack_ = back; }

 private:
  QImage faceSheet_, currentBack_, builtinBack_;
  QImage empty_[2][2];  // [wood][small]
};

}  // namespace cv
