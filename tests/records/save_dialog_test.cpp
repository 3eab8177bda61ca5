#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "fixture.h"
#include "records/save_dialog.h"
#include "records/slot_labels.h"
#include "support/widgets.h"

namespace cv {
namespace {

using test::Control;

GameRecBytes Position(const GameState& s) {
  GameRec rec;
  SaveGameRec(rec, s, "");
  return EncodeGameRec(rec);
}

class SaveDialogTest : public test::RecordsFixture {
 protected:
  SaveDialogTest() : opponent(game) { game.SetOpponent(&opponent); }

  // The local player's Stock card onto the opponent's Waste.
  void Move() {
    game.SetSelection(PileKind::Player, kStock, game.state.StockTop(0));
    game.PlaceOnPlayerPile(kWaste, 2);
    game.TakeFromSource(PileKind::Player, kStock);
  }
  QLineEdit* Box(const SaveDialog& d, int slot) { return Control<QLineEdit>(d, "Text1", slot); }
  void ClickBox(const SaveDialog& d, int slot) { test::MouseClick(Box(d, slot)); }
  // A slot written with a label, as a save would leave it.
  void StoreSlot(int slot, const std::string& label) { records.saved.SaveGame(slot, label); }

  test::PassingOpponent opponent;
};

TEST_F(SaveDialogTest, SaveThenRestoreThenRestartFollowTheSavedGame) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  const GameRecBytes dealt = Position(game.state);
  Move();
  const GameRecBytes saved = Position(game.state);
  {
    SaveDialog dialog(game, records, SaveDialog::kSave, false);
    test::Shot(dialog, "frmSave-save");
    EXPECT_EQ(Box(dialog, 4)->text(), "game  4");
    EXPECT_FALSE(Box(dialog, 11)->isVisibleTo(&dialog));
    EXPECT_EQ(Control<QPushButton>(dialog, "cmdSave")->text(), "Save");
    ClickBox(dialog, 4);
    // A proposal of date and time, selected so that typing replaces it.
    EXPECT_TRUE(Box(dialog, 4)->text().contains('_'));
    EXPECT_TRUE(Box(dialog, 4)->hasSelectedText());
    Box(dialog, 4)->setText("  before the big move ");
    test::Click(dialog, "cmdSave");
    ASSERT_FALSE(dialog.DialogCancelled());
    EXPECT_EQ(dialog.SaveSlot(), 4);
    EXPECT_EQ(dialog.SaveLabel(), "before the big move");
    records.saved.SaveGame(dialog.SaveSlot(), dialog.SaveLabel());
  }
  Move();
  Move();
  {
    SaveDialog dialog(game, records, SaveDialog::kRestore, false);
    test::Shot(dialog, "frmSave-restore");
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(Box(dialog, s)->isEnabled(), s == 4) << s;
    EXPECT_EQ(Box(dialog, 4)->text(), "before the big move");
    EXPECT_TRUE(Box(dialog, 11)->isVisibleTo(&dialog));
    EXPECT_EQ(Box(dialog, 11)->text(), "Previous Turn");
    EXPECT_EQ(Control<QPushButton>(dialog, "cmdSave")->text(), "Restore");
    ClickBox(dialog, 4);
    test::Click(dialog, "cmdSave");
    ASSERT_FALSE(dialog.DialogCancelled());
    ASSERT_EQ(dialog.SaveSlot(), 4);
    ASSERT_TRUE(records.saved.RestoreSavedGame(dialog.SaveSlot()));
  }
  EXPECT_EQ(Position(game.state), saved);
  records.saved.Restart(true);
  EXPECT_EQ(Position(game.state), dealt);  // the saved game's own deal
}

TEST_F(SaveDialogTest, DescriptionsFollowTheMatchSampleAndNetworkState) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  struct Case {
    const char* what;
    bool match, sample, network;
    QString typed;  // null: keep what the dialog proposes
    std::string label;
  };
  const Case cases[] = {
      {"emptied during a match", true, false, false, "", "Match saved game 4"},
      {"own words during a match", true, false, false, "big one", "Match big one"},
      {"already a match", true, false, false, "my Match", "my Match"},
      {"too long", false, false, false, "123456789012345678901234567890XYZ", "123456789012345678901234567890"},
      {"sample game", false, true, false, QString(), "Sample Game Number 7"},
      {"network save", false, false, true, "with Bob", "^^with Bob"},
  };
  records.saved.SampleNumber = 7;
  for (const Case& c : cases) {
    records.match.MatchOn = c.match;
    game.SampleGame = c.sample;
    game.netState = c.network ? 1 : 0;
    SaveDialog dialog(game, records, SaveDialog::kSave, false);
    ClickBox(dialog, 4);
    EXPECT_EQ(Box(dialog, 4)->isReadOnly(), c.sample) << c.what;
    if (!c.typed.isNull()) Box(dialog, 4)->setText(c.typed);
    test::Click(dialog, "cmdSave");
    EXPECT_EQ(dialog.SaveLabel(), c.label) << c.what;
  }
}

