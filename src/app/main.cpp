#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <optional>

#include "main_window.h"
#include "program_folder.h"
#include "qt_platform.h"
#include "quit_signals.h"
#include "key_codes.h"
#include "selfplay.h"

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: corvalle [--home DIR]\n"
               "         starts the game; its files are kept in DIR (default: CORVALLE_HOME, else\n"
               "         ~/.local/share/corvalle)\n"
               "       corvalle --selfplay N [--seed S] [--no-check] [--home DIR]\n"
               "         plays N games of the computer against a rules-abiding bot with no window;\n"
               "         with --home the results go into the player and score files of program folder DIR\n");
}

std::optional<std::string> EnvText(const char* name) {
  const char* v = std::getenv(name);
  return v && *v ? std::optional<std::string>(v) : std::nullopt;
}

int RunGame(int argc, char** argv) {
  std::optional<std::string> home;
  std::vector<const char*> rest;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--home" && i + 1 < argc) {
      home = argv[++i];
    } else if (a == "--help" || a == "-h") {
      Usage();
      return 0;
    } else {
      rest.push_back(argv[i]);
    }
  }
  const bool inspect = cv::HasInspectSwitch(rest.data(), static_cast<int>(rest.size()));

  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvalle");
  QApplication::setApplicationVersion(CORVALLE_VERSION);
  cv::QtPlatform platform;

  const std::string exeDir = QCoreApplication::applicationDirPath().toStdString();
  const std::string appPath = cv::ChooseAppPath(
      {home, EnvText("CORVALLE_HOME"), exeDir, EnvText("XDG_DATA_HOME"), EnvText("HOME").value_or(".")});
  // A new folder is made from the shipped one; an old one gets what it lacks.
  if (const std::string err = cv::InstallMissingFromTemplate(CORVALLE_TEMPLATE_DIR, appPath); !err.empty() &&
      !QDir(QString::fromStdString(appPath + "/Data")).exists())
    std::fprintf(stderr, "corvalle: %s\n", err.c_str());

  cv::MainWindow window(platform, QDir(QString::fromStdString(appPath)).absolutePath().toStdString(), inspect);
  cv::QuitSignals quit;
  QObject::connect(&quit, &cv::QuitSignals::quitRequested, &window, &cv::MainWindow::RequestClose);
  if (!window.Start()) return window.Exited() ? 0 : 1;
  return QApplication::exec();
}

bool ParseNumber(const char* text, unsigned long long& out) {
  char* end = nullptr;
  out = std::strtoull(text, &end, 10);
  return end && *end == '\0' && end != text;
}

int RunSelfPlayCommand(int argc, char** argv) {
  cv::SelfPlayOptions opt;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    unsigned long long n = 0;
    if (a == "--selfplay" && i + 1 < argc && ParseNumber(argv[i + 1], n) && n > 0 && n <= 100000000) {
      opt.games = static_cast<int>(n);
      ++i;
    } else if (a == "--seed" && i + 1 < argc && ParseNumber(argv[i + 1], n)) {
      opt.seed = n;
      ++i;
    } else if (a == "--home" && i + 1 < argc && argv[i + 1][0] != '\0') {
      opt.home = argv[++i];
    } else if (a == "--no-check") {
      opt.checkInvariants = false;
    } else {
      Usage();
      return 2;
    }
  }
  const auto start = std::chrono::steady_clock::now();
  const cv::SelfPlayResult r = cv::RunSelfPlay(opt);
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fputs(cv::FormatSelfPlayReport(r, secs).c_str(), stdout);
  if (!r.failure.empty()) {
    if (r.games == 0)
      std::fprintf(stderr, "self-play failed: %s", r.failure.c_str());
    else
      std::fprintf(stderr, "self-play failed in game %d: %s", r.games, r.failure.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "--selfplay") return RunSelfPlayCommand(argc, argv);
  return RunGame(argc, argv);
}
