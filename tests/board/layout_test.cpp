#include "board/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace cv {
namespace {

const LayoutBase kNarrow = LayoutBaseFor(12000, false);
const LayoutBase kWide = LayoutBaseFor(15360, false);

std::string Name(const PlacedElement& e) {
  return std::string(e.name) + (e.index >= 0 ? "(" + std::to_string(e.index) + ")" : "");
}

TEST(LayoutBase, ExactlyEightHundredPixelsIsNarrow) {
  EXPECT_EQ(kNarrow.CenterX, 296);
  EXPECT_EQ(kNarrow.SideGap, 20);
  EXPECT_EQ(kNarrow.FrameExtra, 0);
  EXPECT_FALSE(kNarrow.Wide);
  const LayoutBase wider = LayoutBaseFor(12001, true);
  EXPECT_EQ(wider.CenterX, 350);
  EXPECT_EQ(wider.SideGap, 40);
  EXPECT_EQ(wider.FrameExtra, 30);
  EXPECT_TRUE(wider.Wide);
  EXPECT_TRUE(wider.LargeFonts);
}

struct PileCase {
  const char* what;
  bool wide;
  QPoint (*pick)(const BoardLayout&);
  QPoint expected;
};

class PilePositions : public testing::TestWithParam<PileCase> {};

TEST_P(PilePositions, StandWhereTheBaseValuesPutThem) {
  const PileCase& c = GetParam();
  EXPECT_EQ(c.pick(LayOutBoard(c.wide ? kWide : kNarrow)), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    NarrowAndWide, PilePositions,
    testing::Values(
        PileCase{"left Tableau column", false, [](const BoardLayout& l) { return l.picTableau[1].topLeft(); }, {205, 70}},
        PileCase{"left Tableau column", true, [](const BoardLayout& l) { return l.picTableau[1].topLeft(); }, {239, 70}},
        PileCase{"fourth Tableau row", false, [](const BoardLayout& l) { return l.picTableau[4].topLeft(); }, {205, 388}},
        PileCase{"right Tableau column", false, [](const BoardLayout& l) { return l.picTableau[5].topLeft(); }, {518, 70}},
        PileCase{"right Tableau column", true, [](const BoardLayout& l) { return l.picTableau[8].topLeft(); }, {592, 388}},
        PileCase{"Center block", false, [](const BoardLayout& l) { return l.picCenter[1].topLeft(); }, {316, 70}},
        PileCase{"Center block", true, [](const BoardLayout& l) { return l.picCenter[1].topLeft(); }, {370, 70}},
        PileCase{"right Center column", false, [](const BoardLayout& l) { return l.picCenter[2].topLeft(); }, {407, 70}},
        PileCase{"fourth Center row, left", false, [](const BoardLayout& l) { return l.picCenter[7].topLeft(); }, {316, 388}},
        PileCase{"fourth Center row, right", true, [](const BoardLayout& l) { return l.picCenter[8].topLeft(); }, {461, 388}},
        PileCase{"local Stock frame", false, [](const BoardLayout& l) { return l.lblCardFrame[1].topLeft(); }, {5, 432}},
        PileCase{"local Reserve frame", false, [](const BoardLayout& l) { return l.lblCardFrame[2].topLeft(); }, {640, 432}},
        PileCase{"local Reserve frame", true, [](const BoardLayout& l) { return l.lblCardFrame[2].topLeft(); }, {724, 432}},
        PileCase{"local Waste frame", false, [](const BoardLayout& l) { return l.lblCardFrame[3].topLeft(); }, {93, 432}},
        PileCase{"opponent Reserve frame", false, [](const BoardLayout& l) { return l.lblCardFrame[5].topLeft(); }, {69, 30}},
        PileCase{"opponent Reserve frame", true, [](const BoardLayout& l) { return l.lblCardFrame[5].topLeft(); }, {93, 30}},
        PileCase{"opponent Waste frame", false, [](const BoardLayout& l) { return l.lblCardFrame[6].topLeft(); }, {614, 30}},
        PileCase{"opponent Waste frame", true, [](const BoardLayout& l) { return l.lblCardFrame[6].topLeft(); }, {724, 30}},
        PileCase{"opponent Stock frame", false, [](const BoardLayout& l) { return l.lblCardFrame[4].topLeft(); }, {703, 30}},
        PileCase{"opponent Stock frame", true, [](const BoardLayout& l) { return l.lblCardFrame[4].topLeft(); }, {811, 30}},
        PileCase{"local Waste pile", false, [](const BoardLayout& l) { return l.picPlayer[3].topLeft(); }, {98, 437}},
        PileCase{"opponent Stock pile", true, [](const BoardLayout& l) { return l.picOpponent[1].topLeft(); }, {816, 35}}));

TEST(Layout, PilesSitFivePixelsInsideTheirFrames) {
  for (const LayoutBase& base : {kNarrow, kWide, LayoutBaseFor(15360, true)}) {
    const BoardLayout l = LayOutBoard(base);
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(l.picPlayer[k].topLeft(), l.lblCardFrame[k].topLeft() + QPoint(5, 5));
      EXPECT_EQ(l.picOpponent[k].topLeft(), l.lblCardFrame[k + 3].topLeft() + QPoint(5, 5));
      EXPECT_EQ(l.picPlayer[k].size(), QSize(71, 96));
    }
  }
}

TEST(Layout, LargeFontsShrinkTheFramesAndMoveDealAndMessage) {
  const BoardLayout narrow = LayOutBoard(LayoutBaseFor(12000, true));
  EXPECT_EQ(narrow.lblCardFrame[1].size(), QSize(81, 106));
  EXPECT_EQ(narrow.lblCardFrame[3].left(), 5 + 71 + 20);
  EXPECT_EQ(narrow.lblCardFrame[5].left(), 296 - 81 - 142);
  EXPECT_EQ(narrow.cmdDeal.top(), 388 - 20);
  EXPECT_EQ(narrow.lblMessage.top(), narrow.lblOResCnt.top() + 9);
  const BoardLayout wide = LayOutBoard(LayoutBaseFor(15360, true));
  EXPECT_EQ(wide.lblCardFrame[4].left(), 724 + 81 + 2);
  // Without large fonts the design values stand.
  const BoardLayout plain = LayOutBoard(kNarrow);
  EXPECT_EQ(plain.cmdDeal.top(), 365);
  EXPECT_EQ(plain.lblMessage.top(), 148);
}

TEST(Layout, DecorationsFollowThePiles) {
  for (const LayoutBase& base : {kNarrow, kWide}) {
    const BoardLayout l = LayOutBoard(base);
    const int t1 = l.picTableau[1].left(), t5 = l.picTableau[5].left();
    EXPECT_EQ(l.lblHouse[0], QRect(t1 - 10, 60, 91, 432));
    EXPECT_EQ(l.lblHouse[1], QRect(t5 - 10, 60, 91, 432));
    EXPECT_EQ(l.lblFoundation.left(), base.CenterX);
    EXPECT_EQ(l.lblFoundation.width(), 202);
    EXPECT_EQ(l.lblTableau[0].bottom() + 1 + 2, l.lblHouse[0].top());
    EXPECT_EQ(l.lblTableau[1].left(), l.lblHouse[1].left() + (91 - 60) / 2);  // centred, the odd pixel dropped
    EXPECT_EQ(l.lblCenterName.top(), l.lblTableau[0].top());
    EXPECT_EQ(l.imgCol[0].left(), t1 + 60);
    EXPECT_EQ(l.imgCol[1].left(), t1 - 58);
    EXPECT_EQ(l.imgCol[2].left(), t5 + 60);
    EXPECT_EQ(l.imgCol[3].left(), t5 - 58);
    const int captionTop = l.imgCol[0].top() + l.imgCol[0].height() + 6;
    EXPECT_EQ(l.imglblTableauL.topLeft(), QPoint(t1, captionTop));
    EXPECT_EQ(l.imglblTableauR.topLeft(), QPoint(t5, captionTop));
    EXPECT_EQ(l.imgStairs.top(), 486);
    EXPECT_EQ(l.imgTop.top(), -80);
    EXPECT_EQ(l.imgLogo.left(), l.picPlayer[2].left() - 16);
    EXPECT_EQ(l.ImgTurn1.left(), l.picPlayer[2].left());
    EXPECT_EQ(l.ImgTurn2.left(), l.picPlayer[2].left());
    EXPECT_EQ(l.lblOResCnt.left() + l.lblOResCnt.width(), l.lblCardFrame[5].left());
    EXPECT_EQ(l.lblOResCnt.top(), 30 + 96);
    EXPECT_EQ(l.lblPResCnt.topLeft(), l.lblCardFrame[2].topLeft() + QPoint(81, 0));
    EXPECT_EQ(l.lblOHandCnt.topLeft(), l.lblCardFrame[4].topLeft() + QPoint(61, 106));
    EXPECT_EQ(l.lblOWasteCnt.topLeft(), l.lblCardFrame[6].topLeft() + QPoint(61, 106));
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(l.lblTabCnt[t].top(), l.picTableau[t].top() + 76) << t;
    EXPECT_EQ(l.lblTabCnt[2].left() + l.lblTabCnt[2].width(), l.lblHouse[0].left() + 5);
    EXPECT_EQ(l.lblTabCnt[7].left(), l.lblHouse[1].left() + 91 - 7);
  }
}

TEST(Layout, NarrowAndWideBoardsPlaceTheLocalCountsAndMessagesApart) {
  const BoardLayout n = LayOutBoard(kNarrow);
  EXPECT_EQ(n.imgTop.left(), -52);
  EXPECT_EQ(n.lblTurn.left(), n.picPlayer[2].left());
  EXPECT_EQ(n.StatusMsg.left(), n.lblTurn.left() - 15);
  EXPECT_EQ(n.lblPWasteCnt.topLeft(), QPoint(93, 416 - 15));
  EXPECT_EQ(n.lblPHandCnt.topLeft(), QPoint(n.imgPStock.left(), 416 - 15));
  // The centred captions under the structure: odd half-widths round down.
  EXPECT_EQ(n.imglblCenters.left(), 460 - 98);

  const BoardLayout w = LayOutBoard(kWide);
  EXPECT_EQ(w.imgTop.left(), 10);
  EXPECT_EQ(w.lblTurn.left(), w.lblCardFrame[6].left());
  EXPECT_EQ(w.StatusMsg.left(), w.lblTurn.left());
  EXPECT_EQ(w.lblPWasteCnt.topLeft(), w.lblCardFrame[3].topLeft() + QPoint(81, 0));
  EXPECT_EQ(w.lblPHandCnt.top(), 432 + 106);
  EXPECT_EQ(w.lblPHandCnt.left(), InitBoard(kWide).lblPHandCnt.left());  // keeps its design place
}

TEST(Layout, ArrangingTheDecorationsAgainChangesNothing) {
  for (const LayoutBase& base : {kNarrow, kWide, LayoutBaseFor(12000, true)}) {
    BoardLayout once = LayOutBoard(base);
    BoardLayout twice = once;
    ArrangeDecorations(twice, base);
    const auto a = Elements(once), b = Elements(twice);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].rect, b[i].rect) << Name(a[i]);
  }
}