TEST_F(SaveDialogTest, TheProposalCarriesMatchNetworkAndTheOpponentsName) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  platform.now = 46000.5;  // 12/9/25 at noon
  records.match.MatchOn = true;
  game.netState = 1;
  game.OpponentName = "Bob";
  SaveDialog dialog(game, records, SaveDialog::kSave, false);
  EXPECT_EQ(Control<QPushButton>(dialog, "cmdSave")->text(), "NET Save");
  ClickBox(dialog, 2);
  EXPECT_EQ(Box(dialog, 2)->text(), "Match NET 12/9/25_12:00 PM Bob");
}

TEST_F(SaveDialogTest, ChoosingAnotherSlotPutsTheFirstOneBack) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  StoreSlot(1, "kept");
  SaveDialog dialog(game, records, SaveDialog::kSave, false);
  ClickBox(dialog, 1);
  EXPECT_NE(Box(dialog, 1)->text(), "kept");
  ClickBox(dialog, 3);
  EXPECT_EQ(Box(dialog, 1)->text(), "kept");
  EXPECT_EQ(Box(dialog, 1)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
  EXPECT_EQ(Box(dialog, 3)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::ToolTipBase));
}

TEST_F(SaveDialogTest, ActingWithoutASlotAsksForOne) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  for (int mode : {SaveDialog::kSave, SaveDialog::kRestore}) {
    SaveDialog dialog(game, records, mode, false);
    dialog.show();
    test::Click(dialog, "cmdSave");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Control<QLabel>(dialog, "Label1")->text(), "Select a game slot!");
  }
  EXPECT_EQ(platform.beeps, 2);
}

TEST_F(SaveDialogTest, CancelAsksOnlyWhenASlotWasChosenForSaving) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  const std::string question = "Did you want to save this game?\r\nClick the Save button to save.";
  {
    SaveDialog dialog(game, records, SaveDialog::kSave, false);
    dialog.show();
    test::Click(dialog, "Command2");
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(dialog.DialogCancelled());
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    SaveDialog dialog(game, records, SaveDialog::kSave, false);
    dialog.show();
    ClickBox(dialog, 2);
    platform.answers = {true, false};
    test::Click(dialog, "Command2");  // Yes: back to saving
    EXPECT_TRUE(dialog.isVisible());
    test::Key(&dialog, Qt::Key_Escape);  // Escape asks as Cancel does; No: cancelled
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.DialogCancelled());
    EXPECT_EQ(platform.questions, (std::vector<std::string>{question, question}));
  }
  {
    SaveDialog dialog(game, records, SaveDialog::kSave, false);
    dialog.show();
    ClickBox(dialog, 2);
    dialog.close();  // the close box cancels without asking
    EXPECT_TRUE(dialog.DialogCancelled());
    EXPECT_EQ(platform.questions.size(), 2u);
  }
}

TEST_F(SaveDialogTest, NetworkSavesAreRestoredOnlyOnline) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  StoreSlot(2, "^^NET with Bob");
  const std::string refusal = "Internet Game|Saved Internet games can only be restored online from the Internet Menu.";
  {
    SaveDialog dialog(game, records, SaveDialog::kRestore, false);
    dialog.show();
    EXPECT_EQ(Box(dialog, 2)->text(), "NET with Bob");
    ClickBox(dialog, 2);
    EXPECT_EQ(platform.boxes, std::vector<std::string>{refusal});
    test::Click(dialog, "cmdSave");
    EXPECT_TRUE(dialog.isVisible());  // nothing chosen
    EXPECT_EQ(Control<QLabel>(dialog, "Label1")->text(), "Select a game slot!");
  }
  {
    SaveDialog inspecting(game, records, SaveDialog::kRestore, true);
    ClickBox(inspecting, 2);
    test::Click(inspecting, "cmdSave");
    EXPECT_EQ(inspecting.SaveSlot(), 2);
    EXPECT_FALSE(inspecting.NetworkRestore());
  }
  game.netState = 1;
  SaveDialog online(game, records, SaveDialog::kRestore, false);
  EXPECT_FALSE(Box(online, 11)->isVisibleTo(&online));
  ClickBox(online, 2);
  test::Click(online, "cmdSave");
  EXPECT_EQ(online.SaveSlot(), 2);
  EXPECT_TRUE(online.NetworkRestore());
  EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(SaveDialogTest, WithNoGameInPlayThePreviousTurnCannotBeChosen) {
  OpenWithPlayer("Anna");
  SaveDialog dialog(game, records, SaveDialog::kRestore, false);
  EXPECT_FALSE(Box(dialog, 11)->isEnabled());
  DealLocalFirst();
  SaveDialog inGame(game, records, SaveDialog::kRestore, false);
  ASSERT_TRUE(Box(inGame, 11)->isEnabled());
  ClickBox(inGame, 11);
  test::Click(inGame, "cmdSave");
  EXPECT_EQ(inGame.SaveSlot(), 11);
}

TEST_F(SaveDialogTest, TabbingToASlotChoosesIt) {
  OpenWithPlayer("Anna");
  DealLocalFirst();
  SaveDialog dialog(game, records, SaveDialog::kSave, false);
  dialog.show();
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(Box(dialog, 5), &focus);
  test::Click(dialog, "cmdSave");
  EXPECT_EQ(dialog.SaveSlot(), 5);
  EXPECT_FALSE(dialog.DialogCancelled());
}

}  // namespace
}  // namespace cv
