#pragma once
// The inspection window "View": up to seven cards of one pile, face up, top card first.
#include <QPixmap>
#include <QWidget>
#include <array>
#include <vector>

#include "engine/game_state.h"
#include "engine/rules.h"

class QLabel;

namespace cv {

inline constexpr int kViewerCards = 7;

// The cards the viewer shows for a pile, from the top down, at most seven.
std::vector<Card> ViewedCards(const GameState& s, PileRef pile);

class CardViewer : public QWidget {
 public:
  explicit CardViewer(QWidget* parent = nullptr);
  // Empties the seven pictures, shows the window and fills them from the pile.
  void ViewCards(const GameState& s, PileRef pile, const QPixmap& faceSheet);
  // Picture k (1..7).
  QLabel* picView(int k) const { return k >= 1 && k <= kViewerCards ? pictures_[k] : nullptr; }

 private:
  std::array<QLabel*, kViewerCards + 1> pictures_{};
};

}  // namespace cv
