#pragma once
#include <QColor>
#include <QImage>
#include <cstdint>

namespace artgen {

// Textures that tile seamlessly over their own size.
QImage Marble(int w, int h, const QColor& base, const QColor& vein, uint32_t seed);
QImage WoodGrain(int w, int h, const QColor& light, const QColor& dark, uint32_t seed);
QImage BrushedMetal(int w, int h, const QColor& base, uint32_t seed);
QImage Felt(int w, int h, const QColor& base, uint32_t seed);
QImage Slate(int w, int h, uint32_t seed);
QImage Parquet(int w, int h, uint32_t seed);

}  // namespace artgen
