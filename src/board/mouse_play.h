#pragma once
// The local player's moves with the mouse: a press lifts a card (or turns up the
// Stock), a drag carries it with the grab point under the pointer, a release drops it
// on the pile it covers or slides it home; a double-click sends a card to a Center.
#include <QPoint>
#include <QPointF>

namespace cv {

class BoardView;
class CardItem;
class Game;

class MousePlay {
 public:
  explicit MousePlay(BoardView& view) : view_(view) {}

  void Press(CardItem* pile, Qt::MouseButton button, QPointF at);
  void Move(QPointF at);
  void Release();
  void DoubleClick(CardItem* pile, Qt::MouseButton button);
  // The pile pressed receives the moves and the release that follow.
  bool Captured() const { return captured_ != nullptr; }
  // The board was cleared: no drag goes on.
  void Reset();

  // 1 while a card is being dragged.
  int Dragging = 0;

 private:
  void PressOwnPile(CardItem* pile, QPointF at);
  void PressTableau(CardItem* pile, QPointF at);
  void StartDrag(CardItem* pile, QPointF at);
  void DropCard();
  void SlideHome(CardItem* pile);
  void ClearMessage();
  // The opponent is on turn and no deal button offers a way out.
  bool NotYourTurn() const;

  BoardView& view_;
  Game* game_ = nullptr;  // for the event being handled
  // A move is being carried out; its flight and pauses let presses in, which must not
  // start another move before this one has taken its card from the source.
  bool moving_ = false;
  CardItem* captured_ = nullptr;
  CardItem* dragged_ = nullptr;
  QPoint home_;
  QPointF grab_;
};

}  // namespace cv
