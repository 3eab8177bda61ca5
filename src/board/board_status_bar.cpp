#include "board/board_status_bar.h"

#include <QLabel>
#include <QTime>

namespace cv {
namespace {
constexpr int kTimePanel = 9;
}

int MsecsToNextMinute(int msecsSinceMidnight) {
  constexpr int kMinute = 60000;
  return kMinute - ((msecsSinceMidnight % kMinute) + kMinute) % kMinute;
}

BoardStatusBar::BoardStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName("StatusBar1");
  const auto& table = StatusPanels();
  for (int p = 1; p <= kPanelCount; ++p) {
    const StatusPanel& def = table[p - 1];
    auto* label = new QLabel(QString::fromUtf8(def.text.data(), static_cast<qsizetype>(def.text.size())), this);
    label->setObjectName(QString::fromUtf8(def.key.data(), static_cast<qsizetype>(def.key.size())));
    label->setProperty("index", p);
    label->setToolTip(QString::fromUtf8(def.toolTip.data(), static_cast<qsizetype>(def.toolTip.size())));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setContentsMargins(3, 0, 3, 0);
    // Only the name panel stretches; the others keep their design widths.
    if (p == 1) {
      label->setMinimumWidth(PanelDesignWidth(p));
      addWidget(label, 1);
    } else {
      label->setFixedWidth(PanelDesignWidth(p));
      addPermanentWidget(label);
    }
    label->setVisible(def.shownAtStart);
    panels_[p] = label;
  }
  minute_.setSingleShot(true);
  minute_.setTimerType(Qt::PreciseTimer);
  connect(&minute_, &QTimer::timeout, this, &BoardStatusBar::ShowTimeOfDay);
  ShowTimeOfDay();
}

void BoardStatusBar::SetPanel(int panel, const QString& text) {
  if (panel >= 1 && panel <= kPanelCount) panels_[panel]->setText(text);
}

QString BoardStatusBar::Panel(int panel) const {
  return panel >= 1 && panel <= kPanelCount ? panels_[panel]->text() : QString();
}

QLabel* BoardStatusBar::PanelLabel(int panel) const {
  return panel >= 1 && panel <= kPanelCount ? panels_[panel] : nullptr;
}

void BoardStatusBar::ShowMatchPanels(bool visible) {
  for (int p = 4; p <= 7; ++p) panels_[p]->setVisible(PanelShown(p, visible));
}

void BoardStatusBar::ShowTimeOfDay() {
  const QTime now = QTime::currentTime();
  panels_[kTimePanel]->setText(now.toString("hh:mm"));
  // One wake-up a minute, just past the turn of the minute.
  minute_.start(MsecsToNextMinute(now.msecsSinceStartOfDay()) + 20);
}

}  // namespace cv
