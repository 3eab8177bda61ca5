#pragma once
#include <cstdint>
#include <string>

namespace cv {

struct SelfPlayOptions {
  int games = 1;
  uint64_t seed = 1;
  int turnLimit = 1000;      // a game past this many turns is counted as stalled
  bool checkInvariants = true;
  // A program folder: the games are recorded there as games at the board are, the bot
  // as the last player (or "Player"), the computer as itself. Empty: nothing is kept.
  std::string home;
};

struct SelfPlayResult {
  int games = 0;
  int localWins = 0;
  int computerWins = 0;
  int stalled = 0;
  long turns = 0;            // summed over finished games
  long moves = 0;            // summed over all games
  std::string failure;       // a broken invariant, a rules dead end or no player file; "" when none
};

// Plays whole games with no window: the computer against the local bot, both at zero
// delay. Stops at the first failure.
SelfPlayResult RunSelfPlay(const SelfPlayOptions& options);

std::string FormatSelfPlayReport(const SelfPlayResult& r, double seconds);

}  // namespace cv
