#include "options/stored_preferences.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

StoredPreferences GoodStored() {
  StoredPreferences s;
  s.FontSize = 16;
  s.BackgroundName = "Wood.gif";
  s.Structure = 1003;
  s.SpeedIndex = 5;
  s.AnimSteps = 120;
  s.IntroOff = -1;
  s.Sound = 1;
  s.FaceStyle = 2;
  s.BackStyle = 7;
  s.FontColor = 255;
  s.BoardColor = 65280;
  s.EmptyStyle = -1;
  return s;
}

TEST(StoredPreferences, LoadTakesEveryFieldAndKeepsTheDeckColour) {
  Preferences p;
  p.DeckColor = 12640511;  // chosen earlier in this run: not part of the record
  LoadPreferences(GoodStored(), p);
  EXPECT_EQ(p.FontSize, 16);
  EXPECT_EQ(p.BackgroundName, "Wood.gif");
  EXPECT_EQ(p.Structure, 1003);
  EXPECT_EQ(p.SpeedIndex, 5);
  EXPECT_EQ(p.AnimSteps, 120);
  EXPECT_TRUE(p.IntroOff);
  EXPECT_EQ(p.SoundMode, 0);
  EXPECT_EQ(p.SoundTheme, 1);
  EXPECT_EQ(p.FaceStyle, 2);
  EXPECT_EQ(p.BackStyle, 7);
  EXPECT_EQ(p.FontColor, 255u);
  EXPECT_EQ(p.BoardColor, 65280u);
  EXPECT_TRUE(p.EmptyStyle);
  EXPECT_EQ(p.DeckColor, 12640511u);
  EXPECT_EQ(StorePreferences(p), GoodStored());
}

TEST(StoredPreferences, SoundValueMapsBothWays) {
  struct Case {
    int16_t stored;
    int16_t mode, theme;
  };
  for (const Case c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{2, 2, 1}}) {
    StoredPreferences s = GoodStored();
    s.Sound = c.stored;
    Preferences p;
    LoadPreferences(s, p);
    EXPECT_EQ(p.SoundMode, c.mode) << c.stored;
    EXPECT_EQ(p.SoundTheme, c.theme) << c.stored;
  }
  // Sounds off is stored as 2 whatever the theme; switched on again, a record that
  // said "off" plays the metal set.
  Preferences p;
  p.SoundTheme = 0;
  p.SoundMode = 2;
  EXPECT_EQ(StorePreferences(p).Sound, 2);
  StoredPreferences off = GoodStored();
  off.Sound = 2;
  LoadPreferences(off, p);
  p.SoundMode = 0;
  EXPECT_EQ(StorePreferences(p).Sound, 1);
}

TEST(StoredPreferences, ZeroFontSizeAndAnimationStepsReadAsTheirDefaults) {
  StoredPreferences s = GoodStored();
  s.FontSize = 0;
  s.AnimSteps = 0;
  Preferences p;
  LoadPreferences(s, p);
  EXPECT_EQ(p.FontSize, 14);
  EXPECT_EQ(p.AnimSteps, 45);
}

TEST(StoredPreferences, DamagedValuesFallBackToTheirDefaults) {
  const Preferences d;
  struct Case {
    const char* what;
    void (*damage)(StoredPreferences&);
    bool (*isDefault)(const Preferences&, const Preferences&);
  };
  const Case cases[] = {
      {"structure 0", [](StoredPreferences& s) { s.Structure = 0; },
       [](const Preferences& p, const Preferences& d) { return p.Structure == d.Structure; }},
      {"face style 7", [](StoredPreferences& s) { s.FaceStyle = 7; },
       [](const Preferences& p, const Preferences& d) { return p.FaceStyle == d.FaceStyle; }},
      {"back style -1", [](StoredPreferences& s) { s.BackStyle = -1; },
       [](const Preferences& p, const Preferences& d) { return p.BackStyle == d.BackStyle; }},
      {"sound 5", [](StoredPreferences& s) { s.Sound = 5; },
       [](const Preferences& p, const Preferences&) { return p.SoundMode == 0 && p.SoundTheme == 0; }},
      {"font size -3", [](StoredPreferences& s) { s.FontSize = -3; },
       [](const Preferences& p, const Preferences& d) { return p.FontSize == d.FontSize; }},
      {"font size 3000", [](StoredPreferences& s) { s.FontSize = 3000; },
       [](const Preferences& p, const Preferences& d) { return p.FontSize == d.FontSize; }},
      {"speed 9", [](StoredPreferences& s) { s.SpeedIndex = 9; },
       [](const Preferences& p, const Preferences& d) { return p.SpeedIndex == d.SpeedIndex; }},
      {"animation steps 33", [](StoredPreferences& s) { s.AnimSteps = 33; },
       [](const Preferences& p, const Preferences& d) { return p.AnimSteps == d.AnimSteps; }},
      {"mat colour with a high byte", [](StoredPreferences& s) { s.BoardColor = 0x80000005; },
       [](const Preferences& p, const Preferences& d) { return p.BoardColor == d.BoardColor; }},
      {"background with a path", [](StoredPreferences& s) { s.BackgroundName = "../../etc/passwd"; },
       [](const Preferences& p, const Preferences&) { return p.BackgroundName == "None"; }},
      {"background of blanks", [](StoredPreferences& s) { s.BackgroundName = "   "; },
       [](const Preferences& p, const Preferences&) { return p.BackgroundName == "None"; }},
  };
  for (const Case& c : cases) {
    StoredPreferences s = GoodStored();
    c.damage(s);
    Preferences p;
    LoadPreferences(s, p);
    EXPECT_TRUE(c.isDefault(p, d)) << c.what;
    // Written back, the damaged value is gone.
    Preferences again;
    LoadPreferences(Sanitized(s), again);
    EXPECT_EQ(StorePreferences(again), StorePreferences(p)) << c.what;
  }
}

TEST(StoredPreferences, PlainFileNames) {
  for (const char* ok : {"Wood.gif", "Marble Grey.jpg", "a..b.bmp"}) EXPECT_TRUE(IsPlainFileName(ok)) << ok;
  for (const char* bad : {"", ".", "..", "a/b.gif", "a\\b.gif", "tab\there"}) EXPECT_FALSE(IsPlainFileName(bad)) << bad;
  EXPECT_EQ(SafeBackgroundName(std::string("Wood.gif\0\0\0", 11)), "Wood.gif");
  EXPECT_EQ(SafeBackgroundName("None"), "None");
}

}  // namespace
}  // namespace cv
