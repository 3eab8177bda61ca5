#pragma once
// The status bar along the bottom of the board window: ten keyed panels, the name
// panel taking whatever room the others leave, and the time of day.
#include <QStatusBar>
#include <QTimer>
#include <array>

#include "board/status_bar.h"

class QLabel;

namespace cv {

class BoardStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit BoardStatusBar(QWidget* parent = nullptr);

  // Panels by number, 1..10; other numbers are ignored.
  void SetPanel(int panel, const QString& text);
  QString Panel(int panel) const;
  QLabel* PanelLabel(int panel) const;
  // The match panels 4 to 7.
  void ShowMatchPanels(bool visible);

 private:
  void ShowTimeOfDay();

  std::array<QLabel*, kPanelCount + 1> panels_{};
  QTimer minute_;
};

// Milliseconds from a time of day to the start of the next minute.
int MsecsToNextMinute(int msecsSinceMidnight);

}  // namespace cv
