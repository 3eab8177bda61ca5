#include "board/layout.h"

#include "board/appearance.h"

namespace cv {
namespace {

// Halves round down, also for negative values, so that odd widths place alike everywhere.
int Half(int v) { return v >= 0 ? v / 2 : -((1 - v) / 2); }

// Left edge of an element of width `width` centred over `other`.
int CentredOver(const QRect& other, int width) { return other.left() + Half(other.width() - width); }

constexpr int kRowGap = 10;      // between the rows of Center and Tableau piles
constexpr int kFramePad = 5;     // a pile sits this far in from its frame
constexpr int kPilesTop = 70;
constexpr int kBoardHeight = 560;

}  // namespace

LayoutBase LayoutBaseFor(int ScreenW, bool LargeFonts) {
  const bool wide = ScreenW > 12000;
  return wide ? LayoutBase{350, 40, 30, true, LargeFonts} : LayoutBase{296, 20, 0, false, LargeFonts};
}

BoardLayout InitBoard(const LayoutBase& base) {
  BoardLayout l;
  const QSize card(CardW, CardH);
  // Design values: where the window places what the layout does not compute.
  l.picCenter[1] = l.picTableau[1] = l.picPlayer[1] = l.picOpponent[1] = QRect(QPoint(0, 0), card);
  const QSize frame = base.LargeFonts ? QSize(81, 106) : QSize(85, 109);
  l.lblCardFrame[1] = QRect(QPoint(5, 432), frame);
  l.lblCardFrame[2] = QRect(QPoint(640, 432), frame);
  l.lblCardFrame[3] = QRect(QPoint(93, 432), frame);
  l.lblCardFrame[4] = QRect(QPoint(703, 30), frame);
  l.lblCardFrame[5] = QRect(QPoint(69, 30), frame);
  l.lblCardFrame[6] = QRect(QPoint(614, 30), frame);
  l.lblFoundation = QRect(296, 60, 202, 432);
  l.lblTableau[0] = l.lblTableau[1] = QRect(0, 0, 60, 20);
  l.lblCenterName = QRect(0, 0, 70, 20);
  for (int t = 1; t <= 8; ++t) l.lblTabCnt[t] = QRect(0, 0, 30, 22);
  const QSize count(33, 15);
  l.lblPResCnt = l.lblOResCnt = l.lblOHandCnt = l.lblOWasteCnt = l.lblPWasteCnt = QRect(QPoint(0, 0), count);
  l.lblPHandCnt = QRect(QPoint(66, 538), count);
  l.imgPStock = QRect(26, 416, 43, 16);
  l.imgPReserve = QRect(0, 416, 61, 16);
  l.imgPWaste = QRect(0, 416, 50, 16);
  l.imgOStock = QRect(0, 16, 73, 16);
  l.imgOReserve = QRect(0, 16, 87, 16);
  l.imgOWaste = QRect(0, 16, 77, 16);
  l.imglblTableauL = l.imglblTableauR = l.imglblCenters = QRect(0, 0, 72, 21);
  for (QRect& col : l.imgCol) col = QRect(0, 60, 69, 430);
  l.imgStairs = QRect(74, 486, 700, 74);  // wide enough to stand under both building widths
  l.imgTop = QRect(-52, -80, 890, 140);
  l.ImgTurn1 = l.ImgTurn2 = QRect(0, 156, 71, 26);
  l.lblTurn = QRect(0, 184, 150, 60);
  l.lblMessage = QRect(5, 148, 160, 212);
  l.StatusMsg = QRect(0, 379, 170, 36);
  l.imgLogo = QRect(QPoint(0, 246), LogoSize(base.Wide));
  l.cmdDeal = QRect(30, 365, 110, 30);
  l.imgMenu = QRect(0, 2, 80, 18);
  l.picPanel = QPoint(0, 0);
  l.board = QSize(base.Wide ? 1024 : 800, kBoardHeight);

  // The other piles start as copies of pile 1.
  for (int i = 2; i <= 8; ++i) {
    l.picCenter[i] = l.picCenter[1];
    l.picTableau[i] = l.picTableau[1];
  }
  for (int k = 2; k <= 3; ++k) {
    l.picPlayer[k] = l.picPlayer[1];
    l.picOpponent[k] = l.picOpponent[1];
  }
  return l;
}

void ArrangePiles(BoardLayout& l, const LayoutBase& base) {
  const int rowStep = CardH + kRowGap;
  l.picCenter[1].moveTo(base.CenterX + 20, kPilesTop);
  for (int i = 2; i <= 8; ++i) {
    const bool leftColumn = i % 2 == 1;
    const int row = leftColumn ? (i - 1) / 2 : (i - 2) / 2;
    const int left = l.picCenter[1].left() + (leftColumn ? 0 : CardW + 20);
    l.picCenter[i].moveTo(left, kPilesTop + row * rowStep);
  }
  l.lblFoundation.setWidth((CardW + 30) * 2);
  for (int i = 1; i <= 4; ++i) l.picTableau[i].moveTo(base.CenterX - CardW - base.SideGap, kPilesTop + (i - 1) * rowStep);
  for (int i = 5; i <= 8; ++i)
    l.picTableau[i].moveTo(base.CenterX + l.lblFoundation.width() + base.SideGap, kPilesTop + (i - 5) * rowStep);

  auto& frame = l.lblCardFrame;
  frame[2].moveLeft(base.CenterX + l.lblFoundation.width() + 2 * CardW + base.FrameExtra);
  frame[5].moveLeft(base.CenterX - frame[5].width() - 2 * CardW - base.FrameExtra);
  if (base.LargeFonts) frame[3].moveLeft(frame[1].left() + CardW + 20);
  for (int k = 1; k <= 3; ++k) {
    frame[k].moveTop(l.imgPStock.top() + l.imgPStock.height());
    l.picPlayer[k].moveTo(frame[k].left() + kFramePad, frame[k].top() + kFramePad);
  }
  if (base.Wide) {
    frame[6].moveLeft(frame[2].left());
    frame[4].moveLeft(frame[6].left() + frame[6].width() + 2);
  }
  for (int k = 1; k <= 3; ++k) l.picOpponent[k].moveTo(frame[k + 3].left() + kFramePad, frame[k + 3].top() + kFramePad);
}

void ArrangeDecorations(BoardLayout& l, const LayoutBase& base) {
  const auto& frame = l.lblCardFrame;
  l.ImgTurn1.moveLeft(l.picPlayer[2].left());
  l.ImgTurn2.moveLeft(l.picPlayer[2].left());

  l.lblFoundation.setWidth((CardW + 30) * 2);
  l.lblFoundation.moveLeft(base.CenterX);
  const QSize house(CardW + 20, (CardH + 12) * 4);
  const int houseTop = l.picTableau[1].top() - 10;
  l.lblHouse[0] = QRect(QPoint(l.picTableau[1].left() - 10, houseTop), house);
  l.lblHouse[1] = QRect(QPoint(l.picTableau[5].left() - 10, houseTop), house);
  for (int j = 0; j <= 1; ++j)
    l.lblTableau[j].moveTo(CentredOver(l.lblHouse[j], l.lblTableau[j].width()),
                           l.lblHouse[0].top() - l.lblTableau[0].height() - 2);
  l.lblCenterName.moveTo(CentredOver(l.lblFoundation, l.lblCenterName.width()), l.lblTableau[0].top());

  l.imgOWaste.moveTo(CentredOver(frame[6], l.imgOWaste.width()), 16);
  l.imgOReserve.moveTo(CentredOver(frame[5], l.imgOReserve.width()), 16);
  l.imgOStock.moveTo(CentredOver(frame[4], l.imgOStock.width()), 16);
  l.imgPReserve.moveTo(CentredOver(frame[2], l.imgPReserve.width()), 416);
  l.imgPStock.moveTop(416);
  l.imgPWaste.moveTo(CentredOver(frame[3], l.imgPWaste.width()), 416);

  l.lblOResCnt.moveTo(frame[5].left() - l.lblOResCnt.width(), frame[5].top() + CardH);
  l.lblPResCnt.moveTo(frame[2].left() + CardW + 10, frame[2].top());
  l.lblOHandCnt.moveTo(frame[4].left() + CardW - 10, frame[4].top() + CardH + 10);
  l.lblOWasteCnt.moveTo(frame[6].left() + CardW - 10, frame[6].top() + CardH + 10);
  if (base.Wide) {
    l.imgTop.moveLeft(10);
    l.lblPWasteCnt.moveTo(frame[3].left() + CardW + 10, frame[3].top());
    l.lblPHandCnt.moveTop(frame[1].top() + CardH + 10);
    l.lblTurn.moveLeft(frame[6].left());
  } else {
    // Narrow boards have no room beside the local piles: their counts go above the captions.
    l.imgTop.moveLeft(-52);
    l.lblTurn.moveLeft(l.picPlayer[2].left());
    l.lblPWasteCnt.moveTo(frame[3].left(), l.imgPStock.top() - 15);
    l.lblPHandCnt.moveTo(l.imgPStock.left(), l.imgPStock.top() - 15);
  }
  if (base.LargeFonts) {
    l.cmdDeal.moveTop(l.picTableau[4].top() - 20);
    l.lblMessage.moveTop(l.lblOResCnt.top() + 9);
  }
  l.StatusMsg.moveLeft(l.lblTurn.left() - (base.Wide ? 0 : 15));

  for (int t = 1; t <= 8; ++t) {
    QRect& label = l.lblTabCnt[t];
    const int left = t <= 4 ? l.lblHouse[0].left() - label.width() + 5 : l.lblHouse[1].left() + l.lblHouse[1].width() - 7;
    label.moveTo(left, l.picTableau[t].top() + CardH - 20);
  }

  const int t1 = l.picTableau[1].left(), t5 = l.picTableau[5].left();
  l.imgCol[0].moveLeft(t1 + 60);
  l.imgCol[1].moveLeft(t1 - 58);
  l.imgCol[2].moveLeft(t5 + 60);
  l.imgCol[3].moveLeft(t5 - 58);
  l.imgStairs.moveTop(486);
  const int captionTop = l.imgCol[0].top() + l.imgCol[0].height() + 6;
  l.imglblTableauL.moveTo(t1, captionTop);
  l.imglblTableauR.moveTo(t5, captionTop);
  l.imglblCenters.moveTo(l.imgCol[3].left() + Half(l.imgCol[0].left() - l.imgCol[3].left()), captionTop);
  l.imgTop.moveTop(-80);
  l.imgLogo.moveLeft(l.picPlayer[2].left() - 16);
  // The menu tab stands centred over the Center block, on the building's top.
  l.imgMenu.moveLeft(base.CenterX + l.lblFoundation.width() / 2 - l.imgMenu.width() / 2);
}

BoardLayout LayOutBoard(const LayoutBase& base) {
  BoardLayout l = InitBoard(base);
  ArrangePiles(l, base);
  ArrangeDecorations(l, base);
  return l;
}

std::vector<PlacedElement> Elements(const BoardLayout& l) {
  std::vector<PlacedElement> out;
  auto add = [&](std::string_view name, const QRect& rect) { out.push_back({name, -1, rect}); };
  auto addArray = [&](std::string_view name, const auto& rects, int first, int last) {
    for (int i = first; i <= last; ++i) out.push_back({name, i, rects[i]});
  };
  addArray("picCenter", l.picCenter, 1, 8);
  addArray("picTableau", l.picTableau, 1, 8);
  addArray("picPlayer", l.picPlayer, 1, 3);
  addArray("picOpponent", l.picOpponent, 1, 3);
  addArray("lblCardFrame", l.lblCardFrame, 1, 6);
  addArray("lblHouse", l.lblHouse, 0, 1);
  addArray("lblTableau", l.lblTableau, 0, 1);
  add("lblFoundation", l.lblFoundation);
  add("lblCenterName", l.lblCenterName);
  addArray("lblTabCnt", l.lblTabCnt, 1, 8);
  add("lblPResCnt", l.lblPResCnt);
  add("lblPHandCnt", l.lblPHandCnt);
  add("lblPWasteCnt", l.lblPWasteCnt);
  add("lblOResCnt", l.lblOResCnt);
  add("lblOHandCnt", l.lblOHandCnt);
  add("lblOWasteCnt", l.lblOWasteCnt);
  add("imgPStock", l.imgPStock);
  add("imgPReserve", l.imgPReserve);
  add("imgPWaste", l.imgPWaste);
  add("imgOStock", l.imgOStock);
  add("imgOReserve", l.imgOReserve);
  add("imgOWaste", l.imgOWaste);
  add("imglblTableauL", l.imglblTableauL);
  add("imglblTableauR", l.imglblTableauR);
  add("imglblCenters", l.imglblCenters);
  addArray("imgCol", l.imgCol, 0, 3);
  add("imgStairs", l.imgStairs);
  add("imgTop", l.imgTop);
  add("ImgTurn1", l.ImgTurn1);
  add("ImgTurn2", l.ImgTurn2);
  add("lblTurn", l.lblTurn);
  add("lblMessage", l.lblMessage);
  add("StatusMsg", l.StatusMsg);
  add("imgLogo", l.imgLogo);
  add("imgMenu", l.imgMenu);
  add("cmdDeal", l.cmdDeal);
  return out;
}

QRect PileRect(const BoardLayout& l, PileRef pile) {
  const int i = pile.index;
  switch (pile.kind) {
    case PileKind::Center: return i >= 1 && i <= 8 ? l.picCenter[i] : QRect();
    case PileKind::Tableau: return i >= 1 && i <= 8 ? l.picTableau[i] : QRect();
    case PileKind::Player: return i >= 1 && i <= 3 ? l.picPlayer[i] : QRect();
    case PileKind::Opponent: return i >= 1 && i <= 3 ? l.picOpponent[i] : QRect();
    case PileKind::None: break;
  }
  return QRect();
}

}  // namespace cv
