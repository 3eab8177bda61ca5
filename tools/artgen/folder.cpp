#include "folder.h"

#include <QFile>

#include "gif.h"

namespace artgen {

std::vector<NamedImage> FolderPictures() { return {}; }

bool SaveImage(const QImage& image, const QString& path) {
  const QString lower = path.toLower();
  if (lower.endsWith(".gif")) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(EncodeGif(image)) > 0;
  }
  if (lower.endsWith(".jpg")) return image.save(path, "JPG", 92);
  return image.save(path, "PNG");
}

}  // namespace artgen
