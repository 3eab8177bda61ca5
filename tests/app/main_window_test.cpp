#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <filesystem>

#include "app/program_folder.h"
#include "board/board_view.h"
#include "engine/invariants.h"
#include "records/fixture.h"

namespace cv {
namespace {

// The program folder's records opened headless, as the window would open them.
struct HeadlessRecords {
  explicit HeadlessRecords(const std::string& home) : game(table, platform), records(game) {
    game.AppPath = home;
    opened = records.Open() == Records::OpenResult::Ready;
  }
  test::RecordingTable table;
  test::RecordingPlatform platform;
  Game game;
  Records records;
  bool opened = false;
};

// The shipped program folder with one player, Tess, who played last.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(InstallMissingFromTemplate(CORVALLE_TEMPLATE_DIR, home.path), "");
    HeadlessRecords r(home.path);
    ASSERT_TRUE(r.opened);
    ASSERT_EQ(r.records.players.ChoosePlayer("Tess"), Players::Choice::Created);
    r.records.Shutdown(std::nullopt);
  }

  void Key(MainWindow& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(&w, &press);
  }

  std::string Data(const std::string& f) const { return home.Data(f); }

  test::TempHome home;
  QtPlatform platform;
};

}  // namespace

TEST_F(MainWindowTest, StartsDealsPlaysAndClosesCleanly) {
  {
    MainWindow w(platform, home.path, false);
    w.cardArtDir = CVDATA_DIR;
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(w.objectName(), "frmPlay");
    EXPECT_EQ(w.game().PlayerName, "Tess");
    EXPECT_TRUE(w.game().GameOver);
    EXPECT_TRUE(w.view().DealButtonVisible());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Data("~105.tmp"))));  // the sounds are ready

    Key(w, Qt::Key_F2);  // the first key only arms the others
    EXPECT_EQ(w.game().state.Turn, 0);
    w.game().prefs.AnimSteps = 2;
    w.game().SpeedDelay = 0;
    Key(w, Qt::Key_F2);
    EXPECT_EQ(w.game().state.Turn, 1);  // dealt, and the computer's first turn (if any) played
    EXPECT_EQ(CheckPosition(w.game().state), "");
    EXPECT_FALSE(w.view().DealButtonVisible());

    Key(w, Qt::Key_Down, Qt::ControlModifier);  // the next structure
    EXPECT_EQ(w.game().prefs.Structure, 1002);
    w.close();
    EXPECT_TRUE(w.Exited());
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Data("~105.tmp"))));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Data("~tempmoves.sav"))));
  // The player's choice was stored at the end.
  HeadlessRecords r(home.path);
  ASSERT_TRUE(r.opened);
  EXPECT_EQ(r.game.prefs.Structure, 1002);
}

TEST_F(MainWindowTest, ACloseDuringTheComputersTurnWaitsForTheHandOver) {
  MainWindow w(platform, home.path, false);
  w.cardArtDir = CVDATA_DIR;
  ASSERT_TRUE(w.Start());
  w.game().ComputerBusy = true;  // as while the computer plays
  w.close();
  EXPECT_FALSE(w.Exited());
  EXPECT_TRUE(w.game().Closing);
  w.game().ComputerBusy = false;
  w.close();
  EXPECT_TRUE(w.Exited());
}

}  // namespace cv
