#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace cv {

// One score entry of a player or network score record (16 bytes).
struct ScoreEntry {
  int16_t Played = 0;
  int16_t Won = 0;
  int16_t Points = 0;     // sum of the GameScore of the games won
  int16_t MatchGoal = 0;  // MatchPoints at the last win or reset (0 outside a match)
  double Stamp = 0.0;     // always the time 00:00:00

  friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};

constexpr size_t kScoreEntrySize = 16;
ScoreEntry DecodeScoreEntry(std::span<const uint8_t> b, size_t at);
void EncodeScoreEntry(const ScoreEntry& e, std::span<uint8_t> b, size_t at);

enum class ScoreUpdate {
  Counted,      // a lost game: only Played grew
  Added,        // a won game added to Won and Points
  Overflowing,  // the points would pass 32000: only Played grew
  NotUpdated,   // the points would pass 32500: only Played grew
};

// Adds one game to an entry: Played always; for a win, GameScore to Points, one to
// Won and the match goal in force, unless the points would grow past what the file
// can hold. Played stops at the largest count the file holds instead of wrapping.
ScoreUpdate AddGameResult(ScoreEntry& e, bool won, int gameScore, int16_t matchPoints);

// The message box a points overflow shows; empty text for the other outcomes.
struct ScoreMessage {
  std::string_view text;
  std::string_view title;
};
ScoreMessage ScoreUpdateMessage(ScoreUpdate update);

// An entry set back to nothing played, with the match goal given.
ScoreEntry ResetMatchEntry(int16_t matchGoal);

}  // namespace cv
