// Whole seeded games against the computer, the local side played with the mouse by a
// plain script, and the board compared with the game after every move of either side.
#include <QGraphicsScene>
#include <optional>

#include "engine/game_rec.h"

#include "view_fixture.h"

namespace cv::test {
namespace {

constexpr PileRef kOwnStock{PileKind::Player, kStock}, kOwnWaste{PileKind::Player, kWaste};

// Reports after every completed move, so each is checked where it happens.
class MoveWatch : public GameHooks {
 public:
  std::function<void()> onMove;
  void MoveDone(Game&) override {
    if (onMove) onMove();
  }
};

struct Move {
  PileRef from, to;
};

class GamePlayTest : public BoardFixture {
 protected:
  GamePlayTest() {
    watch.onMove = [this] { CheckBoard("after a move"); };
    game.SetHooks(&watch);
  }

  // What the pile should show: a face, a back, or nothing.
  void ExpectPile(PileRef pile, Card top, bool faceDown, const char* when) {
    CardItem* item = Pile(pile);
    SCOPED_TRACE(std::string(when) + ": " + std::string(PileKindName(pile.kind)) + " " + std::to_string(pile.index));
    ASSERT_TRUE(item->isVisible());
    ASSERT_EQ(item->pos().toPoint(), PileRect(view.layout(), pile).topLeft());
    if (top == 0)
      ASSERT_EQ(item->shows(), CardItem::Shows::Empty);
    else if (faceDown)
      ASSERT_EQ(item->shows(), CardItem::Shows::Back);
    else
      ASSERT_EQ(item->card(), top);
    // Nothing else lies over it: what the pile shows is what the player sees.
    for (QGraphicsItem* over : view.scene()->items(PileRect(view.layout(), pile).center(), Qt::IntersectsItemShape,
                                                   Qt::DescendingOrder)) {
      if (auto* card = dynamic_cast<CardItem*>(over)) {
        ASSERT_EQ(card, item);
        break;
      }
    }
  }

  void ExpectCount(LabelItem* label, int count) {
    if (count == 0)
      ASSERT_TRUE(label->text() == "" || label->text() == "0") << label->text().toStdString();
    else
      ASSERT_EQ(label->text().toStdString(), std::to_string(count));
  }

  void CheckBoard(const char* when) {
    const GameState& s = game.state;
    for (int t = 1; t <= 8; ++t) {
      ExpectPile({PileKind::Center, t}, s.CenterTop(t), false, when);
      ExpectPile({PileKind::Tableau, t}, s.TableauTop(t), false, when);
      ExpectCount(Label("lblTabCnt", t), s.TableauCnt[t]);
    }
    for (int p = 0; p < 2; ++p) {
      const PileKind k = Game::OwnerKind(p);
      ExpectPile({k, kReserve}, s.ReserveTop(p), false, when);
      ExpectPile({k, kWaste}, s.WasteTop(p), false, when);
      ExpectPile({k, kStock}, s.StockTop(p), !(s.StockUp && s.Turn - 1 == p), when);
      ExpectCount(view.boardScene().CountLabel(k, kReserve), s.ReserveCnt[p]);
      ExpectCount(view.boardScene().CountLabel(k, kStock), s.StockCnt[p]);
      ExpectCount(view.boardScene().CountLabel(k, kWaste), s.WasteCnt[p]);
    }
    ++checks;
  }

  void CheckBetweenTurns() {
    CheckBoard("between actions");
    const GameState& s = game.state;
    if (game.GameOver) return;
    EXPECT_EQ(bar.Panel(2).toStdString(), " " + std::to_string(s.ReserveCnt[0] + s.StockCnt[0] + s.WasteCnt[0]));
    EXPECT_EQ(bar.Panel(3).toStdString(), " " + std::to_string(s.ReserveCnt[1] + s.StockCnt[1] + s.WasteCnt[1]));
    EXPECT_TRUE(view.Element("ImgTurn1")->isVisible());
    EXPECT_FALSE(view.Element("ImgTurn2")->isVisible());
  }

  bool Allowed(PileRef from, PileRef to) {
    const Card card = game.TopCard(from.kind, from.index);
    return card != 0 && CanPlay(game.state, from, card, to, game.TopCard(to.kind, to.index)) == kAllowed;
  }

