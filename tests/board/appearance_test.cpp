#include "board/appearance.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace cv {
namespace {

TEST(Structure, StepsWrapAndNumbersAreTakenAsTheyAre) {
  struct Case {
    int current, value, expected;
  } cases[] = {
      {1001, kKeyDown, 1002}, {1004, kKeyDown, 1001}, {1004, kMenuStep, 1001}, {1001, kKeyUp, 1004},
      {1003, kKeyUp, 1002},   {1002, 1003, 1003},     {1002, 999, 1001},       {1002, 1005, 1001},
      {0, kKeyDown, 1002},  // a damaged stored structure reads as the first
  };
  for (const Case& c : cases) EXPECT_EQ(NextStructure(c.current, c.value), c.expected) << c.current << " " << c.value;

  int s = 1001;
  for (int i = 0; i < 4; ++i) s = NextStructure(s, kKeyDown);
  EXPECT_EQ(s, 1001);
}

// Records what each slot ended up showing; the files in `missing` fail to load.
struct FakePictures {
  std::set<std::string> missing;
  std::map<StructureSlot, std::string> shown;
  StructureLoader loader() {
    return [this](StructureSlot slot, const std::string& file) {
      if (missing.count(file)) return false;
      shown[slot] = file;
      return true;
    };
  }
};

TEST(Structure, AFailedPictureKeepsItsOldOneAndTheRestComeFromTheFirstStructure) {
  using S = StructureSlot;
  struct Case {
    const char* what;
    int target;
    std::set<std::string> missing;
    int expected;
    std::map<S, std::string> shown;
  } cases[] = {
      {"all there", 1003, {}, 1003,
       {{S::Column0, "1003c.dat"}, {S::Column1, "1003c.dat"}, {S::Column2, "1003c.dat"}, {S::Column3, "1003c.dat"},
        {S::Stairs, "1003s.dat"}, {S::Top, "1003t.dat"}}},
      {"column missing", 1003, {"1003c.dat"}, 1001,
       {{S::Column1, "1001c.dat"}, {S::Column2, "1001c.dat"}, {S::Column3, "1001c.dat"}, {S::Stairs, "1001s.dat"},
        {S::Top, "1001t.dat"}}},
      {"stairs missing", 1004, {"1004s.dat"}, 1001,
       {{S::Column0, "1004c.dat"}, {S::Column1, "1004c.dat"}, {S::Column2, "1004c.dat"}, {S::Column3, "1004c.dat"},
        {S::Top, "1001t.dat"}}},
      {"first structure's column missing too", 1002, {"1002c.dat", "1001c.dat"}, 1001,
       {{S::Stairs, "1001s.dat"}, {S::Top, "1001t.dat"}}},
      {"nothing there", 1002, {"1002c.dat", "1001c.dat", "1001s.dat", "1001t.dat"}, 1001, {}},
  };
  for (const Case& c : cases) {
    FakePictures pictures{c.missing, {}};
    EXPECT_EQ(SetStructure(1001, c.target, pictures.loader()), c.expected) << c.what;
    EXPECT_EQ(pictures.shown, c.shown) << c.what;
  }
}

TEST(Structure, UpFromTheFirstLoadsTheLast) {
  FakePictures pictures;
  EXPECT_EQ(SetStructure(1001, kKeyUp, pictures.loader()), 1004);
  EXPECT_EQ(pictures.shown[StructureSlot::Top], "1004t.dat");
}

TEST(Structure, TableauCountsAreBlackOnlyOnTheFirst) {
  EXPECT_EQ(TableauCountStyle(1001), (LabelStyle{14, 0}));
  for (int s : {1002, 1003, 1004}) EXPECT_EQ(TableauCountStyle(s), (LabelStyle{14, 16777215})) << s;
}

TEST(PileImages, ChosenByEmptyStyleScreenAndSoundTheme) {
  Preferences prefs;
  prefs.EmptyStyle = true;
  prefs.SoundTheme = 1;
  PileImages wide = PileImagesFor(prefs, true);
  EXPECT_EQ(wide.empty, EmptyPicture::TanTextured);
  EXPECT_TRUE(wide.largeLogo);
  EXPECT_EQ(wide.panel, 1);
  EXPECT_EQ(LogoSize(true), QSize(307, 131));
  EXPECT_EQ(PanelSize(1), QSize(684, 93));

  prefs.EmptyStyle = false;
  prefs.SoundTheme = 7;  // anything but metal is wood
  PileImages narrow = PileImagesFor(prefs, false);
  EXPECT_EQ(narrow.empty, EmptyPicture::GreyDotted);
  EXPECT_FALSE(narrow.largeLogo);
  EXPECT_EQ(narrow.panel, 0);
  EXPECT_EQ(LogoSize(false), QSize(165, 89));
  EXPECT_EQ(PanelSize(0), QSize(680, 72));
}

TEST(LabelStyles, CountsAreThreePointsSmallerInTheChosenColour) {
  Preferences prefs;
  prefs.FontSize = 14;
  prefs.FontColor = 0x0000FF;
  EXPECT_EQ(CountLabelStyle(prefs), (LabelStyle{11, 0x0000FF}));
  EXPECT_EQ(MessageLabelStyle(prefs), (LabelStyle{14, 0x0000FF}));
  prefs.FontSize = 2;  // from a damaged record: still a drawable font
  EXPECT_EQ(CountLabelStyle(prefs).pointSize, 1);
}

TEST(Colours, RedIsTheLowByte) {
  EXPECT_EQ(ColourOf(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColourOf(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(ColourOf(11770189), QColor(0x4D, 0x99, 0xB3));
}

}  // namespace
}  // namespace cv
