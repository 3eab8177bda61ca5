#include "sound_events.h"

namespace cv {
namespace {

enum class Rule { FollowsSoundMode, Always, FollowsIntroOff };

struct Use {
  const char* file;
  Rule rule;
};

Use UseOf(DirectSound sound) {
  switch (sound) {
    case DirectSound::MenuOpen: return {"Data/~106.tmp", Rule::FollowsSoundMode};
    case DirectSound::MenuClick: return {"Data/~107.tmp", Rule::FollowsSoundMode};
    case DirectSound::RuleMessage: return {"Data/~109.tmp", Rule::FollowsSoundMode};
    case DirectSound::PeerNotice: return {"Data/~108.tmp", Rule::Always};
    case DirectSound::ChatLine: return {"Data/~110.tmp", Rule::Always};
    case DirectSound::SlapPicture: return {"Data/~118.tmp", Rule::Always};
    case DirectSound::Slap: return {"user/Sounds/slap.wav", Rule::Always};
    case DirectSound::AboutIcon: return {"Data/~119.tmp", Rule::Always};
    case DirectSound::Recovery: return {"Data/~121.tmp", Rule::FollowsSoundMode};
    case DirectSound::IntroAtStart: return {"Data/intro.wav", Rule::FollowsIntroOff};
    case DirectSound::IntroKey: return {"Data/intro.wav", Rule::Always};
    case DirectSound::Win: return {"Data/win.wav", Rule::FollowsSoundMode};
  }
  return {"", Rule::Always};
}

}  // namespace

std::string DirectSoundFile(DirectSound sound) { return UseOf(sound).file; }

std::optional<std::string> DirectSoundPath(DirectSound sound, const Preferences& prefs, const std::string& appPath) {
  const Use use = UseOf(sound);
  if (use.rule == Rule::FollowsSoundMode && prefs.SoundsOff()) return std::nullopt;
  if (use.rule == Rule::FollowsIntroOff && prefs.IntroOff) return std::nullopt;
  return appPath + "/" + use.file;
}

}  // namespace cv
