#pragma once
#include <QImage>

namespace artgen {

// Everything the game shows, laid out on one sheet with labels.
QImage DrawContactSheet();

}  // namespace artgen

namespace artgen {

// An 800 x 600 board laid out as the game lays it out on a narrow screen, dressed in
// one structure and background, with a few cards dealt: to judge the art together.
QImage DrawBoardPreview(int structure);

}  // namespace artgen
