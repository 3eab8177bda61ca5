#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <filesystem>

#include "fixture.h"
#include "records/high_scores.h"
#include "records/score_grid.h"
#include "records/scores_dialog.h"
#include "support/widgets.h"

namespace cv {
namespace {

using test::Control;

class ScoresDialogTest : public test::RecordsFixture {
 protected:
  // Players "P1".."Pn" whose entry 0 tells them apart: Played = 10 * record.
  void AddPlayers(int n) {
    for (int i = 1; i <= n; ++i) {
      ASSERT_NE(records.players.ChoosePlayer("P" + std::to_string(i)), Players::Choice::Full);
      PlayerRec rec = Player(i);
      rec.entries[0] = ScoreEntry{static_cast<int16_t>(10 * i), static_cast<int16_t>(i), static_cast<int16_t>(40 * i), 0, 0};
      SetPlayer(i, rec);
    }
  }
  QTableWidget* Grid(const ScoresDialog& d, const char* name) { return Control<QTableWidget>(d, name); }
  // Clicks a cell of the grid's own numbering (row 1 below the header).
  void ClickCell(QTableWidget* grid, int row, int column) {
    grid->setCurrentCell(row - 1, column);
    emit grid->cellClicked(row - 1, column);
  }
  QString Message(const ScoresDialog& d) { return Control<QLabel>(d, "Label1")->text(); }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int r = 1; r <= 10; ++r) names.push_back(Player(r).name);
    return names;
  }
  // A network score file for the current player with these opponents.
  void WriteNetFile(const std::vector<std::string>& opponents) {
    RecordFile file(kNetRecSize);
    ASSERT_TRUE(file.Open(records.net.Path(), true));
    int r = 1;
    for (const std::string& name : opponents) {
      NetScoreRec rec;
      rec.name = name;
      rec.avatar = name + ".jpg";
      rec.entries[0] = ScoreEntry{static_cast<int16_t>(r * 3), static_cast<int16_t>(r), static_cast<int16_t>(r * 31), 0, 0};
      rec.entries[3] = ScoreEntry{static_cast<int16_t>(r * 3), static_cast<int16_t>(2 * r), 7, 0, 0};
      ASSERT_TRUE(file.Write(r++, EncodeNetScoreRec(rec)));
    }
    file.Close();
    records.net.OpenForPlayer();
  }
};

TEST(ScoreGrid, HeaderFormats) {
  const auto cols = ParseGridFormat("<Name   |^  Points  |Date");
  ASSERT_EQ(cols.size(), 3u);
  EXPECT_EQ(cols[0].text, "Name   ");
  EXPECT_EQ(cols[0].align, Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(cols[1].text, "  Points  ");
  EXPECT_EQ(cols[1].align, Qt::AlignHCenter | Qt::AlignVCenter);
  EXPECT_EQ(cols[2].text, "Date");
  EXPECT_EQ(cols[2].align, Qt::AlignLeft | Qt::AlignVCenter);
}

TEST(ScoreGrid, LossesThatDoNotFitAreNotShown) {
  EXPECT_EQ(Losses(ScoreEntry{12, 5, 0, 0, 0}), 7);
  EXPECT_EQ(Losses(ScoreEntry{32767, -5, 0, 0, 0}), std::nullopt);  // a damaged file
}

TEST_F(ScoresDialogTest, TheScoreboardShowsTheComputerFirstAndThePlayersByRecord) {
  Open();
  AddPlayers(3);
  PlayerRec computer = Player(kComputerRecord);
  computer.entries[0] = ScoreEntry{60, 30, 900, 0, 0};
  SetPlayer(kComputerRecord, computer);
  PlayerRec current = Player(3);
  current.entries[1] = ScoreEntry{4, 3, 95, 120, 0};
  current.entries[2] = ScoreEntry{4, 1, 31, 0, 0};
  SetPlayer(3, current);
  ScoresDialog dialog(game, records);
  test::Shot(dialog, "frmScores-0");
  QTableWidget* scores = Grid(dialog, "GridScores");
  ASSERT_EQ(scores->rowCount(), 11);
  EXPECT_EQ(scores->horizontalHeaderItem(0)->text(), "Player Name");
  EXPECT_EQ(scores->horizontalHeaderItem(2)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
  EXPECT_TRUE(scores->horizontalHeader()->font().bold());
  const QStringList computerRow{"Corvalle", "60", "30", "30", "900"};
  const QStringList p2Row{"P2", "20", "2", "18", "80"};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(CellText(scores, 1, c), computerRow[c]);
    EXPECT_EQ(CellText(scores, 3, c), p2Row[c]);
    EXPECT_EQ(CellText(scores, 5, c), "");  // record 4 is free
  }
  QTableWidget* match = Grid(dialog, "GridMatch");
  const QStringList own{"P3", "4", "3", "95", "120"}, other{"Opponent", "4", "1", "31", ""};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(CellText(match, 1, c), own[c]);
    EXPECT_EQ(CellText(match, 2, c), other[c]);
  }
  EXPECT_EQ(match->item(0, 4)->background().color(), QColor(255, 255, 192));
  EXPECT_EQ(match->item(1, 4)->background().color(), QColor(255, 255, 192));
  EXPECT_EQ(Control<QTabWidget>(dialog, "SSTab1")->currentIndex(), 0);
}

