// The local player's moves with the real mouse on the real board: drags that land or
// slide home, clicks on the Stock, double-clicks to a Center, and the opponent's turn.
#include <QLabel>

#include "board/card_viewer.h"
#include "board/drag.h"
#include "engine/text.h"
#include "support/positions.h"
#include "view_fixture.h"

namespace cv::test {
namespace {

constexpr PileRef kOwnStock{PileKind::Player, kStock}, kOwnReserve{PileKind::Player, kReserve},
    kOwnWaste{PileKind::Player, kWaste};
constexpr Card kQueenOfDiamonds = 25, kKingOfDiamonds = 26, kKingOfClubs = 13, kAceOfClubs = 1, kAceOfHearts = 27;

// Every Tableau pile holds a King of clubs; the local Reserve shows the Queen of
// diamonds over a face-down card; nothing is compulsory.
void QuietPosition(GameState& s) {
  s = QuietBoard();
  SetTableau(s, 5, {kKingOfDiamonds});
  SetReserve(s, 0, {30, kQueenOfDiamonds}, 1);
  SetStock(s, 0, {5, 6, 7});
  SetWaste(s, 0, {});
  SetReserve(s, 1, {40});
  SetStock(s, 1, {41, 42, 43, 44});
  SetWaste(s, 1, {});
}

class MousePlayTest : public BoardFixture {
 protected:
  void ExpectAtHome(PileRef pile) {
    EXPECT_EQ(Pile(pile)->pos().toPoint(), PileRect(view.layout(), pile).topLeft());
    EXPECT_TRUE(Pile(pile)->isVisible());
  }
};

// The same drag on a board at design size and at twice its size: the grab point stays
// under the pointer and the card lands where it is let go.
class DragAtScale : public MousePlayTest, public ::testing::WithParamInterface<int> {};

TEST_P(DragAtScale, AReserveCardDroppedOnAFittingTableauPileGoesThere) {
  view.resize(view.layout().board * GetParam());
  StartLocalTurn(QuietPosition);
  const QRect reserve = PileRect(view.layout(), kOwnReserve);
  Press(At(reserve.center()));
  MoveTo(At(reserve.center() + QPoint(40, -30)));
  EXPECT_EQ(Pile(kOwnReserve)->pos().toPoint(), reserve.topLeft() + QPoint(40, -30));
  EXPECT_TRUE(view.boardScene().picSmoke->isVisible());
  EXPECT_EQ(view.boardScene().picSmoke->shows(), CardItem::Shows::Back);  // the card below is face down

  const QRect tableau = PileRect(view.layout(), {PileKind::Tableau, 3});
  const QPoint grab = reserve.center() - reserve.topLeft();
  MoveTo(At(tableau.topLeft() + QPoint(12, -20) + grab));
  Release(At(tableau.topLeft() + QPoint(12, -20) + grab));

  EXPECT_EQ(game.state.TableauCnt[3], 2);
  EXPECT_EQ(game.state.TableauTop(3), kQueenOfDiamonds);
  EXPECT_EQ(Pile({PileKind::Tableau, 3})->card(), kQueenOfDiamonds);
  EXPECT_EQ(Label("lblTabCnt", 3)->text(), "2");
  EXPECT_EQ(game.state.ReserveCnt[0], 1);
  EXPECT_EQ(Pile(kOwnReserve)->card(), 30);  // turned up
  ExpectAtHome(kOwnReserve);
  EXPECT_EQ(view.Message(), "");
}
INSTANTIATE_TEST_SUITE_P(Sizes, DragAtScale, ::testing::Values(1, 2));

TEST_F(MousePlayTest, ARefusedCardSaysWhyAndSlidesHome) {
  StartLocalTurn(QuietPosition);
  const GameState before = game.state;
  const QPoint target = PileRect(view.layout(), {PileKind::Tableau, 5}).topLeft();
  const QPoint home = PileRect(view.layout(), kOwnReserve).topLeft();
  std::vector<QPoint> seen;
  platform.onPause = [&] { seen.push_back(Pile(kOwnReserve)->pos().toPoint()); };
  Drag(kOwnReserve, {PileKind::Tableau, 5});  // a red Queen on a red King
  platform.onPause = nullptr;

  EXPECT_EQ(game.state.Tableau, before.Tableau);
  EXPECT_EQ(game.state.ReserveCnt, before.ReserveCnt);
  EXPECT_EQ(view.Message(), std::string(kCannotPlayThere) + "\r\n" + std::string(RuleText(2)));
  EXPECT_EQ(seen, SlideBackPath(target, home));  // from where it was snapped, home
  ExpectAtHome(kOwnReserve);
  EXPECT_EQ(Pile(kOwnReserve)->card(), kQueenOfDiamonds);
}

TEST_F(MousePlayTest, PressAndReleaseWithoutMovingDoesNothing) {
  StartLocalTurn(QuietPosition);
  const GameState before = game.state;
  const size_t sounds = platform.sounds.size();
  Click(kOwnReserve);
  Click({PileKind::Tableau, 2});
  EXPECT_EQ(game.state.Tableau, before.Tableau);
  EXPECT_EQ(game.state.Reserve, before.Reserve);
  EXPECT_EQ(view.Message(), "");
  EXPECT_EQ(platform.sounds.size(), sounds);
}

TEST_F(MousePlayTest, ACardLetGoOverNoPileSlidesHomeSilently) {
  StartLocalTurn(QuietPosition);
  Click(kOwnStock);  // turns the Stock card up
  ASSERT_TRUE(game.state.StockUp);
  Drag(kOwnStock, kOwnReserve);  // the own Reserve is never a target
  EXPECT_EQ(game.state.StockCnt[0], 3);
  EXPECT_EQ(view.Message(), "");
  ExpectAtHome(kOwnStock);
  EXPECT_EQ(Pile(kOwnStock)->card(), 7);
}

TEST_F(MousePlayTest, TheStockCardOnTheOwnWasteHandsTheTurnToTheComputer) {
  StartLocalTurn(QuietPosition);
  const int turns = game.state.TurnCount;
  Click(kOwnStock);
  EXPECT_EQ(Pile(kOwnStock)->card(), 7);
  Drag(kOwnStock, kOwnWaste, {0, 0});

  // The release handed over; the computer played its turn and gave it back.
  EXPECT_EQ(game.state.WasteTop(0), 7);
  EXPECT_EQ(game.state.Turn, 1);
  EXPECT_EQ(game.state.TurnCount, turns + 1);
  EXPECT_EQ(game.state.WasteCnt[1], 1);  // its turn ended with its Stock card on its Waste
  EXPECT_EQ(Pile({PileKind::Opponent, kWaste})->card(), game.state.WasteTop(1));
  EXPECT_TRUE(view.Element("ImgTurn1")->isVisible());
  EXPECT_FALSE(view.Element("ImgTurn2")->isVisible());
}

TEST_F(MousePlayTest, DoubleClickSendsATableauCardFlyingToACenter) {
  StartLocalTurn([](GameState& s) {
    QuietPosition(s);
    SetTableau(s, 2, {kKingOfClubs, kAceOfClubs});
  });
  platform.pauses.clear();
  DoubleClick({PileKind::Tableau, 2});
  EXPECT_EQ(game.state.CenterTop(1), kAceOfClubs);
  EXPECT_EQ(Pile({PileKind::Center, 1})->card(), kAceOfClubs);
  EXPECT_EQ(game.state.TableauTop(2), kKingOfClubs);
  EXPECT_EQ(Pile({PileKind::Tableau, 2})->card(), kKingOfClubs);
  ExpectAtHome({PileKind::Tableau, 2});
  EXPECT_GE(platform.pauses.size(), 2u);  // it flew, step by step
}

TEST_F(MousePlayTest, APressDuringAFlightStartsNoSecondMove) {
  StartLocalTurn([](GameState& s) {
    QuietPosition(s);
    SetTableau(s, 2, {kKingOfClubs, kAceOfClubs});
  });
  bool tried = false;
  platform.onPause = [&] {
    if (tried) return;
    tried = true;
    Drag(kOwnReserve, {PileKind::Tableau, 3});  // a legal move, but the Ace is still flying
  };
  DoubleClick({PileKind::Tableau, 2});
  platform.onPause = nullptr;
  ASSERT_TRUE(tried);
  EXPECT_EQ(game.state.CenterCnt[1], 1);
  EXPECT_EQ(game.state.CenterTop(1), kAceOfClubs);
  EXPECT_EQ(game.state.TableauCnt[3], 1);
  EXPECT_EQ(game.state.ReserveTop(0), kQueenOfDiamonds);
  ExpectAtHome(kOwnReserve);
}

TEST_F(MousePlayTest, WithNoTurnOnTheTableauIsNotTouched) {
  StartLocalTurn([](GameState& s) {
    QuietPosition(s);
    SetTableau(s, 2, {kQueenOfDiamonds});
    s.Turn = 0;  // as while the cards are being dealt
  });
  Drag({PileKind::Tableau, 2}, {PileKind::Tableau, 3});
  DoubleClick({PileKind::Tableau, 2});
  EXPECT_EQ(game.state.TableauCnt[2], 1);
  EXPECT_EQ(game.state.TableauCnt[3], 1);
  ExpectAtHome({PileKind::Tableau, 2});
}

TEST_F(MousePlayTest, DoubleClickOnACardNoCenterTakes) {
  StartLocalTurn(QuietPosition);
  DoubleClick(kOwnReserve);
  EXPECT_EQ(view.Message(), "That card cannot be played to the Center.");
  EXPECT_EQ(game.state.ReserveTop(0), kQueenOfDiamonds);
  ExpectAtHome(kOwnReserve);
}

TEST_F(MousePlayTest, DoubleClickOnTheStockPlaysTheCardItTurnsUp) {
  StartLocalTurn([](GameState& s) {
    QuietPosition(s);
    SetStock(s, 0, {5, kAceOfHearts});
  });
  DoubleClick(kOwnStock);  // the first click turns the Ace up, the second plays it
  EXPECT_EQ(game.state.CenterTop(1), kAceOfHearts);
  EXPECT_EQ(game.state.StockCnt[0], 1);
  EXPECT_EQ(Pile(kOwnStock)->shows(), CardItem::Shows::Back);
}

TEST_F(MousePlayTest, DoubleClickDoesNotPlayAStockCardThatStayedFaceDown) {
  StartLocalTurn([](GameState& s) {
    QuietPosition(s);
    SetStock(s, 0, {5, kAceOfHearts});
    SetTableau(s, 4, {});  // an empty Tableau pile must be filled first
  });
  DoubleClick(kOwnStock);
  EXPECT_EQ(game.state.StockCnt[0], 2);
  EXPECT_EQ(game.state.CenterCnt[1], 0);
  EXPECT_FALSE(game.state.StockUp);
  EXPECT_EQ(view.Message(), std::string(RuleText(7)));
}

TEST_F(MousePlayTest, DuringTheOpponentsTurnEveryPressIsRefused) {
  StartLocalTurn([](GameState& s) {
    QuietPosition(s);
    s.Turn = 2;
  });
  const GameState before = game.state;
  for (PileRef pile : {kOwnReserve, kOwnStock, PileRef{PileKind::Tableau, 1}}) {
    view.SetMessage({});
    Drag(pile, {PileKind::Tableau, 6});
    EXPECT_EQ(view.Message(), std::string(kNotYourTurn));
    ExpectAtHome(pile);
  }
  EXPECT_EQ(game.state.Tableau, before.Tableau);
  EXPECT_EQ(game.state.StockUp, false);
}

TEST_F(MousePlayTest, SwitchedOffPilesTakeNoPress) {
  StartLocalTurn(QuietPosition);
  view.EnablePiles(false);
  Drag(kOwnReserve, {PileKind::Tableau, 3});
  EXPECT_EQ(game.state.TableauCnt[3], 1);
  ExpectAtHome(kOwnReserve);
}

TEST_F(MousePlayTest, RightClickInInspectModeShowsThePilesCards) {
  StartLocalTurn(QuietPosition);
  Press(CentreOf({PileKind::Opponent, kStock}), Qt::RightButton);
  EXPECT_EQ(view.viewer(), nullptr);  // not without the inspection mode

  view.InspectMode = true;
  Press(CentreOf({PileKind::Opponent, kStock}), Qt::RightButton);
  Release(CentreOf({PileKind::Opponent, kStock}), Qt::RightButton);
  ASSERT_NE(view.viewer(), nullptr);
  EXPECT_TRUE(view.viewer()->isVisible());
  EXPECT_EQ(view.viewer()->windowTitle(), "View");
  EXPECT_EQ(view.viewer()->picView(1)->pixmap().toImage().pixelColor(35, 48), FaceColour(44));
  EXPECT_EQ(view.viewer()->picView(4)->pixmap().toImage().pixelColor(35, 48), FaceColour(41));
  EXPECT_TRUE(view.viewer()->picView(5)->pixmap().isNull());
  EXPECT_EQ(game.state.StockCnt[1], 4);  // looking changes nothing
}

TEST(ViewedCards, TopCardFirstAndNoMoreThanSeven) {
  GameState s;
  SetTableau(s, 3, {1, 2, 3});
  SetStock(s, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  SetWaste(s, 0, {});
  EXPECT_EQ(ViewedCards(s, {PileKind::Tableau, 3}), (std::vector<Card>{3, 2, 1}));
  EXPECT_EQ(ViewedCards(s, {PileKind::Opponent, kStock}), (std::vector<Card>{10, 9, 8, 7, 6, 5, 4}));
  EXPECT_TRUE(ViewedCards(s, {PileKind::Player, kWaste}).empty());
  EXPECT_TRUE(ViewedCards(s, {PileKind::Tableau, 9}).empty());
}

}  // namespace
}  // namespace cv::test
