#pragma once
// The backgrounds folder under the program folder, and the picture last loaded from
// it, which the board tiles.
#include <QPixmap>
#include <QString>

#include "board/backgrounds.h"

namespace cv {

class DiskBackgrounds : public BackgroundFolder {
 public:
  void SetFolder(const QString& folder) { folder_ = folder; }
  std::vector<std::string> List() override { return ListFolderFiles(folder_); }
  bool Load(const std::string& name) override;
  const QPixmap& picture() const { return picture_; }

 private:
  QString folder_;
  QPixmap picture_;
};

}  // namespace cv
