#include "speed_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "engine/game.h"
#include "engine/text.h"
#include "speed.h"

namespace cv {

SpeedDialog::SpeedDialog(Game& game, std::function<void()> storeRecord, QWidget* parent)
    : QDialog(parent), game_(game), storeRecord_(std::move(storeRecord)) {
  setObjectName("frmSpeed");
  setWindowTitle(tr("Speed"));
  auto* grid = new QGridLayout(this);

  auto* speedCaption = new QLabel(tr("Computer speed"), this);
  speed_ = new QScrollBar(Qt::Horizontal, this);
  speed_->setObjectName("HScroll1");
  speed_->setRange(1, 6);
  speed_->setPageStep(1);
  speed_->setMinimumWidth(220);
  speedName_ = new QLabel(this);
  speedName_->setObjectName("Label1");
  speedName_->setMinimumWidth(60);

  auto* stepsCaption = new QLabel(tr("Card flight steps\n(top: fast, bottom: smooth)"), this);
  steps_ = new QScrollBar(Qt::Vertical, this);
  steps_->setObjectName("VScroll1");
  steps_->setRange(0, 10);
  steps_->setPageStep(1);
  steps_->setMinimumHeight(120);
  stepsLabel_ = new QLabel(this);
  stepsLabel_->setObjectName("lblAni");

  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("Command1");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  grid->addWidget(speedCaption, 0, 0, 1, 2);
  grid->addWidget(speed_, 1, 0);
  grid->addWidget(speedName_, 1, 1);
  grid->addWidget(stepsCaption, 2, 0);
  grid->addWidget(steps_, 2, 1, 2, 1);
  grid->addWidget(stepsLabel_, 3, 0, Qt::AlignRight);
  grid->addWidget(close, 4, 0, 1, 2, Qt::AlignHCenter);

  Preferences& p = game_.prefs;
  if (p.AnimSteps == 0) p.AnimSteps = kDefaultAnimSteps;
  speed_->setValue(p.SpeedIndex);
  speedName_->setText(QString::fromUtf8(SpeedName(speed_->value()).data()));
  if (const int pos = AnimStepsPosition(p.AnimSteps); pos >= 0) steps_->setValue(pos);
  stepsLabel_->setText(QString::fromStdString(LeadingSpaceNumber(steps_->value())));

  connect(speed_, &QScrollBar::valueChanged, this, &SpeedDialog::SpeedChanged);
  connect(steps_, &QScrollBar::valueChanged, this, &SpeedDialog::StepsChanged);
}

void SpeedDialog::SpeedChanged(int index) {
  game_.prefs.SpeedIndex = static_cast<int16_t>(index);
  game_.SpeedDelay = SpeedSeconds(index);
  speedName_->setText(QString::fromUtf8(SpeedName(index).data()));
}

void SpeedDialog::StepsChanged(int position) {
  game_.prefs.AnimSteps = AnimStepsAt(position);
  stepsLabel_->setText(QString::fromStdString(LeadingSpaceNumber(position)));
}

void SpeedDialog::done(int result) {
  if (storeRecord_) storeRecord_();
  QDialog::done(result);
}

}  // namespace cv
