#include "about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "cardart/art.h"
#include "engine/platform.h"

namespace cv {

const char* ProgramVersion() { return CORVALLE_VERSION; }

AboutDialog::AboutDialog(Platform& platform, const std::string& appPath, QWidget* parent)
    : QDialog(parent), platform_(platform), appPath_(appPath) {
  setObjectName("frmAbout");
  setWindowTitle("About Corvalle");
  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(18);

  icon_ = new QLabel(this);
  icon_->setObjectName("imgIcon");
  icon_->setPixmap(QPixmap(art::LogoSmall));
  icon_->setCursor(Qt::PointingHandCursor);
  icon_->installEventFilter(this);
  layout->addWidget(icon_, 0, 0, 3, 1, Qt::AlignTop);

  auto* title = new QLabel("Corvalle\n", this);
  title->setObjectName("lblTitle");
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title->setFont(big);
  layout->addWidget(title, 0, 1);

  auto* version = new QLabel(QString("Version ") + ProgramVersion() + "\n", this);
  version->setObjectName("lblVersion");
  layout->addWidget(version, 1, 1);

  auto* contact = new QLabel(
      "Linmora Games\n"
      "Write to corvalle@linmora.example with your questions and ideas.\n"
      "\n Warning: Another Highly addictive game from Linmora.\n",
      this);
  contact->setObjectName("lblDescription");
  layout->addWidget(contact, 2, 1);

  credits_ = new QLabel(
      "Credits\n"
      "Rules, program and pictures: the Corvalle team at Linmora\n"
      "Card faces and backs drawn, sounds and tunes synthesised by our own tools\n"
      "Thanks to everyone who played the early versions and told us what they found.",
      this);
  credits_->setObjectName("lblCredits");
  credits_->setFrameShape(QFrame::StyledPanel);
  credits_->setMargin(8);
  credits_->hide();
  layout->addWidget(credits_, 3, 0, 1, 2);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 4, 0, 1, 2, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != icon_) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    credits_->setVisible(static_cast<QMouseEvent*>(event)->button() == Qt::RightButton);
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && icon_->rect().contains(mouse->position().toPoint()))
      platform_.PlaySoundFile(appPath_ + "/Data/~119.tmp");
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cv
