#pragma once
#include <QImage>

namespace artgen {

// Everything the game shows, laid out on one sheet with labels.
QImage DrawContactSheet();

}  // namespace artgen
