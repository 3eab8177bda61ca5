#pragma once
#include <optional>

#include "engine/game.h"
#include "game_end.h"
#include "match.h"
#include "net_scores.h"
#include "players.h"
#include "saved_games.h"

namespace cv {

// The record keeping of a game: the player and score files, saved games, turn
// backups and undo, matches and the end of a game. Joins the game as its hooks.
class Records : public GameHooks {
 public:
  explicit Records(Game& game);
  Records(const Records&) = delete;
  Records& operator=(const Records&) = delete;
  ~Records() override;

  enum class OpenResult { Ready, PlayersMissing };
  // Program start: opens the files under the program folder and applies the last
  // player (or, with none yet, the default preferences). PlayersMissing: the
  // player file is not there and the program must not start.
  OpenResult Open();
  // Program end: the player's preferences and the window into the player file, the
  // files closed and the undo file deleted.
  void Shutdown(std::optional<WindowGeometry> window);

  // Matches started and ended by hand. Starting resets the match entries and deals a
  // new game; ending does not.
  void StartMatch(int16_t points);
  void EndMatch();

  void FinishGame(Game& g, int winner) override;
  void SaveTurnBackup(Game& g) override;
  void WriteUndoRecord(Game& g, int step, const GameRec& rec) override;

  Match match;
  NetScores net;
  Players players;
  SavedGames saved;
  GameEnd gameEnd;

 private:
  void ResetMatchEntries();
  Game& g_;
};

}  // namespace cv
