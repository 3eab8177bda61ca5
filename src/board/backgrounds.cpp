#include "board/backgrounds.h"

#include <QDir>
#include <cctype>

#include "board/step_keys.h"

namespace cv {
namespace {

std::string_view TrimRight(std::string_view s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

// The picture at BgIndex, loaded and named; false when there is none or it fails.
bool LoadCurrent(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName) {
  if (list.OnMatColour()) return false;
  const std::string& name = list.BgList[list.BgIndex - 1];
  if (!folder.Load(name)) return false;
  BackgroundName = name;
  return true;
}

bool UseMatColour(BackgroundList& list, std::string& BackgroundName) {
  list.BgIndex = list.BgCount() + 1;
  BackgroundName = kNoBackground;
  return false;
}

}  // namespace

bool IsBackgroundFile(std::string_view name) {
  if (name.size() < 3) return false;
  std::string tail(name.substr(name.size() - 3));
  for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return tail == "JPG" || tail == "GIF" || tail == "BMP";
}

std::string BackgroundList::CurrentName() const {
  return OnMatColour() ? std::string(kNoBackground) : BgList[BgIndex - 1];
}

bool LoadBackgroundList(BackgroundList& list, const std::vector<std::string>& listing, std::string_view BackgroundName) {
  const std::string_view wanted = TrimRight(BackgroundName);
  bool found = false;
  list.BgList.clear();
  for (const std::string& name : listing) {
    if (!IsBackgroundFile(name)) continue;
    list.BgList.push_back(name);
    if (name == wanted) {
      list.BgIndex = list.BgCount();
      found = true;
    }
  }
  return found;
}

int SteppedIndex(int index, int count, int key) {
  const int mat = count + 1;
  if (index < 1 || index > mat) index = mat;
  if (key == kKeyDown || key == kMenuStep) return index + 1 > mat ? 1 : index + 1;
  return index - 1 <= 0 ? mat : index - 1;
}

bool PaintBackground(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName) {
  if (LoadCurrent(list, folder, BackgroundName)) return true;
  LoadBackgroundList(list, folder.List(), BackgroundName);
  if (LoadCurrent(list, folder, BackgroundName)) return true;
  return UseMatColour(list, BackgroundName);
}

bool StepBackground(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName, int key) {
  list.BgIndex = SteppedIndex(list.BgIndex, list.BgCount(), key);
  if (list.OnMatColour()) return UseMatColour(list, BackgroundName);
  return PaintBackground(list, folder, BackgroundName);
}

bool ShowStoredBackground(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName) {
  const bool listed = LoadBackgroundList(list, folder.List(), BackgroundName);
  if (TrimRight(BackgroundName) == kNoBackground || !listed) return UseMatColour(list, BackgroundName);
  return PaintBackground(list, folder, BackgroundName);
}

std::vector<QPoint> TilePositions(QSize target, QSize picture) {
  std::vector<QPoint> tiles;
  if (picture.width() <= 0 || picture.height() <= 0 || target.isEmpty()) return tiles;
  const int columns = target.width() / picture.width() + 1;
  const int rows = target.height() / picture.height() + 1;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) tiles.emplace_back(c * picture.width(), r * picture.height());
  return tiles;
}

std::vector<std::string> ListFolderFiles(const QString& folder) {
  std::vector<std::string> names;
  const QStringList entries = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& entry : entries) names.push_back(entry.toStdString());
  return names;
}

}  // namespace cv
