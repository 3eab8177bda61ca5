#include "text.h"

namespace cv {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

std::string PadRight(std::string_view s, size_t n) {
  std::string out(s.substr(0, n));
  out.resize(n, ' ');
  return out;
}

std::string LeadingSpaceNumber(long n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

}  // namespace cv
