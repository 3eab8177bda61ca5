#include "headless.h"

#include <cstdio>

namespace cv {

void HeadlessPlatform::MessageBox(std::string_view text, std::string_view title, MessageIcon) {
  std::string line(text);
  for (size_t at; (at = line.find("\r\n")) != std::string::npos;) line.replace(at, 2, " ");
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(title.size()), title.data(), line.c_str());
}

uint64_t HeadlessPlatform::ClockSeed() {
  uint64_t z = seed_ + ++draws_ * 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  return z ^ (z >> 31);
}

std::string HeadlessPlatform::GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                         std::string_view fallback) {
  const auto it = settings_.find(std::string(app) + '\n' + std::string(section) + '\n' + std::string(key));
  return it == settings_.end() ? std::string(fallback) : it->second;
}

void HeadlessPlatform::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                                   std::string_view value) {
  settings_[std::string(app) + '\n' + std::string(section) + '\n' + std::string(key)] = value;
}

}  // namespace cv
