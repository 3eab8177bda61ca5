#include "textures.h"

#include <QPainter>
#include <cmath>

#include "paint.h"

namespace artgen {
namespace {

constexpr double kTau = 6.283185307179586;

// Fills each pixel from a shade function of its position in 0..1 across the tile.
template <typename Shade>
QImage Fill(int w, int h, Shade shade) {
  QImage img(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) line[x] = shade(x, y).rgba();
  }
  return img;
}

}  // namespace

QImage Marble(int w, int h, const QColor& base, const QColor& vein, uint32_t seed) {
  Noise warp(seed, 4), detail(seed + 1, 16), cloud(seed + 2, 8);
  return Fill(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    // Long veins: lines where a diagonal wave crosses zero, pushed about by coarse noise
    // and roughened by fine noise, so they wander and fork instead of looping.
    const double bend = warp.Fractal(u * 4, v * 4, 3) * 0.9 + detail.Fractal(u * 16, v * 16, 2) * 0.12;
    const double wave = std::sin(kTau * (1.0 * u + 1.0 * v + bend));
    const double wave2 = std::sin(kTau * (2.0 * u - 1.0 * v + bend * 1.3 + 0.25));
    const double veins = std::pow(1 - std::abs(wave), 22) * 0.7 + std::pow(1 - std::abs(wave2), 40) * 0.35;
    // A soft cloudy body with a faint haze along the veins.
    const double body = cloud.Fractal(u * 8, v * 8, 4);
    const double haze = std::pow(1 - std::abs(wave), 4) * 0.18;
    const QColor c = Mix(base.lighter(108), base.darker(110), body * 0.8 + haze);
    return Mix(c, vein, std::min(1.0, veins));
  });
}

QImage WoodGrain(int w, int h, const QColor& light, const QColor& dark, uint32_t seed) {
  Noise n(seed, 4, 16), fine(seed + 7, 64, 256);
  return Fill(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const double warp = n.Fractal(u * 4, v * 16, 3);
    // Growth rings run along the boards; fine fibres add streaks.
    const double rings = 0.5 + 0.5 * std::sin(kTau * (6 * v + warp * 3));
    const double fibre = fine.At(u * 64, v * 256);
    const double t = std::clamp(rings * 0.65 + fibre * 0.35, 0.0, 1.0);
    return Mix(light, dark, t);
  });
}

QImage BrushedMetal(int w, int h, const QColor& base, uint32_t seed) {
  Noise n(seed, 8, 256);
  return Fill(w, h, [&](int x, int y) {
    const double s = n.Fractal(double(x) / w * 8, double(y) / h * 256, 2);
    return Mix(base.lighter(118), base.darker(118), s);
  });
}

QImage Felt(int w, int h, const QColor& base, uint32_t seed) {
  Noise n(seed, 64);
  return Fill(w, h, [&](int x, int y) {
    const double s = n.Fractal(double(x) / w * 64, double(y) / h * 64, 3);
    return Mix(base.lighter(112), base.darker(115), s);
  });
}

QImage Slate(int w, int h, uint32_t seed) {
  Noise n(seed, 6), grain(seed + 3, 64);
  return Fill(w, h, [&](int x, int y) {
    const double u = double(x) / w, v = double(y) / h;
    const double layer = n.Fractal(u * 6, v * 6, 5);
    const double g = grain.At(u * 64, v * 64);
    return Mix(QColor(64, 72, 80), QColor(38, 44, 52), layer * 0.8 + g * 0.2);
  });
}

QImage Parquet(int w, int h, uint32_t seed) {
  // Herringbone-like blocks: square tiles of boards, alternating direction.
  const QImage along = WoodGrain(w, h, QColor(196, 140, 84), QColor(142, 92, 48), seed);
  QImage img(w, h, QImage::Format_ARGB32);
  const int block = w / 4, boards = 4, bw = block / boards;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int bx = x / block, by = y / block;
      const bool turned = (bx + by) % 2;
      const int lx = x % block, ly = y % block;
      // Sample the grain along the board's own length.
      QColor c = turned ? along.pixelColor((ly * 3 + bx * 37) % w, (lx + by * 53) % h)
                        : along.pixelColor((lx * 3 + by * 29) % w, (ly + bx * 41) % h);
      const int across = turned ? lx : ly;
      if (across % bw == 0 || (turned ? ly : lx) == 0) c = c.darker(150);  // seams
      const int shade = ((turned ? lx : ly) / bw) % 2 ? 104 : 96;
      img.setPixelColor(x, y, c.lighter(shade));
    }
  return img;
}

}  // namespace artgen
