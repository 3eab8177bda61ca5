#include "outputs.h"

#include <QFile>
#include <QSaveFile>
#include <cstdint>

#include "backs.h"
#include "faces.h"

namespace artgen {

std::vector<QImage> LibraryPictures() {
  std::vector<QImage> pictures = {DrawFaceSheet(FaceStyle::Tile), DrawFaceSheet(FaceStyle::Steel)};
  for (int i = 0; i < kBackDesigns; ++i) pictures.push_back(DrawBack(i));
  return pictures;
}

bool WriteLibraryBlob(const QString& file, const std::vector<QImage>& pictures) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  auto word = [&out](uint32_t w) { out.write(reinterpret_cast<const char*>(&w), sizeof w); };
  word(0x52415643);  // "CVAR"
  word(static_cast<uint32_t>(pictures.size()));
  for (const QImage& img : pictures) {
    word(static_cast<uint32_t>(img.width()));
    word(static_cast<uint32_t>(img.height()));
  }
  for (const QImage& img : pictures) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
      out.write(reinterpret_cast<const char*>(argb.constScanLine(y)), qsizetype(argb.width()) * 4);
  }
  return out.commit();
}

std::vector<NamedImage> ProgramPictures() {
  return {{"faces_standard.png", DrawFaceSheet(FaceStyle::Standard)}, {"back_builtin.png", DrawBuiltinBack()}};
}

}  // namespace artgen
