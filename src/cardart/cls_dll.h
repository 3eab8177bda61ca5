#pragma once
#include <QColor>
#include <QImage>
#include <QLibrary>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "cvdata/cvdata.h"

namespace cv {

class PictureStore;

// A failure of the card-art component: its error number and description, as the
// start-up error message shows them.
class CardArtError : public std::runtime_error {
 public:
  CardArtError(int32_t number, const std::string& description) : std::runtime_error(description), number_(number) {}
  int32_t Number() const { return number_; }

 private:
  int32_t number_;
};

// The number a component that cannot be created fails with.
inline constexpr int32_t kCannotCreateComponent = 429;

// The options dialog's back pictures, filled by GetCardBacks.
class BackPictures {
 public:
  virtual ~BackPictures() = default;
  // Picture number k of the dialog.
  virtual void SetBackPicture(int16_t k, const QImage& back) = 0;
  // The back preview (k = 99) with its companion colour behind it.
  virtual void SetBackPreview(const QImage& back, const QColor& colour) = 0;
};

// The game's client of the card-art library: binds to it by class identifier through
// the per-user registry, falling back to the library in `fallbackDir` (normally the
// program's own folder), and holds one clsCards object for its whole life.
class clsDLL {
 public:
  // Throws CardArtError(kCannotCreateComponent, ...) when neither place gives a library.
  explicit clsDLL(const QString& fallbackDir);
  ~clsDLL();
  clsDLL(const clsDLL&) = delete;
  clsDLL& operator=(const clsDLL&) = delete;

  int16_t GetBacksQuantity();
  // 1: the built-in sheet comes back; 2: "Steel" (sheet 1); 3: "Tile" (sheet 0); else nothing.
  void GetCardFaces(int16_t faceStyle, PictureStore& store);
  // The board's current back: 0 the built-in back, 1..9 the library's back b - 1.
  void GetCardBacks(int16_t backStyle, PictureStore& store);
  // The options dialog: picture k, or the preview and its colour when k is 99.
  void GetCardBacks(int16_t backStyle, BackPictures& dialog, int16_t k, bool small);

  // The library's own operations as Qt values; a failure throws its CardArtError.
  QImage CardImage(int16_t index);
  QImage CardBack(int16_t index, bool small);
  QColor BackColor(int16_t index);

 private:
  bool Bind(const QString& path);
  void Check(CvResult result);

  QLibrary library_;
  DllCanUnloadNowFn canUnload_ = nullptr;
  clsCards* cards_ = nullptr;
};

}  // namespace cv
