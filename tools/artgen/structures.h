#pragma once
#include <QImage>

namespace artgen {

// The building fronts drawn round the piles, 1001..1004: a column (44 x 426, stands
// with its top at y 56, so the captions under it clear the last Tableau row), the stairs (820 x 118, top at y 486) and the entablature with
// its pediment (830 x 140, top at y -80, so its lowest 60 rows show).
enum class StructurePart { Column, Stairs, Top };
QImage DrawStructure(int number, StructurePart part);

}  // namespace artgen
