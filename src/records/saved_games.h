#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "record_file.h"

namespace cv {

// The two files of stored positions.
enum class GameFile {
  Saved,  // "Data/backup.sav": slots 1..10, turn backups 11 and 12, restart 13, latest
          // turn 14, the tutorial deal 15, the slots' restart positions 21..30
  Undo,   // "Data/~tempmoves.sav": the start of this turn (1) and each move since
};

constexpr int kSlotCount = 10;
constexpr int kOddTurnBackup = 12, kEvenTurnBackup = 11, kRestartRecord = 13, kLatestTurnRecord = 14;
constexpr int kSlotRestartOffset = 20;
constexpr int kOtherPlayerFirst = 99;  // the toss flag that hands the first move over

// Saved games, turn backups, the restart position and the in-turn undo file.
class SavedGames {
 public:
  explicit SavedGames(Game& game) : g_(game) {}

  RecordFile& file(GameFile f) { return f == GameFile::Saved ? saved_ : undo_; }
  std::string SavedPath() const { return g_.AppPath + "/Data/backup.sav"; }
  std::string UndoPath() const { return g_.AppPath + "/Data/~tempmoves.sav"; }

  // The saved-game file, created when missing, kept open for the run.
  bool OpenSavedFile() { return saved_.Open(SavedPath(), true); }
  // The undo file, started empty: a scratch file for this run.
  void OpenUndoFile() { undo_.OpenFresh(UndoPath()); }
  // At shutdown: closes both files and deletes the undo file.
  void Close();

  GameRec Read(GameFile f, int record) const;

  // The start of a local turn (or, with TurnCount 0, the deal): record 12 for an odd
  // turn, 11 for an even one, and 14; the deal also fills 11 and 13.
  void SaveTurnBackup();
  void WriteUndoRecord(int step, const GameRec& rec);

  // Puts a stored position on the board. A record that is empty or breaks the card
  // rules is refused with a message and the board is left as it was (false).
  bool RestoreGame(int record, GameFile f, int tossFlag);

  // The save step: the position with its description as slot n, its restart
  // position as record n + 20.
  void SaveGame(int slot, std::string_view label);
  // The restore step: the slot becomes the restart record and goes on the board.
  bool RestoreSavedGame(int slot);

  // Backspace: takes back the last move of this turn (nothing when there is none).
  void UndoMove();
  // Delete: takes back every move of this turn.
  void UndoTurn();
  // Back to the start of the previous turn; refused while no turn has been recorded.
  void BackupToPreviousTurn(bool inspectMode);
  // The game from its deal, optionally with the other player first.
  void Restart(bool sameFirstPlayer);

  int16_t SaveSlot = 0;
  bool RestoringBackup = false;
  bool UndoMoveRequest = false;
  bool UndoTurnRequest = false;
  int SampleNumber = 0;

 private:
  // The record as a position that may go on the board, or nullopt after telling why not.
  std::optional<GameRec> ReadPosition(GameFile f, int record);
  void WriteRecord(int record, const GameRec& rec);
  void StartUndoFile();

  Game& g_;
  RecordFile saved_{kGameRecSize};
  RecordFile undo_{kGameRecSize};
};

}  // namespace cv
