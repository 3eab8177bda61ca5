#include "scores_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "date_text.h"
#include "engine/game.h"
#include "engine/text.h"
#include "high_scores.h"
#include "records.h"
#include "score_grid.h"

namespace cv {
namespace {

// The header formats: "<" left, "^" centred; the blanks set the widths.
const QString kH1 = "<Player Name           |^Games Played |^      Wins    |^    Losses |^  Points     ";
const QString kH2 = "<Name           |^Games Played |^      Wins    |^  Points     |^  Match pt.";
const QString kH3 = "    |Date                | Player Name             |^Total Points |^Time        ";
const QString kH4 = "<Net Players           |^Games Played |^      Wins    |^    Losses |^  Points     ";
const char* const kMaintenanceCaptions[4] = {"Delete Player", "Delete ALL Players", "Clear Player Scores",
                                             "Clear ALL scores"};

const QColor kLightYellow(255, 255, 192);
const QColor kLightCyan(192, 255, 255);
// Twips at 96 dots per inch.
constexpr int kHeaderRow = 40;       // 600
constexpr int kHighHeaderRow = 47;   // 600 + 100
constexpr int kScoresExtra = 23;     // 350
constexpr int kMatchExtra = 10;      // 150
constexpr int kHighExtra = 20;       // 300

QString N(int n) { return QString::number(n); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

QPushButton* MaintenanceButton(const QString& name, int index, QWidget* parent) {
  auto* button = new QPushButton(kMaintenanceCaptions[index], parent);
  button->setObjectName(name);
  button->setProperty("index", index);
  // Enter never deletes anything by itself.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ScoresDialog::ScoresDialog(Game& game, Records& records, QWidget* parent)
    : QDialog(parent), game_(game), records_(records), scoreboard_(game, records) {
  setObjectName("frmScores");
  setWindowTitle("Scores");
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("SSTab1");
  layout->addWidget(tabs_);

  // Tab 0: the scoreboard and the match against the computer.
  auto* local = new QWidget;
  auto* localLayout = new QVBoxLayout(local);
  gridScores_ = MakeScoreGrid("GridScores", kH1, 11, local);
  SetHeaderHeight(gridScores_, kHeaderRow);
  FitGrid(gridScores_, kScoresExtra);
  localLayout->addWidget(gridScores_, 0, Qt::AlignHCenter);
  auto* matchCaption = new QLabel("Last/Ongoing Match Game:", local);
  gridMatch_ = MakeScoreGrid("GridMatch", kH2, 2, local);
  FitGrid(gridMatch_, kMatchExtra);
  auto* maintain = new QGroupBox("Scoreboard Maintenance", local);
  maintain->setObjectName("fraMaintain");
  auto* maintainLayout = new QGridLayout(maintain);
  for (int i = 0; i < 4; ++i) {
    maintenance_[i] = MaintenanceButton("Maintenance", i, maintain);
    maintainLayout->addWidget(maintenance_[i], i % 2, i / 2);
    connect(maintenance_[i], &QPushButton::clicked, this, [this, i] { Maintenance(i); });
  }
  label1_ = new QLabel(local);
  label1_->setObjectName("Label1");
  maintainLayout->addWidget(label1_, 2, 0, 1, 2);
  auto* lower = new QGridLayout;
  lower->addWidget(matchCaption, 0, 0);
  lower->addWidget(gridMatch_, 1, 0, Qt::AlignTop);
  lower->addWidget(maintain, 0, 1, 2, 1);
  localLayout->addLayout(lower);
  tabs_->addTab(local, QString());
  connect(gridScores_, &QTableWidget::cellClicked, this, &ScoresDialog::GridClicked);

  // Tab 1: the high-score table.
  auto* high = new QWidget;
  auto* highLayout = new QVBoxLayout(high);
  gridHigh_ = MakeScoreGrid("GridHigh", kH3, kHighScoreCount, high, {33, 80, 120});
  highLayout->addWidget(gridHigh_, 0, Qt::AlignHCenter);
  auto* clear = new QPushButton("Clear High Scores", high);
  clear->setObjectName("cmdClear");
  clear->setAutoDefault(false);
  connect(clear, &QPushButton::clicked, this, &ScoresDialog::ClearHighScores);
  highLayout->addWidget(clear, 0, Qt::AlignHCenter);
  tabs_->addTab(high, QString());

  // Tab 2: the Internet scoreboard, one opponent at a time.
  auto* net = new QWidget;
  auto* netLayout = new QVBoxLayout(net);
  netName_ = new QLabel(net);
  netName_->setObjectName("lblNetName");
  netLayout->addWidget(netName_);
  auto* pick = new QHBoxLayout;
  auto* pickCaption = new QLabel("Net Opponent:", net);
  netPlayers_ = new QComboBox(net);
  netPlayers_->setObjectName("cboNetPlayers");
  netPlayers_->setMinimumWidth(180);
  pickCaption->setBuddy(netPlayers_);
  pick->addWidget(pickCaption);
  pick->addWidget(netPlayers_);
  pick->addStretch();
  netLayout->addLayout(pick);
  gridNetScores_ = MakeScoreGrid("GridNetScores", kH4, 2, net);
  SetHeaderHeight(gridNetScores_, kHeaderRow);
  FitGrid(gridNetScores_, kScoresExtra);
  netLayout->addWidget(gridNetScores_, 0, Qt::AlignHCenter);
  netLayout->addWidget(new QLabel("Last/Ongoing Internet Match Game:", net));
  gridNetMatch_ = MakeScoreGrid("GridNetMatch", kH2, 2, net);
  gridNetMatch_->setFixedSize(gridMatch_->size());
  netLayout->addWidget(gridNetMatch_, 0, Qt::AlignLeft);
  netMaintenance_ = new QGroupBox("Internet Scoreboard Maintenance", net);
  netMaintenance_->setObjectName("fraNetMain");
  auto* netMaintainLayout = new QGridLayout(netMaintenance_);
  for (int i = 0; i < 4; ++i) {
    netMaintain_[i] = MaintenanceButton("NetMaintain", i, netMaintenance_);
    netMaintainLayout->addWidget(netMaintain_[i], i % 2, i / 2);
    connect(netMaintain_[i], &QPushButton::clicked, this, [this, i] { NetMaintain(i); });
  }
  netMessage_ = new QLabel(netMaintenance_);
  netMessage_->setObjectName("LblNetMain");
  netMaintainLayout->addWidget(netMessage_, 2, 0, 1, 2);
  netLayout->addWidget(netMaintenance_);
  netLayout->addStretch();
  tabs_->addTab(net, QString());
  connect(netPlayers_, &QComboBox::activated, this, &ScoresDialog::OpponentChosen);

  // The tab captions are pictures in spirit: short words that fit them.
  tabs_->setTabText(0, "Scoreboard");
  tabs_->setTabText(1, "High Scores");
  tabs_->setTabText(2, "Internet Scores");

  connect(tabs_, &QTabWidget::currentChanged, this, &ScoresDialog::TabSelected);
  if (game_.NetworkGame())
    tabs_->setCurrentIndex(2);
  else
    TabSelected(0);
}

void ScoresDialog::TabSelected(int tab) {
  switch (tab) {
    case 0:
      PrintNames();
      PrintMatch();
      break;
    case 1:
      if (highFilled_) break;
      highFilled_ = true;
      SetUpGridHigh();
      HighStuff();
      break;
    case 2: {
      NetScores& net = records_.net;
      const QString player = Q(game_.PlayerName);
      if (!net.NetFileOpen) {
        netName_->setText("No Internet games played by " + player);
        netPlayers_->clear();
        netPlayers_->addItem("Opponent names");
        netMaintenance_->hide();
        break;
      }
      netName_->setText("Internet scores for " + player);
      netMaintenance_->show();
      ComboFill();
      const int shown = net.NetRecord != 0 ? net.NetRecord : 1;
      if (shown <= netPlayers_->count()) netPlayers_->setCurrentIndex(shown - 1);
      PrintNetNames(shown);
      PrintNetMatch();
      break;
    }
    default: break;
  }
}

bool ScoresDialog::FillScoreRow(QTableWidget* grid, int row, const std::string& name, const ScoreEntry& e) {
  SetCell(grid, row, 0, Q(name));
  SetCell(grid, row, 1, N(e.Played));
  SetCell(grid, row, 2, N(e.Won));
  const std::optional<int16_t> losses = Losses(e);
  SetCell(grid, row, 3, losses ? N(*losses) : QString());
  SetCell(grid, row, 4, N(e.Points));
  return losses.has_value();
}

void ScoresDialog::PrintNames() {
  ClearCells(gridScores_);
  bool overflow = false;
  for (int r = kFirstPlayer; r <= kComputerRecord; ++r) {
    if (r == kProgramRecord) continue;
    const PlayerRec rec = records_.players.Read(r);
    if (rec.name.empty()) continue;
    overflow |= !FillScoreRow(gridScores_, r == kComputerRecord ? 1 : r + 1, rec.name, rec.entries[0]);
  }
  if (overflow)
    game_.platform().MessageBox(
        "Too many games to be displayed. Do Scoreboard Maintenance to clear a player's scores.", "",
        MessageIcon::None);
}

void ScoresDialog::FillMatchRows(QTableWidget* grid, const std::string& own, const ScoreEntry& e1,
                                 const std::string& other, const ScoreEntry& e2) {
  ClearCells(grid);
  const std::pair<const std::string*, const ScoreEntry*> rows[2] = {{&own, &e1}, {&other, &e2}};
  for (int row = 1; row <= 2; ++row) {
    const auto& [name, e] = rows[row - 1];
    SetCell(grid, row, 0, Q(*name));
    SetCell(grid, row, 1, N(e->Played));
    SetCell(grid, row, 2, N(e->Won));
    SetCell(grid, row, 3, N(e->Points));
    SetCellColour(grid, row, 4, kLightYellow);
  }
  SetCell(grid, 1, 4, N(e1.MatchGoal));
}

void ScoresDialog::PrintMatch() {
  const int current = records_.players.PlayerRecord;
  if (current == 0) {
    ClearCells(gridMatch_);
    return;
  }
  const PlayerRec rec = records_.players.Read(current);
  FillMatchRows(gridMatch_, rec.name, rec.entries[1], "Opponent", rec.entries[2]);
}

void ScoresDialog::SetUpGridHigh() {
  SetHeaderHeight(gridHigh_, kHighHeaderRow);
  ClearCells(gridHigh_);
  const QPalette pal = gridHigh_->palette();
  for (int row = 1; row <= kHighScoreCount; ++row) {
    // The place column is fixed, as the header is.
    if (QTableWidgetItem* place = gridHigh_->item(row - 1, 0)) {
      place->setBackground(pal.color(QPalette::Button));
      place->setFlags(Qt::ItemIsEnabled);
    }
    for (int c = 0; c <= 1; ++c)
      if (QTableWidgetItem* item = gridHigh_->item(row - 1, c)) item->setTextAlignment(Qt::AlignCenter);
    if (row % 2 == 0)
      for (int c = 1; c <= 4; ++c) SetCellColour(gridHigh_, row, c, kLightCyan);
  }
  gridHigh_->horizontalHeaderItem(0)->setTextAlignment(Qt::AlignCenter);
  gridHigh_->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignCenter);
  FitGrid(gridHigh_, kHighExtra);
}

void ScoresDialog::HighStuff() {
  RecordFile file(kHighScoreRecSize);
  const bool open = file.Open(records_.gameEnd.HighScorePath(), false);
  for (int i = 1; i <= kHighScoreCount; ++i) {
    SetCell(gridHigh_, i, 0, Q(LeadingSpaceNumber(i)));
    if (!open) continue;
    const HighScoreRec rec = DecodeHighScoreRec(file.Read(i));
    if (rec.date == 0) continue;
    SetCell(gridHigh_, i, 1, ShortDateText(rec.date));
    SetCell(gridHigh_, i, 2, Q(rec.name));
    SetCell(gridHigh_, i, 3, N(rec.score));
    SetCell(gridHigh_, i, 4, DurationText(rec.time));
  }
}

void ScoresDialog::ComboFill() {
  netPlayers_->clear();
  for (const std::string& name : records_.net.NetNames) netPlayers_->addItem(Q(name));
}

void ScoresDialog::PrintNetNames(int record) {
  ClearCells(gridNetScores_);
  if (record < 1 || record > static_cast<int>(records_.net.NetNames.size())) return;
  const NetScoreRec rec = records_.net.Read(record);
  bool fits = FillScoreRow(gridNetScores_, 1, game_.PlayerName, rec.entries[0]);
  fits &= FillScoreRow(gridNetScores_, 2, rec.name, rec.entries[3]);
  if (!fits)
    game_.platform().MessageBox(
        "Too many games to be displayed. Do Internet Scoreboard Maintenance to clear the player's scores.", "",
        MessageIcon::None);
}

void ScoresDialog::PrintNetMatch() {
  const int record = netPlayers_->currentIndex() + 1;
  if (!records_.net.NetFileOpen || record < 1 || record > static_cast<int>(records_.net.NetNames.size())) {
    ClearCells(gridNetMatch_);
    return;
  }
  const NetScoreRec rec = records_.net.Read(record);
  FillMatchRows(gridNetMatch_, game_.PlayerName, rec.entries[1], rec.name, rec.entries[2]);
}

void ScoresDialog::OpponentChosen() {
  if (!records_.net.NetFileOpen) return;
  const std::vector<std::string>& names = records_.net.NetNames;
  const std::string chosen = netPlayers_->currentText().toStdString();
  int i = 1;
  while (i <= static_cast<int>(names.size()) && Trim(names[i - 1]) != Trim(chosen)) ++i;
  PrintNetNames(i);
  PrintNetMatch();
}

void ScoresDialog::GridClicked(int row, int column) { selectedRow_ = column == 0 ? row + 1 : 0; }

bool ScoresDialog::Confirm(const QString& caption) {
  return game_.platform().AskYesNo("Are you sure you want to " + caption.toStdString() + "?", "DELETE",
                                   MessageIcon::Question);
}

void ScoresDialog::ShowMatchProgress() {
  const int current = records_.players.PlayerRecord;
  if (!records_.match.MatchOn || game_.NetworkGame() || current == 0) return;
  const PlayerRec rec = records_.players.Read(current);
  Match::ShowProgress(game_.table(), rec.entries[1], rec.entries[2]);
}

void ScoresDialog::Maintenance(int index) {
  Platform& platform = game_.platform();
  const bool onePlayer = index == 0 || index == 2;
  if (onePlayer) {
    const QTableWidgetItem* cell = gridScores_->currentItem();
    if (selectedRow_ == 0 || !cell || cell->text().isEmpty()) {
      label1_->setText("Select a player");
      platform.Beep();
      return;
    }
    // Refused before the question: there is nothing to confirm.
    if (selectedRow_ == 1) {
      label1_->setText("Sorry, the computer opponent stays.");
      platform.Beep();
      return;
    }
  }
  if (!Confirm(maintenance_[index]->text())) return;
  if (!onePlayer) {
    if (index == 1)
      scoreboard_.DeleteAllPlayers();
    else
      scoreboard_.ClearAllScores();
    PrintNames();
    PrintMatch();
    ShowMatchProgress();
    label1_->setText("All is forgotten.");
    return;
  }
  const int p = selectedRow_ - 1;
  if (index == 0 && p == records_.players.PlayerRecord) index = 2;
  if (index == 2) {
    scoreboard_.ClearPlayerValues(p);
    label1_->setText("Scores removed!");
  } else {
    scoreboard_.DeletePlayer(p);
    label1_->setText("Player removed!");
  }
  platform.Beep();
  selectedRow_ = 0;
  gridScores_->setCurrentItem(nullptr);
  PrintNames();
  PrintMatch();
  ShowMatchProgress();
}

void ScoresDialog::ClearHighScores() {
  if (!game_.platform().AskYesNo("Clear all the high scores in this table?", "Delete High Scores",
                                 MessageIcon::Question))
    return;
  RecordFile file(kHighScoreRecSize);
  file.SetReporter(records_.players.file().reporter());
  if (file.Open(records_.gameEnd.HighScorePath(), true))
    for (int i = 1; i <= kHighScoreCount; ++i)
      if (!file.Write(i, EncodeHighScoreRec(HighScoreRec{}))) break;
  SetUpGridHigh();
  HighStuff();
}

void ScoresDialog::NetMaintain(int index) {
  Platform& platform = game_.platform();
  if ((index == 0 || index == 1) && game_.NetworkGame()) {
    platform.MessageBox("You can't delete players while playing online." + std::string(kCrLf) +
                            "You can clear scores now if you would like, but to delete a player, return here after "
                            "you have ended your online game.",
                        "Online Game", MessageIcon::Critical);
    return;
  }
  const bool onePlayer = index == 0 || index == 2;
  const int q = netPlayers_->currentIndex() + 1;
  if (onePlayer && (q < 1 || q > static_cast<int>(records_.net.NetNames.size()))) {
    netMessage_->setText("Select a player");
    platform.Beep();
    return;
  }
  if (!Confirm(netMaintain_[index]->text())) return;
  switch (index) {
    case 1:
      scoreboard_.DeleteNetFile();
      ClearCells(gridNetScores_);
      ClearCells(gridNetMatch_);
      netPlayers_->clear();
      break;
    case 3:
      scoreboard_.ClearAllNetScores();
      PrintNetNames(1);
      PrintNetMatch();
      netMessage_->setText("All is forgotten.");
      break;
    case 2:
      scoreboard_.ClearNetRecord(q);
      netMessage_->setText("Scores removed!");
      platform.Beep();
      PrintNetNames(q);
      PrintNetMatch();
      break;
    default:
      scoreboard_.DeleteNetPlayer(q);
      ComboFill();
      netPlayers_->setCurrentIndex(netPlayers_->count() > 0 ? 0 : -1);
      netMessage_->setText("Player removed!");
      platform.Beep();
      PrintNetNames(1);
      PrintNetMatch();
      break;
  }
}

}  // namespace cv
