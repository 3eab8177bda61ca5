#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

constexpr int kRate = 22050;
using Samples = std::vector<float>;

Samples Silence(double seconds);
// Adds `src` into `dst` at `at` seconds, scaled by `gain`, growing `dst` as needed.
void MixIn(Samples& dst, const Samples& src, double at, double gain = 1);
// Scales so the loudest sample reaches `peak`.
void Normalize(Samples& s, double peak);
// Short fades at both ends so nothing clicks.
void Fade(Samples& s, double in, double out);

// A struck object: decaying sine partials at `ratios` of `freq`, each with its own
// decay time (shorter for higher partials), plus a click of noise.
struct Partial {
  double ratio, level, decay;
};
Samples Strike(double freq, const std::vector<Partial>& partials, double seconds, double click, uint32_t seed);

// A note with an attack and exponential decay: sine, or a bright tone whose
// harmonics fall off (`bright` 0..1).
Samples Note(double freq, double seconds, double attack, double decay, double bright);
// Noise through a band-pass filter whose centre glides from `from` to `to` Hz.
Samples NoiseSweep(double seconds, double from, double to, double q, uint32_t seed);
// A sine whose pitch glides from `from` to `to` Hz.
Samples Glide(double from, double to, double seconds, double decay);
// Brassy tone: a saw through a low-pass that opens with the attack, with a little vibrato.
Samples Brass(double freq, double seconds);

double Midi(int note);

// A 16-bit mono PCM RIFF wave file.
std::vector<uint8_t> WaveFile(const Samples& s);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace soundgen
