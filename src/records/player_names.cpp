#include "player_names.h"

#include <algorithm>
#include <cctype>

#include "engine/text.h"
#include "player_rec.h"

namespace cv {

bool IsFileNameSafe(std::string_view name) {
  return name.find_first_of("!\"*./:<>?\\|") == std::string_view::npos;
}

bool CheckFileName(Platform& platform, std::string_view name) {
  if (IsFileNameSafe(name)) return false;
  const std::string br(kCrLf);
  platform.MessageBox("Please do not use the following characters:  " + br + br + "/ \\ : * . ? ! < > | \"" + br +
                          br + "Please re-enter.",
                      "Non-standard filename character", MessageIcon::Exclamation);
  return true;
}

std::string StoredPlayerName(std::string_view typed) {
  return std::string(Trim(Trim(typed).substr(0, kPlayerNameSize)));
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

}  // namespace cv
