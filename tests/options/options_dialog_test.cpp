#include "options/options_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdlib>
#include <set>

#include "board/appearance.h"
#include "cardart/picture_store.h"
#include "engine/game.h"
#include "options/theme.h"
#include "support/fakes.h"
#include "support/widgets.h"

namespace cv {
namespace {

using test::Control;

struct Board : test::RecordingTable {
  void ApplyPreferences(const Preferences& p) override { applied.push_back(p); }
  std::vector<Preferences> applied;
};

// The board side of the dialog: the real card-art library, a background list of two.
class Host : public OptionsHost {
 public:
  PictureStore& Pictures() override { return store; }
  std::unique_ptr<clsDLL> CreateCardArt() override {
    if (!withArt) throw CardArtError(kCannotCreateComponent, "no card art");
    return std::make_unique<clsDLL>(CVDATA_DIR);
  }
  void KeyCommand(const QKeyEvent& e) override {
    keys.push_back(e.key() | static_cast<int>(e.modifiers()));
    if (e.key() == Qt::Key_Up) background = QImage(4, 4, QImage::Format_RGB32), background.fill(Qt::darkGreen);
  }
  QImage CurrentBackground() override { return background; }
  bool SelectBackground(const std::string& name) override {
    selected.push_back(name);
    return listed.count(name) > 0;
  }

  PictureStore store;
  bool withArt = true;
  std::vector<int> keys;
  QImage background;
  std::set<std::string> listed{"MarbleTan.gif", "MarbleGrey.gif"};
  std::vector<std::string> selected;
};

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() : game(board, platform) {
    // Each test its own, empty component registry: the library beside the program is used.
    setenv("CORVALLE_REGISTRY", dir.filePath("components").toUtf8().constData(), 1);
    game.prefs.BackgroundName = "Felt.gif";
  }
  ~OptionsDialogTest() override { unsetenv("CORVALLE_REGISTRY"); }

  std::unique_ptr<OptionsDialog> Open() {
    auto d = std::make_unique<OptionsDialog>(game, host);
    d->chooseColour = [this](uint32_t initial, const QString& title) -> std::optional<uint32_t> {
      chooserCalls.push_back({initial, title});
      return chosen;
    };
    return d;
  }
  void ShowTab(OptionsDialog& d, int tab) { Control<QTabWidget>(d, "TabStrip1")->setCurrentIndex(tab); }
  bool ApplyEnabled(const OptionsDialog& d) { return Control<QPushButton>(d, "cmdApply")->isEnabled(); }
  QColor Pixel(const OptionsDialog& d, const char* name, int index, QPoint at) {
    return Control<QLabel>(d, name, index)->pixmap().toImage().pixelColor(at);
  }

