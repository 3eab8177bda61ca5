#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "match.h"
#include "net_scores.h"
#include "player_rec.h"
#include "record_file.h"

namespace cv {

// The player file "Data/players.sav": up to ten players, the program record and the
// computer's record, kept open for the whole run.
class Players {
 public:
  Players(Game& game, Match& match, NetScores& net) : g_(game), match_(match), net_(net) {}

  RecordFile& file() { return file_; }
  std::string Path() const { return g_.AppPath + "/Data/players.sav"; }
  // Opens the file; false when it is missing or cannot be read (the program does not
  // start without it).
  bool Open();
  void Close() { file_.Close(); }

  PlayerRec Read(int record) const { return DecodePlayerRec(file_.Read(record)); }
  bool Write(int record, const PlayerRec& rec) { return file_.Write(record, EncodePlayerRec(rec)); }

  // The player who played last, from the program record; 0 when there is none or the
  // record named there is not a player.
  int16_t LastPlayer() const;
  // Makes a record the current player: name, preferences, speed, match, appearance
  // and his network score file.
  void ApplyPlayerRecord(int record);
  // No player yet: the preferences of the computer's record, the defaults.
  void LoadDefaultPreferences();
  // Writes the preferences in memory into the current player's record.
  void StorePlayerSettings();

  enum class Choice { Switched, Created, Unchanged, Full };
  // After the name dialog: chooses the player of that name (exact comparison) or
  // creates him in the first free record from the computer's record. The name has
  // passed CheckFileName.
  Choice ChoosePlayer(std::string_view typedName);

  // Match entries 1 and 2 of the current player set back (entry 1 takes the target
  // while a match is on).
  void ResetPlayerMatch();

  // At shutdown: the current player and, unless nullopt (a minimised window), the
  // window geometry go into the program record.
  void SaveProgramRecord(std::optional<WindowGeometry> window);

  int16_t PlayerRecord = 0;

 private:
  Game& g_;
  Match& match_;
  NetScores& net_;
  RecordFile file_{kPlayerRecSize};
};

}  // namespace cv
