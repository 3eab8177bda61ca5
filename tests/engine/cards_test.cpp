#include "engine/cards.h"

#include <gtest/gtest.h>

namespace cv {

TEST(Cards, SuitAndValue) {
  struct Case { int card, suit, value; };
  for (const Case c : {Case{0, 0, 0}, {1, 1, 1}, {13, 1, 13}, {14, 2, 1}, {26, 2, 13}, {27, 3, 1}, {40, 4, 1}, {52, 4, 13}}) {
    EXPECT_EQ(CardSuit(c.card), c.suit) << c.card;
    EXPECT_EQ(CardValue(c.card), c.value) << c.card;
  }
}

TEST(Cards, ColoursAreOppositeOnlyBetweenRedAndBlack) {
  EXPECT_TRUE(OppositeColours(1, 2));
  EXPECT_TRUE(OppositeColours(3, 4));
  EXPECT_FALSE(OppositeColours(1, 4));
  EXPECT_FALSE(OppositeColours(2, 3));
  EXPECT_FALSE(OppositeColours(0, 2));  // an empty pile has no colour
}

}  // namespace cv
