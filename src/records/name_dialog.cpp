#include "name_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/game.h"
#include "player_names.h"
#include "records.h"

namespace cv {
namespace {

// The metal header band with the game's name.
QPixmap MetalHeader(int width, int height) {
  QPixmap band(width, height);
  QPainter p(&band);
  QLinearGradient metal(0, 0, 0, height);
  metal.setColorAt(0, QColor(236, 238, 240));
  metal.setColorAt(0.45, QColor(176, 180, 186));
  metal.setColorAt(0.55, QColor(150, 154, 160));
  metal.setColorAt(1, QColor(206, 208, 212));
  p.fillRect(band.rect(), metal);
  p.setPen(QColor(110, 112, 118));
  p.drawLine(0, height - 1, width, height - 1);
  QFont font("DejaVu Serif");
  font.setPixelSize(height * 11 / 20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(250, 250, 250));
  p.drawText(band.rect().translated(1, 1), Qt::AlignCenter, "Corvalle");
  p.setPen(QColor(60, 62, 70));
  p.drawText(band.rect(), Qt::AlignCenter, "Corvalle");
  return band;
}

}  // namespace

NameDialog::NameDialog(Game& game, Records& records, QWidget* board, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), game_(game), records_(records), board_(board) {
  setObjectName("frmName");
  setWindowTitle("Corvalle");
  const QString marble = QString::fromStdString(game.AppPath + "/backgrounds/MarbleGrey.gif");
  const QPixmap texture(marble);
  if (!texture.isNull()) {
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, texture);
    setPalette(pal);
    setAutoFillBackground(true);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 14);
  auto* top = new QLabel(this);
  top->setObjectName("imgTop");
  top->setScaledContents(true);
  top->setFixedHeight(40);
  layout->addWidget(top);

  auto* body = new QVBoxLayout;
  body->setContentsMargins(18, 6, 18, 0);
  body->setSpacing(10);
  label_ = new QLabel("Please enter or select a player name for score keeping.", this);
  label_->setObjectName("Label1");
  label_->setAlignment(Qt::AlignCenter);
  QFont bold = label_->font();
  bold.setBold(true);
  label_->setFont(bold);
  body->addWidget(label_);

  names_ = new QComboBox(this);
  names_->setObjectName("Combo1");
  names_->setInsertPolicy(QComboBox::NoInsert);
  body->addWidget(names_);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  ok->setMinimumWidth(90);
  if (QFile::exists(marble))
    ok->setStyleSheet("QPushButton { background-image: url(\"" + marble +
                      "\"); border: 2px outset #8a8c90; padding: 5px 18px; font-weight: bold; }"
                      "QPushButton:pressed { border-style: inset; }");
  connect(ok, &QPushButton::clicked, this, &NameDialog::Ok);
  body->addWidget(ok, 0, Qt::AlignHCenter);
  layout->addLayout(body);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  top->setPixmap(MetalHeader(sizeHint().width(), 40));

  label_->installEventFilter(this);
  top->installEventFilter(this);
  LoadNames();
}

void NameDialog::LoadNames() {
  Players& players = records_.players;
  QStringList names;
  const int current = players.PlayerRecord;
  if (current != 0) names << QString::fromStdString(players.Read(current).name);
  bool full = true;
  for (int r = kFirstPlayer; r <= kLastPlayer; ++r) {
    if (r == current) continue;
    const std::string name = players.Read(r).name;
    if (name.empty()) {
      full = false;
      break;
    }
    names << QString::fromStdString(name);
  }
  // With ten players no new name can be typed: only the known ones are offered.
  names_->setEditable(!full);
  if (!full) names << QString();
  names_->addItems(names);
  names_->setCurrentIndex(0);
}

QStringList NameDialog::Names() const {
  QStringList names;
  for (int i = 0; i < names_->count(); ++i) names << names_->itemText(i);
  return names;
}

void NameDialog::Ok() {
  const std::string typed = names_->currentText().toStdString();
  Platform& platform = game_.platform();
  if (StoredPlayerName(typed).empty()) {
    platform.MessageBox("Please enter a name...", "Unknown Player", MessageIcon::Exclamation);
    return;
  }
  if (CheckFileName(platform, typed)) return;
  hide();
  if (board_) {
    board_->raise();
    board_->activateWindow();
  }
  records_.players.ChoosePlayer(typed);
  game_.ClearBoard();
  accept();
}

void NameDialog::reject() {
  // Escape leaves the player as he was; on the first run there is nobody to leave.
  if (records_.players.PlayerRecord != 0) QDialog::reject();
}

// Without a title bar the window needs an edge of its own to stand out from the board.
void NameDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QPen(QColor(70, 70, 78), 2));
  p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void NameDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grab_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
  QDialog::mousePressEvent(event);
}

void NameDialog::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - grab_);
  QDialog::mouseMoveEvent(event);
}

bool NameDialog::eventFilter(QObject* watched, QEvent* event) {
  // The label and the header drag the window as the body does.
  if (event->type() == QEvent::MouseButtonPress) {
    mousePressEvent(static_cast<QMouseEvent*>(event));
    return true;
  }
  if (event->type() == QEvent::MouseMove) {
    mouseMoveEvent(static_cast<QMouseEvent*>(event));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cv
