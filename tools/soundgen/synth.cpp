#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>

namespace soundgen {
namespace {

constexpr double kTau = 6.283185307179586;

size_t Count(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kRate); }

// A resonant band-pass (state-variable filter); returns the band output.
class BandPass {
 public:
  float Run(float in, double centre, double q) {
    const double f = 2 * std::sin(M_PI * std::min(centre, kRate * 0.45) / kRate);
    low_ += f * band_;
    const double high = in - low_ - band_ / q;
    band_ += f * high;
    return static_cast<float>(band_);
  }

 private:
  double low_ = 0, band_ = 0;
};

}  // namespace

Samples Silence(double seconds) { return Samples(Count(seconds), 0.0f); }

void MixIn(Samples& dst, const Samples& src, double at, double gain) {
  const size_t start = Count(at);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dst[start + i] += static_cast<float>(src[i] * gain);
}

void Normalize(Samples& s, double peak) {
  float top = 0;
  for (float v : s) top = std::max(top, std::abs(v));
  if (top <= 0) return;
  const auto scale = static_cast<float>(peak / top);
  for (float& v : s) v *= scale;
}

void Fade(Samples& s, double in, double out) {
  const size_t a = std::min(Count(in), s.size()), b = std::min(Count(out), s.size());
  for (size_t i = 0; i < a; ++i) s[i] *= static_cast<float>(i) / a;
  for (size_t i = 0; i < b; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / b;
}

Samples Strike(double freq, const std::vector<Partial>& partials, double seconds, double click, uint32_t seed) {
  Samples s(Count(seconds));
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> noise(-1, 1);
  BandPass body;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    double v = 0;
    for (const Partial& p : partials) v += p.level * std::exp(-t / p.decay) * std::sin(kTau * freq * p.ratio * t);
    // The contact itself: a few milliseconds of noise coloured by the object's pitch.
    v += click * std::exp(-t / 0.004) * body.Run(noise(rng), freq * 2, 1.5);
    s[i] = static_cast<float>(v);
  }
  return s;
}

Samples Note(double freq, double seconds, double attack, double decay, double bright) {
  Samples s(Count(seconds));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
    double v = std::sin(kTau * freq * t);
    for (int h = 2; h <= 6; ++h) v += std::pow(bright, h - 1) * std::sin(kTau * freq * h * t) / h;
    s[i] = static_cast<float>(env * v);
  }
  return s;
}

Samples NoiseSweep(double seconds, double from, double to, double q, uint32_t seed) {
  Samples s(Count(seconds));
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> noise(-1, 1);
  BandPass filter;
  for (size_t i = 0; i < s.size(); ++i) {
    const double k = double(i) / s.size();
    const double centre = from * std::pow(to / from, k);
    const double env = std::sin(M_PI * k);  // swells and fades
    s[i] = static_cast<float>(env * filter.Run(noise(rng), centre, q));
  }
  return s;
}

Samples Glide(double from, double to, double seconds, double decay) {
  Samples s(Count(seconds));
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double k = double(i) / s.size(), t = double(i) / kRate;
    phase += kTau * (from + (to - from) * k) / kRate;
    s[i] = static_cast<float>(std::exp(-t / decay) * std::sin(phase) * std::min(1.0, t / 0.004));
  }
  return s;
}

Samples Brass(double freq, double seconds) {
  Samples s(Count(seconds));
  double phase = 0, low = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    const double vibrato = 1 + 0.006 * std::sin(kTau * 5.5 * t) * std::min(1.0, t / 0.3);
    phase += freq * vibrato / kRate;
    const double saw = 2 * (phase - std::floor(phase)) - 1;
    const double open = 0.08 + 0.25 * std::min(1.0, t / 0.06);  // the filter opens as the note speaks
    low += open * (saw - low);
    const double env = std::min(1.0, t / 0.03) * (t > seconds - 0.08 ? (seconds - t) / 0.08 : 1.0);
    s[i] = static_cast<float>(low * env);
  }
  return s;
}

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

std::vector<uint8_t> WaveFile(const Samples& s) {
  std::vector<uint8_t> out;
  auto put = [&out](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  auto tag = [&out](const char* t) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(t[i]));
  };
  const auto data = static_cast<uint32_t>(s.size() * 2);
  tag("RIFF");
  put(36 + data, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(kRate, 4);
  put(kRate * 2, 4);
  put(2, 2);
  put(16, 2);
  tag("data");
  put(data, 4);
  for (float v : s) {
    const long sample = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    put(static_cast<uint32_t>(static_cast<int16_t>(sample)) & 0xFFFF, 2);
  }
  return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

}  // namespace soundgen
