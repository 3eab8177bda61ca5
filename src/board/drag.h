#pragma once
// The geometry of dragging a card with the mouse: where a dropped card lands, how a
// refused card slides home, and what its pile shows underneath meanwhile.
#include <QPoint>
#include <optional>
#include <vector>

#include "board/layout.h"
#include "engine/game_state.h"
#include "engine/rules.h"
#include "engine/table.h"

namespace cv {

// The dragged card covers a target when it lies within a third of a card of it.
bool CoversTarget(QPoint card, QPoint target);

// The first pile the dropped card covers, in the order Center 1-8, Tableau 1-8, the
// opponent's Reserve and Waste, the own Waste. The pile the card came from, the own
// Stock and Reserve and the opponent's Stock are never targets.
std::optional<PileRef> HitTest(const BoardLayout& layout, PileRef source, QPoint card);

// The points a refused card passes on its way home: every 60 pixels along the longer
// axis (halves rounded up), then home itself.
std::vector<QPoint> SlideBackPath(QPoint from, QPoint home);

// What the pile under a card lifted by the local player shows: its next state.
UnderCard UnderCardForDrag(const GameState& state, PileRef source);

}  // namespace cv
