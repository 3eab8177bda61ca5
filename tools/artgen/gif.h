#pragma once
#include <QByteArray>
#include <QImage>

namespace artgen {

// A GIF87a-compatible GIF89a file of the picture with at most 256 colours chosen by
// median cut; fully transparent pixels become the transparent colour.
QByteArray EncodeGif(const QImage& image);

}  // namespace artgen
