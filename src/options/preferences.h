#pragma once
#include <cstdint>
#include <string>

namespace cv {

// The current player's appearance, sound and speed preferences, held in memory while
// the program runs and stored in his player record.
struct Preferences {
  int16_t FaceStyle = 1;        // 1 Standard, 2 Steel, 3 Tile
  int16_t BackStyle = 0;        // 0 built-in back, 1..9 library backs
  uint32_t DeckColor = 0;       // colour around the built-in back; black at every start
  uint32_t BoardColor = 11770189;
  std::string BackgroundName = "None";
  int16_t Structure = 1001;     // 1001..1004
  uint32_t FontColor = 0;
  int16_t FontSize = 14;
  int16_t SoundMode = 0;        // 0 sounds on, 2 no sounds
  int16_t SoundTheme = 0;       // 0 wood, 1 metal
  bool IntroOff = false;
  bool EmptyStyle = false;      // true "Wood" (tan), false "Metal" (grey dotted)
  int16_t SpeedIndex = 3;       // 1..6
  int16_t AnimSteps = 45;

  bool SoundsOff() const { return SoundMode == 2; }
  friend bool operator==(const Preferences&, const Preferences&) = default;
};

}  // namespace cv
