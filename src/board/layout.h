#pragma once
// Where every pile, label and decoration of the board stands, in board pixels. The
// board is designed for an 800-pixel screen; on wider screens the piles spread out and
// a few decorations move. Everything here is computed; nothing is drawn.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <string_view>
#include <vector>

#include "board/metrics.h"
#include "engine/rules.h"

namespace cv {

// The screen-dependent values every layout starts from.
struct LayoutBase {
  int CenterX = 296;
  int SideGap = 20;
  int FrameExtra = 0;
  bool Wide = false;        // the screen is wider than 800 pixels
  bool LargeFonts = false;  // the display does not run at 96 dots per inch
};

// ScreenW is the screen width in twips (15 to the pixel at 96 dots per inch).
LayoutBase LayoutBaseFor(int ScreenW, bool LargeFonts);

// The board's elements by their names; arrays are indexed as the names are (position 0
// of the 1-based arrays is unused).
struct BoardLayout {
  std::array<QRect, 9> picCenter;
  std::array<QRect, 9> picTableau;
  std::array<QRect, 4> picPlayer;
  std::array<QRect, 4> picOpponent;
  std::array<QRect, 7> lblCardFrame;
  std::array<QRect, 2> lblHouse;
  std::array<QRect, 2> lblTableau;
  QRect lblFoundation, lblCenterName;
  std::array<QRect, 9> lblTabCnt;
  QRect lblPResCnt, lblPHandCnt, lblPWasteCnt, lblOResCnt, lblOHandCnt, lblOWasteCnt;
  QRect imgPStock, imgPReserve, imgPWaste, imgOStock, imgOReserve, imgOWaste;
  QRect imglblTableauL, imglblTableauR, imglblCenters;
  std::array<QRect, 4> imgCol;
  QRect imgStairs, imgTop;
  QRect ImgTurn1, ImgTurn2;
  QRect lblTurn, lblMessage, StatusMsg;
  QRect imgLogo;
  QRect imgMenu;  // the tab that brings the menu strip, in the free top-left corner
  QRect cmdDeal;
  QPoint picPanel;  // its size is that of the panel picture in use
  QSize board;      // the board surface the scene shows
};

// The window as designed, with the pile sizes for the display; the other piles are
// copies of pile 1 until ArrangePiles places them.
BoardLayout InitBoard(const LayoutBase& base);
void ArrangePiles(BoardLayout& layout, const LayoutBase& base);
void ArrangeDecorations(BoardLayout& layout, const LayoutBase& base);
// All three in the start-up order.
BoardLayout LayOutBoard(const LayoutBase& base);

// A placed element by its name and, for the arrays, its index (-1 otherwise).
struct PlacedElement {
  std::string_view name;
  int index = -1;
  QRect rect;
};
// Every element with a size, arrays in index order; the panel strip is not among them.
std::vector<PlacedElement> Elements(const BoardLayout& layout);

// The picture of a pile; an empty rectangle for an address that is no pile.
QRect PileRect(const BoardLayout& layout, PileRef pile);

}  // namespace cv
