#pragma once
#include <string>
#include <string_view>

#include "engine/platform.h"

namespace cv {

// A player name becomes part of a file name: none of / \ : * . ? ! < > | " in it.
bool IsFileNameSafe(std::string_view name);

// Refuses (true) a name that cannot be part of a file name, after telling the user
// which characters are not allowed.
bool CheckFileName(Platform& platform, std::string_view name);

// A typed name as the player file holds it: trimmed and cut to the 20 characters of
// the name field, so that the same typing always finds the same record.
std::string StoredPlayerName(std::string_view typed);

// Names compared as the network opponent lookup does: blanks trimmed, letter case ignored.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace cv
