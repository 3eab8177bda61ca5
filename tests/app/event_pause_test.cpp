#include "app/event_pause.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace cv {
namespace {

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

}  // namespace

TEST(EventPause, WaitsWhileEventsKeepRunning) {
  App();
  EventPause pause;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(5);
  QElapsedTimer clock;
  clock.start();
  pause.Pause(0.1);
  EXPECT_GE(clock.elapsed(), 90);
  EXPECT_GT(ticks, 3);  // the timer fired inside the wait
}

TEST(EventPause, InterruptEndsEveryWaitUnderWay) {
  App();
  EventPause pause;
  bool innerDone = false;
  // A wait inside a wait, as when a card flight runs during the computer's turn.
  QTimer::singleShot(10, [&] {
    QTimer::singleShot(10, [&] { pause.Interrupt(); });
    pause.Pause(30);
    innerDone = true;
  });
  QElapsedTimer clock;
  clock.start();
  pause.Pause(30);
  EXPECT_LT(clock.elapsed(), 5000);
  // The outer wait may have returned before the inner one unwound; let it finish.
  QCoreApplication::processEvents();
  EXPECT_TRUE(innerDone);
}

}  // namespace cv
