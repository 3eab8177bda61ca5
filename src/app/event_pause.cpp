#include "event_pause.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace cv {

void EventPause::Pause(double seconds) {
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  const int ms = seconds > 0 ? static_cast<int>(std::lround(std::min(seconds, 86400.0) * 1000.0)) : 0;
  timer.start(ms);
  loops_.push_back(&loop);
  loop.exec();
  loops_.erase(std::find(loops_.begin(), loops_.end(), &loop));
}

void EventPause::Interrupt() {
  for (QEventLoop* loop : loops_) loop->quit();
}

}  // namespace cv
