#include "menu_lists.h"

namespace cv {
namespace {

MenuEntry Separator() {
  std::string dashes;
  for (int i = 0; i < 21; ++i) dashes += "\u2014";
  return {dashes, "", true};
}

}  // namespace

std::vector<MenuEntry> MenuEntries(int menu, const MenuState& st) {
  const MenuEntry sep = Separator();
  const MenuEntry match = {st.matchOn ? "End Match Game" : "Start Match Game", "F3"};
  switch (menu) {
    case kGameMenu:
      return {{"New Game", "F2"}, match, {"Change/New Player", "Ctrl+P"}, sep, {"Save", "Ctrl+S"},
              {"Restore", "Ctrl+R"}, sep, {"Previous Turn", "F4"}, {"Restart Current Game", "Ctrl+F2"}, sep,
              {"Scores and Stats", "F8"}, sep, {"Exit", "F12"}};
    case kOptionsMenu:
      return {{"Speed", "F5"}, {"Sound", ""}, sep, {"Preferences", "F6"}, sep,
              {"Structure    (CTRL+Up/Down arrows)", ""}, {"Background   (Up/Down arrows)", ""}, {"Add Background", ""}};
    case kInternetMenu: {
      std::vector<MenuEntry> list;
      if (st.netState == 0)
        list.push_back({"Start Internet Game", "F9"});
      else
        list.push_back({st.netRole != 0 ? "Host - END Internet Game" : "Remote - END Internet Game", ""});
      list.push_back({"Internet Game Scores", ""});
      list.push_back(sep);
      if (st.netState > 0 && st.netState != 99) {
        list.push_back({"Save This Game", ""});
        if (st.netRole == 1) {
          list.insert(list.end(), {{"Send Saved Internet Game", ""}, sep, {"Backup to Previous Turn", "F4"},
                                   {"Restart Current Game", ""}, sep, match, {"New Game", "F2"}});
        }
      }
      return list;
    }
    case kHelpMenu:
      return {{"Help - User's Manual", "F1"}, {"Tutorial", ""}, {"Play Next Sample Game", ""}, sep,
              {st.statusBarVisible ? "Hide Status Bar" : "Show Status Bar", "F11"}, sep,
              {"Visit the Internet Site", ""}, {"About", ""}};
    default:
      return {};
  }
}

}  // namespace cv
