#pragma once
#include <string>

#include "game_state.h"

namespace cv {

// Checks that a position is one the game can be in: counts in range, every slot above
// a count 0, every card 1..52 present exactly twice, ReserveDown below ReserveCnt (or
// both 0). Returns "" when it holds, otherwise what is wrong.
std::string CheckPosition(const GameState& s);

}  // namespace cv
