#include "sounds.h"

namespace cv {

std::string_view GameSoundFile(int n, int soundTheme) {
  static constexpr std::string_view kMetal[] = {"~113.tmp", "~112.tmp", "~111.tmp", "~115.tmp", "~114.tmp"};
  static constexpr std::string_view kWood[] = {"~118.tmp", "~117.tmp", "~116.tmp", "~120.tmp", "~119.tmp"};
  static constexpr std::string_view kCommon[] = {"~121.tmp", "~106.tmp", "~109.tmp", "~123.tmp", "~124.tmp", "~122.tmp"};
  if (n >= 1 && n <= 5) return soundTheme == 1 ? kMetal[n - 1] : kWood[n - 1];
  if (n >= 6 && n <= 11) return kCommon[n - 6];
  return "";
}

}  // namespace cv
