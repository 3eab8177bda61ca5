#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "selfplay.h"

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: corvalle --selfplay N [--seed S] [--no-check] [--home DIR]\n"
               "  plays N games of the computer against a rules-abiding bot with no window;\n"
               "  with --home the results go into the player and score files of program folder DIR\n");
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
  Usage();
  return 2;
}
