#include "save_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "date_text.h"
#include "engine/game.h"
#include "engine/text.h"
#include "records.h"
#include "slot_labels.h"

namespace cv {
namespace {

constexpr int kPreviousTurn = 11;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SaveDialog::SaveDialog(Game& game, Records& records, int mode, bool inspectMode, QWidget* parent)
    : QDialog(parent), game_(game), records_(records), mode_(mode), inspectMode_(inspectMode) {
  setObjectName("frmSave");
  setWindowTitle("Saved Games");
  auto* layout = new QVBoxLayout(this);
  help_ = new QLabel(this);
  help_->setObjectName("lblHelp");
  help_->setWordWrap(true);
  layout->addWidget(help_);

  auto* slotRows = new QGridLayout;
  slotRows->setHorizontalSpacing(8);
  for (int i = 1; i <= kBoxes; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName("Text1");
    box->setProperty("index", i);
    box->setMaxLength(kGameRecLabelSize);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(kGameRecLabelSize, 'n')) + 12);
    box->installEventFilter(this);
    boxes_[i] = box;
    if (i != kPreviousTurn) {
      auto* number = new QLabel(QString::number(i), this);
      number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      number->setBuddy(box);
      slotRows->addWidget(number, i - 1, 0);
    }
    slotRows->addWidget(box, i - 1, 1);
  }
  boxes_[1]->setToolTip("Type in a descriptive name if you want!");
  boxes_[kPreviousTurn]->setText("Previous Turn");
  boxes_[kPreviousTurn]->setReadOnly(true);
  layout->addLayout(slotRows);

  auto* buttons = new QHBoxLayout;
  hint_ = new QLabel(this);
  hint_->setObjectName("Label1");
  buttons->addWidget(hint_, 1);
  action_ = new QPushButton(this);
  action_->setObjectName("cmdSave");
  action_->setDefault(true);
  action_->setAutoDefault(true);
  connect(action_, &QPushButton::clicked, this, &SaveDialog::Act);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("Command2");
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &SaveDialog::reject);
  buttons->addWidget(action_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  LoadForm(mode);
  action_->setFocus();
}

void SaveDialog::LoadForm(int mode) {
  mode_ = mode;
  QString help;
  for (int i = 1; i <= kSlotCount; ++i) {
    const GameRec rec = records_.saved.Read(GameFile::Saved, i);
    if (SaveMode()) {
      boxes_[i]->setEnabled(true);
      slotText_[i] = Q(SaveModeSlotText(rec.label, i));
      boxes_[i]->setText(slotText_[i]);
    } else {
      const bool used = rec.position.Turn != 0;
      boxes_[i]->setEnabled(used);
      boxes_[i]->setReadOnly(true);
      boxes_[i]->setText(used ? Q(ShownLabel(rec.label)) : QString());
    }
  }
  if (SaveMode()) {
    help = "Click on a slot below to save this game. The date is automatically filled in. You can backspace and "
           "give the game a descriptive name if you want or write over an old game.";
    action_->setText(game_.NetworkGame() ? "NET Save" : "Save");
    boxes_[kPreviousTurn]->hide();
  } else {
    help = "Click on a slot below to restore a saved game.\n";
    action_->setText("Restore");
    boxes_[kPreviousTurn]->setVisible(!game_.NetworkGame());
  }
  help_->setText(help);
  if (game_.state.Turn == 0) {
    boxes_[kPreviousTurn]->setEnabled(false);
    selected_ = 0;
  }
}

void SaveDialog::SetColours(int s, QPalette::ColorRole base, QPalette::ColorRole text) {
  QPalette pal = boxes_[s]->palette();
  const QPalette app = QApplication::palette();
  pal.setColor(QPalette::Base, app.color(base));
  pal.setColor(QPalette::Text, app.color(text));
  boxes_[s]->setPalette(pal);
}

void SaveDialog::ClickSlot(int s) {
  const int before = selected_;
  if (SaveMode()) {
    SetColours(s, QPalette::ToolTipBase, QPalette::ToolTipText);
    for (int i = 1; i <= kSlotCount; ++i)
      if (i != s) {
        boxes_[i]->setText(slotText_[i]);
        boxes_[i]->setReadOnly(false);
      }
    QLineEdit* box = boxes_[s];
    if (game_.SampleGame) {
      box->setText(Q(SampleGameDescription(records_.saved.SampleNumber)));
      box->setReadOnly(true);
    } else {
      const double now = game_.platform().Now();
      box->setReadOnly(false);
      box->setText(Q(ProposedDescription(records_.match.MatchOn, ShortDateText(now).toStdString(),
                                         ShortTimeText(now).toStdString(), game_.OpponentName,
                                         game_.NetworkGame())));
      box->selectAll();
    }
  } else {
    SetColours(s, QPalette::Highlight, QPalette::HighlightedText);
    const std::string label = s == kPreviousTurn ? "" : records_.saved.Read(GameFile::Saved, s).label;
    if (IsNetworkSave(label)) {
      if (!game_.NetworkGame() && !inspectMode_) {
        game_.platform().MessageBox("Saved Internet games can only be restored online from the Internet Menu.",
                                    "Internet Game", MessageIcon::Information);
        SetColours(s, QPalette::Base, QPalette::Text);
        if (before != 0 && before != s) SetColours(before, QPalette::Base, QPalette::Text);
        selected_ = 0;
        return;
      }
      networkRestore_ = game_.NetworkGame();
    } else {
      networkRestore_ = false;
    }
  }
  if (before != 0 && before != s) SetColours(before, QPalette::Base, QPalette::Text);
  selected_ = s;
  hint_->clear();
}

void SaveDialog::Act() {
  if (selected_ == 0) {
    game_.platform().Beep();
    hint_->setText("Select a game slot!");
    return;
  }
  SetColours(selected_, QPalette::Base, QPalette::Text);
  const bool networkSave = SaveMode() && action_->text() == "NET Save" && game_.NetworkGame();
  const std::string typed = boxes_[selected_]->text().toStdString();
  cancelled_ = false;
  saveSlot_ = static_cast<int16_t>(selected_);
  if (SaveMode()) {
    saveLabel_ = FinalSaveLabel(typed, selected_, records_.match.MatchOn, networkSave);
    boxes_[selected_]->setText(Q(ShownLabel(saveLabel_)));
  }
  accept();
}

void SaveDialog::reject() {
  if (SaveMode() && selected_ != 0 &&
      game_.platform().AskYesNo("Did you want to save this game?" + std::string(kCrLf) + "Click the Save button to save.",
                                "Save game?", MessageIcon::Question))
    return;
  cancelled_ = true;
  QDialog::reject();
}

void SaveDialog::closeEvent(QCloseEvent* event) {
  // The close box cancels without the question.
  cancelled_ = true;
  event->accept();
  QDialog::done(Rejected);
}

bool SaveDialog::eventFilter(QObject* watched, QEvent* event) {
  for (int s = 1; s <= kBoxes; ++s) {
    // The chosen box takes further clicks as plain editing.
    if (watched != boxes_[s] || s == selected_) continue;
    if (event->type() == QEvent::MouseButtonPress && SaveMode() && !game_.NetworkGame() && s != kPreviousTurn)
      boxes_[s]->clear();
    else if (event->type() == QEvent::MouseButtonRelease)
      ClickSlot(s);
    else if (event->type() == QEvent::FocusIn) {
      // Reaching a box with the keyboard chooses it, as a click does.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) ClickSlot(s);
    }
    break;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cv
