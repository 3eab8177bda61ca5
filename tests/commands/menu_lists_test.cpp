#include "commands/menu_lists.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

std::vector<std::string> Captions(int menu, const MenuState& st) {
  std::vector<std::string> out;
  for (const MenuEntry& e : MenuEntries(menu, st)) out.push_back(e.separator ? "-" : e.caption);
  return out;
}

}  // namespace

TEST(MenuLists, GameMenuPositionsAreCommandCodes) {
  const auto game = MenuEntries(kGameMenu, {});
  ASSERT_EQ(game.size(), 13u);
  EXPECT_EQ(game[1].caption, "Start Match Game");
  EXPECT_EQ(game[8].caption, "Restart Current Game");
  EXPECT_EQ(game[8].key, "Ctrl+F2");
  EXPECT_EQ(game[12].caption, "Exit");
  for (int sep : {3, 6, 9, 11}) EXPECT_TRUE(game[sep].separator) << sep;
  EXPECT_EQ(game[3].caption.size(), 21u * 3);  // 21 em dashes
  EXPECT_EQ(MenuEntries(kGameMenu, {.matchOn = true})[1].caption, "End Match Game");
}

TEST(MenuLists, InternetMenuFollowsTheNetworkState) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Captions(kInternetMenu, {}), (V{"Start Internet Game", "Internet Game Scores", "-"}));
  EXPECT_EQ(Captions(kInternetMenu, {.netState = 99, .netRole = 1}),
            (V{"Host - END Internet Game", "Internet Game Scores", "-"}));
  EXPECT_EQ(Captions(kInternetMenu, {.netState = 1, .netRole = 0}),
            (V{"Remote - END Internet Game", "Internet Game Scores", "-", "Save This Game"}));
  EXPECT_EQ(Captions(kInternetMenu, {.matchOn = true, .netState = 3, .netRole = 1}),
            (V{"Host - END Internet Game", "Internet Game Scores", "-", "Save This Game", "Send Saved Internet Game", "-",
               "Backup to Previous Turn", "Restart Current Game", "-", "End Match Game", "New Game"}));
}

TEST(MenuLists, OptionsAndHelp) {
  const auto options = MenuEntries(kOptionsMenu, {});
  ASSERT_EQ(options.size(), 8u);
  EXPECT_EQ(options[5].caption, "Structure    (CTRL+Up/Down arrows)");
  EXPECT_EQ(options[6].caption, "Background   (Up/Down arrows)");
  const auto help = MenuEntries(kHelpMenu, {.statusBarVisible = false});
  ASSERT_EQ(help.size(), 8u);
  EXPECT_EQ(help[4].caption, "Show Status Bar");
  EXPECT_EQ(help[7].caption, "About");
  EXPECT_EQ(MenuEntries(kHelpMenu, {})[4].caption, "Hide Status Bar");
  EXPECT_TRUE(MenuEntries(9, {}).empty());
}

}  // namespace cv
