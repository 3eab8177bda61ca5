#pragma once
#include <string_view>

namespace cv {

// File (under Data/) of game sound n (1..11); sounds 1-5 follow the theme
// (1 metal, anything else wood). "" for a number without a sound.
std::string_view GameSoundFile(int n, int soundTheme);

}  // namespace cv
