#pragma once
#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

struct NamedImage {
  QString name;  // file name, relative to where the set is written
  QImage image;
};

// The card-art library's pictures in the order its blob holds them: the face sheets
// (0 "Tile", 1 "Steel"), then the nine backs.
std::vector<QImage> LibraryPictures();
bool WriteLibraryBlob(const QString& file, const std::vector<QImage>& pictures);

// Pictures compiled into the game program.
std::vector<NamedImage> ProgramPictures();

}  // namespace artgen
