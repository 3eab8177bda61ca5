#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/table.h"
#include "score_entry.h"

namespace cv {

// The smallest target: one game is worth at least 31 points.
constexpr int kMinMatchPoints = 31;

// The goal of a match that can be resumed from its two match entries (own, other);
// 0 when there is none: a goal below 32, or either side already at it.
int16_t ResumableMatchGoal(const ScoreEntry& own, const ScoreEntry& other);

// The target typed in the match dialog, rounded to a whole number; `refusal` is the
// message to show (and the text box then reads "60") when it is not a usable target.
struct MatchTarget {
  int16_t points = 0;
  std::string refusal;  // "" when accepted
};
MatchTarget ParseMatchTarget(std::string_view text);

// Status-bar panel 4 of a match: "Match Game: " and the target with its leading blank.
std::string MatchGoalText(int points);

// The match in progress (against the computer or on a network record) and its
// status-bar panels 4 to 7.
struct Match {
  bool MatchOn = false;
  int16_t MatchPoints = 0;
  bool MatchWon = false;

  // A match starts: panel 4 shows the target, panels 5 to 7 " 0 ".
  void ShowMatchStart(Table& table) const;
  // Games played and both sides' points from the match entries.
  static void ShowProgress(Table& table, const ScoreEntry& own, const ScoreEntry& other);
  // Resumes the match the entries hold, or ends any; shows or hides the panels.
  void ResumeFrom(Table& table, const ScoreEntry& own, const ScoreEntry& other);
  void End();
  // The MatchGoal a reset entry takes: the target for the player's own entry (1) while
  // a match is on, else 0.
  int16_t ResetGoal(int entry) const { return entry == 1 && MatchOn ? MatchPoints : 0; }
};

}  // namespace cv
