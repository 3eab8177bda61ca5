#pragma once
// Every element of the board as an item of one scene in board pixels, placed as the
// layout says, and the drawing order of the card pictures.
#include <QGraphicsScene>
#include <array>
#include <string_view>
#include <vector>

#include "board/board_items.h"
#include "board/layout.h"

class QGraphicsProxyWidget;
class QPushButton;

namespace cv {

class BoardScene {
 public:
  BoardScene(const BoardLayout& layout, const CardArt& art);
  BoardScene(const BoardScene&) = delete;
  BoardScene& operator=(const BoardScene&) = delete;

  QGraphicsScene& scene() { return scene_; }

  // A pile picture; null for an address that is no pile.
  CardItem* Pile(PileRef pile) const;
  // The count label beside a pile; null where a pile has none.
  LabelItem* CountLabel(PileKind kind, int index) const;
  // The element of that name (and index, for the arrays); null when there is none.
  QGraphicsObject* Element(std::string_view name, int index = -1) const;

  // Piles back at their places, shown in the order they were made.
  void ArrangePiles(const BoardLayout& layout);
  // The card pictures and the under-card picture keep their own drawing order above
  // every decoration.
  void BringToFront(CardItem* item);
  void SendToBack(CardItem* item);

  std::array<CardItem*, 9> picCenter{}, picTableau{};
  std::array<CardItem*, 4> picPlayer{}, picOpponent{};
  CardItem* picSmoke = nullptr;  // the under-card picture
  std::array<LabelItem*, 7> lblCardFrame{};
  std::array<LabelItem*, 2> lblHouse{}, lblTableau{};
  LabelItem *lblFoundation = nullptr, *lblCenterName = nullptr;
  std::array<LabelItem*, 9> lblTabCnt{};
  LabelItem *lblPResCnt = nullptr, *lblPHandCnt = nullptr, *lblPWasteCnt = nullptr;
  LabelItem *lblOResCnt = nullptr, *lblOHandCnt = nullptr, *lblOWasteCnt = nullptr;
  LabelItem *lblTurn = nullptr, *lblMessage = nullptr, *StatusMsg = nullptr;
  std::vector<PictureItem*> captions;  // imgPStock .. imglblCenters
  std::array<PictureItem*, 4> imgCol{};
  PictureItem *imgStairs = nullptr, *imgTop = nullptr;
  PictureItem *ImgTurn1 = nullptr, *ImgTurn2 = nullptr, *imgLogo = nullptr, *imgMenu = nullptr, *picPanel = nullptr;
  QGraphicsProxyWidget* cmdDeal = nullptr;
  QPushButton* dealButton = nullptr;

 private:
  void Restack();

  QGraphicsScene scene_;
  std::vector<CardItem*> stack_;  // bottom first
};

}  // namespace cv
