#include "bytes.h"

#include <bit>
#include <cmath>

namespace cv {

int16_t Get16(std::span<const uint8_t> b, size_t at) {
  return static_cast<int16_t>(static_cast<uint16_t>(b[at] | (b[at + 1] << 8)));
}

void Put16(std::span<uint8_t> b, size_t at, int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  b[at] = static_cast<uint8_t>(u & 0xFF);
  b[at + 1] = static_cast<uint8_t>(u >> 8);
}

uint32_t Get32(std::span<const uint8_t> b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

void Put32(std::span<uint8_t> b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

double GetDate(std::span<const uint8_t> b, size_t at) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | b[at + i];
  const double v = std::bit_cast<double>(bits);
  return std::isfinite(v) ? v : 0.0;
}

void PutDate(std::span<uint8_t> b, size_t at, double v) {
  const auto bits = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) b[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

std::string GetText(std::span<const uint8_t> b, size_t at, size_t size) {
  std::string s(reinterpret_cast<const char*>(b.data() + at), size);
  const auto blank = [](char c) { return c == ' ' || c == '\0'; };
  while (!s.empty() && blank(s.back())) s.pop_back();
  size_t first = 0;
  while (first < s.size() && blank(s[first])) ++first;
  return s.substr(first);
}

void PutText(std::span<uint8_t> b, size_t at, size_t size, std::string_view text) {
  for (size_t i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(i < text.size() ? text[i] : ' ');
}

}  // namespace cv
