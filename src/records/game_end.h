#pragma once
#include <string>

#include "engine/game.h"
#include "match.h"
#include "net_scores.h"
#include "players.h"
#include "score_entry.h"

namespace cv {

// What an online game adds to the end of a game; the network layer provides it.
class OnlineGameEnd {
 public:
  virtual ~OnlineGameEnd() = default;
  // Sends (or waits for) the winning card play; false when the game end stops there
  // because the peer did not take it or the connection dropped.
  virtual bool SettleLastMove(Game& g, int winner) = 0;
  // The score lines go to the chat log.
  virtual void ShowInChat(const std::string& text) = 0;
};

// The end of a game: announcement, score, player and network records, match,
// high-score table and the board made ready for the next deal.
class GameEnd {
 public:
  GameEnd(Game& game, Match& match, Players& players, NetScores& net)
      : g_(game), match_(match), players_(players), net_(net) {}

  void SetOnline(OnlineGameEnd* online) { online_ = online; }
  std::string HighScorePath() const { return g_.AppPath + "/Data/highscore.ran"; }

  void FinishGame(int winner);

  int16_t GameScore = 0;

 private:
  // Adds the game to an entry and shows an overflow message when there is one.
  ScoreUpdate AddGameResult(ScoreEntry& e, bool won);
  // A won match entry: the match is won when its points reach the target.
  void AddMatchWin(ScoreEntry& e);
  void RecordOffline(bool localWon);
  void RecordOnline(bool localWon);
  void AddHighScore(bool localWon, double playingTime);

  Game& g_;
  Match& match_;
  Players& players_;
  NetScores& net_;
  OnlineGameEnd* online_ = nullptr;
};

}  // namespace cv
