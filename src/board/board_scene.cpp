#include "board/board_scene.h"

#include <QGraphicsProxyWidget>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

namespace cv {
namespace {

// Drawing layers; the card pictures stack above kCardLayer in their own order.
constexpr qreal kStructureLayer = 1, kColumnLayer = 2, kCaptionLayer = 3, kBoxLayer = 4, kFrameLayer = 5,
                kLabelLayer = 6, kCardLayer = 100, kButtonLayer = 10000, kPanelLayer = 20000;

const QColor kBoxLine(40, 40, 40, 160);

template <typename T>
T* Add(QGraphicsScene& scene, T* item, qreal z) {
  item->setZValue(z);
  scene.addItem(item);
  return item;
}

}  // namespace

BoardScene::BoardScene(const BoardLayout& layout, const CardArt& art) {
  scene_.setSceneRect(QRectF(QPointF(0, 0), layout.board));
  scene_.setItemIndexMethod(QGraphicsScene::NoIndex);  // few items, and the cards move

  auto pile = [&](const char* name, PileKind kind, int i) {
    auto* item = Add(scene_, new CardItem(name, i, {kind, i}, art), kCardLayer);
    stack_.push_back(item);
    return item;
  };
  for (int i = 1; i <= 8; ++i) picCenter[i] = pile("picCenter", PileKind::Center, i);
  for (int i = 1; i <= 8; ++i) picTableau[i] = pile("picTableau", PileKind::Tableau, i);
  for (int i = 1; i <= 3; ++i) picPlayer[i] = pile("picPlayer", PileKind::Player, i);
  for (int i = 1; i <= 3; ++i) picOpponent[i] = pile("picOpponent", PileKind::Opponent, i);
  picSmoke = Add(scene_, new CardItem("picSmoke", 0, {}, art), kCardLayer);
  picSmoke->hide();
  stack_.insert(stack_.begin(), picSmoke);
  ArrangePiles(layout);

  for (const PlacedElement& e : Elements(layout)) {
    const QString name = QString::fromUtf8(e.name.data(), static_cast<qsizetype>(e.name.size()));
    const std::string_view n = e.name;
    auto label = [&](qreal z, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
      auto* item = Add(scene_, new LabelItem(name, e.index, e.rect.size(), align), z);
      item->setPos(e.rect.topLeft());
      return item;
    };
    auto picture = [&](qreal z, bool centred) { return Add(scene_, new PictureItem(name, e.index, e.rect, centred), z); };
    const auto right = Qt::AlignRight | Qt::AlignVCenter, left = Qt::AlignLeft | Qt::AlignVCenter;

    if (n == "lblCardFrame") {
      lblCardFrame[e.index] = label(kFrameLayer);
      lblCardFrame[e.index]->SetBoxed(kBoxLine);
    } else if (n == "lblHouse" || n == "lblFoundation") {
      LabelItem* box = label(kBoxLayer);
      box->SetBoxed(kBoxLine);
      (n == "lblFoundation" ? lblFoundation : lblHouse[e.index]) = box;
    } else if (n == "lblTableau" || n == "lblCenterName") {
      LabelItem* caption = label(kLabelLayer, Qt::AlignCenter);
      caption->SetFont(BoardFont(9, true));
      caption->SetText(n == "lblTableau" ? "Tableau" : "Centers");
      (n == "lblCenterName" ? lblCenterName : lblTableau[e.index]) = caption;
    } else if (n == "lblTabCnt") {
      lblTabCnt[e.index] = label(kLabelLayer, e.index <= 4 ? right : left);
    } else if (n == "lblPResCnt") lblPResCnt = label(kLabelLayer, left);
    else if (n == "lblPHandCnt") lblPHandCnt = label(kLabelLayer, left);
    else if (n == "lblPWasteCnt") lblPWasteCnt = label(kLabelLayer, left);
    else if (n == "lblOResCnt") lblOResCnt = label(kLabelLayer, right);  // stands against the frame's left
    else if (n == "lblOHandCnt") lblOHandCnt = label(kLabelLayer, left);
    else if (n == "lblOWasteCnt") lblOWasteCnt = label(kLabelLayer, left);
    else if (n == "lblTurn") lblTurn = label(kLabelLayer);
    else if (n == "lblMessage") lblMessage = label(kLabelLayer);
    else if (n == "StatusMsg") StatusMsg = label(kLabelLayer);
    else if (n.starts_with("imgP") || n.starts_with("imgO") || n.starts_with("imglbl"))
      captions.push_back(picture(kCaptionLayer, true));
    else if (n == "imgCol") imgCol[e.index] = picture(kColumnLayer, false);
    else if (n == "imgStairs") imgStairs = picture(kStructureLayer, false);
    else if (n == "imgTop") imgTop = picture(kStructureLayer, false);
    else if (n == "ImgTurn1") ImgTurn1 = picture(kLabelLayer, true);
    else if (n == "ImgTurn2") ImgTurn2 = picture(kLabelLayer, true);
    else if (n == "imgLogo") imgLogo = picture(kLabelLayer, false);
    else if (n == "imgMenu") imgMenu = picture(kLabelLayer, false);
    else if (n == "cmdDeal") {
      dealButton = new QPushButton(QStringLiteral("DEAL"));
      dealButton->setObjectName(name);
      dealButton->setFont(BoardFont(10, true));
      dealButton->setFixedSize(e.rect.size());
      dealButton->setFocusPolicy(Qt::NoFocus);  // keys belong to the board
      // In the brass of the board's captions, so it reads as part of the table.
      dealButton->setStyleSheet(
          "QPushButton { color: #3b2408; border: 1px solid #6b4a16; border-radius: 5px;"
          " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7e1a0, stop:0.5 #e0b85c, stop:1 #b98a2e); }"
          "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff0c0, stop:1 #d19f3f); }"
          "QPushButton:pressed { background: #b98a2e; }");
      cmdDeal = scene_.addWidget(dealButton);
      cmdDeal->setObjectName(name);
      cmdDeal->setPos(e.rect.topLeft());
      cmdDeal->setZValue(kButtonLayer);
    }
  }
  picPanel = Add(scene_, new PictureItem("picPanel", -1, QRect(layout.picPanel, QSize()), false), kPanelLayer);
  picPanel->hide();  // the menu strip shows only when the pointer asks for it
  ImgTurn1->setToolTip("It's your turn!");
  ImgTurn2->setToolTip("It's your opponent's turn.");
  ImgTurn1->hide();
  ImgTurn2->hide();
  Restack();
}

void BoardScene::ArrangePiles(const BoardLayout& layout) {
  for (CardItem* item : stack_) {
    if (item == picSmoke) continue;
    item->setPos(PileRect(layout, item->pile()).topLeft());
    item->show();
  }
}

CardItem* BoardScene::Pile(PileRef pile) const {
  const int i = pile.index;
  switch (pile.kind) {
    case PileKind::Center: return i >= 1 && i <= 8 ? picCenter[i] : nullptr;
    case PileKind::Tableau: return i >= 1 && i <= 8 ? picTableau[i] : nullptr;
    case PileKind::Player: return i >= 1 && i <= 3 ? picPlayer[i] : nullptr;
    case PileKind::Opponent: return i >= 1 && i <= 3 ? picOpponent[i] : nullptr;
    case PileKind::None: break;
  }
  return nullptr;
}

LabelItem* BoardScene::CountLabel(PileKind kind, int index) const {
  if (kind == PileKind::Tableau) return index >= 1 && index <= 8 ? lblTabCnt[index] : nullptr;
  const bool own = kind == PileKind::Player;
  if (!own && kind != PileKind::Opponent) return nullptr;
  switch (index) {
    case kStock: return own ? lblPHandCnt : lblOHandCnt;
    case kReserve: return own ? lblPResCnt : lblOResCnt;
    case kWaste: return own ? lblPWasteCnt : lblOWasteCnt;
    default: return nullptr;
  }
}

QGraphicsObject* BoardScene::Element(std::string_view name, int index) const {
  const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  for (QGraphicsItem* item : scene_.items()) {
    QGraphicsObject* object = item->toGraphicsObject();
    if (!object || object->objectName() != wanted) continue;
    const QVariant i = object->property("index");
    if (index < 0 ? !i.isValid() : (i.isValid() && i.toInt() == index)) return object;
  }
  return nullptr;
}

void BoardScene::BringToFront(CardItem* item) {
  const auto it = std::find(stack_.begin(), stack_.end(), item);
  if (it == stack_.end() || it + 1 == stack_.end()) return;
  std::rotate(it, it + 1, stack_.end());
  Restack();
}

void BoardScene::SendToBack(CardItem* item) {
  const auto it = std::find(stack_.begin(), stack_.end(), item);
  if (it == stack_.end() || it == stack_.begin()) return;
  std::rotate(stack_.begin(), it, it + 1);
  Restack();
}

void BoardScene::Restack() {
  for (size_t i = 0; i < stack_.size(); ++i) stack_[i]->setZValue(kCardLayer + static_cast<qreal>(i));
}

}  // namespace cv
