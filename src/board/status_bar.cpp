#include "board/status_bar.h"

#include <algorithm>

namespace cv {

const std::array<StatusPanel, kPanelCount>& StatusPanels() {
  static constexpr std::array<StatusPanel, kPanelCount> kPanels = {{
      {"Space", "Player Name", "", 1440, true},
      {"PCount", "Player's cards remaining", "", 600, true},
      {"OCount", "Opponent's cards remaining", "", 600, true},
      {"Match", "Match Points to reach", "Match Game", 2000, false},
      {"NumMatchGames", "Number of games played in this Match", "", 400, false},
      {"MatchScoresPlayer", "Your Match score", "", 900, false},
      {"MatchScoreOpp", "Opponent's Match score", "", 900, false},
      {"Nothing", "", "", 400, true},
      {"Time", "", "12:06", 1000, true},
      {"Elapsed", "Elapsed Time", "", 1440, true},
  }};
  return kPanels;
}

int PanelDesignWidth(int panel) {
  if (panel < 1 || panel > kPanelCount) return 0;
  const int twips = StatusPanels()[panel - 1].widthTwips;
  return (twips + 7) / 15;
}

bool PanelShown(int panel, bool MatchOn) {
  if (panel < 1 || panel > kPanelCount) return false;
  return MatchOn || StatusPanels()[panel - 1].shownAtStart;
}

std::array<int, kPanelCount + 1> PanelWidths(int total, bool MatchOn) {
  std::array<int, kPanelCount + 1> widths{};
  int others = 0;
  for (int p = 2; p <= kPanelCount; ++p) {
    widths[p] = PanelDesignWidth(p);
    if (PanelShown(p, MatchOn)) others += widths[p];
  }
  widths[1] = std::max(PanelDesignWidth(1), total - others);
  return widths;
}

int StatusBarWidth(WindowState state, int windowWidth, int screenWidth) {
  return state == WindowState::Maximized ? screenWidth : windowWidth;
}

void ElapsedClock::Minimized(double now) {
  // A second notice while minimised must not forget the first pause, or the clock
  // would never run again.
  if (!running) return;
  ClockPausedAt = now;
  running = false;
}

void ElapsedClock::Restored(double now, double& GameStart) {
  if (ClockPausedAt == 0) return;
  GameStart += now - ClockPausedAt;
  ClockPausedAt = 0;
  running = true;
}

}  // namespace cv
