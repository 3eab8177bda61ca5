#include "board/drag.h"

#include <gtest/gtest.h>

namespace cv {
namespace {

const BoardLayout kBoard = LayOutBoard(LayoutBaseFor(12000, false));

QPoint At(PileRef pile, QPoint offset = {}) { return PileRect(kBoard, pile).topLeft() + offset; }

TEST(HitTest, ACardCoversATargetWithinAThirdOfACard) {
  const QPoint t(100, 100);
  EXPECT_TRUE(CoversTarget(t + QPoint(23, 32), t));
  EXPECT_TRUE(CoversTarget(t - QPoint(23, 32), t));
  EXPECT_FALSE(CoversTarget(t + QPoint(24, 0), t));  // 71/3 is 23.67
  EXPECT_FALSE(CoversTarget(t - QPoint(0, 33), t));  // 96/3 is 32
}

TEST(HitTest, FindsTheFirstTargetInOrderAndNeverTheSourceOrClosedPiles) {
  const PileRef center1{PileKind::Center, 1}, tableau2{PileKind::Tableau, 2}, tableau3{PileKind::Tableau, 3};
  const PileRef ownStock{PileKind::Player, kStock}, ownReserve{PileKind::Player, kReserve}, ownWaste{PileKind::Player, kWaste};
  const PileRef oppStock{PileKind::Opponent, kStock}, oppReserve{PileKind::Opponent, kReserve}, oppWaste{PileKind::Opponent, kWaste};
  struct Case {
    const char* what;
    PileRef source;
    QPoint card;
    std::optional<PileRef> expected;
  } cases[] = {
      {"near a foundation", ownStock, At(center1, {20, -30}), center1},
      {"just out of reach", ownStock, At(center1, {24, 0}), std::nullopt},
      {"a Tableau pile", tableau2, At(tableau3, {-5, 5}), tableau3},
      {"its own Tableau pile", tableau3, At(tableau3), std::nullopt},
      {"the own Waste ends the turn", ownStock, At(ownWaste), ownWaste},
      {"a Waste card on the own Waste", ownWaste, At(ownWaste), std::nullopt},
      {"the own Reserve is no target", ownStock, At(ownReserve), std::nullopt},
      {"the opponent's Stock is no target", tableau2, At(oppStock), std::nullopt},
      {"the opponent's Reserve", ownReserve, At(oppReserve), oppReserve},
      {"the opponent's Waste", tableau2, At(oppWaste, {10, 10}), oppWaste},
  };
  for (const Case& c : cases) EXPECT_EQ(HitTest(kBoard, c.source, c.card), c.expected) << c.what;
}

TEST(HitTest, OverlappingTargetsGoToTheFirstInOrder) {
  // Squeeze two foundations together: the lower number wins.
  BoardLayout board = kBoard;
  board.picCenter[2].moveTo(board.picCenter[5].topLeft() + QPoint(20, 0));
  const QPoint between = board.picCenter[5].topLeft() + QPoint(10, 0);
  EXPECT_EQ(HitTest(board, {PileKind::Player, kStock}, between), (PileRef{PileKind::Center, 2}));
}

TEST(SlideBack, StepsSixtyPixelsAlongTheLongerAxisThenLandsHome) {
  struct Case {
    const char* what;
    QPoint from, home;
    std::vector<QPoint> expected;
  } cases[] = {
      {"longer axis horizontal", {200, 100}, {20, 40}, {{200, 100}, {140, 80}, {80, 60}, {20, 40}, {20, 40}}},
      {"not a multiple of 60", {0, 0}, {0, 130}, {{0, 0}, {0, 60}, {0, 120}, {0, 130}}},
      {"halves round up, below zero too", {0, 0}, {120, -1}, {{0, 0}, {60, 0}, {120, -1}, {120, -1}}},
      {"halves round up", {0, 0}, {120, 1}, {{0, 0}, {60, 1}, {120, 1}, {120, 1}}},
      {"already home", {5, 5}, {5, 5}, {{5, 5}}},
  };
  for (const Case& c : cases) EXPECT_EQ(SlideBackPath(c.from, c.home), c.expected) << c.what;
}

TEST(UnderCard, ShowsWhatThePileWillShowWithoutItsTopCard) {
  GameState s;
  s.TableauCnt[1] = 1;
  s.Tableau[1][1] = 5;
  s.TableauCnt[2] = 3;
  s.Tableau[2][1] = 13, s.Tableau[2][2] = 25, s.Tableau[2][3] = 11;
  s.StockCnt[kLocal] = 2;
  s.WasteCnt[kLocal] = 2;
  s.Waste[kLocal][1] = 40, s.Waste[kLocal][2] = 41;
  s.ReserveCnt[kLocal] = 13, s.ReserveDown[kLocal] = 12;
  for (int i = 1; i <= 13; ++i) s.Reserve[kLocal][i] = static_cast<Card>(i + 20);

  using U = UnderCard;
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Tableau, 1}), (U{U::Empty}));
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Tableau, 2}), (U{U::Face, 25}));
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Player, kStock}), (U{U::Back}));
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Player, kWaste}), (U{U::Face, 40}));
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Player, kReserve}), (U{U::Back}));  // the card below is face down

  // A card loaded onto the Reserve by the opponent lies on a face-up one.
  s.ReserveCnt[kLocal] = 14;
  s.Reserve[kLocal][14] = 50;
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Player, kReserve}), (U{U::Face, 33}));

  s.StockCnt[kLocal] = 1;
  s.WasteCnt[kLocal] = 1;
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Player, kStock}), (U{U::Empty}));
  EXPECT_EQ(UnderCardForDrag(s, {PileKind::Player, kWaste}), (U{U::Empty}));
}

}  // namespace
}  // namespace cv