  QTemporaryDir dir;
  Board board;
  test::RecordingPlatform platform;
  Game game;
  Host host;
  std::optional<uint32_t> chosen;
  std::vector<std::pair<uint32_t, QString>> chooserCalls;
};

TEST(Theme, EachFaceStyleBringsItsOwnLook) {
  const Theme tile = ThemeForFace(3), steel = ThemeForFace(2), standard = ThemeForFace(1);
  EXPECT_EQ(tile.background, "Wood.gif");
  EXPECT_EQ(tile.structure, 1004);
  EXPECT_TRUE(tile.woodEmptyPiles);
  EXPECT_EQ(tile.soundTheme, 0);
  EXPECT_EQ(tile.backStyle, 3);
  EXPECT_EQ(steel.background, "MarbleTan.gif");
  EXPECT_EQ(steel.structure, 1003);
  EXPECT_EQ(steel.backStyle, 2);
  EXPECT_EQ(standard.background, "MarbleGrey.gif");
  EXPECT_EQ(standard.structure, 1001);
  EXPECT_EQ(standard.backStyle, 0);
  for (const Theme& metal : {steel, standard}) {
    EXPECT_FALSE(metal.woodEmptyPiles);
    EXPECT_EQ(metal.soundTheme, 1);
  }
  EXPECT_EQ(DeckColorFor(1, 1, 5), kPeachDeck);
  EXPECT_EQ(DeckColorFor(1, 3, 5), kPeachDeck);
  EXPECT_EQ(DeckColorFor(1, 2, 5), kSilverDeck);
  EXPECT_EQ(DeckColorFor(4, 2, 5), 5u);
  EXPECT_EQ(DeckColorFor(0, 1, 5), 5u);
}

TEST_F(OptionsDialogTest, OpeningAndApplyingAtOnceChangesAndRedrawsNothing) {
  const Preferences before = game.prefs;
  auto d = Open();
  test::Shot(*d, "frmOptions-1");
  EXPECT_EQ(d->windowTitle(), "Preferences");
  EXPECT_FALSE(ApplyEnabled(*d));
  EXPECT_TRUE(Control<QRadioButton>(*d, "optFace", 1)->isChecked());
  test::Click(*d, "cmdApply");
  test::Click(*d, "cmdOK");
  EXPECT_TRUE(game.prefs == before);
  EXPECT_TRUE(board.applied.empty());
  EXPECT_FALSE(d->DialogCancelled());
}

TEST_F(OptionsDialogTest, TheTabsCarryTheirCaptionsAndTips) {
  auto d = Open();
  auto* tabs = Control<QTabWidget>(*d, "TabStrip1");
  const char* captions[] = {"Pick a Card", "Deck Styles", "Font and Background", "Sounds and Style"};
  const char* tips[] = {"Set Card Style", "Set Deck Style", "Set Font ", "Set card sounds"};
  ASSERT_EQ(tabs->count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_EQ(tabs->tabToolTip(i), tips[i]);
  }
  for (int tab : {1, 2, 3}) {
    ShowTab(*d, tab);
    test::Shot(*d, QString("frmOptions-%1").arg(tab + 1));
  }
}

TEST_F(OptionsDialogTest, AFaceStyleShowsAtOnceAndCancelBringsThePlayersSheetBack) {
  const QImage standard = host.store.FaceSheet();
  auto d = Open();
  const QImage aceBefore = Control<QLabel>(*d, "picCard", 1)->pixmap().toImage();
  test::Click(*d, "optFace", 2);
  EXPECT_TRUE(ApplyEnabled(*d));
  EXPECT_NE(host.store.FaceSheet(), standard);  // the board's sheet is the steel one now
  EXPECT_NE(Control<QLabel>(*d, "picCard", 1)->pixmap().toImage(), aceBefore);
  test::Click(*d, "cmdCancel");
  EXPECT_TRUE(d->DialogCancelled());
  EXPECT_EQ(game.prefs.FaceStyle, 1);
  EXPECT_EQ(host.store.FaceSheet(), standard);
  ASSERT_EQ(board.applied.size(), 1u);  // redrawn with it
}

TEST_F(OptionsDialogTest, TheThemeBoxSwitchesTheWholeLookToTheFaceStyle) {
  const struct {
    int face;
    std::string background;  // as applied: the old one when the theme's picture is not listed
    int structure, backStyle, soundTheme;
    bool woodPiles;
  } cases[] = {
      {2, "MarbleTan.gif", 1003, 2, 1, false},
      {1, "MarbleGrey.gif", 1001, 0, 1, false},
      {3, "Felt.gif", 1004, 3, 0, true},
  };
  for (const auto& c : cases) {
    game.prefs = Preferences{};
    game.prefs.BackgroundName = "Felt.gif";
    game.prefs.FontColor = 255;
    board.applied.clear();
    auto d = Open();
    test::Click(*d, "optFace", c.face);
    Control<QCheckBox>(*d, "ckTheme")->setChecked(true);
    EXPECT_TRUE(ApplyEnabled(*d));
    test::Click(*d, "cmdApply");
    const Preferences& p = game.prefs;
    EXPECT_EQ(p.FaceStyle, c.face);
    EXPECT_EQ(p.BackgroundName, c.background) << c.face;
    EXPECT_EQ(p.Structure, c.structure) << c.face;
    EXPECT_EQ(p.BackStyle, c.backStyle) << c.face;
    EXPECT_EQ(p.SoundTheme, c.soundTheme) << c.face;
    EXPECT_EQ(p.EmptyStyle, c.woodPiles) << c.face;
    EXPECT_EQ(p.FontColor, 0u);
    ASSERT_EQ(board.applied.size(), 1u);
    EXPECT_TRUE(board.applied.back() == p);
    EXPECT_FALSE(ApplyEnabled(*d));
  }
  EXPECT_EQ(host.selected, (std::vector<std::string>{"MarbleTan.gif", "MarbleGrey.gif", "Wood.gif"}));
}

TEST_F(OptionsDialogTest, TheDeckTabAppliesTheBackAndItsColour) {
  clsDLL art(CVDATA_DIR);
  game.prefs.BoardColor = 0x112233;
  auto d = Open();
  ShowTab(*d, 1);
  auto* scroll = Control<QScrollBar>(*d, "HScroll1");
  EXPECT_EQ(scroll->minimum(), 1);
  EXPECT_EQ(scroll->maximum(), 9);
  scroll->setValue(4);
  EXPECT_TRUE(ApplyEnabled(*d));
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.BackStyle, 4);
  EXPECT_EQ(ColourOf(game.prefs.DeckColor), art.BackColor(3));
  EXPECT_EQ(host.store.CurrentBack(), art.CardBack(3, false));
  EXPECT_EQ(game.prefs.BackgroundName, "Felt.gif");  // the mat was not touched