// Structure pictures, boxes and frames lie behind the rest by design; everything else a
// player reads or clicks must stand clear of everything else.
bool Backdrop(std::string_view name) {
  return name == "imgCol" || name == "imgStairs" || name == "imgTop" || name == "lblHouse" ||
         name == "lblFoundation" || name == "lblCardFrame";
}

TEST(Layout, NothingAPlayerSeesOverlapsAndAllStaysOnTheBoard) {
  for (const LayoutBase& base : {kNarrow, kWide}) {
    const BoardLayout l = LayOutBoard(base);
    std::vector<PlacedElement> front;
    for (const PlacedElement& e : Elements(l)) {
      if (e.name != "imgTop") {
        EXPECT_TRUE(QRect(QPoint(0, 0), l.board).contains(e.rect)) << Name(e) << " wide=" << base.Wide;
      }
      // The two turn markers share one place; only one shows at a time.
      if (!Backdrop(e.name) && e.name != "ImgTurn2") front.push_back(e);
    }
    for (size_t i = 0; i < front.size(); ++i)
      for (size_t j = i + 1; j < front.size(); ++j)
        EXPECT_FALSE(front[i].rect.intersects(front[j].rect))
            << Name(front[i]) << " and " << Name(front[j]) << " wide=" << base.Wide;
  }
}

TEST(Layout, PileRectAnswersOnlyForPiles) {
  const BoardLayout l = LayOutBoard(kNarrow);
  EXPECT_EQ(PileRect(l, {PileKind::Tableau, 5}), l.picTableau[5]);
  EXPECT_EQ(PileRect(l, {PileKind::Opponent, 3}), l.picOpponent[3]);
  EXPECT_TRUE(PileRect(l, {PileKind::Player, 4}).isNull());
  EXPECT_TRUE(PileRect(l, {PileKind::Center, 0}).isNull());
  EXPECT_TRUE(PileRect(l, {PileKind::None, 1}).isNull());
}

}  // namespace
}  // namespace cv
