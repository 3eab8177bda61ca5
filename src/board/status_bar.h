#pragma once
// The status bar's ten panels: what each shows, how wide it is, and the elapsed-time
// clock that leaves out the time the window spends minimised.
#include <array>
#include <string_view>

namespace cv {

inline constexpr int kPanelCount = 10;

struct StatusPanel {
  std::string_view key;
  std::string_view toolTip;
  std::string_view text;  // shown until the panel's owner writes it
  int widthTwips;         // design width, also the least width
  bool shownAtStart;
};

// Panels 1..10 at positions 0..9.
const std::array<StatusPanel, kPanelCount>& StatusPanels();

// A panel's design width in pixels (15 twips to the pixel).
int PanelDesignWidth(int panel);

// The match panels 4 to 7 show only during a match game.
bool PanelShown(int panel, bool MatchOn);

// Widths of panels 1..10 (index 0 unused) for a bar `total` pixels wide: every panel
// keeps its design width except the name panel 1, which takes what the shown panels
// leave, never less than its own design width.
std::array<int, kPanelCount + 1> PanelWidths(int total, bool MatchOn);

enum class WindowState { Normal, Minimized, Maximized };
// The width the bar lays out: the screen's when maximised, else the window's.
int StatusBarWidth(WindowState state, int windowWidth, int screenWidth);

// The one-second board timer of the game in play and its pause while the window is
// minimised; times are date serials (days), as the game's GameStart.
struct ElapsedClock {
  double ClockPausedAt = 0;  // 0 when not paused
  bool running = false;

  void Start() { ClockPausedAt = 0, running = true; }
  // The game is over or the board cleared: no pause is left to resume.
  void Stop() { ClockPausedAt = 0, running = false; }
  // The window became minimised, or was re-laid while minimised.
  void Minimized(double now);
  // The window shows again: GameStart moves on by the time spent minimised.
  void Restored(double now, double& GameStart);
};

}  // namespace cv
