#include "picture_store.h"

#include "cardart/art.h"

namespace cv {

QRect CardCell(Card card) {
  if (card < 1 || card > 52) return {};
  return QRect(1 + (CardValue(card) - 1) * 71, (CardSuit(card) - 1) * 96, 71, 96);
}

PictureStore::PictureStore()
    : faceSheet_(art::FacesStandard), currentBack_(art::BuiltinBack), builtinBack_(art::BuiltinBack) {
  empty_[0][0] = QImage(art::EmptyMetal);
  empty_[0][1] = QImage(art::EmptyMetalSmall);
  empty_[1][0] = QImage(art::EmptyWood);
  empty_[1][1] = QImage(art::EmptyWoodSmall);
}

QImage PictureStore::Face(Card card) const {
  const QRect cell = CardCell(card);
  return cell.isNull() ? QImage() : faceSheet_.copy(cell);
}

const QImage& PictureStore::EmptyPile(bool wood, bool small) const { return empty_[wood ? 1 : 0][small ? 1 : 0]; }

void PictureStore::ResetFaceSheet() { faceSheet_ = QImage(art::FacesStandard); }

}  // namespace cv
