// The art generator's GIF writer: what it writes must read back as the same picture.
#include "artgen/gif.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <random>

namespace {

QImage Decode(const QByteArray& gif) {
  QBuffer buffer;
  buffer.setData(gif);
  QImageReader reader(&buffer, "gif");
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QImage Noise(int w, int h, int colours, unsigned seed) {
  std::mt19937 rng(seed);
  QImage img(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int c = static_cast<int>(rng() % colours);
      img.setPixel(x, y, qRgb(c * 37 % 256, c * 91 % 256, c * 13 % 256));
    }
  return img;
}

TEST(GifWriter, FewColoursComeBackExactly) {
  // Noise of 200 colours on 300 x 300 fills the code table many times over.
  const struct {
    int w, h, colours;
  } cases[] = {{1, 1, 1}, {7, 3, 2}, {64, 64, 16}, {300, 300, 200}};
  for (const auto& c : cases) {
    const QImage img = Noise(c.w, c.h, c.colours, c.w);
    const QByteArray gif = artgen::EncodeGif(img);
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(Decode(gif), img) << c.w << "x" << c.h;
  }
}

TEST(GifWriter, ManyColoursAreReducedAndTransparencyKept) {
  QImage img(64, 64, QImage::Format_ARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) img.setPixel(x, y, qRgba(x * 4, y * 4, (x + y) * 2, x < 8 ? 0 : 255));
  const QImage back = Decode(artgen::EncodeGif(img));
  ASSERT_EQ(back.size(), img.size());
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const QRgb a = img.pixel(x, y), b = back.pixel(x, y);
      if (x < 8) {
        EXPECT_EQ(qAlpha(b), 0);
        continue;
      }
      EXPECT_EQ(qAlpha(b), 255);
      EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 40)
          << x << "," << y;
    }
}

}  // namespace
