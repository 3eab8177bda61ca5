#pragma once
#include <string>
#include <string_view>

#include "cards.h"
#include "options/preferences.h"
#include "piles.h"

namespace cv {

// What the card under a flying or dragged card shows: the pile's next state.
struct UnderCard {
  enum Kind { Keep, Face, Back, Empty } kind = Keep;
  Card card = 0;
  friend bool operator==(const UnderCard&, const UnderCard&) = default;
};

// What the board shows. The game flow drives the screen only through this.
class Table {
 public:
  virtual ~Table() = default;

  // A face (card 1..52), the current back (card 0) or, with empty = true, the
  // empty-pile picture; also makes the pile visible.
  virtual void ShowCard(PileKind kind, int index, Card card, bool empty) = 0;
  // The top card of the source flies to the destination picture; the caller places it after.
  virtual void FlyCard(PileKind fromKind, int fromIndex, PileKind toKind, int toIndex, UnderCard under) = 0;
  // Brings a pile picture to the front of the stacking order.
  virtual void BringToFront(PileKind kind, int index) = 0;
  // The count label beside a pile ("" when empty).
  virtual void SetCountLabel(PileKind kind, int index, std::string_view text) = 0;

  virtual void SetMessage(std::string_view text) = 0;
  virtual std::string Message() const = 0;
  virtual void SetTurnLabel(std::string_view text) = 0;
  // side 1 = the local player's marker, 2 = the opponent's.
  virtual void ShowTurnMarker(int side, bool visible) = 0;
  // Frame marker around the local player's Reserve (2) or Waste (3).
  virtual void ShowFrameMarker(int index, bool visible) = 0;
  // Status-bar panel by number (1..10).
  virtual void SetStatusPanel(int panel, std::string_view text) = 0;

  virtual void EnablePiles(bool enabled) = 0;
  virtual void ShowDealButton(bool visible) = 0;
  virtual bool DealButtonVisible() const = 0;
  // The winner's Stock is marked once the game is over.
  virtual void MarkWinningStock(int owner) = 0;
  // Everything back to the empty board (pictures and labels; the tables are the game's).
  virtual void ClearBoard() = 0;
  // The board closes itself (a close asked for while a turn was being played).
  virtual void CloseBoard() = 0;

  // Shows a board structure (1001..1004); the win display shows 1002 for a while.
  virtual void SetStructure(int /*structure*/) {}
  // A player's appearance: structure, background, pile pictures, faces and backs.
  virtual void ApplyPreferences(const Preferences&) {}
  // Status-bar panels 4 to 7 (the match) shown or hidden, the bar re-laid.
  virtual void ShowMatchPanels(bool /*visible*/) {}
  // The logo picture of an idle board.
  virtual void ShowLogo() {}
  // The once-a-second game clock runs from the deal; the board stops it at the game's end.
  virtual void RunGameClock(bool /*running*/) {}
};

}  // namespace cv
