#include "board/board_clock.h"

namespace cv {

BoardClock::BoardClock(QObject* parent) : QObject(parent) {
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &BoardClock::tick);
}

void BoardClock::Start() {
  elapsed_.Start();
  timer_.start();
}

void BoardClock::Stop() {
  elapsed_.Stop();
  timer_.stop();
}

void BoardClock::Minimized(double now) {
  elapsed_.Minimized(now);
  timer_.stop();
}

void BoardClock::Restored(double now, double& GameStart) {
  elapsed_.Restored(now, GameStart);
  if (elapsed_.running && !timer_.isActive()) timer_.start();
}

}  // namespace cv
