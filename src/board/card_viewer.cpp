#include "board/card_viewer.h"

#include <QLabel>
#include <QVariant>

#include "board/metrics.h"
#include "cardart/picture_store.h"

namespace cv {

std::vector<Card> ViewedCards(const GameState& s, PileRef pile) {
  const Card* cards = nullptr;
  int count = 0;
  const int i = pile.index;
  if (pile.kind == PileKind::Tableau && i >= 1 && i <= 8) {
    cards = s.Tableau[i].data();
    count = s.TableauCnt[i];
  } else if ((pile.kind == PileKind::Player || pile.kind == PileKind::Opponent) && i >= kStock && i <= kWaste) {
    const int o = pile.kind == PileKind::Player ? kLocal : kOpponent;
    const PlayerPiles& piles = i == kStock ? s.Stock : i == kReserve ? s.Reserve : s.Waste;
    cards = piles[o].data();
    count = i == kStock ? s.StockCnt[o] : i == kReserve ? s.ReserveCnt[o] : s.WasteCnt[o];
  }
  std::vector<Card> shown;
  for (int k = count; k >= 1 && static_cast<int>(shown.size()) < kViewerCards; --k) shown.push_back(cards[k]);
  return shown;
}

CardViewer::CardViewer(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("frmView");
  setWindowTitle("View");
  setFixedSize(kViewerCards * CardW, CardH);
  for (int k = 1; k <= kViewerCards; ++k) {
    auto* picture = new QLabel(this);
    picture->setObjectName("picView");
    picture->setProperty("index", k);
    picture->setGeometry((k - 1) * CardW, 0, CardW, CardH);
    pictures_[k] = picture;
  }
}

void CardViewer::ViewCards(const GameState& s, PileRef pile, const QPixmap& faceSheet) {
  for (int k = 1; k <= kViewerCards; ++k) pictures_[k]->clear();
  show();
  raise();
  int k = 1;
  for (Card card : ViewedCards(s, pile)) pictures_[k++]->setPixmap(faceSheet.copy(CardCell(card)));
}

}  // namespace cv