  // The script: anything to a Center first, then any other legal move that gets a card
  // away, and a few moves between Tableau piles in a turn (more could go round in circles).
  std::optional<Move> ChooseMove() {
    const GameState& s = game.state;
    std::vector<PileRef> sources = {{PileKind::Player, kReserve}};
    if (s.StockUp) sources.push_back(kOwnStock);
    for (int t = 1; t <= 8; ++t) sources.push_back({PileKind::Tableau, t});
    for (PileRef from : sources)
      for (int f = 1; f <= 8; ++f)
        if (Allowed(from, {PileKind::Center, f})) return Move{from, {PileKind::Center, f}};
    std::vector<PileRef> targets = {{PileKind::Opponent, kReserve}, {PileKind::Opponent, kWaste}};
    for (int t = 1; t <= 8; ++t) targets.push_back({PileKind::Tableau, t});
    for (PileRef from : sources) {
      for (PileRef to : targets) {
        if (from.kind == PileKind::Tableau && to.kind == PileKind::Tableau &&
            (from == to || shuffles >= 3 || (s.TableauCnt[from.index] == 1 && s.TableauCnt[to.index] == 0)))
          continue;
        if (Allowed(from, to)) return Move{from, to};
      }
    }
    return std::nullopt;
  }

  void Perform(const Move& m) {
    if (m.from.kind == PileKind::Tableau && m.to.kind == PileKind::Tableau) ++shuffles;
    if (m.from.kind == PileKind::Tableau && m.to.kind == PileKind::Center)
      DoubleClick(m.from);
    else
      Drag(m.from, m.to, {(actions % 7) - 3, (actions % 5) - 2});
  }

  // One turn of the local player; false when the script got stuck.
  bool PlayLocalTurn() {
    shuffles = 0;
    const int turn = game.state.TurnCount;
    for (int n = 0; n < 500; ++n, ++actions) {
      // The computer's whole turn runs inside the release that hands it over.
      if (game.GameOver || game.state.TurnCount != turn) return true;
      const auto before = Snapshot();
      if (const auto m = ChooseMove()) {
        Perform(*m);
      }
      else if (!game.state.StockUp)
        Click(kOwnStock);
      else
        Drag(kOwnStock, kOwnWaste, {0, 0});
      if (Snapshot() == before && !game.GameOver && game.state.Turn == 1) {
        ADD_FAILURE() << "an action changed nothing: " << view.Message();
        return false;
      }
      CheckBetweenTurns();
      if (HasFatalFailure()) return false;
    }
    return false;
  }

  std::pair<GameRecBytes, bool> Snapshot() {
    GameRec rec;
    SaveGameRec(rec, game.state, "");
    return {EncodeGameRec(rec), game.state.StockUp};
  }

  MoveWatch watch;
  int shuffles = 0;
  int actions = 0, checks = 0;
};

TEST_F(GamePlayTest, SeededGamesPlayToTheEndWithTheBoardMatchingTheGame) {
  // The computer wins the first of these deals and the script the second.
  std::vector<bool> localWon;
  for (uint64_t seed : {3u, 8u}) {
    SCOPED_TRACE(seed);
    game.rng.Reset();  // seeding mixes into the state: start from the same one
    game.rng.Seed(seed);
    platform.clockSeed = seed;
    game.NewGame();
    CheckBetweenTurns();
    int turns = 0;
    while (!game.GameOver && turns < 400) {
      ASSERT_TRUE(PlayLocalTurn());
      ++turns;
    }
    ASSERT_TRUE(game.GameOver) << "no winner after " << turns << " turns";
    CheckBoard("at the end");
    EXPECT_TRUE(view.DealButtonVisible());
    EXPECT_FALSE(Pile({PileKind::Player, kReserve})->isEnabled());
    EXPECT_FALSE(view.clock().Running());
    localWon.push_back(game.state.StockCnt[0] + game.state.WasteCnt[0] == 0);
    EXPECT_NE(localWon.back(), game.state.StockCnt[1] + game.state.WasteCnt[1] == 0);
    EXPECT_EQ(Pile({Game::OwnerKind(localWon.back() ? 0 : 1), kStock})->shows(), CardItem::Shows::Empty);
  }
  EXPECT_EQ(localWon, (std::vector<bool>{false, true}));
  EXPECT_GT(checks, 500);
}

}  // namespace
}  // namespace cv::test
