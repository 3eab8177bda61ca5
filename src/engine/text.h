#pragma once
#include <string>
#include <string_view>

namespace cv {

// Line break of the game's messages.
inline constexpr std::string_view kCrLf = "\r\n";

std::string_view Trim(std::string_view s);
// Cut or blank-pad to exactly n characters.
std::string PadRight(std::string_view s, size_t n);
// A number with the leading blank of a non-negative number: " 48", "-3".
std::string LeadingSpaceNumber(long n);

}  // namespace cv
