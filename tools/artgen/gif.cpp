#include "gif.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace artgen {
namespace {

using Rgb = std::array<int, 3>;

struct Counted {
  Rgb colour;
  int count;
};

struct Box {
  std::vector<Counted> colours;
  // The axis of widest spread, and that spread.
  int Axis(int& range) const {
    int best = 0;
    range = -1;
    for (int a = 0; a < 3; ++a) {
      auto [lo, hi] = std::minmax_element(colours.begin(), colours.end(), [a](const Counted& x, const Counted& y) {
        return x.colour[a] < y.colour[a];
      });
      if (hi->colour[a] - lo->colour[a] > range) range = hi->colour[a] - lo->colour[a], best = a;
    }
    return best;
  }
};

// Median cut over the distinct colours: split the box with the widest spread until
// there are `count` boxes, so a picture of few colours keeps every one exactly. Each
// box's colour is the average of its pixels.
std::vector<Rgb> MedianCut(const std::vector<Rgb>& pixels, size_t count) {
  std::vector<Rgb> sorted = pixels;
  std::sort(sorted.begin(), sorted.end());
  std::vector<Counted> distinct;
  for (const Rgb& c : sorted) {
    if (!distinct.empty() && distinct.back().colour == c)
      ++distinct.back().count;
    else
      distinct.push_back({c, 1});
  }
  std::vector<Box> boxes{{std::move(distinct)}};
  while (boxes.size() < count) {
    size_t pick = boxes.size();
    int widest = 0, axis = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      int range;
      const int a = boxes[i].Axis(range);
      if (boxes[i].colours.size() > 1 && range > widest) widest = range, axis = a, pick = i;
    }
    if (pick == boxes.size()) break;  // every box holds a single colour
    auto& c = boxes[pick].colours;
    std::sort(c.begin(), c.end(), [axis](const Counted& x, const Counted& y) { return x.colour[axis] < y.colour[axis]; });
    Box upper{std::vector<Counted>(c.begin() + c.size() / 2, c.end())};
    c.resize(c.size() / 2);
    boxes.push_back(std::move(upper));
  }
  std::vector<Rgb> palette;
  for (const Box& b : boxes) {
    double sum[3] = {0, 0, 0}, n = 0;
    for (const Counted& c : b.colours) {
      for (int a = 0; a < 3; ++a) sum[a] += double(c.colour[a]) * c.count;
      n += c.count;
    }
    if (n == 0) n = 1;
    palette.push_back({int(sum[0] / n + 0.5), int(sum[1] / n + 0.5), int(sum[2] / n + 0.5)});
  }
  return palette;
}

class BitWriter {
 public:
  void Put(int code, int bits) {
    acc_ |= static_cast<uint32_t>(code) << count_;
    count_ += bits;
    while (count_ >= 8) {
      bytes_.push_back(static_cast<char>(acc_ & 0xFF));
      acc_ >>= 8;
      count_ -= 8;
    }
  }
  QByteArray Finish() {
    if (count_ > 0) bytes_.push_back(static_cast<char>(acc_ & 0xFF));
    return bytes_;
  }

 private:
  QByteArray bytes_;
  uint32_t acc_ = 0;
  int count_ = 0;
};

// GIF's LZW with 8-bit symbols; the code size grows one code behind the decoder's
// table, as the format requires.
QByteArray Lzw(const std::vector<uint8_t>& pixels) {
  constexpr int kClear = 256, kEnd = 257;
  BitWriter out;
  std::unordered_map<uint32_t, int> table;
  int next = 258, size = 9;
  out.Put(kClear, size);
  int prefix = pixels.empty() ? -1 : pixels[0];
  for (size_t i = 1; i < pixels.size(); ++i) {
    const uint32_t key = static_cast<uint32_t>(prefix) << 8 | pixels[i];
    if (auto it = table.find(key); it != table.end()) {
      prefix = it->second;
      continue;
    }
    out.Put(prefix, size);
    if (next < 4096) {
      table[key] = next++;
      if (next - 1 == (1 << size) && size < 12) ++size;
    } else {
      out.Put(kClear, size);
      table.clear();
      next = 258;
      size = 9;
    }
    prefix = pixels[i];
  }
  if (prefix >= 0) out.Put(prefix, size);
  out.Put(kEnd, size);
  return out.Finish();
}

void Word(QByteArray& b, int v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>(v >> 8 & 0xFF));
}

}  // namespace

QByteArray EncodeGif(const QImage& source) {
  const QImage img = source.convertToFormat(QImage::Format_ARGB32);
  const int w = img.width(), h = img.height();
  bool transparent = false;
  std::vector<Rgb> colours;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QRgb c = img.pixel(x, y);
      if (qAlpha(c) < 128)
        transparent = true;
      else
        colours.push_back({qRed(c), qGreen(c), qBlue(c)});
    }
  std::vector<Rgb> palette = MedianCut(colours, transparent ? 255 : 256);
  const int clear = static_cast<int>(palette.size());
  palette.resize(256, Rgb{0, 0, 0});

  std::unordered_map<QRgb, uint8_t> nearest;
  std::vector<uint8_t> indexes(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QRgb c = img.pixel(x, y);
      uint8_t& out = indexes[size_t(y) * w + x];
      if (qAlpha(c) < 128) {
        out = static_cast<uint8_t>(clear);
        continue;
      }
      const QRgb key = c | 0xFF000000;
      if (auto it = nearest.find(key); it != nearest.end()) {
        out = it->second;
        continue;
      }
      int best = 0, bestD = 1 << 30;
      for (int i = 0; i < clear; ++i) {
        const int dr = palette[i][0] - qRed(c), dg = palette[i][1] - qGreen(c), db = palette[i][2] - qBlue(c);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestD) bestD = d, best = i;
      }
      out = nearest[key] = static_cast<uint8_t>(best);
    }

  QByteArray gif("GIF89a");
  Word(gif, w);
  Word(gif, h);
  gif.append(static_cast<char>(0xF7));  // global table of 256 colours, 8 bits each
  gif.append('\0');
  gif.append('\0');
  for (const Rgb& c : palette)
    for (int a = 0; a < 3; ++a) gif.append(static_cast<char>(c[a]));
  if (transparent) {
    gif.append("\x21\xF9\x04\x01\x00\x00", 6);
    gif.append(static_cast<char>(clear));
    gif.append('\0');
  }
  gif.append(',');
  Word(gif, 0);
  Word(gif, 0);
  Word(gif, w);
  Word(gif, h);
  gif.append('\0');
  gif.append(static_cast<char>(8));
  const QByteArray data = Lzw(indexes);
  for (qsizetype at = 0; at < data.size(); at += 255) {
    const qsizetype n = std::min<qsizetype>(255, data.size() - at);
    gif.append(static_cast<char>(n));
    gif.append(data.mid(at, n));
  }
  gif.append('\0');
  gif.append(';');
  return gif;
}

}  // namespace artgen
