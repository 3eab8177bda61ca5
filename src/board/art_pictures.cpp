#include "board/art_pictures.h"

#include "cardart/art.h"

namespace cv {

BoardPictures PicturesFromArt(const PictureStore& store) {
  BoardPictures p;
  TakeCardPictures(store, p);
  p.empty = {store.EmptyPile(false, false), store.EmptyPile(true, false)};
  p.logo = {QImage(art::LogoSmall), QImage(art::LogoLarge)};
  p.panel = {QImage(art::PanelWood), QImage(art::PanelMetal)};
  p.turn = {QImage(art::TurnPlayer), QImage(art::TurnOpponent)};
  p.menuTab = QImage(art::MenuTab);
  p.captions = {
      {"imgPStock", QImage(art::CaptionPStock)},         {"imgPReserve", QImage(art::CaptionPReserve)},
      {"imgPWaste", QImage(art::CaptionPWaste)},         {"imgOStock", QImage(art::CaptionOStock)},
      {"imgOReserve", QImage(art::CaptionOReserve)},     {"imgOWaste", QImage(art::CaptionOWaste)},
      {"imglblTableauL", QImage(art::CaptionTableauLeft)}, {"imglblTableauR", QImage(art::CaptionTableauRight)},
      {"imglblCenters", QImage(art::CaptionCenters)},
  };
  return p;
}

void TakeCardPictures(const PictureStore& store, BoardPictures& pictures) {
  pictures.faceSheet = store.FaceSheet();
  pictures.back = store.CurrentBack();
}

}  // namespace cv
