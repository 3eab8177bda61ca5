#include "show_position.h"

#include <string>

namespace cv {
namespace {

void ShowPile(Game& g, PileKind kind, int index, Card top, int count, bool faceUp) {
  g.table().ShowCard(kind, index, faceUp ? top : Card{0}, count == 0);
  g.table().SetCountLabel(kind, index, count == 0 ? "" : std::to_string(count));
}

}  // namespace

void ShowPosition(Game& g) {
  const GameState& s = g.state;
  for (int o = 0; o < 2; ++o) {
    const PileKind k = Game::OwnerKind(o);
    ShowPile(g, k, kStock, s.StockTop(o), s.StockCnt[o], s.StockUp && o == s.OwnerOnTurn());
    ShowPile(g, k, kReserve, s.ReserveTop(o), s.ReserveCnt[o], s.ReserveCnt[o] > s.ReserveDown[o]);
    ShowPile(g, k, kWaste, s.WasteTop(o), s.WasteCnt[o], true);
  }
  for (int p = 1; p <= 8; ++p) {
    ShowPile(g, PileKind::Tableau, p, s.TableauTop(p), s.TableauCnt[p], true);
    g.table().ShowCard(PileKind::Center, p, s.CenterTop(p), s.CenterCnt[p] == 0);
  }
}

}  // namespace cv
