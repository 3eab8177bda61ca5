#pragma once
#include <optional>
#include <string>

#include "options/preferences.h"

namespace cv {

// Sounds that the board, the menus, the chat and the help play directly (the card and
// turn sounds go through the game's numbered sounds instead).
enum class DirectSound {
  MenuOpen,      // the menu strip appears
  MenuClick,     // a title of the menu strip is pressed
  RuleMessage,   // a rule message is shown
  PeerNotice,    // a player joined, a system notice, a chat line outside a network game
  ChatLine,      // an ordinary chat line arrives
  SlapPicture,   // the slap picture clicked away
  Slap,          // a slap given or received
  AboutIcon,     // the program icon of the about box clicked
  Recovery,      // a network game recovery starts
  IntroAtStart,  // the tune at start
  IntroKey,      // Ctrl+F12
  Win,           // the local player has won
};

// The file a direct sound plays, under the program folder ("Data/~107.tmp").
std::string DirectSoundFile(DirectSound sound);

// The full path to play, or nothing when the preferences silence that sound: "Game
// Sound Off" silences the menu, rule, recovery and win sounds; the intro at start
// follows its own switch; chat, slap, about-box and Ctrl+F12 sounds are always heard.
std::optional<std::string> DirectSoundPath(DirectSound sound, const Preferences& prefs, const std::string& appPath);

}  // namespace cv
