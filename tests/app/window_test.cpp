#include <gtest/gtest.h>

#include <QtCore/qnamespace.h>

#include "app/key_codes.h"
#include "app/window_geometry.h"

namespace cv {

TEST(WindowGeometry, OnlySensibleWindowsAreRestored) {
  const int W = 1024 * 15, H = 768 * 15;
  struct Case { WindowGeometry w; bool sensible; const char* name; };
  const Case cases[] = {
      {{9000, 100, 100, 12000}, true, "a window that fits"},
      {{9000, 100, 100, 11000}, false, "width 11000 is too narrow (the bound is exclusive)"},
      {{8001, 0, 0, 11001}, true, "the smallest"},
      {{8000, 0, 0, 12000}, false, "too short"},
      {{9000, 0, H / 2, 12000}, false, "top at half the screen"},
      {{9000, W - 12000 + 1, 0, 12000}, false, "right edge off the screen"},
      {{0, 0, 0, 0}, false, "nothing stored (maximised)"},
      {{9000, -15, 0, 12000}, false, "left of the screen"},
  };
  for (const Case& c : cases) EXPECT_EQ(SensibleWindow(c.w, W, H), c.sensible) << c.name;
}

TEST(KeyCodes, QtKeysBecomeTheGamesCodes) {
  EXPECT_EQ(GameKeyCode(Qt::Key_F1), 112);
  EXPECT_EQ(GameKeyCode(Qt::Key_F12), 123);
  EXPECT_EQ(GameKeyCode(Qt::Key_Up), 38);
  EXPECT_EQ(GameKeyCode(Qt::Key_Down), 40);
  EXPECT_EQ(GameKeyCode(Qt::Key_Backspace), 8);
  EXPECT_EQ(GameKeyCode(Qt::Key_Delete), 46);
  EXPECT_EQ(GameKeyCode(Qt::Key_S), 83);
  EXPECT_EQ(GameKeyCode(Qt::Key_VolumeUp), 0);
  EXPECT_EQ(GameShiftState(Qt::ControlModifier | Qt::ShiftModifier), 3);
  EXPECT_EQ(GameShiftState(Qt::AltModifier), 4);
}

TEST(KeyCodes, InspectSwitchInAnyLetterCase) {
  const char* mixed[] = {"/kUmVo"};
  const char* longer[] = {"/KUMVOX", "more"};
  const char* five[] = {"/KUMV"};
  const char* none[] = {"--home"};
  EXPECT_TRUE(HasInspectSwitch(mixed, 1));
  EXPECT_TRUE(HasInspectSwitch(longer, 2));
  EXPECT_FALSE(HasInspectSwitch(five, 1));
  EXPECT_FALSE(HasInspectSwitch(none, 1));
  EXPECT_FALSE(HasInspectSwitch(nullptr, 0));
}

}  // namespace cv
