#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QScrollBar;

namespace cv {

class Game;

// frmSpeed: the computer's pause between moves and the number of steps of a card flight.
// Changes take effect at once; closing stores them in the player's record.
class SpeedDialog : public QDialog {
  Q_OBJECT
 public:
  SpeedDialog(Game& game, std::function<void()> storeRecord, QWidget* parent = nullptr);

 protected:
  void done(int result) override;

 private:
  void SpeedChanged(int index);
  void StepsChanged(int position);

  Game& game_;
  std::function<void()> storeRecord_;
  QScrollBar* speed_;
  QScrollBar* steps_;
  QLabel* speedName_;
  QLabel* stepsLabel_;
};

}  // namespace cv
