#pragma once
#include <QDialog>
#include <QPoint>

class QComboBox;
class QLabel;

namespace cv {

class Game;
class Records;

// frmName: who is playing. A title-less window, dragged by its body; OK chooses a
// known player or creates a new one and clears the board.
class NameDialog : public QDialog {
 public:
  // `board` is brought forward when the dialog hides (it may be null).
  NameDialog(Game& game, Records& records, QWidget* board, QWidget* parent = nullptr);

  // The names offered, current player first; an empty entry last unless ten players exist.
  QStringList Names() const;

 protected:
  void reject() override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadNames();
  void Ok();

  Game& game_;
  Records& records_;
  QWidget* board_;
  QLabel* label_;
  QComboBox* names_;
  QPoint grab_;  // where the window was grabbed, relative to its top left
};

}  // namespace cv
