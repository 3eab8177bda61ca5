#include "board/disk_backgrounds.h"

#include <QDir>
#include <QImage>

namespace cv {

bool DiskBackgrounds::Load(const std::string& name) {
  // A name from the listing is a plain file name; anything that climbs out of the
  // folder is not a background.
  const QString file = QString::fromStdString(name);
  if (file.isEmpty() || file.contains('/') || file.contains('\\') || file == "." || file == "..") return false;
  QImage image(QDir(folder_).filePath(file));
  if (image.isNull()) return false;
  picture_ = QPixmap::fromImage(image);
  return true;
}

}  // namespace cv
