#include "board/menu_strip.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(MenuStrip, TitleRangesExcludeTheirBounds) {
  struct Case {
    int x;
    MenuTitle expected;
  } cases[] = {
      {31, MenuTitle::None},     {32, MenuTitle::Game},     {182, MenuTitle::Game},     {183, MenuTitle::None},
      {195, MenuTitle::None},    {196, MenuTitle::Options}, {334, MenuTitle::Options},  {335, MenuTitle::None},
      {348, MenuTitle::None},    {349, MenuTitle::Internet}, {490, MenuTitle::Internet}, {491, MenuTitle::None},
      {500, MenuTitle::None},    {501, MenuTitle::Help},    {648, MenuTitle::Help},     {649, MenuTitle::None},
  };
  for (const Case& c : cases) EXPECT_EQ(MenuTitleAt(c.x), c.expected) << c.x;
}

TEST(MenuStrip, OnlyTheTitleBandTakesPresses) {
  EXPECT_FALSE(InTitleBand(22));
  EXPECT_TRUE(InTitleBand(23));
  EXPECT_TRUE(InTitleBand(59));
  EXPECT_FALSE(InTitleBand(60));
}

}  // namespace
}  // namespace cv
