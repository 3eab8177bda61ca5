#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "match.h"
#include "net_rec.h"
#include "record_file.h"

namespace cv {

// The current player's network score file "user/<name>.net": one record per network
// opponent, open while the player has one.
class NetScores {
 public:
  NetScores(Game& game, Match& match) : g_(game), match_(match) {}

  RecordFile& file() { return file_; }
  std::string Path() const { return g_.AppPath + "/user/" + g_.PlayerName + ".net"; }

  // For the player just applied: opens his file when he has one, else closes it.
  void OpenForPlayer();
  void Close();

  NetScoreRec Read(int record) const { return DecodeNetScoreRec(file_.Read(record)); }
  bool Write(int record, const NetScoreRec& rec) { return file_.Write(record, EncodeNetScoreRec(rec)); }

  // When a network game starts: finds the opponent's record (letter case ignored) or
  // appends one, creating the file; takes his picture when it is in the user folder;
  // resumes a match the record holds.
  void LookUpOpponent();

  // Match entries 1 and 2 of the opponent's record set back.
  void ResetNetMatch();

  int16_t NetRecord = 0;
  bool NetFileOpen = false;
  // The opponent's picture in the user folder, as the network layer knows it.
  std::string OpponentPic;
  std::vector<std::string> NetNames;
  // The trimmed opponent names from record 1 up to the first blank one.
  void LoadNetNames();

 private:
  Game& g_;
  Match& match_;
  RecordFile file_{kNetRecSize};
};

}  // namespace cv
