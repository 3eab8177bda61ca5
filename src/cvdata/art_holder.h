#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "cvdata.h"

namespace cvdata {

constexpr int kDecks = 2;
constexpr int kBacks = 9;

// The artwork as the build lays it out: "CVAR", a picture count, a width and height per
// picture, then the pixels of every picture in turn (face sheets first, then backs).
struct ArtHolder {
  CvPicture faces[kDecks]{};
  CvPicture backs[kBacks]{};
  CvPicture smallBacks[kBacks]{};  // slots 20..28 carry no artwork
  uint32_t colors[kBacks]{};       // companion colour of each back, red in the low byte
};

// Reads the pictures out of `blob` without copying them; nullopt when the blob is not
// what the library expects (wrong magic, count or sizes, or cut short).
std::optional<ArtHolder> ParseArt(std::span<const uint8_t> blob);

// The holder of the embedded artwork, made on first use and kept until the library unloads.
const ArtHolder& Art();

}  // namespace cvdata
