#pragma once
// Where the four menu titles lie on the control panel strip, in strip pixels.

namespace cv {

enum class MenuTitle { None = 0, Game = 1, Options = 2, Internet = 3, Help = 4 };

// Presses count only in the band of the titles, bounds excluded.
constexpr bool InTitleBand(int y) { return y > 22 && y < 60; }

// The title under x (bounds excluded); None between and beside the titles.
constexpr MenuTitle MenuTitleAt(int x) {
  if (x > 31 && x < 183) return MenuTitle::Game;
  if (x > 195 && x < 335) return MenuTitle::Options;
  if (x > 348 && x < 491) return MenuTitle::Internet;
  if (x > 500 && x < 649) return MenuTitle::Help;
  return MenuTitle::None;
}

}  // namespace cv
