#pragma once
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <vector>

namespace artgen {

// Smooth value noise in 0..1, repeating every `periodX` and `periodY` lattice units so
// that textures made from it tile without seams.
class Noise {
 public:
  explicit Noise(uint32_t seed, int periodX = 256, int periodY = 0);
  double At(double x, double y) const;
  // Several octaves added up, each twice as fine; stays in 0..1.
  double Fractal(double x, double y, int octaves) const;

 private:
  double Lattice(int x, int y) const;
  std::vector<double> values_;
  int periodX_, periodY_;
};

// Text outlined in `family`, sized so that a capital letter fills `box` in height, the
// baseline on the box's bottom edge, centred across and squeezed to fit its width.
QPainterPath FitText(const QString& text, const QString& family, int weight, const QRectF& box,
                     double squeeze = 1.0);

QColor Mix(const QColor& a, const QColor& b, double t);

QPainterPath Rounded(const QRectF& rect, double radius);

}  // namespace artgen
