#include "board/sound_player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "board/sound_files.h"

namespace cv {
namespace {

class SoundPlayerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "board_sound_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) app_ = new QCoreApplication(argc, argv);
  }
  static QCoreApplication* app_;
};
QCoreApplication* SoundPlayerTest::app_ = nullptr;

TEST_F(SoundPlayerTest, MissingFilesAreNoError) {
  SoundPlayer player;
  EXPECT_FALSE(player.Play("/nonexistent/~113.tmp"));
  EXPECT_FALSE(player.Play(""));
  player.Stop();
}

TEST_F(SoundPlayerTest, EachSoundReplacesTheLastAndReturnsAtOnce) {
  QTemporaryDir home;
  ASSERT_TRUE(QDir(home.path()).mkpath("Data"));
  SetUpSounds(home.path().toStdString());
  SoundPlayer player;
  QElapsedTimer clock;
  clock.start();
  for (int n = kFirstSound; n <= kLastSound; ++n)
    EXPECT_EQ(player.Play(home.filePath(QString("Data/~%1.tmp").arg(n))), player.HasOutput());
  QCoreApplication::processEvents();
  // A figure, not a check: how long twenty back-to-back plays held the caller.
  std::printf("twenty plays took %lld ms (audio output: %s)\n", static_cast<long long>(clock.elapsed()),
              player.HasOutput() ? "yes" : "none");
  player.Stop();
  CleanUpSounds(home.path().toStdString());
}

}  // namespace
}  // namespace cv
