#include "game.h"

#include <cmath>

#include "deal.h"
#include "sounds.h"
#include "text.h"

namespace cv {

namespace {
constexpr int kPanelPlayer = 1, kPanelPlayerCount = 2, kPanelOpponentCount = 3, kPanelElapsed = 10;
constexpr int kEmptyMode = 88;
}  // namespace

void GameHooks::FinishGame(Game& g, int winner) {
  g.ShowCardCounts();
  g.state.Turn = 0;
  g.state.TurnCount = 0;
  g.table().SetTurnLabel(winner == 0 ? "You WON!" : "I'm the WINNER!");
  g.EndSelected();
  g.table().EnablePiles(false);
  if (!g.NetworkGame()) g.table().ShowDealButton(true);
  g.ComputerBusy = false;
  g.GameOver = true;
  g.SampleGame = false;
}

Game::Game(Table& table, Platform& platform) : table_(table), platform_(platform) {}

void Game::Pause(double seconds) {
  if (Closing) return;
  platform_.Pause(seconds);
}

void Game::ShowCard(PileKind kind, int index, Card card, int mode) {
  table_.ShowCard(kind, index, card, card == 0 && mode == kEmptyMode);
  if (mode >= 1 && mode <= 5) PlayGameSound(mode);
}

void Game::PlayGameSound(int n) {
  if (prefs.SoundsOff()) return;
  const auto file = GameSoundFile(n, prefs.SoundTheme);
  if (!file.empty()) platform_.PlaySoundFile(AppPath + "/Data/" + std::string(file));
}

UnderCard Game::UnderCardForFlight(PileKind fromKind, int fromIndex) const {
  const GameState& s = state;
  if (fromKind == PileKind::Tableau && s.TableauCnt[fromIndex] >= 2)
    return {UnderCard::Face, s.Tableau[fromIndex][s.TableauCnt[fromIndex] - 1]};
  if (fromKind == PileKind::Opponent && fromIndex == kStock && s.StockCnt[1] >= 2) return {UnderCard::Back};
  if (fromKind == PileKind::Opponent && fromIndex == kReserve && s.ReserveCnt[1] >= 2) {
    if (s.ReserveDown[1] + 1 == s.ReserveCnt[1]) return {UnderCard::Back};
    return {UnderCard::Face, s.Reserve[1][s.ReserveCnt[1] - 1]};
  }
  if (s.Turn == 1) return {UnderCard::Keep};
  if (Dealing) return {UnderCard::Back};
  return {UnderCard::Empty};
}

void Game::FlyCard(PileKind fromKind, int fromIndex, PileKind toKind, int toIndex) {
  if (Closing) return;
  table_.FlyCard(fromKind, fromIndex, toKind, toIndex, UnderCardForFlight(fromKind, fromIndex));
}

void Game::RuleMessage(int code) {
  table_.SetMessage("");
  if (NetworkGame()) RefusalShown = true;
  if (state.Turn < 2) {
    if (code >= 0 && code <= 5) table_.SetMessage(std::string(kCannotPlayThere) + std::string(kCrLf));
    if (code >= 1 && code <= 14) Msg = RuleText(code);
  } else {
    Msg = kNotYourTurn;
  }
  PlayGameSound(8);
  table_.SetMessage(table_.Message() + Msg);
  Msg.clear();
}

bool Game::CanPlay(PileRef from, Card card, PileRef to, Card destTop) {
  const int code = cv::CanPlay(state, from, card, to, destTop);
  if (code == kAllowed) return true;
  RuleMessage(code);
  return false;
}

bool Game::CanTurnStock() {
  const int code = cv::CanTurnStock(state);
  if (code == kAllowed) return true;
  if (code == 9) {
    const Found t = TableauToCenter(state);
    SetSelection(PileKind::Tableau, t.index, state.TableauTop(t.index));
  }
  RuleMessage(code);
  SelClicks = 0;
  return false;
}

void Game::ClearBoard() {
  state.Clear();
  table_.ClearBoard();
}

void Game::NewGame() {
  GameOver = false;
  table_.ShowDealButton(false);
  ClearBoard();
  state.TurnCount = 0;
  ComputerBusy = true;
  if (SampleGame) {
    const auto stored = platform_.GetSetting("QZ", "Options", "Tip Number", "0");
    int n = 0;
    try { n = std::stoi(stored); } catch (...) { n = 0; }
    n = NextSampleNumber(n);
    ShuffleSample(state, rng, n);
    platform_.SaveSetting("QZ", "Options", "Tip Number", std::to_string(n));
    table_.SetStatusPanel(kPanelPlayer, PlayerName + "   Sample Game Number" + " " + std::to_string(n));
  } else if (!RemoteSide()) {
    ShuffleDecks(state, rng);
  }
  Deal();
  if (state.Turn == 2) {
    table_.ShowTurnMarker(2, true);
    if (opponent_) opponent_->PlayTurn();
    if (!Closing) {
      table_.ShowTurnMarker(1, state.Turn == 1);
      table_.ShowTurnMarker(2, state.Turn == 2);
    }
  }
  if (state.Turn == 1) {
    UndoStep = 1;
    WriteUndoSnapshot(1);
    table_.ShowTurnMarker(1, true);
  }
  ComputerBusy = false;
}

void Game::Deal() {
  DealDecks(state, RemoteSide());
  ShowDeal();
  Pause(0.7);
  if (!RemoteSide()) {
    rng.Seed(platform_.ClockSeed());
    state.Turn = TossTurn(rng.Next());
  }
  const std::string br2 = std::string(kCrLf) + std::string(kCrLf);
  if (state.Turn == 1)
    Msg = "You won the toss." + br2 + "You go first.";
  else if (!NetworkGame())
    Msg = "I won the toss." + br2 + "I go first.";
  else
    Msg = OpponentName + " won the toss." + br2 + OpponentName + " goes first.";
  if (NetworkGame())
    table_.SetTurnLabel(Msg);
  else
    table_.SetMessage(Msg);
  Msg.clear();
  PlayGameSound(11);
  GameStart = platform_.Now();
  table_.RunGameClock(true);
  // The dealt position, taken while TurnCount is still 0: the restart position too.
  hooks_->SaveTurnBackup(*this);
  state.TurnCount = 1;
  table_.SetStatusPanel(kPanelPlayerCount, LeadingSpaceNumber(48));
  table_.SetStatusPanel(kPanelOpponentCount, LeadingSpaceNumber(48));
}

void Game::ShowDeal() {
  Dealing = true;
  for (int p = 0; p < 2; ++p) {
    const PileKind k = OwnerKind(p);
    ShowCard(k, kStock, 0, 0);
    for (int i = 0; i < state.ReserveCnt[p]; ++i) {
      ShowCard(k, kReserve, 0, p == 0 ? 3 : 5);
      FlyCard(k, kStock, k, kReserve);
      ShowCard(k, kStock, 0, 0);
      Pause(0.1);
    }
    ShowCard(k, kReserve, state.ReserveTop(p), 1);
    Pause(0.1);
    const int b = TableauBase(p, RemoteSide());
    for (int t = b + 1; t <= b + 4; ++t) {
      FlyCard(k, kStock, PileKind::Tableau, t);
      ShowCard(k, kStock, 0, 0);
      ShowCard(PileKind::Tableau, t, state.TableauTop(t), 3);
      SetCount(PileKind::Tableau, t, state.TableauCnt[t]);
      Pause(0.1);
    }
    ShowCard(k, kStock, 0, 0);
  }
  for (int p = 0; p < 2; ++p) {
    SetCount(OwnerKind(p), kReserve, state.ReserveCnt[p]);
    SetCount(OwnerKind(p), kStock, state.StockCnt[p]);
    state.ReserveDown[p] = static_cast<int16_t>(state.ReserveCnt[p] - 1);
  }
  Dealing = false;
}

void Game::SetCount(PileKind kind, int index, int count) {
  table_.SetCountLabel(kind, index, std::to_string(count));
}

void Game::PlaceOnCenter(int f) {
  auto& cnt = state.CenterCnt[f];
  ++cnt;
  state.Center[f][cnt] = SelCard;
  ShowCard(PileKind::Center, f, SelCard, 2);
  TabMoved.fill(0);
  MoveMade = true;
  if (NetworkGame() && state.Turn == 1) {
    NetTo = PileKind::Center;
    NetToIndex = static_cast<int16_t>(f);
  }
}

void Game::PlaceOnTableau(int t) {
  auto& cnt = state.TableauCnt[t];
  ++cnt;
  state.Tableau[t][cnt] = SelCard;
  SetCount(PileKind::Tableau, t, cnt);
  ShowCard(PileKind::Tableau, t, SelCard, 4);
  MoveMade = true;
  if (NetworkGame() && state.Turn == 1) {
    NetTo = PileKind::Tableau;
    NetToIndex = static_cast<int16_t>(t);
  }
}

void Game::PlaceOnPlayerPile(int index, int ownerCode) {
  const int o = ownerCode == 1 ? 0 : 1;
  const PileKind kind = OwnerKind(o);
  if (index == kWaste) {
    ++state.WasteCnt[o];
    state.Waste[o][state.WasteCnt[o]] = SelCard;
    SetCount(kind, kWaste, state.WasteCnt[o]);
  } else {
    ++state.ReserveCnt[o];
    state.Reserve[o][state.ReserveCnt[o]] = SelCard;
    SetCount(kind, kReserve, state.ReserveCnt[o]);
  }
  ShowCard(kind, index, SelCard, 4);
  if (o == 0 && state.Turn != 1) {
    table_.ShowFrameMarker(index, true);
    Pause(0.5);
  }
  TabMoved.fill(0);
  MoveMade = true;
  if (NetworkGame() && state.Turn == 1) {
    NetTo = ownerCode == 1 ? PileKind::Opponent : PileKind::Player;
    NetToIndex = static_cast<int16_t>(index);
  }
}

void Game::TakeFromSource(PileKind kind, int index) {
  GameState& s = state;
  const int P = s.OwnerOnTurn();
  const PileKind own = OwnerKind(P);
  if (NetworkGame() && s.Turn == 1) {
    NetFrom = kind;
    NetFromIndex = static_cast<int16_t>(index);
  }
  if (kind == PileKind::Tableau) {
    auto& cnt = s.TableauCnt[index];
    s.Tableau[index][cnt] = 0;
    --cnt;
    if (cnt == 0) {
      ShowCard(kind, index, 0, kEmptyMode);
      table_.SetCountLabel(kind, index, "");
      Pause(SpeedDelay);
    } else {
      ShowCard(kind, index, s.TableauTop(index), 0);
      SetCount(kind, index, cnt);
    }
  } else if (index == kStock) {
    auto& cnt = s.StockCnt[P];
    s.Stock[P][cnt] = 0;
    --cnt;
    SetCount(own, kStock, cnt);
    if (cnt == 0) {
      ShowCard(own, kStock, 0, kEmptyMode);
      s.StockUp = false;
      table_.SetCountLabel(own, kStock, "");
      if (s.WasteCnt[P] == 0) {
        table_.MarkWinningStock(P);
        table_.EnablePiles(false);
        hooks_->MoveDone(*this);
        hooks_->FinishGame(*this, P);
        return;
      }
      if (!NetworkGame() && P == 1 && SelIndex != kWaste) {
        Pause(SpeedDelay);
        RecycleWaste();
        Pause(SpeedDelay / 2);
        OpponentStockUp();
      }
    } else {
      ShowCard(own, kStock, 0, 0);
      s.StockUp = false;
    }
  } else if (index == kReserve) {
    const bool localTurn = s.Turn == 1;
    if (localTurn && !TutorialOn) table_.EnablePiles(false);
    auto& cnt = s.ReserveCnt[P];
    s.Reserve[P][cnt] = 0;
    --cnt;
    SetCount(own, kReserve, cnt);
    if (cnt == 0) {
      ShowCard(own, kReserve, 0, kEmptyMode);
      table_.BringToFront(own, kReserve);
      Pause(SpeedDelay / 2);
      table_.SetCountLabel(own, kReserve, "");
    } else {
      const bool turned = cnt == s.ReserveDown[P];
      if (turned) {
        ShowCard(own, kReserve, 0, 0);
        table_.BringToFront(own, kReserve);
        --s.ReserveDown[P];
      }
      Pause(0.5);
      ShowCard(own, kReserve, s.ReserveTop(P), turned ? 3 : 0);
      table_.BringToFront(own, kReserve);
      Pause(SpeedDelay / 2);
      SetCount(own, kReserve, cnt);
    }
    if (localTurn && !TutorialOn && !NetworkGame()) table_.EnablePiles(true);
  }
  // A Waste source removes nothing: no rule lets a card leave a Waste.
  platform_.ProcessEvents();
  table_.BringToFront(kind, index);
  if (s.Turn == 1) {
    ++UndoStep;
    WriteUndoSnapshot(UndoStep);
  }
  ShowCardCounts();
  hooks_->MoveDone(*this);
}

void Game::RecycleWaste() {
  PlayGameSound(6);
  GameState& s = state;
  const int P = s.OwnerOnTurn();
  int k = 0;
  for (int i = s.WasteCnt[P]; i >= 1; --i) {
    ++k;
    s.Stock[P][k] = s.Waste[P][i];
    s.Waste[P][i] = 0;
  }
  s.StockCnt[P] = static_cast<int16_t>(k);
  s.WasteCnt[P] = 0;
  const PileKind own = OwnerKind(P);
  SetCount(own, kStock, k);
  table_.SetCountLabel(own, kWaste, "0");
  ShowCard(own, kStock, 0, 0);
  ShowCard(own, kWaste, 0, kEmptyMode);
}

void Game::OpponentStockUp() {
  ShowCard(PileKind::Opponent, kStock, state.StockTop(1), 1);
  Pause(SpeedDelay);
  state.StockUp = true;
}

bool Game::PressOwnStock() {
  if (!CanTurnStock()) return false;
  if (state.StockUp) return true;
  if (state.StockCnt[0] > 0) {
    ShowCard(PileKind::Player, kStock, state.StockTop(0), 1);
    state.StockUp = true;
  } else {
    RecycleWaste();
  }
  EndSelected();
  return false;
}

bool Game::PlayLocalMove(PileRef from, PileRef to) {
  if (!PlaceLocalMove(from, to)) return false;
  TakeFromSource(SelPile, SelIndex);
  return true;
}

bool Game::PlaceLocalMove(PileRef from, PileRef to) {
  const Card card = TopCard(from.kind, from.index);
  if (card == 0) return false;
  if (from.kind == PileKind::Player && from.index == kStock && !state.StockUp) return false;
  SetSelection(from.kind, from.index, card);
  if (!CanPlay(from, card, to, TopCard(to.kind, to.index))) return false;
  switch (to.kind) {
    case PileKind::Center: PlaceOnCenter(to.index); break;
    case PileKind::Tableau: PlaceOnTableau(to.index); break;
    case PileKind::Opponent: PlaceOnPlayerPile(to.index, 2); break;
    case PileKind::Player:
      PlaceOnPlayerPile(kWaste, 1);
      TurnOver = true;
      break;
    case PileKind::None: return false;
  }
  return true;
}

void Game::HandOver() {
  if (!TurnOver) return;
  TurnOver = false;
  state.StockUp = false;
  if (GameOver) return;
  state.Turn = 2;
  table_.ShowTurnMarker(1, false);
  if (opponent_) opponent_->PlayTurn();
  if (Closing) {
    ComputerBusy = false;
    table_.CloseBoard();
  }
}

void Game::HandBack() {
  if (Closing) return;
  Pause(0.4);
  ++state.TurnCount;
  state.Turn = 1;
  hooks_->SaveTurnBackup(*this);
  UndoStep = 1;
  WriteUndoSnapshot(1);
  table_.ShowTurnMarker(1, true);
  table_.ShowTurnMarker(2, false);
  PlayGameSound(10);
  ComputerBusy = false;
}

void Game::ShowWhoseTurn() {
  const bool local = state.Turn == 1;
  table_.SetTurnLabel(std::string(local ? "It's still your turn." : "It's NOT your turn.") + std::string(kCrLf));
  table_.ShowTurnMarker(1, local);
  table_.ShowTurnMarker(2, !local);
}

void Game::ShowCardCounts() {
  for (int o = 0; o < 2; ++o)
    table_.SetStatusPanel(o == 0 ? kPanelPlayerCount : kPanelOpponentCount,
                          LeadingSpaceNumber(state.ReserveCnt[o] + state.StockCnt[o] + state.WasteCnt[o]));
}

void Game::EndSelected() {
  SelClicks = 0;
  SetSelection(PileKind::None, 0, 0);
}

void Game::SetSelection(PileKind kind, int index, Card card) {
  SelPile = kind;
  SelIndex = static_cast<int16_t>(index);
  SelCard = card;
}

long Game::ElapsedSeconds() {
  return std::lround(std::floor((platform_.Now() - GameStart) * 86400.0 + 1e-6));
}

std::string Game::ElapsedText() { return GameClockText(ElapsedSeconds()); }

void Game::ClockTick() {
  if (state.Turn != 0) table_.SetStatusPanel(kPanelElapsed, ElapsedText());
}

void Game::SaveGameRec() { cv::SaveGameRec(gameRec, state, ElapsedText()); }

void Game::LoadGameRec() {
  const LoadedGameRec loaded = cv::LoadGameRec(gameRec, state);
  GameStart = platform_.Now() - loaded.elapsed;
  Msg = loaded.msg;
}

void Game::WriteUndoSnapshot(int step) {
  SaveGameRec();
  hooks_->WriteUndoRecord(*this, step, gameRec);
}

Card Game::TopCard(PileKind kind, int index) const { return cv::TopCard(state, kind, index); }

}  // namespace cv
