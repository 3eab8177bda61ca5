#include "match_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/platform.h"
#include "match.h"

namespace cv {

MatchDialog::MatchDialog(Match& match, Platform& platform, QWidget* parent)
    : QDialog(parent), match_(match), platform_(platform) {
  setObjectName("frmMatch");
  setWindowTitle("Match Setup");
  auto* layout = new QGridLayout(this);
  auto* text = new QLabel(
      "To set up a Match game, enter the number of points that you would like to play to.\n\n"
      "A single game would have a minimum of 31 points (30 for the win plus points added for cards remaining in "
      "your opponent's Stock, Waste and Reserve).\n\n"
      "The first player to reach the number of points set would win the Match.",
      this);
  text->setObjectName("lblMatch");
  text->setWordWrap(true);
  text->setMinimumWidth(360);
  layout->addWidget(text, 0, 0, 1, 3);

  auto* caption = new QLabel("Points", this);
  points_ = new QLineEdit("62", this);
  points_->setObjectName("txtPoints");
  points_->setMaxLength(6);
  points_->setFixedWidth(points_->fontMetrics().horizontalAdvance("0000000") + 12);
  points_->installEventFilter(this);
  caption->setBuddy(points_);
  layout->addWidget(caption, 1, 0, Qt::AlignRight);
  layout->addWidget(points_, 1, 1, Qt::AlignLeft);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* start = new QPushButton("Start Match", this);
  start->setObjectName("cmdStart");
  start->setDefault(true);
  connect(start, &QPushButton::clicked, this, &MatchDialog::Start);
  auto* cancel = new QPushButton("Cancel Match", this);
  cancel->setObjectName("cmdCancel");
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &MatchDialog::Cancel);
  buttons->addWidget(start);
  buttons->addWidget(cancel);
  layout->addLayout(buttons, 2, 0, 1, 3);
  points_->selectAll();
}

bool MatchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == points_ && event->type() == QEvent::KeyPress) {
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    // Printable characters other than digits and the minus sign are refused; control
    // keys (editing, Enter, Escape) go on.
    if (typed.size() == 1 && typed[0].unicode() >= 32 && typed[0] != '-' && (typed[0] < '0' || typed[0] > '9')) {
      platform_.MessageBox("Enter a number", "", MessageIcon::None);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void MatchDialog::Start() {
  const MatchTarget target = ParseMatchTarget(points_->text().toStdString());
  if (!target.refusal.empty()) {
    platform_.MessageBox(target.refusal, "", MessageIcon::None);
    points_->setText("60");
    points_->setFocus();
    points_->selectAll();
    return;
  }
  match_.MatchPoints = target.points;
  match_.MatchOn = true;
  accept();
}

void MatchDialog::Cancel() {
  match_.MatchOn = false;
  match_.MatchPoints = 0;
  reject();
}

void MatchDialog::done(int result) {
  // Escape and the close box leave no match, as "Cancel Match" does.
  cancelled_ = !match_.MatchOn;
  QDialog::done(result);
}

}  // namespace cv
