#pragma once
#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

// The chat's emoticon names, as typed shortcuts choose them.
std::vector<QString> EmoticonNames();
// A 32 x 32 face for one of those names.
QImage DrawEmoticon(const QString& name);
// The default opponent picture, 120 x 120.
QImage DrawAvatar();

}  // namespace artgen
