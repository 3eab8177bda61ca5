#include "computer.h"

namespace cv {

void Computer::Place(const FoundMove& m, PileKind destKind) {
  g_.SetSelection(m.from, m.fromIndex, m.card);
  switch (destKind) {
    case PileKind::Center: g_.PlaceOnCenter(m.to); break;
    case PileKind::Tableau: g_.PlaceOnTableau(m.to); break;
    case PileKind::Player: g_.PlaceOnPlayerPile(m.to, 1); break;
    default: return;
  }
  g_.TakeFromSource(g_.SelPile, g_.SelIndex);
}

void Computer::PlayFound(const FoundMove& m, PileKind destKind) {
  g_.Pause(g_.SpeedDelay);
  g_.SetSelection(m.from, m.fromIndex, m.card);
  g_.FlyCard(m.from, m.fromIndex, destKind, m.to);
  Place(m, destKind);
}

void Computer::CheckTableauToCenter() {
  const FoundMove m = MoveCheckTableau(g_.state, 1, g_.TabMoved);
  if (!m) return;
  g_.SetSelection(m.from, m.fromIndex, m.card);
  g_.FlyCard(m.from, m.fromIndex, PileKind::Center, m.to);
  Place(m, PileKind::Center);
  if (g_.GameOver) return;
  g_.Pause(g_.SpeedDelay);
  FillTableau(1);
  PassMoved = true;
}

void Computer::MoveCheckTABtoTAB() {
  const FoundMove m = MoveCheckTableau(g_.state, 2, g_.TabMoved);
  if (!m) return;
  g_.SetSelection(m.from, m.fromIndex, m.card);
  g_.FlyCard(m.from, m.fromIndex, PileKind::Tableau, m.to);
  Place(m, PileKind::Tableau);
  if (g_.GameOver) return;
  g_.Pause(g_.SpeedDelay);
  FillTableau(1);
  g_.MoveMade = true;
}

void Computer::FillTableau(int owner) {
  const GameState& s = g_.state;
  FoundMove m;
  Found open;
  if (s.ReserveCnt[owner] > 0) {
    if (MoveCheckReserve(s, 1)) return;  // the driver plays it to the Center first
    open = CheckTableauOpen(s);
    if (open) m = {true, PileKind::Opponent, kReserve, s.ReserveTop(owner), open.index};
  } else {
    if (!s.StockUp) g_.OpponentStockUp();
    if (MoveCheckHand(s, 1)) return;
    open = CheckTableauOpen(s);
    if (open && s.StockCnt[owner] > 0) m = {true, PileKind::Opponent, kStock, s.StockTop(owner), open.index};
  }
  if (m) {
    g_.SetSelection(m.from, m.fromIndex, m.card);
    g_.FlyCard(m.from, m.fromIndex, PileKind::Tableau, m.to);
    g_.TabMoved.fill(0);
    Place(m, PileKind::Tableau);
    if (g_.GameOver) return;
  }
  if (g_.MoveMade) g_.Pause(g_.SpeedDelay);
}

// Stock and Waste both used up at a stock pass: that is the winning state, so the
// computer wins here rather than leaving the turn hanging.
bool Computer::EndTurnWithoutStock() {
  GameState& s = g_.state;
  if (s.StockCnt[1] > 0) return false;
  if (s.WasteCnt[1] > 0) {
    g_.RecycleWaste();
    return false;
  }
  g_.table().MarkWinningStock(1);
  g_.table().EnablePiles(false);
  g_.hooks().FinishGame(g_, 1);
  return true;
}

void Computer::ComputerTurn() {
  GameState& s = g_.state;
  Table& table = g_.table();
  g_.UndoStep = 0;
  g_.ComputerBusy = true;
  table.ShowTurnMarker(2, true);
  table.SetTurnLabel("My turn");
  s.StockUp = false;
  if (s.StockCnt[1] == 0 && s.WasteCnt[1] > 0) g_.RecycleWaste();
  g_.Pause(g_.SpeedDelay);
  g_.TabMoved.fill(0);

  if (s.TurnCount == 1) {
    do {
      PassMoved = false;
      CheckTableauToCenter();
      if (g_.GameOver) return;
    } while (PassMoved);
  }

  for (int passes = 0; passes < kMaxPassesPerTurn; ++passes) {
    if (g_.Closing) return;
    g_.MoveMade = false;

    if (s.ReserveCnt[1] > 0) {
      // The first-turn fill repeats only while it fills something, so a Stock card that
      // must go to the Center first cannot stall the turn.
      bool again;
      do {
        again = false;
        if (const FoundMove m = MoveCheckReserve(s, 1)) {
          PlayFound(m, PileKind::Center);
          if (g_.GameOver) return;
          CheckTableauToCenter();
          if (g_.GameOver) return;
          again = true;
        }
        if (s.TurnCount == 1 && CheckTableauOpen(s)) {
          const int before = s.ReserveCnt[1] + s.StockCnt[1];
          FillTableau(1);
          if (g_.GameOver) return;
          if (s.ReserveCnt[1] + s.StockCnt[1] != before) again = true;
        }
      } while (again);
    }

    for (;;) {
      if (g_.Closing) return;
      PassMoved = false;
      if (s.StockCnt[1] == 0 && EndTurnWithoutStock()) return;
      FoundMove m;
      do {
        if (!s.StockUp) g_.OpponentStockUp();
        m = MoveCheckHand(s, 1);
        if (m) {
          PlayFound(m, PileKind::Center);
          if (g_.GameOver) return;
          g_.Pause(g_.SpeedDelay);
          PassMoved = true;
        }
      } while (m);
      if (s.ReserveCnt[1] > 0) {
        while ((m = MoveCheckReserve(s, 1))) {
          PlayFound(m, PileKind::Center);
          if (g_.GameOver) return;
          PassMoved = true;
        }
      }
      if (!PassMoved) CheckTableauToCenter();
      if (g_.GameOver) return;
      if (PassMoved) continue;
      if ((m = MoveCheckHand(s, 2))) {
        PlayFound(m, PileKind::Tableau);
        if (g_.GameOver) return;
        PassMoved = true;
        g_.Pause(g_.SpeedDelay);
      }
      if (!PassMoved) break;
    }

    if (const FoundMove m = MoveCheckReserve(s, 2)) {
      PlayFound(m, PileKind::Tableau);
      if (g_.GameOver) return;
    }

    if (!g_.MoveMade) {
      if (const FoundMove m = MoveCheckToPlayersCards(s)) {
        PlayFound(m, PileKind::Player);
        if (g_.GameOver) return;
        table.ShowFrameMarker(m.to, false);
      }
    }
    if (!g_.MoveMade) {
      if (const FoundMove m = MoveCheckTABtoPlayersCards(s)) {
        PlayFound(m, PileKind::Player);
        if (g_.GameOver) return;
        FillTableau(1);
        if (g_.GameOver) return;
        g_.MoveMade = true;
        table.ShowFrameMarker(m.to, false);
      }
    }
    if (!g_.MoveMade) {
      MoveCheckTABtoTAB();
      if (g_.GameOver) return;
    }

    if (g_.StopComputer) {
      g_.StopComputer = false;
      s.Turn = 0;
      g_.ComputerBusy = false;
      g_.ClearBoard();
      return;
    }
    if (g_.MoveMade) continue;
    if (CheckTableauOpen(s)) {
      FillTableau(1);
      if (g_.GameOver) return;
      g_.MoveMade = true;
      continue;
    }
    break;
  }
  table.SetTurnLabel("");
  CompEndTurn();
  table.SetTurnLabel("Your turn");
}

void Computer::CompEndTurn() {
  GameState& s = g_.state;
  if (s.StockCnt[1] == 0 && EndTurnWithoutStock()) return;
  g_.SetSelection(PileKind::Opponent, kWaste, s.StockTop(1));
  g_.PlaceOnPlayerPile(kWaste, 2);
  g_.TakeFromSource(PileKind::Opponent, kStock);
  if (g_.GameOver) return;
  g_.HandBack();
}

}  // namespace cv