TEST_F(ScoresDialogTest, DeletingPlayerThreeOfFiveMovesFourAndFiveUp) {
  Open();
  AddPlayers(5);  // P5 is the current player
  ScoresDialog dialog(game, records);
  QTableWidget* grid = Grid(dialog, "GridScores");
  ClickCell(grid, 4, 0);  // record 3
  EXPECT_EQ(dialog.SelectedRow(), 4);
  platform.answers = {true};
  test::Click(dialog, "Maintenance", 0);
  EXPECT_EQ(platform.questions, std::vector<std::string>{"Are you sure you want to Delete Player?"});
  EXPECT_EQ(Names(), (std::vector<std::string>{"P1", "P2", "P4", "P5", "", "", "", "", "", ""}));
  EXPECT_EQ(Player(3).entries[0].Played, 40);  // P4's scores came along
  EXPECT_EQ(Player(5).entries[0], ScoreEntry{});
  EXPECT_EQ(records.players.PlayerRecord, 4);  // the current player followed
  EXPECT_EQ(game.PlayerName, "P5");
  EXPECT_EQ(Message(dialog), "Player removed!");
  EXPECT_EQ(CellText(grid, 4, 0), "P4");
  EXPECT_EQ(CellText(grid, 6, 0), "");
  EXPECT_EQ(dialog.SelectedRow(), 0);
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(ScoresDialogTest, PerPlayerActionsAreRefusedWithoutAPlayerOrOnTheComputer) {
  Open();
  AddPlayers(3);
  const auto before = test::FileBytes(home.Data("players.sav"));
  const struct {
    const char* what;
    int row, column;
    std::vector<bool> answers;
    QString message;
  } cases[] = {
      {"nothing clicked", 0, 0, {}, "Select a player"},
      {"a number column", 3, 2, {}, "Select a player"},
      {"an empty row", 7, 0, {}, "Select a player"},
      {"the computer", 1, 0, {}, "Sorry, the computer opponent stays."},
      {"answered No", 3, 0, {false}, ""},
  };
  for (int index : {0, 2})
    for (const auto& c : cases) {
      ScoresDialog dialog(game, records);
      QTableWidget* grid = Grid(dialog, "GridScores");
      if (c.row > 0) ClickCell(grid, c.row, c.column);
      platform.answers = {c.answers.begin(), c.answers.end()};
      test::Click(dialog, "Maintenance", index);
      EXPECT_EQ(Message(dialog), c.message) << c.what << " " << index;
    }
  EXPECT_EQ(test::FileBytes(home.Data("players.sav")), before);
}

TEST_F(ScoresDialogTest, DeletingTheCurrentPlayerOnlyClearsHisScores) {
  Open();
  AddPlayers(3);
  records.players.ChoosePlayer("P2");
  ScoresDialog dialog(game, records);
  ClickCell(Grid(dialog, "GridScores"), 3, 0);
  platform.answers = {true};
  test::Click(dialog, "Maintenance", 0);
  EXPECT_EQ(Names()[1], "P2");
  EXPECT_EQ(Player(2).entries[0], ScoreEntry{});
  EXPECT_EQ(Player(3).entries[0].Played, 30);
  EXPECT_EQ(Message(dialog), "Scores removed!");
}

TEST_F(ScoresDialogTest, DeletingEveryPlayerKeepsTheCurrentOneAloneInRecordOne) {
  Open();
  AddPlayers(5);
  records.players.ChoosePlayer("P4");
  PlayerRec computer = Player(kComputerRecord);
  computer.entries[0] = ScoreEntry{9, 9, 300, 0, 0};
  SetPlayer(kComputerRecord, computer);
  ScoresDialog dialog(game, records);
  platform.answers = {true};
  test::Click(dialog, "Maintenance", 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"P4", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(records.players.PlayerRecord, 1);
  EXPECT_EQ(Player(1).entries[0], ScoreEntry{});
  EXPECT_EQ(Player(kComputerRecord).entries[0], ScoreEntry{});
  EXPECT_EQ(Player(kComputerRecord).name, computer.name);
  EXPECT_EQ(Message(dialog), "All is forgotten.");
}

TEST_F(ScoresDialogTest, ClearingKeepsTheMatchGoalOnlyForTheCurrentPlayersRunningMatch) {
  Open();
  AddPlayers(2);  // P2 current
  records.match.MatchOn = true;
  records.match.MatchPoints = 100;
  ScoresDialog dialog(game, records);
  platform.answers = {true};
  test::Click(dialog, "Maintenance", 3);  // "Clear ALL scores"
  for (int r : {1, 2}) {
    EXPECT_EQ(Player(r).name, "P" + std::to_string(r));
    EXPECT_EQ(Player(r).entries[0], ScoreEntry{}) << r;
  }
  EXPECT_EQ(Player(2).entries[1].MatchGoal, 100);  // his match goes on from nothing
  EXPECT_EQ(Player(1).entries[1].MatchGoal, 0);    // no match appears for P1
  EXPECT_EQ(table.panels[5], " 0");
}

TEST_F(ScoresDialogTest, HighScoresAreListedAndClearedOnlyOnYes) {
  Open();
  RecordFile file(kHighScoreRecSize);
  ASSERT_TRUE(file.Open(records.gameEnd.HighScorePath(), true));
  file.Write(1, EncodeHighScoreRec({46000.0, "Anna", 75, 0.5 / 24}));
  file.Write(2, EncodeHighScoreRec({46001.0, "Corvalle", 40, 0.25 / 24}));
  file.Close();
  ScoresDialog dialog(game, records);
  auto* tabs = Control<QTabWidget>(dialog, "SSTab1");
  tabs->setCurrentIndex(1);
  test::Shot(dialog, "frmScores-1");
  QTableWidget* high = Grid(dialog, "GridHigh");
  ASSERT_EQ(high->rowCount(), 20);
  const QStringList first{" 1", "12/9/25", "Anna", "75", "00:30:00"};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(CellText(high, 1, c), first[c]);
  EXPECT_EQ(CellText(high, 3, 0), " 3");
  EXPECT_EQ(CellText(high, 3, 2), "");
  EXPECT_EQ(high->item(1, 1)->background().color(), QColor(192, 255, 255));  // row 2
  EXPECT_NE(high->item(2, 1)->background().color(), QColor(192, 255, 255));  // row 3
  const auto before = test::FileBytes(records.gameEnd.HighScorePath());
  platform.answers = {false};
  test::Click(dialog, "cmdClear");
  EXPECT_EQ(test::FileBytes(records.gameEnd.HighScorePath()), before);
  platform.answers = {true};
  test::Click(dialog, "cmdClear");
  EXPECT_EQ(platform.questions.back(), "Clear all the high scores in this table?");
  RecordFile after(kHighScoreRecSize);
  ASSERT_TRUE(after.Open(records.gameEnd.HighScorePath(), false));
  EXPECT_EQ(after.RecordCount(), 20);
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(DecodeHighScoreRec(after.Read(i)), HighScoreRec{}) << i;
  EXPECT_EQ(CellText(high, 1, 2), "");
  EXPECT_EQ(CellText(high, 1, 0), " 1");
}

TEST_F(ScoresDialogTest, DamagedCountsAreReportedAndTheFillingGoesOn) {
  Open();
  AddPlayers(2);
  PlayerRec rec = Player(1);
  rec.entries[0] = ScoreEntry{32767, -5, 10, 0, 0};
  SetPlayer(1, rec);
  ScoresDialog dialog(game, records);
  EXPECT_EQ(platform.boxes, std::vector<std::string>{
                                "|Too many games to be displayed. Do Scoreboard Maintenance to clear a player's scores."});
  QTableWidget* grid = Grid(dialog, "GridScores");
  EXPECT_EQ(CellText(grid, 2, 3), "");
  EXPECT_EQ(CellText(grid, 2, 4), "10");
  EXPECT_EQ(CellText(grid, 3, 0), "P2");
}

TEST_F(ScoresDialogTest, APlayerWithoutInternetGamesSeesNoMaintenance) {
  OpenWithPlayer("Anna");
  ScoresDialog dialog(game, records);
  Control<QTabWidget>(dialog, "SSTab1")->setCurrentIndex(2);
  test::Shot(dialog, "frmScores-2-empty");
  EXPECT_EQ(Control<QLabel>(dialog, "lblNetName")->text(), "No Internet games played by Anna");
  auto* list = Control<QComboBox>(dialog, "cboNetPlayers");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->itemText(0), "Opponent names");
  EXPECT_FALSE(Control<QGroupBox>(dialog, "fraNetMain")->isVisibleTo(&dialog));
}

TEST_F(ScoresDialogTest, TheInternetScoreboardShowsOneOpponentAtATime) {
  OpenWithPlayer("Anna");
  WriteNetFile({"Bob", "Cleo", "Dan"});
  ScoresDialog dialog(game, records);
  Control<QTabWidget>(dialog, "SSTab1")->setCurrentIndex(2);
  test::Shot(dialog, "frmScores-2");
  EXPECT_EQ(Control<QLabel>(dialog, "lblNetName")->text(), "Internet scores for Anna");
  auto* list = Control<QComboBox>(dialog, "cboNetPlayers");
  ASSERT_EQ(list->count(), 3);
  QTableWidget* scores = Grid(dialog, "GridNetScores");
  EXPECT_EQ(CellText(scores, 1, 0), "Anna");
  EXPECT_EQ(CellText(scores, 2, 0), "Bob");
  EXPECT_EQ(CellText(scores, 2, 2), "2");
  list->setCurrentIndex(2);
  emit list->activated(2);
  EXPECT_EQ(CellText(scores, 2, 0), "Dan");
  EXPECT_EQ(CellText(scores, 1, 1), "9");
  EXPECT_EQ(CellText(Grid(dialog, "GridNetMatch"), 2, 0), "Dan");

  // Deleting Cleo moves Dan up and blanks the last record.
  list->setCurrentIndex(1);
  platform.answers = {true};
  test::Click(dialog, "NetMaintain", 0);
  EXPECT_EQ(records.net.NetNames, (std::vector<std::string>{"Bob", "Dan"}));
  EXPECT_EQ(records.net.Read(2).avatar, "Dan.jpg");
  EXPECT_EQ(records.net.Read(3).name, "");
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentText(), "Bob");
  EXPECT_EQ(Control<QLabel>(dialog, "LblNetMain")->text(), "Player removed!");

  // Deleting them all removes the file.
  platform.answers = {true};
  test::Click(dialog, "NetMaintain", 1);
  EXPECT_FALSE(std::filesystem::exists(records.net.Path()));
  EXPECT_FALSE(records.net.NetFileOpen);
  EXPECT_EQ(list->count(), 0);
}

