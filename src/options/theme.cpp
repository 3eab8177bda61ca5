#include "theme.h"

namespace cv {

Theme ThemeForFace(int faceStyle) {
  switch (faceStyle) {
    case 3: return {"Wood.gif", 1004, true, 0, 3};
    case 2: return {"MarbleTan.gif", 1003, false, 1, 2};
    default: return {"MarbleGrey.gif", 1001, false, 1, 0};
  }
}

uint32_t DeckColorFor(int backStyle, int faceStyle, uint32_t previewColour) {
  return backStyle == 1 ? DefaultDeckColor(faceStyle) : previewColour;
}

uint32_t DefaultDeckColor(int faceStyle) { return faceStyle == 2 ? kSilverDeck : kPeachDeck; }

}  // namespace cv
