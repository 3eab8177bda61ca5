#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "preferences.h"

namespace cv {

// The font sizes a player record may hold; anything else reads as the default.
inline constexpr int16_t kSmallestFontSize = 6, kLargestFontSize = 72;

// The preference fields of a player record, as stored: booleans are 0 / -1, the sound
// value combines SoundMode and SoundTheme, a font size of 0 stands for 14.
struct StoredPreferences {
  int16_t FontSize = 0;
  std::string BackgroundName;  // up to 40 characters, "None" for the plain mat
  int16_t Structure = 0;
  int16_t SpeedIndex = 0;
  int16_t AnimSteps = 0;
  int16_t IntroOff = 0;
  int16_t Sound = 0;  // 0 or 1: SoundTheme with sounds on; 2: sounds off
  int16_t FaceStyle = 0;
  int16_t BackStyle = 0;
  uint32_t FontColor = 0;
  uint32_t BoardColor = 0;
  int16_t EmptyStyle = 0;

  friend bool operator==(const StoredPreferences&, const StoredPreferences&) = default;
};

// Takes a player's stored preferences into memory. A value out of its range (a damaged
// file) gives that preference's default; DeckColor is not stored and stays as it is.
void LoadPreferences(const StoredPreferences& stored, Preferences& prefs);

// The stored form of the preferences in memory.
StoredPreferences StorePreferences(const Preferences& prefs);

// The same preferences with every out-of-range value replaced by its default.
StoredPreferences Sanitized(const StoredPreferences& stored);

// A name that stays inside the folder it is looked up in: no path separators, no
// control characters, not "." or "..".
bool IsPlainFileName(std::string_view name);

// A background name that is safe to look up in the backgrounds folder: a plain file
// name, or "None" (also for blanks, path separators and control characters).
std::string SafeBackgroundName(std::string_view name);

}  // namespace cv
