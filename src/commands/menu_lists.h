#pragma once
#include <string>
#include <vector>

namespace cv {

// Menus of the board's menu strip, by number.
enum MenuNumber { kGameMenu = 1, kOptionsMenu = 2, kInternetMenu = 3, kHelpMenu = 4 };

struct MenuEntry {
  std::string caption;  // 21 em dashes for a separator
  std::string key;      // shown in the second column; "" for none
  bool separator = false;
};

// What the lists depend on.
struct MenuState {
  bool matchOn = false;
  bool statusBarVisible = true;
  int netState = 0;
  int netRole = 0;
};

// The entries of a menu in list order; a position is the entry's command code.
std::vector<MenuEntry> MenuEntries(int menu, const MenuState& state);

}  // namespace cv
