#include "naming.h"

namespace cvdata {

const char* CardSuitName(int16_t x) {
  static const char* const kSuits[] = {"SPADES", "CLUBS", "DIAMONDS", "HEARTS"};
  const int q = x / 13;  // truncates toward zero, so -12..-1 still name spades
  return q >= 0 && q < 4 ? kSuits[q] : "";
}

const char* CardValueName(int16_t x) {
  static const char* const kValues[] = {"ACE", " 2", " 3", " 4", " 5", " 6",  " 7",
                                        " 8",  " 9", " 10", "JACK", "QUEEN", "KING"};
  const int v = x % 13;  // takes the sign of x
  return v >= 0 ? kValues[v] : "";
}

}  // namespace cvdata
