#include "contact.h"

#include <QPainter>

#include "folder.h"
#include "gif.h"
#include "outputs.h"
#include "paint.h"

namespace artgen {
namespace {

// Lays pictures out in rows on a neutral mat, each with its name under it.
class Sheet {
 public:
  explicit Sheet(int width) : width_(width) {}

  void Add(const QString& label, const QImage& image) {
    const int w = std::max(image.width(), 60);
    if (x_ + w > width_ - kGap) NewRow();
    items_.push_back({label, image, QPoint(x_, y_)});
    x_ += w + kGap;
    rowH_ = std::max(rowH_, image.height() + kLabel);
  }
  void NewRow() {
    if (x_ == kGap) return;
    x_ = kGap;
    y_ += rowH_ + kGap;
    rowH_ = 0;
  }

  QImage Render() {
    NewRow();
    QImage out(width_, y_ + kGap, QImage::Format_ARGB32);
    out.fill(QColor(96, 110, 104));
    QPainter p(&out);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    p.setFont(font);
    for (const auto& item : items_) {
      p.drawImage(item.at, item.image);
      p.setPen(QColor(240, 240, 240));
      p.drawText(QRect(item.at.x(), item.at.y() + item.image.height() + 2, std::max(item.image.width(), 60) + kGap, kLabel),
                 Qt::AlignLeft | Qt::AlignTop, item.label);
    }
    return out;
  }

 private:
  static constexpr int kGap = 14, kLabel = 16;
  struct Item {
    QString label;
    QImage image;
    QPoint at;
  };
  std::vector<Item> items_;
  int width_, x_ = kGap, y_ = kGap, rowH_ = 0;
};

}  // namespace

QImage DrawContactSheet() {
  Sheet sheet(1900);
  for (const auto& [name, image] : ProgramPictures()) sheet.Add(name, image);
  sheet.NewRow();
  const std::vector<QImage> library = LibraryPictures();
  for (size_t i = 0; i < library.size(); ++i)
    sheet.Add(i < 2 ? QString("library face sheet %1").arg(i) : QString("library back %1").arg(i - 2), library[i]);
  sheet.NewRow();
  // Folder pictures as they ship: a GIF shows its reduced palette.
  for (const auto& [name, image] : FolderPictures())
    sheet.Add(name, name.endsWith(".gif") ? QImage::fromData(EncodeGif(image), "GIF") : image);
  return sheet.Render();
}

}  // namespace artgen