  scroll->setValue(1);  // the first library back takes the fixed deck colour
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.DeckColor, kPeachDeck);

  test::MouseClick(Control<QLabel>(*d, "picReset", 0));
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.BackStyle, 0);
  EXPECT_EQ(game.prefs.DeckColor, kPeachDeck);
  EXPECT_EQ(game.prefs.BoardColor, kDefaultMat);
  EXPECT_EQ(game.prefs.BackgroundName, "None");
  EXPECT_EQ(host.store.CurrentBack(), host.store.BuiltinBack());
  EXPECT_EQ(Pixel(*d, "picCurrent", -1, {1, 1}), ColourOf(kPeachDeck));
}

TEST_F(OptionsDialogTest, ColourChoosersStartFromThePreferencesAndCancellingChangesNothing) {
  game.prefs.BoardColor = 0x123456;
  game.prefs.FontColor = 0x00FF00;
  auto d = Open();
  ShowTab(*d, 2);
  test::Click(*d, "cmdMatColor", 1);
  test::Click(*d, "cmdFontColor");
  EXPECT_FALSE(ApplyEnabled(*d));
  ASSERT_EQ(chooserCalls.size(), 2u);
  EXPECT_EQ(chooserCalls[0].first, 0x123456u);
  EXPECT_EQ(chooserCalls[1].first, 0x00FF00u);
  test::Click(*d, "cmdOK");
  EXPECT_EQ(game.prefs.BoardColor, 0x123456u);
  EXPECT_EQ(game.prefs.BackgroundName, "Felt.gif");
}

TEST_F(OptionsDialogTest, TheFontTabAppliesMatSizeAndColour) {
  auto d = Open();
  ShowTab(*d, 2);
  test::Click(*d, "cmdApply");  // disabled: nothing happens
  EXPECT_TRUE(board.applied.empty());
  chosen = 0x00AA00;
  test::Click(*d, "cmdMatColor", 1);
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.BoardColor, 0x00AA00u);
  EXPECT_EQ(game.prefs.BackgroundName, "None");
  EXPECT_EQ(game.prefs.FontSize, 14);
  EXPECT_EQ(Pixel(*d, "picMat", 1, {3, 3}), ColourOf(0x00AA00));

  for (int i = 0; i < 3; ++i) test::Click(*d, "cmdLarger");
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.FontSize, 17);
  for (int i = 0; i < 80; ++i) test::Click(*d, "cmdLarger");
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.FontSize, 72);  // what a player record can hold
  chosen = 0x0000FF;
  test::Click(*d, "cmdFontColor");
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.FontColor, 0x0000FFu);
  test::Click(*d, "cmdRestore");
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.FontSize, 13);
  EXPECT_EQ(game.prefs.FontColor, 0u);
}

TEST_F(OptionsDialogTest, ApplyingTheFontTabAloneKeepsTheMat) {
  game.prefs.BoardColor = 0x445566;
  auto d = Open();
  ShowTab(*d, 2);
  test::Click(*d, "cmdLarger");
  test::Click(*d, "cmdApply");
  EXPECT_EQ(game.prefs.BoardColor, 0x445566u);
  EXPECT_EQ(game.prefs.BackgroundName, "Felt.gif");
  EXPECT_EQ(game.prefs.FontSize, 15);
}

