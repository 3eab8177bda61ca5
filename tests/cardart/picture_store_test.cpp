#include "cardart/picture_store.h"

#include <gtest/gtest.h>

#include "cardart/art.h"

namespace cv {
namespace {

TEST(CardCell, ValueAcrossSuitDownFromXOne) {
  EXPECT_EQ(CardCell(1), QRect(1, 0, 71, 96));     // Ace of clubs
  EXPECT_EQ(CardCell(13), QRect(853, 0, 71, 96));  // King of clubs
  EXPECT_EQ(CardCell(14), QRect(1, 96, 71, 96));   // Ace of diamonds
  EXPECT_EQ(CardCell(52), QRect(853, 288, 71, 96));
  EXPECT_EQ(CardCell(52).bottomRight() + QPoint(1, 1), QPoint(924, 384));
  EXPECT_TRUE(CardCell(0).isNull());
  EXPECT_TRUE(CardCell(53).isNull());
}

TEST(GameArt, EveryPictureLoadsAtItsSize) {
  const struct {
    const char* name;
    int w, h;
  } cases[] = {
      {art::FacesStandard, 927, 394}, {art::BuiltinBack, 71, 96},       {art::EmptyMetal, 71, 96},
      {art::EmptyMetalSmall, 59, 80}, {art::EmptyWood, 71, 96},         {art::EmptyWoodSmall, 59, 80},
      {art::LogoSmall, 165, 89},      {art::LogoLarge, 307, 131},       {art::PanelWood, 680, 72},
      {art::PanelMetal, 684, 93},     {art::CaptionTableauLeft, 72, 21}, {art::CaptionTableauRight, 72, 21},
      {art::CaptionCenters, 72, 21},
  };
  for (const auto& c : cases) {
    const QImage img(c.name);
    EXPECT_EQ(img.size(), QSize(c.w, c.h)) << c.name;
  }
  for (const char* caption : {art::CaptionPStock, art::CaptionPReserve, art::CaptionPWaste, art::CaptionOStock,
                              art::CaptionOReserve, art::CaptionOWaste}) {
    const QImage img(caption);
    EXPECT_EQ(img.height(), 16) << caption;
    EXPECT_GE(img.width(), 43) << caption;
    EXPECT_LE(img.width(), 87) << caption;
  }
  for (const char* other : {art::TurnPlayer, art::TurnOpponent, art::Tip, art::TipUp, art::MenuTab, art::Slap,
                            art::MouseAvatar, art::MouseSlap})
    EXPECT_FALSE(QImage(other).isNull()) << other;
}

TEST(PictureStore, StartsWithTheBuiltInSheetAndBack) {
  PictureStore store;
  EXPECT_EQ(store.FaceSheet(), QImage(art::FacesStandard));
  EXPECT_EQ(store.CurrentBack(), store.BuiltinBack());
  EXPECT_EQ(store.EmptyPile(false, false).size(), QSize(71, 96));
  EXPECT_EQ(store.EmptyPile(true, true).size(), QSize(59, 80));
  EXPECT_NE(store.EmptyPile(true, false), store.EmptyPile(false, false));
}

TEST(PictureStore, FacesAreCutFromTheActiveSheet) {
  PictureStore store;
  EXPECT_EQ(store.Face(52), store.FaceSheet().copy(853, 288, 71, 96));
  EXPECT_TRUE(store.Face(0).isNull());

  QImage marked(927, 394, QImage::Format_ARGB32);
  marked.fill(Qt::white);
  marked.setPixelColor(1, 96, Qt::red);  // top-left pixel of the Ace of diamonds
  store.SetFaceSheet(marked);
  EXPECT_EQ(store.Face(14).pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(store.Face(1).pixelColor(0, 0), QColor(Qt::white));
  store.ResetFaceSheet();
  EXPECT_EQ(store.FaceSheet(), QImage(art::FacesStandard));
}

}  // namespace
}  // namespace cv
