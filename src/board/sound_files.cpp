#include "sound_files.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace cv {
namespace {

constexpr int16_t kNoResource = 326;
constexpr int16_t kCannotWrite = 75;
constexpr int kSounds = kLastSound - kFirstSound + 1;

// A signal handler may only use what is safe in one, so the paths are kept ready as
// plain characters. Written before the handlers are installed, read only by them.
char g_tempFiles[kSounds][4096];
volatile sig_atomic_t g_tempCount = 0;
// What handled SIGINT and SIGTERM before us (index 0 and 1), so an orderly close that
// the program set up still runs after the files are gone.
struct sigaction g_previous[2];

int Slot(int sig) { return sig == SIGINT ? 0 : 1; }

void RemoveTempFiles(int sig, siginfo_t* info, void* context) {
  for (int i = 0; i < g_tempCount; ++i) unlink(g_tempFiles[i]);
  const struct sigaction& before = g_previous[Slot(sig)];
  if (before.sa_flags & SA_SIGINFO) {
    before.sa_sigaction(sig, info, context);
  } else if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN) {
    before.sa_handler(sig);
  } else {
    signal(sig, SIG_DFL);
    raise(sig);
  }
}

void RemoveOnSignal(const std::string& appPath) {
  g_tempCount = 0;
  for (int n = kFirstSound; n <= kLastSound; ++n) {
    const std::string path = appPath + "/Data/~" + std::to_string(n) + ".tmp";
    if (path.size() >= sizeof g_tempFiles[0]) return;  // too long to keep: leave the files to CleanUpSounds
    std::memcpy(g_tempFiles[n - kFirstSound], path.c_str(), path.size() + 1);
  }
  g_tempCount = kSounds;
  for (int sig : {SIGINT, SIGTERM}) {
    struct sigaction current {};
    sigaction(sig, nullptr, &current);
    if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN) continue;  // the program ignores it
    if ((current.sa_flags & SA_SIGINFO) && current.sa_sigaction == RemoveTempFiles) continue;  // set up already
    g_previous[Slot(sig)] = current;
    struct sigaction action {};
    action.sa_sigaction = RemoveTempFiles;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
  }
}

}  // namespace

QByteArray SoundResource(int id, std::string_view type) {
  if (type != "SOUND" || id < kFirstSound || id > kLastSound) return {};
  QFile res(QString(":/sounds/%1.wav").arg(id));
  return res.open(QIODevice::ReadOnly) ? res.readAll() : QByteArray();
}

int16_t SaveResToFile(int16_t id, std::string_view type, const std::string& path) {
  const QByteArray bytes = SoundResource(id, type);
  if (bytes.isEmpty()) return kNoResource;
  // Truncated on open: an older, longer file of the same name leaves no tail behind.
  QFile out(QString::fromStdString(path));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return kCannotWrite;
  const bool written = out.write(bytes) == bytes.size();
  out.close();
  return written && out.error() == QFile::NoError ? 0 : kCannotWrite;
}

void SetUpSounds(const std::string& appPath) {
  RemoveOnSignal(appPath);
  for (int n = kFirstSound; n <= kLastSound; ++n)
    SaveResToFile(static_cast<int16_t>(n), "SOUND", appPath + "/Data/~" + std::to_string(n) + ".tmp");
}

void CleanUpSounds(const std::string& appPath) {
  QDir data(QString::fromStdString(appPath + "/Data"));
  for (const QString& name : data.entryList({"*.tmp"}, QDir::Files | QDir::Hidden)) data.remove(name);
}

}  // namespace cv
