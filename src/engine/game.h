#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "game_rec.h"
#include "game_state.h"
#include "options/preferences.h"
#include "platform.h"
#include "rng.h"
#include "rules.h"
#include "table.h"

namespace cv {

class Game;

// Where the record keeping joins the game: game end, turn backups and the per-move
// undo file. The defaults end the game plainly and keep no files.
class GameHooks {
 public:
  virtual ~GameHooks() = default;
  virtual void FinishGame(Game& game, int winner);
  // The start of a turn of the local player: the TurnCount-parity turn backup. The
  // deal calls it with TurnCount still 0.
  virtual void SaveTurnBackup(Game&) {}
  // Record `step` of the per-move undo file.
  virtual void WriteUndoRecord(Game&, int /*step*/, const GameRec&) {}
  // A card has left its source: the move is complete (also just before a game end).
  virtual void MoveDone(Game&) {}
};

// Whoever plays the opponent's side: the computer or the network peer. PlayTurn
// returns when the turn has passed back, the game has ended or the program closes.
class OpponentPlayer {
 public:
  virtual ~OpponentPlayer() = default;
  virtual void PlayTurn() = 0;
};

// The game in play: the position, the flow flags and the move procedures. It drives
// the screen only through Table and the desktop only through Platform.
class Game {
 public:
  Game(Table& table, Platform& platform);

  void SetHooks(GameHooks* hooks) { hooks_ = hooks ? hooks : &defaultHooks_; }
  void SetOpponent(OpponentPlayer* opponent) { opponent_ = opponent; }
  OpponentPlayer* opponent() const { return opponent_; }
  Table& table() { return table_; }
  Platform& platform() { return platform_; }
  GameHooks& hooks() { return *hooks_; }

  GameState state;
  Preferences prefs;
  Rng rng;
  GameRec gameRec;  // the program's one snapshot record

  // Flow flags.
  bool GameOver = true;
  bool ComputerBusy = false;
  bool Closing = false;
  bool TurnOver = false;
  bool MoveMade = false;
  bool Dealing = false;
  bool StopComputer = false;
  bool SampleGame = false;
  bool TutorialOn = false;
  double GameStart = 0;  // date serial
  double SpeedDelay = 0.5;
  std::string Msg;
  std::string AppPath;
  std::string PlayerName;
  std::string OpponentName;
  int16_t UndoStep = 0;

  // The selection: source of the move being made.
  PileKind SelPile = PileKind::None;
  int16_t SelIndex = 0;
  Card SelCard = 0;
  int16_t SelClicks = 0;

  // For each Tableau pile, the value last moved off it to another Tableau pile during
  // the computer's turn: keeps it from shuttling a card between two piles.
  std::array<int16_t, 9> TabMoved{};

  // Network game: 0 none, 99 being set up, 1 or more running; role 1 host, 0 remote.
  int netState = 0;
  int netRole = 0;
  bool RefusalShown = false;
  // Move note for the peer, player piles as the receiver sees them.
  PileKind NetFrom = PileKind::None, NetTo = PileKind::None;
  int16_t NetFromIndex = 0, NetToIndex = 0;

  bool NetworkGame() const { return netState != 0; }
  bool RemoteSide() const { return NetworkGame() && netRole == 0; }

  // Waits, letting window events run; returns at once while closing.
  void Pause(double seconds);
  void ShowCard(PileKind kind, int index, Card card, int mode);
  void PlayGameSound(int n);
  void FlyCard(PileKind fromKind, int fromIndex, PileKind toKind, int toIndex);
  UnderCard UnderCardForFlight(PileKind fromKind, int fromIndex) const;

  // Shows why a move was refused.
  void RuleMessage(int code);
  // Judges a local move; shows the rule's message when it is refused.
  bool CanPlay(PileRef from, Card card, PileRef to, Card destTop);
  bool CanTurnStock();

  void NewGame();
  void Deal();
  void ShowDeal();
  void ClearBoard();

  void PlaceOnCenter(int f);
  void PlaceOnTableau(int t);
  // ownerCode 1 = the local player's piles, 2 = the opponent's.
  void PlaceOnPlayerPile(int index, int ownerCode);
  void TakeFromSource(PileKind kind, int index);
  void RecycleWaste();
  void OpponentStockUp();

  // The local player presses his Stock: true when the press goes on to drag the card.
  bool PressOwnStock();
  // Carries out a checked move of the local player (a drop): true when it was made.
  bool PlayLocalMove(PileRef from, PileRef to);
  // The first half of it: judges the move and places the card, leaving the source for
  // TakeFromSource, so the board can put the dragged picture home in between.
  bool PlaceLocalMove(PileRef from, PileRef to);
  // After the mouse is released: hands the turn over when the local player ended it.
  void HandOver();
  // The opponent has put its Stock card on its Waste: the turn comes back.
  void HandBack();

  void ShowWhoseTurn();
  void ShowCardCounts();
  void EndSelected();
  void SetSelection(PileKind kind, int index, Card card);

  // Elapsed playing time of the current game.
  long ElapsedSeconds();
  std::string ElapsedText();
  // The one-second board timer while a game is on.
  void ClockTick();

  // Snapshot of the live position into gameRec.
  void SaveGameRec();
  // Replaces the live position by gameRec; Msg takes its label.
  void LoadGameRec();
  void WriteUndoSnapshot(int step);

  // The top card of a pile as the board shows it.
  Card TopCard(PileKind kind, int index) const;
  static PileKind OwnerKind(int owner) { return owner == 0 ? PileKind::Player : PileKind::Opponent; }

 private:
  void SetCount(PileKind kind, int index, int count);
  Table& table_;
  Platform& platform_;
  GameHooks defaultHooks_;
  GameHooks* hooks_ = &defaultHooks_;
  OpponentPlayer* opponent_ = nullptr;
};

}  // namespace cv
