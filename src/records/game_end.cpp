#include "game_end.h"

#include <algorithm>
#include <cmath>

#include "engine/text.h"
#include "high_scores.h"
#include "record_file.h"
#include "score_text.h"

namespace cv {
namespace {

constexpr int kWinStructure = 1002;
constexpr std::string_view kProgramName = "Corvalle";
constexpr long kSecondsPerDay = 86400;

}  // namespace

ScoreUpdate GameEnd::AddGameResult(ScoreEntry& e, bool won) {
  const ScoreUpdate update = cv::AddGameResult(e, won, GameScore, match_.MatchPoints);
  if (const ScoreMessage m = ScoreUpdateMessage(update); !m.text.empty())
    g_.platform().MessageBox(m.text, m.title, MessageIcon::Information);
  return update;
}

void GameEnd::AddMatchWin(ScoreEntry& e) {
  // Only a match entry decides the match, and only when the win was counted.
  if (AddGameResult(e, true) == ScoreUpdate::Added) match_.MatchWon = e.Points >= match_.MatchPoints;
}

void GameEnd::RecordOffline(bool localWon) {
  PlayerRec computer = players_.Read(kComputerRecord);
  AddGameResult(computer.entries[0], !localWon);
  players_.Write(kComputerRecord, computer);

  const int r = players_.PlayerRecord;
  if (r < kFirstPlayer || r > kLastPlayer) return;
  PlayerRec player = players_.Read(r);
  AddGameResult(player.entries[0], localWon);
  if (match_.MatchOn) {
    ScoreEntry& winner = player.entries[localWon ? 1 : 2];
    ScoreEntry& loser = player.entries[localWon ? 2 : 1];
    AddMatchWin(winner);
    AddGameResult(loser, false);
    Match::ShowProgress(g_.table(), player.entries[1], player.entries[2]);
  }
  players_.Write(r, player);
}

void GameEnd::RecordOnline(bool localWon) {
  if (net_.NetRecord == 0) return;
  NetScoreRec rec = net_.Read(net_.NetRecord);
  AddGameResult(rec.entries[localWon ? 3 : 0], false);
  AddGameResult(rec.entries[localWon ? 0 : 3], true);
  if (match_.MatchOn) {
    AddMatchWin(rec.entries[localWon ? 1 : 2]);
    AddGameResult(rec.entries[localWon ? 2 : 1], false);
    Match::ShowProgress(g_.table(), rec.entries[1], rec.entries[2]);
  }
  net_.Write(net_.NetRecord, rec);
}

void GameEnd::AddHighScore(bool localWon, double playingTime) {
  RecordFile file(kHighScoreRecSize);
  file.SetReporter(players_.file().reporter());
  if (!file.Open(HighScorePath(), true)) return;
  std::vector<HighScoreRec> table;
  for (int i = 1; i <= kHighScoreCount; ++i) table.push_back(DecodeHighScoreRec(file.Read(i)));
  HighScoreRec entry;
  entry.time = playingTime;
  entry.date = std::floor(g_.platform().Now());
  entry.name = localWon ? g_.PlayerName : g_.NetworkGame() ? g_.OpponentName : std::string(kProgramName);
  entry.score = GameScore;
  const int place = InsertHighScore(table, entry);
  for (int i = place; place != 0 && i <= kHighScoreCount; ++i)
    if (!file.Write(i, EncodeHighScoreRec(table[i - 1]))) break;
}

void GameEnd::FinishGame(int winner) {
  // The game clock stops with the game; its time is the game's playing time. Counted
  // in seconds, so a game of an hour or more keeps its length too.
  const long seconds = std::clamp(g_.ElapsedSeconds(), 0L, kSecondsPerDay - 1);
  const double playingTime = static_cast<double>(seconds) / kSecondsPerDay;
  g_.ShowCardCounts();
  const bool network = g_.NetworkGame();
  if (network && online_ && !online_->SettleLastMove(g_, winner)) return;

  Table& table = g_.table();
  GameState& s = g_.state;
  s.Turn = 0;
  g_.Pause(1.0);
  s.TurnCount = 0;

  const bool localWon = winner == 0;
  const std::string winnerText = WinnerText(localWon, network, g_.OpponentName);
  table.SetTurnLabel(winnerText);
  if (localWon) {
    if (!g_.prefs.SoundsOff()) g_.platform().PlaySoundFile(g_.AppPath + "/Data/win.wav");
    table.SetStructure(kWinStructure);
  } else {
    g_.PlayGameSound(9);
  }
  g_.EndSelected();

  const int loser = localWon ? 1 : 0;
  GameScore = static_cast<int16_t>(cv::GameScore(s, loser));
  g_.Msg = ScoreText(localWon, s.StockCnt[loser] + s.WasteCnt[loser], s.ReserveCnt[loser], GameScore);
  table.SetMessage(g_.Msg);

  if (network) {
    if (online_) online_->ShowInChat(g_.Msg);
    RecordOnline(localWon);
  } else {
    RecordOffline(localWon);
  }
  if (match_.MatchOn && match_.MatchWon) {
    table.SetTurnLabel("Match Complete!!!" + std::string(kCrLf) + winnerText);
    match_.End();
  }

  AddHighScore(localWon, playingTime);

  if (localWon) {
    g_.Pause(3.0);
    table.SetStructure(g_.prefs.Structure);
  }
  table.ShowLogo();
  table.EnablePiles(false);
  if (!network) table.ShowDealButton(true);
  g_.ComputerBusy = false;
  g_.GameOver = true;
  g_.SampleGame = false;
}

}  // namespace cv
