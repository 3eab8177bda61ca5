#pragma once
// The board's once-a-second game clock: it runs only while a game is on, and stands
// still while the window is minimised so that the elapsed time leaves that out.
#include <QObject>
#include <QTimer>

#include "board/status_bar.h"

namespace cv {

class BoardClock : public QObject {
  Q_OBJECT
 public:
  explicit BoardClock(QObject* parent = nullptr);

  void Start();
  void Stop();
  bool Running() const { return timer_.isActive(); }
  // The window was minimised, or shows again: GameStart moves on by the time between.
  void Minimized(double now);
  void Restored(double now, double& GameStart);

 Q_SIGNALS:
  void tick();

 private:
  QTimer timer_;
  ElapsedClock elapsed_;
};

}  // namespace cv
