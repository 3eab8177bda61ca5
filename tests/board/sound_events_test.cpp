#include "board/sound_events.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

TEST(DirectSounds, FilesAndWhatSilencesThem) {
  struct Case {
    DirectSound sound;
    const char* file;
    bool heardWithSoundOff;
    bool heardWithIntroOff;
  };
  const Case cases[] = {
      {DirectSound::MenuOpen, "Data/~106.tmp", false, true},
      {DirectSound::MenuClick, "Data/~107.tmp", false, true},
      {DirectSound::RuleMessage, "Data/~109.tmp", false, true},
      {DirectSound::PeerNotice, "Data/~108.tmp", true, true},
      {DirectSound::ChatLine, "Data/~110.tmp", true, true},
      {DirectSound::SlapPicture, "Data/~118.tmp", true, true},
      {DirectSound::Slap, "user/Sounds/slap.wav", true, true},
      {DirectSound::AboutIcon, "Data/~119.tmp", true, true},
      {DirectSound::Recovery, "Data/~121.tmp", false, true},
      {DirectSound::IntroAtStart, "Data/intro.wav", true, false},
      {DirectSound::IntroKey, "Data/intro.wav", true, true},
      {DirectSound::Win, "Data/win.wav", false, true},
  };
  Preferences on, soundOff, introOff;
  soundOff.SoundMode = 2;
  introOff.IntroOff = true;
  for (const Case& c : cases) {
    const std::string path = std::string("/home/p/") + c.file;
    EXPECT_EQ(DirectSoundFile(c.sound), c.file);
    EXPECT_EQ(DirectSoundPath(c.sound, on, "/home/p"), path) << c.file;
    EXPECT_EQ(DirectSoundPath(c.sound, soundOff, "/home/p").has_value(), c.heardWithSoundOff) << c.file;
    EXPECT_EQ(DirectSoundPath(c.sound, introOff, "/home/p").has_value(), c.heardWithIntroOff) << c.file;
  }
}

}  // namespace
}  // namespace cv
