#pragma once
#include <string>
#include <utility>
#include <vector>

#include "synth.h"

namespace soundgen {

// The twenty effects carried inside the program, 105..124.
Samples Effect(int number);
// "intro" (a short tune) and "win" (a fanfare).
Samples Music(const std::string& name);
// The chat's sounds by file name (slap.wav and a few more).
std::vector<std::pair<std::string, Samples>> ChatSounds();

}  // namespace soundgen
