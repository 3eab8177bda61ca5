#include "art_holder.h"

#include <cstring>

namespace cvdata {
namespace {

constexpr uint32_t kMagic = 0x52415643;  // "CVAR" read little-endian
constexpr int kPictures = kDecks + kBacks;
constexpr int kFaceW = 927, kFaceH = 394, kBackW = 71, kBackH = 96;

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }
constexpr uint32_t kColors[kBacks] = {Rgb(224, 224, 224), Rgb(128, 0, 0),     Rgb(255, 224, 192),
                                      Rgb(255, 192, 128), Rgb(224, 224, 224), Rgb(192, 192, 192),
                                      Rgb(0, 64, 0),      Rgb(0, 64, 0),      Rgb(224, 224, 224)};

ArtHolder EmptyArt() {
  ArtHolder art;
  for (int i = 0; i < kBacks; ++i) art.colors[i] = kColors[i];
  return art;
}

uint32_t Word(std::span<const uint8_t> blob, size_t at) {
  uint32_t w;
  std::memcpy(&w, blob.data() + at, sizeof w);
  return w;
}

}  // namespace

// The embedded blob, placed by art_blob.cpp.
extern "C" const uint8_t cvdata_art_begin[];
extern "C" const uint8_t cvdata_art_end[];

std::optional<ArtHolder> ParseArt(std::span<const uint8_t> blob) {
  const size_t header = 8 + 8 * kPictures;
  if (blob.size() < header || Word(blob, 0) != kMagic || Word(blob, 4) != kPictures) return std::nullopt;
  ArtHolder art = EmptyArt();
  size_t at = header;
  for (int i = 0; i < kPictures; ++i) {
    const uint32_t w = Word(blob, 8 + 8 * i), h = Word(blob, 12 + 8 * i);
    const bool face = i < kDecks;
    if (w != static_cast<uint32_t>(face ? kFaceW : kBackW) || h != static_cast<uint32_t>(face ? kFaceH : kBackH))
      return std::nullopt;
    const size_t bytes = size_t{w} * h * 4;
    if (blob.size() - at < bytes || at % alignof(uint32_t) != 0) return std::nullopt;
    // The blob is 4-byte aligned in memory and every picture starts at a multiple of 4.
    const auto* pixels = reinterpret_cast<const uint32_t*>(blob.data() + at);
    (face ? art.faces[i] : art.backs[i - kDecks]) = CvPicture{static_cast<int32_t>(w), static_cast<int32_t>(h), pixels};
    at += bytes;
  }
  return art;
}

const ArtHolder& Art() {
  // A broken blob is a build fault; the library then hands out empty pictures rather
  // than crashing its client.
  static const ArtHolder holder =
      ParseArt(std::span<const uint8_t>(cvdata_art_begin, cvdata_art_end)).value_or(EmptyArt());
  return holder;
}

}  // namespace cvdata
