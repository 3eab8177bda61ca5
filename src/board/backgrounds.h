#pragma once
// The background pictures of the backgrounds folder, stepping through them with the
// arrow keys, and tiling the one in use over the board. Past the last picture comes
// the plain mat colour, kept under the name "None".
#include <QPoint>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace cv {

inline constexpr std::string_view kNoBackground = "None";

// A file is a background when the last three characters of its name, in capitals, are
// JPG, GIF or BMP; nothing else of the name counts.
bool IsBackgroundFile(std::string_view name);

struct BackgroundList {
  std::vector<std::string> BgList;  // position p (1-based) is BgList[p - 1]
  int BgIndex = 0;                  // 1..BgCount, or BgCount + 1 for the mat colour

  int BgCount() const { return static_cast<int>(BgList.size()); }
  bool OnMatColour() const { return BgIndex < 1 || BgIndex > BgCount(); }
  // What the preferences store: the picture in use, or "None".
  std::string CurrentName() const;
};

// Rebuilds the list from a folder listing, keeping the listing's order. BgIndex moves
// to the picture named `BackgroundName` (trailing blanks ignored) when it is listed and
// otherwise stays; the result says whether it was found.
bool LoadBackgroundList(BackgroundList& list, const std::vector<std::string>& listing, std::string_view BackgroundName);

// The position after Down (40) or the menu's value (32), or after any other key (Up),
// wrapping through the mat colour. A position left over from a longer list reads as the
// mat colour.
int SteppedIndex(int index, int count, int key);

// The backgrounds folder as the board sees it.
class BackgroundFolder {
 public:
  virtual ~BackgroundFolder() = default;
  // Names of the ordinary files, in listing order.
  virtual std::vector<std::string> List() = 0;
  // Loads a picture for tiling; false when it is gone or cannot be decoded.
  virtual bool Load(const std::string& name) = 0;
};

// Loads the picture at BgIndex. When that fails the list is rebuilt and the load tried
// once more; a second failure falls back to the mat colour. True when a picture shows.
bool PaintBackground(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName);

// Up/Down: the next or previous picture, or the mat colour. True when a picture shows.
bool StepBackground(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName, int key);

// A player's stored background at start or on a change of player; a picture no longer
// in the folder gives the mat colour. True when a picture shows.
bool ShowStoredBackground(BackgroundList& list, BackgroundFolder& folder, std::string& BackgroundName);

// Top-left corners of the copies that cover the target, row by row from the top left.
std::vector<QPoint> TilePositions(QSize target, QSize picture);

// The ordinary, visible files of a folder, sorted by name without regard to case so
// that every file system gives the same order.
std::vector<std::string> ListFolderFiles(const QString& folder);

}  // namespace cv
