#pragma once
#include <QDialog>
#include <array>

#include "scoreboard.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace cv {

class Game;
class Records;

// frmScores, "Scores": the local scoreboard and the match, the high-score table and
// the Internet scoreboard, with their clean-up buttons. Shown without blocking the
// board; every tab is read afresh from the files when it is selected.
class ScoresDialog : public QDialog {
 public:
  ScoresDialog(Game& game, Records& records, QWidget* parent = nullptr);

  int SelectedRow() const { return selectedRow_; }

 private:
  void TabSelected(int tab);
  void PrintNames();
  void PrintMatch();
  void SetUpGridHigh();
  void HighStuff();
  void ComboFill();
  void PrintNetNames(int record);
  void PrintNetMatch();
  void OpponentChosen();
  void GridClicked(int row, int column);
  void Maintenance(int index);
  void ClearHighScores();
  void NetMaintain(int index);
  // The status bar's match panels after the current player's match entries changed.
  void ShowMatchProgress();
  bool Confirm(const QString& caption);
  // A score row: the name and the entry's played, won, lost and points; false when
  // the losses overflowed (the cell stays empty).
  bool FillScoreRow(QTableWidget* grid, int row, const std::string& name, const ScoreEntry& e);
  void FillMatchRows(QTableWidget* grid, const std::string& own, const ScoreEntry& e1, const std::string& other,
                     const ScoreEntry& e2);

  Game& game_;
  Records& records_;
  Scoreboard scoreboard_;
  QTabWidget* tabs_;
  QTableWidget* gridScores_;
  QTableWidget* gridMatch_;
  QTableWidget* gridHigh_;
  QTableWidget* gridNetScores_;
  QTableWidget* gridNetMatch_;
  QLabel* label1_;
  QLabel* netName_;
  QLabel* netMessage_;
  QComboBox* netPlayers_;
  QGroupBox* netMaintenance_;
  std::array<QPushButton*, 4> maintenance_{};
  std::array<QPushButton*, 4> netMaintain_{};
  int selectedRow_ = 0;
  bool highFilled_ = false;
};

}  // namespace cv
