#include "scoreboard.h"

#include <filesystem>
#include <limits>

namespace cv {

std::optional<int16_t> Losses(const ScoreEntry& e) {
  const int losses = e.Played - e.Won;
  if (losses < std::numeric_limits<int16_t>::min() || losses > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return static_cast<int16_t>(losses);
}

int16_t Scoreboard::PlayerGoal(int record, int entry) const {
  return record == r_.players.PlayerRecord && !g_.NetworkGame() ? r_.match.ResetGoal(entry) : 0;
}

int16_t Scoreboard::NetGoal(int record, int entry) const {
  return record == r_.net.NetRecord && g_.NetworkGame() ? r_.match.ResetGoal(entry) : 0;
}

void Scoreboard::ClearPlayerValues(int record) {
  PlayerRec rec = r_.players.Read(record);
  for (int e = 0; e < 3; ++e) rec.entries[e] = ResetMatchEntry(PlayerGoal(record, e));
  r_.players.Write(record, rec);
}

void Scoreboard::ClearAllScores() {
  for (int r = kFirstPlayer; r <= kLastPlayer; ++r) ClearPlayerValues(r);
  ClearPlayerValues(kComputerRecord);
}

void Scoreboard::DeleteAllPlayers() {
  Players& players = r_.players;
  const int current = players.PlayerRecord;
  for (int r = kFirstPlayer; r <= kLastPlayer; ++r) {
    if (r != current) {
      PlayerRec rec = players.Read(r);
      rec.name.clear();
      players.Write(r, rec);
    }
    ClearPlayerValues(r);
  }
  if (current > kFirstPlayer && current <= kLastPlayer) {
    PlayerRec rec = players.Read(current);
    players.Write(kFirstPlayer, rec);
    rec.name.clear();
    players.Write(current, rec);
    players.PlayerRecord = kFirstPlayer;
  }
  ClearPlayerValues(kComputerRecord);
}

void Scoreboard::DeletePlayer(int record) {
  Players& players = r_.players;
  if (record < kFirstPlayer || record > kLastPlayer) return;
  if (record == players.PlayerRecord) {
    ClearPlayerValues(record);
    return;
  }
  PlayerRec gone = players.Read(record);
  gone.name.clear();
  players.Write(record, gone);
  ClearPlayerValues(record);
  for (int k = record + 1; k <= kLastPlayer; ++k) {
    players.Write(k - 1, players.Read(k));
    if (k == players.PlayerRecord) players.PlayerRecord = static_cast<int16_t>(k - 1);
  }
  if (record < kLastPlayer) {
    PlayerRec last = players.Read(kLastPlayer);
    last.name.clear();
    players.Write(kLastPlayer, last);
    ClearPlayerValues(kLastPlayer);
  }
}

void Scoreboard::ClearNetRecord(int record) {
  NetScoreRec rec = r_.net.Read(record);
  for (int e = 0; e < 4; ++e) rec.entries[e] = ResetMatchEntry(NetGoal(record, e));
  r_.net.Write(record, rec);
}

void Scoreboard::ClearAllNetScores() {
  for (int r = 1; r <= static_cast<int>(r_.net.NetNames.size()); ++r) ClearNetRecord(r);
}

void Scoreboard::DeleteNetPlayer(int record) {
  NetScores& net = r_.net;
  const int count = static_cast<int>(net.NetNames.size());
  if (record < 1 || record > count) return;
  const auto blank = [&](int r) {
    NetScoreRec rec = net.Read(r);
    rec.name.clear();
    rec.avatar.clear();
    for (auto& e : rec.entries) e = ResetMatchEntry(0);
    net.Write(r, rec);
  };
  blank(record);
  for (int k = record + 1; k <= count; ++k) {
    net.Write(k - 1, net.Read(k));
    blank(k);
  }
  net.LoadNetNames();
}

void Scoreboard::DeleteNetFile() {
  // Only the file opened for this player: a name from a damaged record never
  // leads to a path.
  if (!r_.net.NetFileOpen) return;
  const std::string path = r_.net.Path();
  r_.net.Close();
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace cv
