#include "board/flight.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(FlightStep, RoundsHalvesToEvenAndNeverStandsStill) {
  struct Case {
    int distance, steps, expected;
  } cases[] = {
      {90, 20, 4},    // 4.5
      {110, 20, 6},   // 5.5
      {50, 20, 2},    // 2.5
      {30, 20, 2},    // 1.5
      {9, 20, 1},     // 0.45 rounds to 0, and a step of 0 becomes 1
      {0, 20, 1},
      {-90, 20, 4},   // distances count without direction
      {100, 0, 2},    // 0 steps read as the default 45
  };
  for (const Case& c : cases) EXPECT_EQ(FlightStep(c.distance, c.steps), c.expected) << c.distance << "/" << c.steps;
}

TEST(FlightPath, LeftAndDownStopsHalfACardShortOfTheTarget) {
  // 90 pixels to the left and 20 down at 20 steps: steps of 4 and 1.
  const auto path = FlightPath({100, 0}, {10, 20}, 20);
  ASSERT_EQ(path.size(), 14u);
  EXPECT_EQ(path.front(), QPoint(96, 1));
  EXPECT_EQ(path[12], QPoint(48, 13));  // still more than 35.5 right of the target
  EXPECT_EQ(path.back(), QPoint(44, 14));
}

TEST(FlightPath, OtherAxisStopsAtTheTargetLine) {
  struct Case {
    const char* what;
    QPoint home, target;
    int steps;
    size_t count;
    QPoint last;
  } cases[] = {
      // Right: ends half a card beyond the target; the vertical axis stops at its top.
      {"right and down", {0, 0}, {200, 10}, 20, 24, {240, 10}},
      // Left and up: the vertical axis climbs while above the target's top.
      {"left and up", {500, 300}, {100, 200}, 20, 19, {120, 205}},
      // Equal distances: the horizontal axis leads.
      {"diagonal", {0, 0}, {100, 100}, 10, 14, {140, 100}},
      // Down: ends half a card height short of the target's top.
      {"down and left", {300, 70}, {250, 400}, 20, 18, {264, 358}},
  };
  for (const Case& c : cases) {
    const auto path = FlightPath(c.home, c.target, c.steps);
    ASSERT_EQ(path.size(), c.count) << c.what;
    EXPECT_EQ(path.back(), c.last) << c.what;
  }
}

TEST(FlightPath, StraightUpAlternatesBesideTheTarget) {
  // 330 up at 45 steps: 7 pixels a step; no horizontal distance still steps by 1.
  const auto path = FlightPath({300, 400}, {300, 70}, 45);
  ASSERT_EQ(path.size(), 48u);
  for (size_t i = 0; i < path.size(); ++i) {
    EXPECT_EQ(path[i].y(), 400 - 7 * static_cast<int>(i + 1));
    EXPECT_EQ(path[i].x(), i % 2 == 0 ? 301 : 300) << i;
  }
  EXPECT_LE(path.back().y(), 70);
}

}  // namespace
}  // namespace cv
