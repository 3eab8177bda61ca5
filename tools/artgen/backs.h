#pragma once
#include <QImage>

namespace artgen {

constexpr int kBackDesigns = 9;

// Library back design 0..8, 71 x 96, each in harmony with its companion colour.
QImage DrawBack(int design);
// The game's own back with its logo; its outer ring is left clear so the deck colour
// shows round it.
QImage DrawBuiltinBack();

}  // namespace artgen
