#pragma once
#include <string>
#include <string_view>

#include "engine/game_state.h"

namespace cv {

// 30 for the win, one per card left in the loser's Stock and Waste, two per card in
// his Reserve.
int GameScore(const GameState& s, int loser);

// The turn label at the game end: "You WON!" or who else won ("I'm" against the
// computer, the opponent's name online).
std::string WinnerText(bool localWon, bool network, std::string_view opponentName);

// The score lines of the message label, each ending in CR LF but the last.
std::string ScoreText(bool localWon, int loserStockWaste, int loserReserve, int gameScore);

}  // namespace cv
