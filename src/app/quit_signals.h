#pragma once
#include <QObject>

class QSocketNotifier;

namespace cv {

// SIGTERM and SIGINT as a Qt signal, so the program closes the orderly way (player
// settings stored, files closed, temporary files deleted). A second signal while
// that is under way ends the program at once with whatever handler was there before.
class QuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitSignals(QObject* parent = nullptr);
  ~QuitSignals() override;

 signals:
  void quitRequested();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace cv
