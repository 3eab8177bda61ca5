#include "folder.h"

#include <QFile>

#include "gif.h"
#include "icons.h"
#include "structures.h"
#include "textures.h"

namespace artgen {

std::vector<NamedImage> FolderPictures() {
  std::vector<NamedImage> out;
  const struct {
    char letter;
    StructurePart part;
  } parts[] = {{'c', StructurePart::Column}, {'s', StructurePart::Stairs}, {'t', StructurePart::Top}};
  for (int n = 1001; n <= 1004; ++n)
    for (const auto& [letter, part] : parts) out.push_back({QString("Data/%1%2.dat").arg(n).arg(letter), DrawStructure(n, part)});
  out.push_back({"backgrounds/MarbleGrey.gif", Marble(384, 384, QColor(176, 178, 180), QColor(128, 130, 136), 11)});
  out.push_back({"backgrounds/MarbleTan.gif", Marble(384, 384, QColor(206, 180, 140), QColor(160, 124, 86), 12)});
  out.push_back({"backgrounds/Wood.gif", WoodGrain(384, 384, QColor(160, 104, 56), QColor(112, 66, 30), 13)});
  out.push_back({"backgrounds/Felt.gif", Felt(128, 128, QColor(30, 100, 56), 14)});
  out.push_back({"backgrounds/Slate.jpg", Slate(256, 256, 15)});
  out.push_back({"backgrounds/Parquet.bmp", Parquet(256, 256, 16)});
  out.push_back({"user/QZ.jpg", DrawAvatar()});
  for (const QString& name : EmoticonNames()) out.push_back({"user/Icons/" + name + ".gif", DrawEmoticon(name)});
  return out;
}

bool SaveImage(const QImage& image, const QString& path) {
  const QString lower = path.toLower();
  if (lower.endsWith(".gif")) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(EncodeGif(image)) > 0;
  }
  if (lower.endsWith(".jpg")) return image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92);
  if (lower.endsWith(".bmp")) return image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
  return image.save(path, "PNG");
}

}  // namespace artgen
