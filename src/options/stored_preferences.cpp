#include "stored_preferences.h"

#include "opponent/speed.h"

namespace cv {
namespace {

constexpr int16_t kTrue = -1;
constexpr uint32_t kMaxColour = 0xFFFFFF;
// Text fields of a record never written hold zero bytes rather than blanks.
constexpr std::string_view kPadding(" \0", 2);

int16_t InRange(int16_t v, int lo, int hi, int16_t fallback) { return v >= lo && v <= hi ? v : fallback; }
uint32_t Colour(uint32_t v, uint32_t fallback) { return v <= kMaxColour ? v : fallback; }

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c < 32 || c == 127 || c == '/' || c == '\\') return false;
  return true;
}

std::string SafeBackgroundName(std::string_view name) {
  const auto first = name.find_first_not_of(kPadding);
  if (first == std::string_view::npos) return "None";
  const auto last = name.find_last_not_of(kPadding);
  const std::string_view n = name.substr(first, last - first + 1);
  return IsPlainFileName(n) ? std::string(n) : "None";
}

void LoadPreferences(const StoredPreferences& s, Preferences& p) {
  const Preferences d;
  p.FaceStyle = InRange(s.FaceStyle, 1, 3, d.FaceStyle);
  p.BackStyle = InRange(s.BackStyle, 0, 9, d.BackStyle);
  p.EmptyStyle = s.EmptyStyle != 0;
  p.BoardColor = Colour(s.BoardColor, d.BoardColor);
  p.FontColor = Colour(s.FontColor, d.FontColor);
  p.Structure = InRange(s.Structure, 1001, 1004, d.Structure);
  p.IntroOff = s.IntroOff != 0;
  const int16_t sound = InRange(s.Sound, 0, 2, 0);
  p.SoundMode = sound == 2 ? 2 : 0;
  p.SoundTheme = sound == 2 ? 1 : sound;
  p.FontSize = s.FontSize == 0 ? d.FontSize : InRange(s.FontSize, kSmallestFontSize, kLargestFontSize, d.FontSize);
  p.BackgroundName = SafeBackgroundName(s.BackgroundName);
  p.SpeedIndex = InRange(s.SpeedIndex, 1, 6, d.SpeedIndex);
  p.AnimSteps = AnimStepsPosition(s.AnimSteps) >= 0 ? (s.AnimSteps == 0 ? kDefaultAnimSteps : s.AnimSteps)
                                                    : d.AnimSteps;
}

StoredPreferences StorePreferences(const Preferences& p) {
  StoredPreferences s;
  s.FontSize = p.FontSize;
  s.BackgroundName = p.BackgroundName;
  s.Structure = p.Structure;
  s.SpeedIndex = p.SpeedIndex;
  s.AnimSteps = p.AnimSteps;
  s.IntroOff = p.IntroOff ? kTrue : 0;
  s.Sound = p.SoundsOff() ? 2 : p.SoundTheme;
  s.FaceStyle = p.FaceStyle;
  s.BackStyle = p.BackStyle;
  s.FontColor = p.FontColor;
  s.BoardColor = p.BoardColor;
  s.EmptyStyle = p.EmptyStyle ? kTrue : 0;
  return s;
}

StoredPreferences Sanitized(const StoredPreferences& stored) {
  Preferences p;
  LoadPreferences(stored, p);
  return StorePreferences(p);
}

}  // namespace cv
