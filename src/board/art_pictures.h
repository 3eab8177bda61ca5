#pragma once
// The board's pictures taken from the game's own art and the card-art holders.
#include "board/board_pictures.h"
#include "cardart/picture_store.h"

namespace cv {

// Everything: the holders' faces, back and empty piles, and the compiled-in art.
BoardPictures PicturesFromArt(const PictureStore& store);
// Only what a change of face or back style changes.
void TakeCardPictures(const PictureStore& store, BoardPictures& pictures);

}  // namespace cv