TEST_F(ScoresDialogTest, OnlineTheDialogOpensOnTheOpponentAndRefusesDeletions) {
  OpenWithPlayer("Anna");
  WriteNetFile({"Bob", "Cleo"});
  game.netState = 1;
  records.net.NetRecord = 2;
  ScoresDialog dialog(game, records);
  EXPECT_EQ(Control<QTabWidget>(dialog, "SSTab1")->currentIndex(), 2);
  EXPECT_EQ(Control<QComboBox>(dialog, "cboNetPlayers")->currentText(), "Cleo");
  EXPECT_EQ(CellText(Grid(dialog, "GridNetScores"), 2, 0), "Cleo");
  for (int index : {0, 1}) test::Click(dialog, "NetMaintain", index);
  EXPECT_EQ(platform.boxes.size(), 2u);
  EXPECT_EQ(platform.boxes[0],
            "Online Game|You can't delete players while playing online.\r\nYou can clear scores now if you would like, "
            "but to delete a player, return here after you have ended your online game.");
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(records.net.NetNames.size(), 2u);
  // Clearing stays allowed; the running match keeps its goal on this opponent only.
  records.match.MatchOn = true;
  records.match.MatchPoints = 90;
  platform.answers = {true};
  test::Click(dialog, "NetMaintain", 3);
  EXPECT_EQ(records.net.Read(1).entries[0], ScoreEntry{});
  EXPECT_EQ(records.net.Read(1).entries[1].MatchGoal, 0);
  EXPECT_EQ(records.net.Read(2).entries[1].MatchGoal, 90);
  EXPECT_EQ(Control<QLabel>(dialog, "LblNetMain")->text(), "All is forgotten.");
}

}  // namespace
}  // namespace cv
