#include "score_entry.h"

#include <limits>

#include "bytes.h"

namespace cv {

ScoreEntry DecodeScoreEntry(std::span<const uint8_t> b, size_t at) {
  return {Get16(b, at), Get16(b, at + 2), Get16(b, at + 4), Get16(b, at + 6), GetDate(b, at + 8)};
}

void EncodeScoreEntry(const ScoreEntry& e, std::span<uint8_t> b, size_t at) {
  Put16(b, at, e.Played);
  Put16(b, at + 2, e.Won);
  Put16(b, at + 4, e.Points);
  Put16(b, at + 6, e.MatchGoal);
  PutDate(b, at + 8, e.Stamp);
}

ScoreUpdate AddGameResult(ScoreEntry& e, bool won, int gameScore, int16_t matchPoints) {
  if (e.Played < std::numeric_limits<int16_t>::max()) ++e.Played;
  if (!won) return ScoreUpdate::Counted;
  const int p = e.Points + gameScore;
  if (p > 32500) return ScoreUpdate::NotUpdated;
  if (p > 32000) return ScoreUpdate::Overflowing;
  e.Points = static_cast<int16_t>(p);
  if (e.Won < std::numeric_limits<int16_t>::max()) ++e.Won;
  e.MatchGoal = matchPoints;
  e.Stamp = 0.0;
  return ScoreUpdate::Added;
}

ScoreMessage ScoreUpdateMessage(ScoreUpdate update) {
  switch (update) {
    case ScoreUpdate::NotUpdated:
      return {"The number of game points has exceed my memory.\r\nPlease clear your score file and start fresh!",
              "Score file not updated"};
    case ScoreUpdate::Overflowing:
      return {"The number of game points will soon exceed my memory.\r\nPlease clear your score file and start fresh!",
              "Score file overflowing"};
    case ScoreUpdate::Counted:
    case ScoreUpdate::Added: break;
  }
  return {};
}

ScoreEntry ResetMatchEntry(int16_t matchGoal) { return {0, 0, 0, matchGoal, 0.0}; }

}  // namespace cv
