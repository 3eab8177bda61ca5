#include "contact.h"

#include <QPainter>

#include "backs.h"
#include "board_art.h"
#include "faces.h"
#include "folder.h"
#include "structures.h"
#include "textures.h"
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
  sheet.NewRow();
  for (int n = 1001; n <= 1004; ++n) sheet.Add(QString("board with structure %1").arg(n), DrawBoardPreview(n));
  return sheet.Render();
}

QImage DrawBoardPreview(int structure) {
  QImage board(800, 600, QImage::Format_ARGB32);
  QPainter p(&board);
  const QImage tile = structure == 1004 ? WoodGrain(256, 256, QColor(160, 104, 56), QColor(112, 66, 30), 13)
                      : structure == 1003 ? Marble(256, 256, QColor(206, 180, 140), QColor(140, 104, 66), 12)
                                          : Marble(256, 256, QColor(176, 178, 180), QColor(96, 98, 104), 11);
  p.fillRect(board.rect(), QBrush(tile));
  p.drawImage(-52, -80, DrawStructure(structure, StructurePart::Top));
  p.drawImage(-10, 486, DrawStructure(structure, StructurePart::Stairs));
  const QImage column = DrawStructure(structure, StructurePart::Column);
  for (int x : {265, 147, 578, 460}) p.drawImage(x, 56, column);
  const QImage faces = DrawFaceSheet(FaceStyle::Standard);
  auto card = [&](int n, int x, int y) { p.drawImage(x, y, faces.copy(1 + ((n - 1) % 13) * 71, ((n - 1) / 13) * 96, 71, 96)); };
  const QImage back = DrawBuiltinBack(), empty = DrawEmptyPile(false, false);
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 4; ++i) {
    card(10 - i + (i % 2) * 13, 205, 70 + i * 106);
    p.drawImage(518, 70 + i * 106, i == 3 ? empty : faces.copy(1 + (11 - i) * 71, 2 * 96, 71, 96));
    p.drawImage(316, 70 + i * 106, i == 0 ? faces.copy(1, 0, 71, 96) : empty);
    p.drawImage(407, 70 + i * 106, empty);
  }
  p.drawRect(195, 60, 91, 432);
  p.drawRect(508, 60, 91, 432);
  p.drawRect(296, 60, 202, 432);
  for (int x : {5, 93, 640}) p.drawRect(x, 432, 84, 108);
  for (int x : {69, 614, 703}) p.drawRect(x, 30, 84, 108);
  p.fillRect(QRect(6, 433, 83, 107), QColor(0, 0, 0, 0));
  p.drawImage(10, 437, back);
  card(26, 98, 437);
  card(45, 645, 437);
  p.drawImage(74, 35, back);
  p.drawImage(619, 35, empty);
  p.drawImage(708, 35, back);
  p.drawImage(205, 462, DrawColumnCaption("TABLEAU"));
  p.drawImage(518, 462, DrawColumnCaption("TABLEAU"));
  p.drawImage(362, 462, DrawColumnCaption("CENTERS"));
  p.drawImage(20, 416, DrawPileCaption("YOUR STOCK"));
  p.drawImage(105, 416, DrawPileCaption("YOUR WASTE"));
  p.drawImage(645, 416, DrawPileCaption("YOUR RESERVE"));
  p.drawImage(80, 16, DrawPileCaption("RESERVE"));
  p.drawImage(630, 16, DrawPileCaption("WASTE"));
  p.drawImage(722, 16, DrawPileCaption("STOCK"));
  p.drawImage(650, 330, DrawTurnMarker(true));
  return board;
}

}  // namespace artgen
