#include "board/flight.h"

#include <cstdlib>

#include "board/metrics.h"
#include "opponent/speed.h"

namespace cv {

int FlightStep(int distance, int animSteps) {
  if (animSteps <= 0) animSteps = kDefaultAnimSteps;
  distance = std::abs(distance);
  int step = distance / animSteps;
  const int twiceRest = 2 * (distance % animSteps);
  if (twiceRest > animSteps || (twiceRest == animSteps && step % 2 == 1)) ++step;
  return step == 0 ? 1 : step;
}

std::vector<QPoint> FlightPath(QPoint home, QPoint target, int animSteps) {
  const int dx = std::abs(home.x() - target.x()), dy = std::abs(home.y() - target.y());
  const int stepX = FlightStep(dx, animSteps), stepY = FlightStep(dy, animSteps);
  int left = home.x(), top = home.y();
  std::vector<QPoint> path;

  if (dx >= dy) {
    // Stop line half a card width (35.5) past the target's left edge; compared doubled.
    const int stopTwice = 2 * target.x() + CardW;
    const bool toLeft = home.x() > target.x();
    const bool down = target.y() >= home.y();
    while (toLeft ? 2 * left > stopTwice : 2 * left < stopTwice) {
      left += toLeft ? -stepX : stepX;
      if (down && top < target.y()) top += stepY;
      else if (!down && top > target.y()) top -= stepY;
      path.emplace_back(left, top);
    }
  } else {
    const bool up = target.y() < home.y();
    while (up ? top > target.y() : top < target.y() - CardH / 2) {
      top += up ? -stepY : stepY;
      left += left > target.x() ? -stepX : stepX;
      path.emplace_back(left, top);
    }
  }
  return path;
}

}  // namespace cv
