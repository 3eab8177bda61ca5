#pragma once
#include <optional>

#include "engine/game.h"
#include "records.h"

namespace cv {

// Games lost (played less won); nullopt when a damaged entry gives a count the
// file's 16-bit counters cannot hold.
std::optional<int16_t> Losses(const ScoreEntry& e);

// The clean-up of the score files offered by the scores dialog. Every change is
// written at once; there is no undo.
class Scoreboard {
 public:
  Scoreboard(Game& game, Records& records) : g_(game), r_(records) {}

  // Player file: records 1..10 are players, 12 the computer.
  // Entries 0, 1 and 2 of a record set back to nothing played.
  void ClearPlayerValues(int record);
  // Every player's scores and the computer's; the names stay.
  void ClearAllScores();
  // Every player but the current one, who moves to record 1; all scores cleared.
  void DeleteAllPlayers();
  // The players after him move up one record; the current player is only cleared.
  void DeletePlayer(int record);

  // The current player's network score file: one record per opponent.
  void ClearNetRecord(int record);
  void ClearAllNetScores();
  // The opponents after him move up one record; the names are read anew.
  void DeleteNetPlayer(int record);
  // The file itself goes.
  void DeleteNetFile();

 private:
  // The match goal a reset entry keeps: only the current player's (or, online, the
  // current opponent's) own match entry keeps the running match's target.
  int16_t PlayerGoal(int record, int entry) const;
  int16_t NetGoal(int record, int entry) const;

  Game& g_;
  Records& r_;
};

}  // namespace cv
