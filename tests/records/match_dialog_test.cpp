#include <gtest/gtest.h>

#include <QLineEdit>

#include "fixture.h"
#include "records/match_dialog.h"
#include "support/widgets.h"

namespace cv {
namespace {

using test::Control;

class MatchDialogTest : public test::RecordsFixture {
 protected:
  QLineEdit* Points(const MatchDialog& d) { return Control<QLineEdit>(d, "txtPoints"); }
};

TEST_F(MatchDialogTest, TargetsBelowThirtyOneOrBeyondTheCounterAreRefused) {
  const std::string below =
      "|That's less than the minimum possible points for winning just one game. Enter a number 31 or higher.";
  const struct {
    QString typed;
    bool started;
    int points;
    bool refusedBelow;
  } cases[] = {
      {"31", true, 31, false}, {"62", true, 62, false},    {"30", false, 0, true},
      {"", false, 0, true},    {"-40", false, 0, true},    {"40000", false, 0, false},
  };
  for (const auto& c : cases) {
    Match match;
    platform.boxes.clear();
    MatchDialog dialog(match, platform);
    dialog.show();
    Points(dialog)->setText(c.typed);
    test::Click(dialog, "cmdStart");
    EXPECT_EQ(match.MatchOn, c.started) << c.typed.toStdString();
    EXPECT_EQ(match.MatchPoints, c.points) << c.typed.toStdString();
    EXPECT_EQ(dialog.isVisible(), !c.started) << c.typed.toStdString();
    if (c.started) {
      EXPECT_TRUE(platform.boxes.empty());
      EXPECT_FALSE(dialog.DialogCancelled());
    } else {
      ASSERT_EQ(platform.boxes.size(), 1u);
      if (c.refusedBelow) {
        EXPECT_EQ(platform.boxes[0], below);
      }
      EXPECT_EQ(Points(dialog)->text(), "60");
    }
  }
}

TEST_F(MatchDialogTest, OnlyDigitsAndTheMinusSignCanBeTyped) {
  Match match;
  MatchDialog dialog(match, platform);
  dialog.show();
  QLineEdit* box = Points(dialog);
  EXPECT_EQ(box->text(), "62");
  box->clear();
  box->setFocus();
  const struct {
    int key;
    QString text;
  } keys[] = {{Qt::Key_4, "4"}, {Qt::Key_A, "a"}, {Qt::Key_Period, "."}, {Qt::Key_0, "0"}, {Qt::Key_Minus, "-"}};
  for (const auto& k : keys) test::Key(box, k.key, Qt::NoModifier, k.text);
  EXPECT_EQ(box->text(), "40-");
  EXPECT_EQ(platform.boxes, (std::vector<std::string>{"|Enter a number", "|Enter a number"}));
  test::Key(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "40");
  test::Key(box, Qt::Key_Return);  // Enter starts the match
  EXPECT_TRUE(match.MatchOn);
  EXPECT_EQ(match.MatchPoints, 40);
}

TEST_F(MatchDialogTest, CancelEscapeAndTheCloseBoxLeaveNoMatch) {
  for (int way = 0; way < 3; ++way) {
    Match match;
    MatchDialog dialog(match, platform);
    dialog.show();
    if (way == 0) test::Click(dialog, "cmdCancel");
    if (way == 1) test::Key(&dialog, Qt::Key_Escape);
    if (way == 2) dialog.close();
    EXPECT_FALSE(dialog.isVisible()) << way;
    EXPECT_TRUE(dialog.DialogCancelled()) << way;
    EXPECT_FALSE(match.MatchOn);
    EXPECT_EQ(match.MatchPoints, 0);
  }
}

TEST_F(MatchDialogTest, AStartedMatchDealsAndAnEndedOneDoesNot) {
  OpenWithPlayer("Anna");
  MatchDialog dialog(records.match, platform);
  test::Shot(dialog, "frmMatch");
  Points(dialog)->setText("61");
  test::Click(dialog, "cmdStart");
  ASSERT_FALSE(dialog.DialogCancelled());
  // What the Game command does with the answer.
  records.StartMatch(records.match.MatchPoints);
  EXPECT_EQ(table.panels[4], "Match Game:  61 points");
  EXPECT_EQ(table.panels[5], " 0 ");
  EXPECT_TRUE(table.matchPanels);
  EXPECT_NE(game.state.Turn, 0);  // a new game
  EXPECT_EQ(Player(1).entries[1].MatchGoal, 61);

  game.state.Turn = 1;
  const int clears = table.clears;
  records.EndMatch();
  EXPECT_FALSE(records.match.MatchOn);
  EXPECT_FALSE(table.matchPanels);
  EXPECT_EQ(Player(1).entries[1].MatchGoal, 0);
  EXPECT_EQ(table.clears, clears);  // no new game
}

}  // namespace
}  // namespace cv
