#include "match.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/text.h"

namespace cv {
namespace {
constexpr int kResumeMinimum = 32;
constexpr int kPanelGoal = 4, kPanelPlayed = 5, kPanelOwnPoints = 6, kPanelOtherPoints = 7;
}  // namespace

int16_t ResumableMatchGoal(const ScoreEntry& own, const ScoreEntry& other) {
  const int16_t g = own.MatchGoal;
  if (g < kResumeMinimum || own.Points >= g || other.Points >= g) return 0;
  return g;
}

MatchTarget ParseMatchTarget(std::string_view text) {
  // The leading number of the text, as the dialog's numeric reading takes it.
  const std::string s(Trim(text));
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  const double rounded = end == s.c_str() || !std::isfinite(v) ? 0.0 : std::nearbyint(v);
  if (rounded < kMinMatchPoints)
    return {0,
            "That's less than the minimum possible points for winning just one game. Enter a number 31 or higher."};
  if (rounded > std::numeric_limits<int16_t>::max())
    return {0, "That's more points than a match can count. Enter a number from 31 to 32767."};
  return {static_cast<int16_t>(rounded), ""};
}

std::string MatchGoalText(int points) { return "Match Game: " + LeadingSpaceNumber(points) + " points"; }

void Match::ShowMatchStart(Table& table) const {
  table.SetStatusPanel(kPanelGoal, MatchGoalText(MatchPoints));
  for (int p : {kPanelPlayed, kPanelOwnPoints, kPanelOtherPoints}) table.SetStatusPanel(p, " 0 ");
}

void Match::ShowProgress(Table& table, const ScoreEntry& own, const ScoreEntry& other) {
  table.SetStatusPanel(kPanelPlayed, LeadingSpaceNumber(own.Played));
  table.SetStatusPanel(kPanelOwnPoints, LeadingSpaceNumber(own.Points));
  table.SetStatusPanel(kPanelOtherPoints, LeadingSpaceNumber(other.Points));
}

void Match::ResumeFrom(Table& table, const ScoreEntry& own, const ScoreEntry& other) {
  const int16_t goal = ResumableMatchGoal(own, other);
  if (goal == 0) {
    End();
    table.ShowMatchPanels(false);
    return;
  }
  MatchPoints = goal;
  MatchOn = true;
  table.SetStatusPanel(kPanelGoal, MatchGoalText(goal));
  ShowProgress(table, own, other);
  table.ShowMatchPanels(true);
}

void Match::End() {
  MatchOn = false;
  MatchPoints = 0;
  MatchWon = false;
}

}  // namespace cv
