#pragma once
// The path of a card flying from its pile to another pile picture. A flight has no
// clock: it takes one redraw per step, about AnimSteps steps along its longer axis.
#include <QPoint>
#include <vector>

namespace cv {

// The step along one axis: distance / animSteps to the nearest whole pixel, a half
// going to the even neighbour; never less than 1. animSteps 0 reads as the default.
int FlightStep(int distance, int animSteps);

// The positions of the card's top-left corner after each step, from `home` towards
// `target`. The longer axis leads (the horizontal one on equal distances) and the
// flight ends at its stop line: half a card past the target's left edge horizontally,
// half a card short of its top going down, at or past its top going up.
std::vector<QPoint> FlightPath(QPoint home, QPoint target, int animSteps);

}  // namespace cv
