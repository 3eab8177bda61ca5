#pragma once
#include <cstdint>

namespace cv {

// The game's one uniform generator in [0, 1), shared by shuffle and toss. Its
// sequence is fixed for a seed on every machine, so sample deals repeat exactly.
class Rng {
 public:
  Rng() { Reset(); }
  // Back to the fixed start state.
  void Reset() { state_ = kStart; }
  void Seed(uint64_t seed);
  double Next();

 private:
  static constexpr uint64_t kStart = 0x853C49E6748FEA9BULL;
  uint64_t state_;
};

}  // namespace cv
