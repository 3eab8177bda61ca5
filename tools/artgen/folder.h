#pragma once
#include <vector>

#include "outputs.h"

namespace artgen {

// The program folder's pictures, named by their path in the folder.
std::vector<NamedImage> FolderPictures();

// Saves by the name's extension: ".gif" as a real GIF, ".jpg" as JPEG, anything else
// (including the structures' ".dat") as PNG.
bool SaveImage(const QImage& image, const QString& path);

}  // namespace artgen
