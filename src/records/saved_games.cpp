#include "saved_games.h"

#include <cstdio>

#include "engine/invariants.h"
#include "engine/text.h"
#include "show_position.h"
#include "slot_labels.h"

namespace cv {
namespace {

constexpr int kPanelPlayer = 1;

std::string FileName(GameFile f) { return f == GameFile::Saved ? "backup.sav" : "~tempmoves.sav"; }

}  // namespace

void SavedGames::Close() {
  saved_.Close();
  if (undo_.IsOpen()) {
    undo_.Close();
    std::remove(UndoPath().c_str());
  }
}

GameRec SavedGames::Read(GameFile f, int record) const {
  const auto bytes = (f == GameFile::Saved ? saved_ : undo_).Read(record);
  GameRecBytes image{};
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return DecodeGameRec(image);
}

void SavedGames::WriteRecord(int record, const GameRec& rec) { saved_.Write(record, EncodeGameRec(rec)); }

void SavedGames::WriteUndoRecord(int step, const GameRec& rec) { undo_.Write(step, EncodeGameRec(rec)); }

void SavedGames::StartUndoFile() {
  g_.UndoStep = 1;
  g_.SaveGameRec();
  WriteUndoRecord(1, g_.gameRec);
}

void SavedGames::SaveTurnBackup() {
  const int16_t n = g_.state.TurnCount;
  SaveSlot = static_cast<int16_t>(n == 0 || n % 2 != 0 ? kOddTurnBackup : kEvenTurnBackup);
  g_.SaveGameRec();
  WriteRecord(SaveSlot, g_.gameRec);
  WriteRecord(kLatestTurnRecord, g_.gameRec);
  if (n == 0) {
    WriteRecord(kEvenTurnBackup, g_.gameRec);
    WriteRecord(kRestartRecord, g_.gameRec);
  }
}

std::optional<GameRec> SavedGames::ReadPosition(GameFile f, int record) {
  GameRec rec = Read(f, record);
  GameState probe;
  LoadGameRec(rec, probe);
  std::string problem;
  if (probe.Turn == 0 && CheckPosition(probe) != "")
    problem = "No game is stored there.";
  else if (probe.Turn != 1 && probe.Turn != 2)
    problem = "It says nobody is on turn.";
  else
    problem = CheckPosition(probe);
  if (problem.empty()) return rec;
  const std::string br(kCrLf);
  g_.platform().MessageBox("The position in record " + std::to_string(record) + " of " + FileName(f) +
                               " cannot be put on the board." + br + problem,
                           "Restore", MessageIcon::Exclamation);
  return std::nullopt;
}

bool SavedGames::RestoreGame(int record, GameFile f, int tossFlag) {
  const std::optional<GameRec> rec = ReadPosition(f, record);
  if (!rec) return false;
  const bool undoRunning = UndoMoveRequest || UndoTurnRequest;

  // Clearing the board does not end the turn count: the backups go by its parity.
  const int16_t turnCount = g_.state.TurnCount;
  g_.ClearBoard();
  g_.state.TurnCount = turnCount;
  if (g_.NetworkGame()) g_.table().EnablePiles(false);
  g_.table().ShowDealButton(false);

  g_.gameRec = *rec;
  g_.LoadGameRec();
  g_.ShowCardCounts();
  if (tossFlag == kOtherPlayerFirst) g_.state.Turn = g_.state.Turn == 1 ? 2 : 1;
  if (!g_.TutorialOn) ShowPosition(g_);
  g_.GameOver = false;

  if (!undoRunning && f == GameFile::Saved) {
    // Both turn backups become the position now on the board, whoever is to move.
    GameRec restored = *rec;
    restored.position.Turn = g_.state.Turn;
    WriteRecord(kEvenTurnBackup, restored);
    WriteRecord(kOddTurnBackup, restored);
  }
  if (record != kRestartRecord && !undoRunning && !RestoringBackup && g_.SampleGame) {
    const std::string label = ShownLabel(rec->label);
    g_.table().SetStatusPanel(kPanelPlayer, g_.PlayerName + "   " + label);
    SampleNumber = TrailingNumber(label);
  }
  if (record == kRestartRecord) g_.state.TurnCount = 1;
  if (!UndoMoveRequest && !g_.NetworkGame()) StartUndoFile();
  if (f == GameFile::Saved && record >= 1 && record <= kSlotCount) {
    // The saved game's own deal becomes the restart position, when it was kept.
    const GameRec restart = Read(GameFile::Saved, record + kSlotRestartOffset);
    GameState probe;
    LoadGameRec(restart, probe);
    if (CheckPosition(probe).empty() && (probe.Turn == 1 || probe.Turn == 2)) WriteRecord(kRestartRecord, restart);
  }

  if (!g_.TutorialOn) g_.table().RunGameClock(true);
  if (g_.NetworkGame()) return true;
  g_.ShowWhoseTurn();
  if (g_.state.Turn == 2) {
    if (g_.TutorialOn) {
      WriteRecord(kRestartRecord, g_.gameRec);
      g_.state.TurnCount = 1;
    }
    if (g_.opponent()) g_.opponent()->PlayTurn();
    if (g_.Closing) {
      g_.ComputerBusy = false;
      g_.table().CloseBoard();
    }
  }
  return true;
}

void SavedGames::SaveGame(int slot, std::string_view label) {
  if (slot < 1 || slot > kSlotCount) return;
  SaveSlot = static_cast<int16_t>(slot);
  g_.SaveGameRec();
  g_.gameRec.label = PadRight(label, kGameRecLabelSize);
  WriteRecord(slot, g_.gameRec);
  WriteRecord(slot + kSlotRestartOffset, Read(GameFile::Saved, kRestartRecord));
}

bool SavedGames::RestoreSavedGame(int slot) {
  const std::optional<GameRec> rec = ReadPosition(GameFile::Saved, slot);
  if (!rec) return false;
  SaveSlot = static_cast<int16_t>(slot);
  WriteRecord(kRestartRecord, *rec);
  return RestoreGame(slot, GameFile::Saved, 0);
}

void SavedGames::UndoMove() {
  if (g_.NetworkGame() || g_.state.Turn != 1) return;
  UndoMoveRequest = true;
  if (g_.UndoStep > 1) {
    SaveSlot = static_cast<int16_t>(g_.UndoStep - 1);
    if (RestoreGame(SaveSlot, GameFile::Undo, 0)) --g_.UndoStep;
  }
  UndoMoveRequest = false;
}

void SavedGames::UndoTurn() {
  if (g_.NetworkGame() || g_.state.Turn != 1) return;
  UndoTurnRequest = true;
  SaveSlot = static_cast<int16_t>(g_.state.TurnCount % 2 != 0 ? kOddTurnBackup : kEvenTurnBackup);
  RestoreGame(SaveSlot, GameFile::Saved, 0);
  UndoTurnRequest = false;
}

void SavedGames::BackupToPreviousTurn(bool inspectMode) {
  if (g_.state.TurnCount == 0 && !inspectMode) {
    g_.platform().MessageBox("No previous turn to backup to.", "Previous Turn", MessageIcon::Information);
    return;
  }
  RestoringBackup = true;
  SaveSlot = static_cast<int16_t>(g_.state.TurnCount % 2 == 0 ? kOddTurnBackup : kEvenTurnBackup);
  RestoreGame(SaveSlot, GameFile::Saved, 0);
  RestoringBackup = false;
}

void SavedGames::Restart(bool sameFirstPlayer) {
  SaveSlot = kRestartRecord;
  RestoreGame(kRestartRecord, GameFile::Saved, sameFirstPlayer ? 0 : kOtherPlayerFirst);
}

}  // namespace cv
