// The board takes every picture it draws from the game's own art.
#include "board/art_pictures.h"

#include "board/appearance.h"
#include "view_fixture.h"

namespace cv::test {
namespace {

TEST(ArtPictures, EveryPictureOfTheBoardComesFromTheArt) {
  App();
  PictureStore store;
  const BoardPictures p = PicturesFromArt(store);
  EXPECT_EQ(p.faceSheet.size(), QSize(927, 394));
  EXPECT_EQ(p.back.size(), QSize(71, 96));
  for (const QImage& empty : p.empty) EXPECT_EQ(empty.size(), QSize(71, 96));
  EXPECT_EQ(p.logo[0].size(), LogoSize(false));
  EXPECT_EQ(p.logo[1].size(), LogoSize(true));
  EXPECT_EQ(p.panel[0].size(), PanelSize(0));
  EXPECT_EQ(p.panel[1].size(), PanelSize(1));
  for (const QImage& marker : p.turn) EXPECT_FALSE(marker.isNull());
  const BoardLayout layout = LayOutBoard(LayoutBaseFor(12000, false));
  for (const PlacedElement& e : Elements(layout)) {
    const std::string_view n = e.name;
    if (!n.starts_with("imgP") && !n.starts_with("imgO") && !n.starts_with("imglbl")) continue;
    const auto it = p.captions.find(n);
    ASSERT_NE(it, p.captions.end()) << n;
    EXPECT_FALSE(it->second.isNull()) << n;
  }

  // Another back style: only the card pictures change.
  BoardPictures changed = p;
  store.SetCurrentBack(p.empty[0]);
  TakeCardPictures(store, changed);
  EXPECT_EQ(changed.back, p.empty[0]);
}

}  // namespace
}  // namespace cv::test
