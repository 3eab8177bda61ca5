#pragma once
#include "records/player_rec.h"

namespace cv {

// Twips to the pixel: the stored window geometry is in twips at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// Whether a stored window (twips) fits the screen (twips) well enough to be restored:
// 8001 <= height <= screen height, 11000 < width <= screen width, 0 <= top < half the
// screen height, left >= 0 and left + width <= screen width.
bool SensibleWindow(const WindowGeometry& w, int screenW, int screenH);

}  // namespace cv
