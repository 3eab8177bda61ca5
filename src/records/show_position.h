#pragma once
#include "engine/game.h"

namespace cv {

// Draws every pile of the position in play afresh: top cards, backs, empty piles and
// count labels (after a stored position has replaced the board).
void ShowPosition(Game& g);

}  // namespace cv
