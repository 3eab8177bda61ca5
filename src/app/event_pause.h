#pragma once
#include <vector>

class QEventLoop;

namespace cv {

// Waits while window events go on: a nested event loop ended by a timer, never a busy
// loop. Interrupt() ends every wait under way at once (a close was asked for).
class EventPause {
 public:
  void Pause(double seconds);
  void Interrupt();

 private:
  std::vector<QEventLoop*> loops_;
};

}  // namespace cv
