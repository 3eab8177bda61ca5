#include "board/sound_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <set>

namespace cv {
namespace {

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

class SoundFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir(home.path()).mkpath("Data"));
  }
  QString Temp(int n) const { return home.filePath(QString("Data/~%1.tmp").arg(n)); }
  std::string App() const { return home.path().toStdString(); }

  QTemporaryDir home;
};

TEST(SoundResources, TwentyDistinctWaveFilesUnderTheirNumbers) {
  std::set<QByteArray> seen;
  for (int n = kFirstSound; n <= kLastSound; ++n) {
    const QByteArray wav = SoundResource(n);
    ASSERT_GT(wav.size(), 44) << n;
    EXPECT_EQ(wav.left(4), "RIFF") << n;
    EXPECT_EQ(wav.mid(8, 4), "WAVE") << n;
    seen.insert(wav);
  }
  EXPECT_EQ(seen.size(), 20u);
  EXPECT_TRUE(SoundResource(104).isEmpty());
  EXPECT_TRUE(SoundResource(125).isEmpty());
  EXPECT_TRUE(SoundResource(105, "WAVE").isEmpty());
}

TEST_F(SoundFiles, SetUpWritesEveryEffectByteForByte) {
  SetUpSounds(App());
  for (int n = kFirstSound; n <= kLastSound; ++n) EXPECT_EQ(Read(Temp(n)), SoundResource(n)) << n;
  CleanUpSounds(App());
}

TEST_F(SoundFiles, SaveResToFileReportsErrorsAndLeavesNoStaleTail) {
  const std::string path = Temp(113).toStdString();
  EXPECT_EQ(SaveResToFile(104, "SOUND", path), 326);
  EXPECT_EQ(SaveResToFile(113, "WAVE", path), 326);
  EXPECT_EQ(SaveResToFile(113, "SOUND", home.filePath("missing/~113.tmp").toStdString()), 75);

  Write(Temp(113), QByteArray(1 << 20, 'x'));  // an older, longer file
  EXPECT_EQ(SaveResToFile(113, "SOUND", path), 0);
  EXPECT_EQ(Read(Temp(113)), SoundResource(113));
}

TEST_F(SoundFiles, MissingDataFolderIsNoError) {
  ASSERT_TRUE(QDir(home.filePath("Data")).removeRecursively());
  SetUpSounds(App());
  CleanUpSounds(App());
  EXPECT_FALSE(QDir(home.filePath("Data")).exists());
}

TEST_F(SoundFiles, CleanUpRemovesTheTemporaryFilesOnly) {
  SetUpSounds(App());
  Write(home.filePath("Data/~tempmoves.tmp"), "x");
  Write(home.filePath("Data/players.sav"), "keep");
  Write(home.filePath("Data/intro.wav"), "keep");
  CleanUpSounds(App());
  const QStringList left = QDir(home.filePath("Data")).entryList(QDir::Files | QDir::Hidden);
  EXPECT_EQ(left, QStringList({"intro.wav", "players.sav"}));
}

TEST_F(SoundFiles, EndingBySignalRemovesTheEffects) {
  for (int sig : {SIGTERM, SIGINT}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SetUpSounds(App());
      raise(sig);
      _exit(0);  // not reached when the signal ends the program
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << sig;
    EXPECT_EQ(WTERMSIG(status), sig);
    EXPECT_EQ(QDir(home.filePath("Data")).entryList({"*.tmp"}, QDir::Files | QDir::Hidden), QStringList()) << sig;
  }
}

// A program that closes in order on SIGTERM keeps doing so; the effects are gone first.
volatile sig_atomic_t g_orderlyClose = 0;
void OrderlyClose(int) { g_orderlyClose = 1; }

TEST_F(SoundFiles, AnOrderlyCloseHandlerStillRunsAfterTheFilesAreGone) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGTERM, OrderlyClose);
    SetUpSounds(App());
    raise(SIGTERM);
    _exit(g_orderlyClose ? 7 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_EQ(QDir(home.filePath("Data")).entryList({"*.tmp"}, QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace cv
