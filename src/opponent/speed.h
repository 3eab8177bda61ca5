#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace cv {

// The computer's pause before each move for a speed index 1..6; 0 for anything else.
constexpr float SpeedSeconds(int index) {
  constexpr float kSeconds[] = {1.0f, 0.7f, 0.5f, 0.3f, 0.1f, 0.05f};
  return index >= 1 && index <= 6 ? kSeconds[index - 1] : 0.0f;
}

constexpr std::string_view SpeedName(int index) {
  constexpr std::string_view kNames[] = {"slow", "human", "quick", "rabbit", "blink", "light"};
  return index >= 1 && index <= 6 ? kNames[index - 1] : "";
}

// Steps of a card flight by the speed dialog's scroll position 0..10.
inline constexpr std::array<int16_t, 11> kAnimStepsTable = {2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};
constexpr int16_t kDefaultAnimSteps = 45;

constexpr int16_t AnimStepsAt(int position) {
  return position >= 0 && position <= 10 ? kAnimStepsTable[position] : kDefaultAnimSteps;
}

// Scroll position of a step count; -1 when it is not in the table. 0 reads as 45.
constexpr int AnimStepsPosition(int steps) {
  if (steps == 0) steps = kDefaultAnimSteps;
  for (int i = 0; i < 11; ++i)
    if (kAnimStepsTable[i] == steps) return i;
  return -1;
}

}  // namespace cv
