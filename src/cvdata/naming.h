#pragma once
#include <cstdint>

namespace cvdata {

// The library's own card naming: x counts from 0 with spades first, unlike the rows
// of a face sheet. Out-of-range input gives "".
const char* CardSuitName(int16_t x);
// Values 2..10 carry a leading blank, as the number-to-text conversion left them.
const char* CardValueName(int16_t x);

}  // namespace cvdata