TEST_F(OptionsDialogTest, TheSoundTabAppliesSoundsIntroAndPlaceHolders) {
  const struct {
    int sound;
    int16_t mode, theme;
  } cases[] = {{2, 2, 0}, {1, 0, 1}, {0, 0, 0}};
  for (const auto& c : cases) {
    game.prefs = Preferences{};
    auto d = Open();
    ShowTab(*d, 3);
    EXPECT_TRUE(Control<QRadioButton>(*d, "optSound", 0)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(*d, "optPlaceHolder", 1)->isChecked());  // metal
    test::Click(*d, "optSound", c.sound);
    test::Click(*d, "ckIntro");
    test::Click(*d, "optPlaceHolder", 0);
    test::Click(*d, "cmdOK");
    EXPECT_EQ(game.prefs.SoundMode, c.mode) << c.sound;
    EXPECT_EQ(game.prefs.SoundTheme, c.theme) << c.sound;
    EXPECT_TRUE(game.prefs.IntroOff);
    EXPECT_TRUE(game.prefs.EmptyStyle);
  }
}

TEST_F(OptionsDialogTest, OnlyTheVisibleTabIsApplied) {
  auto d = Open();
  ShowTab(*d, 3);
  test::Click(*d, "optSound", 2);
  ShowTab(*d, 0);
  EXPECT_FALSE(ApplyEnabled(*d));  // every tab change disables it
  test::Click(*d, "cmdOK");
  EXPECT_EQ(game.prefs.SoundMode, 0);
}

TEST_F(OptionsDialogTest, AClickOnAnotherPictureDisablesApplyButOkStillShowsTheChange) {
  auto d = Open();
  test::Click(*d, "optFace", 3);
  test::MouseClick(Control<QLabel>(*d, "picCard", 7));
  EXPECT_FALSE(ApplyEnabled(*d));
  test::Click(*d, "cmdOK");
  EXPECT_EQ(game.prefs.FaceStyle, 3);
  ASSERT_FALSE(board.applied.empty());
  EXPECT_EQ(board.applied.back().FaceStyle, 3);
}

TEST_F(OptionsDialogTest, CtrlTabStepsThroughTheTabsAndOtherKeysGoToTheBoard) {
  auto d = Open();
  d->show();
  auto* tabs = Control<QTabWidget>(*d, "TabStrip1");
  QWidget* focus = Control<QPushButton>(*d, "cmdCancel");
  tabs->setCurrentIndex(3);
  test::Key(focus, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 0);
  test::Key(focus, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_TRUE(host.keys.empty());

  // Up changes the board's background at once; the mat preview follows.
  test::Key(focus, Qt::Key_Up);
  test::Key(focus, Qt::Key_Down, Qt::ControlModifier);
  test::Key(focus, Qt::Key_F2);
  EXPECT_EQ(host.keys, (std::vector<int>{Qt::Key_Up, Qt::Key_Down | static_cast<int>(Qt::ControlModifier), Qt::Key_F2}));
  EXPECT_EQ(Pixel(*d, "picMat", 0, {1, 1}), QColor(Qt::darkGreen));
  EXPECT_TRUE(d->isVisible());

  test::Key(focus, Qt::Key_Escape);  // the dialog's own: Cancel
  EXPECT_FALSE(d->isVisible());
  EXPECT_TRUE(d->DialogCancelled());
  EXPECT_EQ(host.keys.size(), 3u);
}

TEST_F(OptionsDialogTest, EnterPressesOk) {
  auto d = Open();
  d->show();
  test::Click(*d, "optFace", 2);
  test::Key(Control<QRadioButton>(*d, "optFace", 2), Qt::Key_Return);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(game.prefs.FaceStyle, 2);
}

TEST_F(OptionsDialogTest, WithoutTheCardArtOnlyTheGamesOwnFacesAndBackAreOffered) {
  host.withArt = false;
  auto d = Open();
  EXPECT_FALSE(Control<QRadioButton>(*d, "optFace", 2)->isEnabled());
  EXPECT_FALSE(Control<QRadioButton>(*d, "optFace", 3)->isEnabled());
  ShowTab(*d, 1);
  EXPECT_FALSE(Control<QScrollBar>(*d, "HScroll1")->isEnabled());
  test::MouseClick(Control<QLabel>(*d, "picReset", 0));
  test::Click(*d, "cmdOK");
  EXPECT_EQ(game.prefs.BackStyle, 0);
  EXPECT_EQ(game.prefs.BoardColor, kDefaultMat);
}

}  // namespace
}  // namespace cv
