#include "paint.h"

#include <QFont>
#include <cmath>
#include <random>

namespace artgen {

Noise::Noise(uint32_t seed, int periodX, int periodY)
    : values_(size_t(periodX) * (periodY ? periodY : periodX)), periodX_(periodX), periodY_(periodY ? periodY : periodX) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> d(0, 1);
  for (double& v : values_) v = d(rng);
}

double Noise::Lattice(int x, int y) const {
  x %= periodX_;
  y %= periodY_;
  if (x < 0) x += periodX_;
  if (y < 0) y += periodY_;
  return values_[size_t(y) * periodX_ + x];
}

double Noise::At(double x, double y) const {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double a = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
  const double b = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
  return a + (b - a) * ty;
}

double Noise::Fractal(double x, double y, int octaves) const {
  double sum = 0, weight = 0, amp = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += At(x, y) * amp;
    weight += amp;
    amp *= 0.5;
    x *= 2;
    y *= 2;
  }
  return sum / weight;
}

QPainterPath FitText(const QString& text, const QString& family, int weight, const QRectF& box, double squeeze) {
  QFont font(family);
  font.setPixelSize(100);
  font.setWeight(static_cast<QFont::Weight>(weight));
  QPainterPath cap;
  cap.addText(0, 0, font, "H");
  QPainterPath path;
  path.addText(0, 0, font, text);
  const double scale = box.height() / cap.boundingRect().height();
  double sx = scale * squeeze;
  const double width = path.boundingRect().width() * sx;
  if (width > box.width()) sx *= box.width() / width;
  QTransform t = QTransform::fromScale(sx, scale);
  path = t.map(path);
  const QRectF b = path.boundingRect();
  return path.translated(box.center().x() - b.center().x(), box.bottom());
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QPainterPath Rounded(const QRectF& rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

}  // namespace artgen
