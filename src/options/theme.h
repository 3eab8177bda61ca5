#pragma once
#include <cstdint>
#include <string>

namespace cv {

// Colours of the options dialog (red in the low byte).
inline constexpr uint32_t kSilverDeck = 12632256;  // RGB 192, 192, 192: the steel cards' deck colour
inline constexpr uint32_t kPeachDeck = 12640511;   // RGB 255, 224, 192: the other cards' deck colour
inline constexpr uint32_t kDefaultMat = 11770189;  // RGB 77, 153, 179

// What "Change Background/Sound Theme to match card style" sets for a face style.
struct Theme {
  std::string background;
  int16_t structure;
  bool woodEmptyPiles;
  int16_t soundTheme;  // 0 wood, 1 metal
  int16_t backStyle;
};
Theme ThemeForFace(int faceStyle);

// The deck colour a back style takes on applying: the first library back has a fixed
// colour by the face style, every other back the colour its preview shows.
uint32_t DeckColorFor(int backStyle, int faceStyle, uint32_t previewColour);

// The deck colour of the built-in back when the deck is reset to the default.
uint32_t DefaultDeckColor(int faceStyle);

}  // namespace cv
