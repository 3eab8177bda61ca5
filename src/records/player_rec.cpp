#include "player_rec.h"

#include <algorithm>
#include <limits>

#include "bytes.h"

namespace cv {
namespace {

constexpr size_t kNameAt = 0, kFontSizeAt = 20, kBackgroundAt = 22, kStructureAt = 62, kSpeedIndexAt = 64;
constexpr size_t kAnimStepsAt = 66, kIntroOffAt = 70, kSoundAt = 72, kFaceStyleAt = 74, kBackStyleAt = 76;
constexpr size_t kFontColorAt = 78, kBoardColorAt = 82, kEmptyStyleAt = 90, kEntriesAt = 106;
// Record 11 keeps the window in the first four fields of score entry 1.
constexpr size_t kHeightAt = 122, kLeftAt = 124, kTopAt = 126, kWidthAt = 128;

bool Fits16(int v) { return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max(); }

std::array<uint8_t, kPlayerRecSize> ImageOf(std::span<const uint8_t> bytes) {
  std::array<uint8_t, kPlayerRecSize> image{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
  return image;
}

}  // namespace

PlayerRec DecodePlayerRec(std::span<const uint8_t> bytes) {
  PlayerRec r;
  r.image = ImageOf(bytes);
  const std::span<const uint8_t> b = r.image;
  r.name = GetText(b, kNameAt, kPlayerNameSize);
  StoredPreferences& p = r.prefs;
  p.FontSize = Get16(b, kFontSizeAt);
  p.BackgroundName = GetText(b, kBackgroundAt, kBackgroundNameSize);
  p.Structure = Get16(b, kStructureAt);
  p.SpeedIndex = Get16(b, kSpeedIndexAt);
  p.AnimSteps = Get16(b, kAnimStepsAt);
  p.IntroOff = Get16(b, kIntroOffAt);
  p.Sound = Get16(b, kSoundAt);
  p.FaceStyle = Get16(b, kFaceStyleAt);
  p.BackStyle = Get16(b, kBackStyleAt);
  p.FontColor = Get32(b, kFontColorAt);
  p.BoardColor = Get32(b, kBoardColorAt);
  p.EmptyStyle = Get16(b, kEmptyStyleAt);
  for (size_t i = 0; i < r.entries.size(); ++i) r.entries[i] = DecodeScoreEntry(b, kEntriesAt + i * kScoreEntrySize);
  return r;
}

std::vector<uint8_t> EncodePlayerRec(const PlayerRec& r) {
  std::vector<uint8_t> out(r.image.begin(), r.image.end());
  const std::span<uint8_t> b = out;
  PutText(b, kNameAt, kPlayerNameSize, r.name);
  const StoredPreferences& p = r.prefs;
  Put16(b, kFontSizeAt, p.FontSize);
  PutText(b, kBackgroundAt, kBackgroundNameSize, p.BackgroundName);
  Put16(b, kStructureAt, p.Structure);
  Put16(b, kSpeedIndexAt, p.SpeedIndex);
  Put16(b, kAnimStepsAt, p.AnimSteps);
  Put16(b, kIntroOffAt, p.IntroOff);
  Put16(b, kSoundAt, p.Sound);
  Put16(b, kFaceStyleAt, p.FaceStyle);
  Put16(b, kBackStyleAt, p.BackStyle);
  Put32(b, kFontColorAt, p.FontColor);
  Put32(b, kBoardColorAt, p.BoardColor);
  Put16(b, kEmptyStyleAt, p.EmptyStyle);
  for (size_t i = 0; i < r.entries.size(); ++i) EncodeScoreEntry(r.entries[i], b, kEntriesAt + i * kScoreEntrySize);
  return out;
}

ProgramRec DecodeProgramRec(std::span<const uint8_t> bytes) {
  ProgramRec r;
  r.image = ImageOf(bytes);
  const std::span<const uint8_t> b = r.image;
  r.lastPlayer = Get16(b, kSpeedIndexAt);
  r.window = {Get16(b, kHeightAt), Get16(b, kLeftAt), Get16(b, kTopAt), Get16(b, kWidthAt)};
  return r;
}

std::vector<uint8_t> EncodeProgramRec(const ProgramRec& r) {
  std::vector<uint8_t> out(r.image.begin(), r.image.end());
  const std::span<uint8_t> b = out;
  Put16(b, kSpeedIndexAt, r.lastPlayer);
  const WindowGeometry& w = r.window;
  const bool fits = Fits16(w.height) && Fits16(w.left) && Fits16(w.top) && Fits16(w.width);
  Put16(b, kHeightAt, static_cast<int16_t>(fits ? w.height : 0));
  Put16(b, kLeftAt, static_cast<int16_t>(fits ? w.left : 0));
  Put16(b, kTopAt, static_cast<int16_t>(fits ? w.top : 0));
  Put16(b, kWidthAt, static_cast<int16_t>(fits ? w.width : 0));
  return out;
}

}  // namespace cv
