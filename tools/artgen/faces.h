#pragma once
#include <QImage>

namespace artgen {

enum class FaceStyle { Standard, Steel, Tile };

// One card face, 71 x 96; suit 1..4 (clubs, diamonds, hearts, spades), value 1..13.
QImage DrawFace(FaceStyle style, int suit, int value);
// The 927 x 394 sheet: 13 columns (Ace..King) by 4 rows (clubs..spades), from x = 1.
QImage DrawFaceSheet(FaceStyle style);

}  // namespace artgen
