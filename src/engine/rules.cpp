#include "rules.h"

namespace cv {

Found CheckCenter(const GameState& s, int value, int suit) {
  for (int f = 1; f <= 8; ++f) {
    const Card top = s.CenterTop(f);
    if (value == CardValue(top) + 1 && (suit == CardSuit(top) || top == 0)) return {true, f};
  }
  return {};
}

Found CheckTableauOpen(const GameState& s) {
  for (int t = 1; t <= 8; ++t)
    if (s.TableauTop(t) == 0) return {true, t};
  return {};
}

Found CheckTableau(const GameState& s, int value, int suit, int skip) {
  for (int t = 1; t <= 8; ++t) {
    if (t == skip) continue;
    const Card top = s.TableauTop(t);
    if (OppositeColours(CardSuit(top), suit) && value == CardValue(top) - 1) return {true, t};
  }
  return {};
}

Found CheckPlayer(const GameState& s, int value, int suit, int index) {
  const Card top = index == kWaste ? s.WasteTop(kLocal) : s.ReserveTop(kLocal);
  if (top == 0) return {};
  const int tv = CardValue(top);
  if (suit == CardSuit(top) && (value == tv + 1 || value == tv - 1)) return {true, index};
  return {};
}

Found TableauToCenter(const GameState& s) {
  for (int t = 1; t <= 8; ++t) {
    const Card top = s.TableauTop(t);
    if (!CheckCenter(s, CardValue(top), CardSuit(top))) continue;
    if (s.Turn == 1 || s.TableauCnt[t] == 1) return {true, t};
    for (int u = 1; u <= 8; ++u)
      if (u != t && s.TableauTop(u) == top && s.TableauCnt[u] < s.TableauCnt[t]) return {true, u};
    return {true, t};
  }
  return {};
}

Card TopCard(const GameState& s, PileKind kind, int index) {
  switch (kind) {
    case PileKind::Player:
    case PileKind::Opponent: {
      const int o = kind == PileKind::Player ? kLocal : kOpponent;
      if (index == kStock) return s.StockTop(o);
      if (index == kReserve) return s.ReserveTop(o);
      if (index == kWaste) return s.WasteTop(o);
      return 0;
    }
    case PileKind::Tableau: return index >= 1 && index <= 8 ? s.TableauTop(index) : 0;
    case PileKind::Center: return index >= 1 && index <= 8 ? s.CenterTop(index) : 0;
    case PileKind::None: break;
  }
  return 0;
}

namespace {

bool SameColour(int a, int b) { return a == b || (IsBlackSuit(a) && IsBlackSuit(b)) || (IsRedSuit(a) && IsRedSuit(b)); }

int DestinationRule(const GameState& s, Card card, PileRef to, Card destTop) {
  const int fs = CardSuit(card), fv = CardValue(card);
  const int ts = CardSuit(destTop), tv = CardValue(destTop);
  switch (to.kind) {
    case PileKind::Center:
      if (s.CenterTop(to.index) == 0 && fv == 1) return kAllowed;
      return (fs == ts && fv == tv + 1) ? kAllowed : 1;
    case PileKind::Tableau:
      if (s.TableauTop(to.index) == 0) return kAllowed;
      if (SameColour(fs, ts)) return 2;
      return fv == tv - 1 ? kAllowed : 2;
    case PileKind::Opponent:
      if (to.index == kStock) return 0;
      return (fs == ts && (fv == tv - 1 || fv == tv + 1)) ? kAllowed : 3;
    case PileKind::Player:
      return 0;
    case PileKind::None:
      break;
  }
  return kAllowed;
}

}  // namespace

int CanPlay(const GameState& s, PileRef from, Card card, PileRef to, Card destTop) {
  const int fs = CardSuit(card), fv = CardValue(card);
  if (from.kind == PileKind::Player) {
    if (from.index == kStock) {
      if (s.ReserveCnt[kLocal] > 0 && CheckTableauOpen(s)) return 7;
      if (to.kind != PileKind::Center && CheckCenter(s, fv, fs)) return 11;
      if (to.kind == PileKind::Player && to.index == kWaste) return CheckTableauOpen(s) ? 10 : kAllowed;
    } else if (from.index == kWaste) {
      return 6;
    } else if (from.index == kReserve) {
      if (to.kind != PileKind::Center && CheckCenter(s, fv, fs)) return 13;
      if (to.kind == PileKind::Player) {
        if (to.index == kReserve) return 5;
        if (to.index == kWaste) return 0;
      }
    }
  }
  return DestinationRule(s, card, to, destTop);
}

int CanTurnStock(const GameState& s) {
  if (s.ReserveCnt[kLocal] == 0) return kAllowed;
  if (CheckTableauOpen(s)) return 7;
  const Card r = s.ReserveTop(kLocal);
  if (CheckCenter(s, CardValue(r), CardSuit(r))) return 8;
  if (TableauToCenter(s)) return 9;
  return kAllowed;
}

std::string_view RuleText(int code) {
  switch (code) {
    case 1: return "Center piles are built up in sequence and suit.";
    case 2: return "Tableau piles are built down in alternating colors.";
    case 3: return "Cards played to your opponent's Reserve or Wastepile must be in suit and up or down sequence.";
    case 5: return "You can't play a card to your own Reserve pile.";
    case 6: return "Once a card has been placed on your Wastepile, you cannot play it.";
    case 7: return "STOP! You must fill an empty Tableau with your Reserve card before playing your Stock card!";
    case 8:
      return "STOP! Your Reserve card is playable to the Center Foundation. You must play your Reserve card there "
             "before turning over your Stock card!";
    case 9:
      return "STOP! Tableau cards that can be played to the Center, must be moved there before turning over your "
             "Stock card!";
    case 10: return "STOP! You must fill empty Tableau spaces before ending your turn!";
    case 11:
      return "STOP! Your hand Stock card is playable to the Center Foundation. You must play your Stock card there "
             "immediately!";
    case 13:
      return "STOP! Your Reserve card is playable to the Center Foundation. You must play that card there "
             "immediately!";
    case 14: return "That card cannot be played to the Center.";
    default: return "";
  }
}

}  // namespace cv
