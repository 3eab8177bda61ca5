#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "options/stored_preferences.h"
#include "score_entry.h"

namespace cv {

constexpr size_t kPlayerRecSize = 154;
constexpr size_t kPlayerNameSize = 20;
constexpr size_t kBackgroundNameSize = 40;

// Record numbers of the player file.
constexpr int kFirstPlayer = 1, kLastPlayer = 10;
constexpr int kProgramRecord = 11;
constexpr int kComputerRecord = 12;

// A record of the player file: a player (records 1..10) or the computer (12), whose
// preferences are the defaults of new players. Entries: 0 all games, 1 this player in
// the current match, 2 his opponent in the current match.
struct PlayerRec {
  std::string name;  // trimmed
  StoredPreferences prefs;
  std::array<ScoreEntry, 3> entries{};
  // The bytes as read, so that the reserved fields are written back as they were.
  std::array<uint8_t, kPlayerRecSize> image{};
};

PlayerRec DecodePlayerRec(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodePlayerRec(const PlayerRec& rec);

// The board window's last normal size and place, in twips; all 0 after a maximised
// window.
struct WindowGeometry {
  int height = 0, left = 0, top = 0, width = 0;
  friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

// Record 11: the player who played last (0 = none yet) and the window geometry; the
// other fields are reserved.
struct ProgramRec {
  int16_t lastPlayer = 0;
  WindowGeometry window;
  std::array<uint8_t, kPlayerRecSize> image{};
};

ProgramRec DecodeProgramRec(std::span<const uint8_t> bytes);
// A geometry that does not fit the record's 16-bit fields is stored as all 0, so the
// window opens at its default size instead of a wrapped-round one.
std::vector<uint8_t> EncodeProgramRec(const ProgramRec& rec);

}  // namespace cv
