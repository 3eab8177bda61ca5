#pragma once

namespace cv {

// The keys and the menu's value that step the structure and the background.
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
inline constexpr int kMenuStep = 32;

}  // namespace cv
