#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "fixture.h"
#include "records/name_dialog.h"
#include "support/widgets.h"

namespace cv {
namespace {

using test::Control;

class NameDialogTest : public test::RecordsFixture {
 protected:
  void AddPlayers(std::initializer_list<const char*> names) {
    for (const char* n : names) ASSERT_NE(records.players.ChoosePlayer(n), Players::Choice::Full);
  }
  // Types a name into the box of a fresh dialog and presses OK.
  int Enter(NameDialog& dialog, const QString& name) {
    Control<QComboBox>(dialog, "Combo1")->setEditText(name);
    test::Click(dialog, "cmdOK");
    return dialog.result();
  }
};

TEST_F(NameDialogTest, TheFirstRunOffersAnEmptyBoxAndCreatesRecordOne) {
  Open();
  NameDialog dialog(game, records, nullptr);
  test::Shot(dialog, "frmName");
  EXPECT_EQ(dialog.Names(), QStringList{""});
  const int clears = table.clears;
  EXPECT_EQ(Enter(dialog, "Anna"), QDialog::Accepted);
  EXPECT_EQ(records.players.PlayerRecord, 1);
  EXPECT_EQ(Player(1).name, "Anna");
  EXPECT_EQ(game.PlayerName, "Anna");
  EXPECT_EQ(table.clears, clears + 1);
}

TEST_F(NameDialogTest, TheListShowsTheCurrentPlayerFirstAndStopsAtTheFirstFreeRecord) {
  Open();
  AddPlayers({"Anna", "Bob", "Cleo", "Dan", "Eve"});
  PlayerRec dan = Player(4);
  dan.name.clear();
  SetPlayer(4, dan);
  records.players.ChoosePlayer("Bob");
  NameDialog dialog(game, records, nullptr);
  EXPECT_EQ(dialog.Names(), (QStringList{"Bob", "Anna", "Cleo", ""}));
  EXPECT_EQ(Control<QComboBox>(dialog, "Combo1")->currentText(), "Bob");
  EXPECT_TRUE(Control<QComboBox>(dialog, "Combo1")->isEditable());
}

TEST_F(NameDialogTest, TenPlayersLockTheBoxToTheKnownNames) {
  Open();
  for (int i = 1; i <= 10; ++i) AddPlayers({("P" + std::to_string(i)).c_str()});
  NameDialog dialog(game, records, nullptr);
  auto* box = Control<QComboBox>(dialog, "Combo1");
  EXPECT_FALSE(box->isEditable());
  EXPECT_EQ(dialog.Names().size(), 10);
  EXPECT_EQ(dialog.Names().front(), "P10");
  box->setCurrentText("P4");
  test::Click(dialog, "cmdOK");
  EXPECT_EQ(records.players.PlayerRecord, 4);
}

TEST_F(NameDialogTest, NamesAreComparedExactly) {
  OpenWithPlayer("Anna");
  {
    NameDialog dialog(game, records, nullptr);
    Enter(dialog, "anna");  // another letter case is another player
  }
  EXPECT_EQ(records.players.PlayerRecord, 2);
  EXPECT_EQ(Player(2).name, "anna");
  {
    NameDialog dialog(game, records, nullptr);
    Enter(dialog, "Anna");
  }
  EXPECT_EQ(records.players.PlayerRecord, 1);
}

TEST_F(NameDialogTest, ChoosingAnotherPlayerStoresTheCurrentPreferencesFirst) {
  OpenWithPlayer("Anna");
  AddPlayers({"Bob"});
  game.prefs.Structure = 1003;  // Bob's choice, not yet in his record
  const int clears = table.clears;
  NameDialog dialog(game, records, nullptr);
  Enter(dialog, "Anna");
  EXPECT_EQ(Player(2).prefs.Structure, 1003);
  EXPECT_EQ(game.prefs.Structure, 1001);
  EXPECT_EQ(table.applied.back().Structure, 1001);
  EXPECT_EQ(table.clears, clears + 1);
}

TEST_F(NameDialogTest, TheCurrentPlayersOwnNameChangesNothingButClearsTheBoard) {
  OpenWithPlayer("Anna");
  const auto before = test::FileBytes(home.Data("players.sav"));
  const size_t applied = table.applied.size();
  const int clears = table.clears;
  NameDialog dialog(game, records, nullptr);
  EXPECT_EQ(Enter(dialog, "Anna"), QDialog::Accepted);
  EXPECT_EQ(test::FileBytes(home.Data("players.sav")), before);
  EXPECT_EQ(table.applied.size(), applied);
  EXPECT_EQ(table.clears, clears + 1);
}

TEST_F(NameDialogTest, RefusedNamesKeepTheDialogOpenAndThePlayerUnchanged) {
  const struct {
    QString typed;
    std::string box;
  } cases[] = {
      {"", "Unknown Player|Please enter a name..."},
      {"   ", "Unknown Player|Please enter a name..."},
      {"a/b", "Non-standard filename character|Please do not use the following characters:  \r\n\r\n"
              "/ \\ : * . ? ! < > | \"\r\n\r\nPlease re-enter."},
      {"Mr. X", "Non-standard filename character|Please do not use the following characters:  \r\n\r\n"
                "/ \\ : * . ? ! < > | \"\r\n\r\nPlease re-enter."},
  };
  OpenWithPlayer("Anna");
  for (const auto& c : cases) {
    platform.boxes.clear();
    const int clears = table.clears;
    NameDialog dialog(game, records, nullptr);
    dialog.show();
    Enter(dialog, c.typed);
    EXPECT_TRUE(dialog.isVisible()) << c.typed.toStdString();
    EXPECT_EQ(platform.boxes, std::vector<std::string>{c.box}) << c.typed.toStdString();
    EXPECT_EQ(game.PlayerName, "Anna");
    EXPECT_EQ(records.players.PlayerRecord, 1);
    EXPECT_EQ(table.clears, clears);
  }
}

TEST_F(NameDialogTest, EscapeLeavesThePlayerAsHeWasButNeverSkipsTheFirstName) {
  Open();
  NameDialog first(game, records, nullptr);
  first.show();
  test::Key(&first, Qt::Key_Escape);
  EXPECT_TRUE(first.isVisible());  // nobody plays yet: a name is needed

  records.players.ChoosePlayer("Anna");
  NameDialog later(game, records, nullptr);
  later.show();
  test::Key(&later, Qt::Key_Escape);
  EXPECT_FALSE(later.isVisible());
  EXPECT_EQ(later.result(), QDialog::Rejected);
  EXPECT_EQ(records.players.PlayerRecord, 1);
}

TEST_F(NameDialogTest, EnterInTheNameBoxPressesOk) {
  Open();
  NameDialog dialog(game, records, nullptr);
  dialog.show();
  auto* box = Control<QComboBox>(dialog, "Combo1");
  box->setEditText("Zoe");
  box->setFocus();
  test::Key(box->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(game.PlayerName, "Zoe");
}

TEST_F(NameDialogTest, TheWindowIsDraggedByItsBodyAndLabel) {
  Open();
  NameDialog dialog(game, records, nullptr);
  dialog.move(100, 100);
  dialog.show();
  auto* label = Control<QLabel>(dialog, "Label1");
  const QPoint start = dialog.pos();
  test::Mouse(label, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
  const QPointF to = label->mapToGlobal(QPointF(50, 40));
  QMouseEvent move(QEvent::MouseMove, QPointF(50, 40), to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(label, &move);
  EXPECT_EQ(dialog.pos(), start + QPoint(40, 30));
}

}  // namespace
}  // namespace cv
