#include "outputs.h"

#include <QFile>
#include <QSaveFile>
#include <cstdint>

#include "backs.h"
#include "board_art.h"
#include "faces.h"

namespace artgen {

std::vector<QImage> LibraryPictures() {
  std::vector<QImage> pictures = {DrawFaceSheet(FaceStyle::Tile), DrawFaceSheet(FaceStyle::Steel)};
  for (int i = 0; i < kBackDesigns; ++i) pictures.push_back(DrawBack(i));
  return pictures;
}

bool WriteLibraryBlob(const QString& file, const std::vector<QImage>& pictures) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  auto word = [&out](uint32_t w) { out.write(reinterpret_cast<const char*>(&w), sizeof w); };
  word(0x52415643);  // "CVAR"
  word(static_cast<uint32_t>(pictures.size()));
  for (const QImage& img : pictures) {
    word(static_cast<uint32_t>(img.width()));
    word(static_cast<uint32_t>(img.height()));
  }
  for (const QImage& img : pictures) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
      out.write(reinterpret_cast<const char*>(argb.constScanLine(y)), qsizetype(argb.width()) * 4);
  }
  return out.commit();
}

std::vector<NamedImage> ProgramPictures() {
  return {
      {"faces_standard.png", DrawFaceSheet(FaceStyle::Standard)},
      {"back_builtin.png", DrawBuiltinBack()},
      {"empty_metal.png", DrawEmptyPile(false, false)},
      {"empty_metal_small.png", DrawEmptyPile(false, true)},
      {"empty_wood.png", DrawEmptyPile(true, false)},
      {"empty_wood_small.png", DrawEmptyPile(true, true)},
      {"logo_small.png", DrawLogo(false)},
      {"logo_large.png", DrawLogo(true)},
      {"panel_wood.png", DrawPanel(false)},
      {"panel_metal.png", DrawPanel(true)},
      {"caption_pstock.png", DrawPileCaption("YOUR STOCK")},
      {"caption_preserve.png", DrawPileCaption("YOUR RESERVE")},
      {"caption_pwaste.png", DrawPileCaption("YOUR WASTE")},
      {"caption_ostock.png", DrawPileCaption("STOCK")},
      {"caption_oreserve.png", DrawPileCaption("RESERVE")},
      {"caption_owaste.png", DrawPileCaption("WASTE")},
      {"caption_tableau_left.png", DrawColumnCaption("TABLEAU")},
      {"caption_tableau_right.png", DrawColumnCaption("TABLEAU")},
      {"caption_centers.png", DrawColumnCaption("CENTERS")},
      {"turn_player.png", DrawTurnMarker(true)},
      {"turn_opponent.png", DrawTurnMarker(false)},
      {"tip.png", DrawTipPointer(false)},
      {"tip_up.png", DrawTipPointer(true)},
      {"menu_tab.png", DrawMenuTab()},
      {"slap.png", DrawSlap()},
      {"mouse_avatar.png", DrawHandPointer(false)},
      {"mouse_slap.png", DrawHandPointer(true)},
  };
}

}  // namespace artgen
