#include "rng.h"

namespace cv {

void Rng::Seed(uint64_t seed) { state_ ^= seed * 0x9E3779B97F4A7C15ULL; }

// splitmix64: small, fast and the same everywhere.
double Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace cv
