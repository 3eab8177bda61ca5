#include "board/mouse_play.h"

#include <cmath>

#include "board/board_view.h"
#include "board/drag.h"

namespace cv {
namespace {
constexpr int kTurnRefused = 0, kNotToCenter = 14;
}

bool MousePlay::NotYourTurn() const { return game_->state.Turn > 1 && !view_.DealButtonVisible(); }

void MousePlay::Press(CardItem* pile, Qt::MouseButton button, QPointF at) {
  game_ = view_.game();
  // The Centers take no presses at all.
  if (!game_ || moving_ || pile->pile().kind == PileKind::Center) return;
  if (button == Qt::RightButton && view_.InspectMode) {
    view_.ViewCards(pile->pile());
    return;
  }
  // Cards are played with the left button only.
  if (button != Qt::LeftButton) return;
  captured_ = pile;
  if (pile->pile().kind == PileKind::Player)
    PressOwnPile(pile, at);
  else if (pile->pile().kind == PileKind::Tableau)
    PressTableau(pile, at);
}

void MousePlay::ClearMessage() {
  Game& g = *game_;
  if ((!g.TutorialOn && !g.NetworkGame()) || g.RefusalShown) view_.SetMessage({});
  g.RefusalShown = false;
}

void MousePlay::PressOwnPile(CardItem* pile, QPointF at) {
  Game& g = *game_;
  if (g.state.Turn == 0) return;
  if (NotYourTurn()) {
    g.RuleMessage(kTurnRefused);
    return;
  }
  if (Dragging == 0) StartDrag(pile, at);
  view_.SetTurnLabel({});
  ClearMessage();
  const int i = pile->pile().index;
  if (i == kStock && !g.PressOwnStock()) {
    Dragging = 0;  // the press turned the card up, recycled the Waste or was refused
    return;
  }
  g.SetSelection(PileKind::Player, i, g.TopCard(PileKind::Player, i));
  if (g.SelCard == 0) Dragging = 0;
}

void MousePlay::PressTableau(CardItem* pile, QPointF at) {
  Game& g = *game_;
  // No game on, or the deal still running: the Tableau is not to be touched.
  if (g.state.Turn == 0) return;
  ClearMessage();
  if (NotYourTurn()) {
    g.RuleMessage(kTurnRefused);
    return;
  }
  const int t = pile->pile().index;
  if (g.state.TableauCnt[t] == 0) return;
  if (Dragging == 0) StartDrag(pile, at);
  g.SetSelection(PileKind::Tableau, t, g.state.TableauTop(t));
}

void MousePlay::StartDrag(CardItem* pile, QPointF at) {
  Dragging = 1;
  dragged_ = pile;
  home_ = pile->pos().toPoint();
  CardItem* under = view_.boardScene().picSmoke;
  under->setPos(home_);
  under->ShowUnder(UnderCardForDrag(game_->state, pile->pile()));
  under->show();
  grab_ = at - pile->pos();
  view_.boardScene().BringToFront(under);
  view_.boardScene().BringToFront(pile);
}

void MousePlay::Move(QPointF at) {
  if (Dragging != 1 || captured_ != dragged_ || !game_) return;
  if (dragged_->pile().kind == PileKind::Player && game_->state.Turn >= 2) return;
  const QPointF corner = at - grab_;
  dragged_->setPos(std::round(corner.x()), std::round(corner.y()));
}

void MousePlay::Release() {
  CardItem* pile = captured_;
  captured_ = nullptr;
  game_ = view_.game();
  if (!pile || !game_) return;
  Game& g = *game_;
  if (pile->pile().kind == PileKind::Player) {
    if (NotYourTurn())
      g.RuleMessage(kTurnRefused);
    else if (Dragging == 1 && g.SelCard != 0)
      DropCard();
    else if (Dragging == 1)
      g.platform().Beep();
    // The Stock card dropped on the own Waste ends the turn when the button comes up.
    g.HandOver();
  } else if (pile->pile().kind == PileKind::Tableau && Dragging == 1) {
    DropCard();
  }
}

void MousePlay::DropCard() {
  Game& g = *game_;
  g.platform().ProcessEvents();
  if (Dragging != 1 || !dragged_) return;
  Dragging = 0;
  CardItem* pile = dragged_;
  const QPoint at = pile->pos().toPoint();
  if (at == home_) return;  // a click without movement
  const PileRef source = pile->pile();
  if (const auto target = HitTest(view_.layout(), source, at)) {
    pile->setPos(PileRect(view_.layout(), *target).topLeft());
    // During the tutorial a switched-off Tableau pile takes no card.
    const CardItem* dest = view_.boardScene().Pile(*target);
    const bool closed = target->kind == PileKind::Tableau && g.TutorialOn && !dest->isEnabled();
    moving_ = true;
    if (!closed && g.PlaceLocalMove(source, *target)) {
      view_.boardScene().BringToFront(view_.boardScene().picSmoke);
      pile->setPos(home_);
      g.TakeFromSource(g.SelPile, g.SelIndex);
      moving_ = false;
      return;
    }
    moving_ = false;
  }
  SlideHome(pile);
}

void MousePlay::SlideHome(CardItem* pile) {
  for (const QPoint& p : SlideBackPath(pile->pos().toPoint(), home_)) {
    pile->setPos(p);
    view_.StepPause();
  }
}

void MousePlay::DoubleClick(CardItem* pile, Qt::MouseButton button) {
  game_ = view_.game();
  if (!game_ || moving_ || button != Qt::LeftButton) return;
  captured_ = pile;  // the release of the second click comes to the same pile
  Game& g = *game_;
  const PileRef from = pile->pile();
  const bool own = from.kind == PileKind::Player;
  if ((!own && from.kind != PileKind::Tableau) || (own && from.index == kWaste)) return;
  if (g.state.Turn != 1) return;
  const Card card = g.TopCard(from.kind, from.index);
  if (card == 0) return;
  // A Stock card the first click could not turn up is not played unseen.
  if (own && from.index == kStock && !g.state.StockUp) return;
  g.SetSelection(from.kind, from.index, card);
  if (own) {
    StartDrag(pile, pile->pos() + grab_);
    Dragging = 0;
  }
  const Found f = CheckCenter(g.state, CardValue(card), CardSuit(card));
  if (!f) {
    g.RuleMessage(kNotToCenter);
    return;
  }
  if (!g.CanPlay(from, card, {PileKind::Center, f.index}, g.state.CenterTop(f.index))) return;
  moving_ = true;
  g.FlyCard(from.kind, from.index, PileKind::Center, f.index);
  g.PlaceOnCenter(f.index);
  g.TakeFromSource(from.kind, from.index);
  moving_ = false;
  pile->show();
  view_.boardScene().BringToFront(pile);
}

void MousePlay::Reset() {
  Dragging = 0;
  moving_ = false;
  captured_ = dragged_ = nullptr;
}

}  // namespace cv
