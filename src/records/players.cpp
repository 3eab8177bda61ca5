#include "players.h"

#include <filesystem>

#include "opponent/speed.h"
#include "player_names.h"

namespace cv {
namespace {
constexpr int kPanelPlayer = 1;
}  // namespace

bool Players::Open() {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(Path(), ec)) return false;
  return file_.Open(Path(), false);
}

int16_t Players::LastPlayer() const {
  const int16_t r = DecodeProgramRec(file_.Read(kProgramRecord)).lastPlayer;
  if (r < kFirstPlayer || r > kLastPlayer || Read(r).name.empty()) return 0;
  return r;
}

void Players::ApplyPlayerRecord(int record) {
  const PlayerRec rec = Read(record);
  g_.PlayerName = rec.name;
  g_.table().SetStatusPanel(kPanelPlayer, g_.PlayerName);
  LoadPreferences(rec.prefs, g_.prefs);
  g_.SpeedDelay = SpeedSeconds(g_.prefs.SpeedIndex);
  match_.ResumeFrom(g_.table(), rec.entries[1], rec.entries[2]);
  g_.table().ApplyPreferences(g_.prefs);
  net_.OpenForPlayer();
  g_.table().ShowDealButton(true);
}

void Players::LoadDefaultPreferences() {
  LoadPreferences(Read(kComputerRecord).prefs, g_.prefs);
  g_.SpeedDelay = SpeedSeconds(g_.prefs.SpeedIndex);
  g_.table().ApplyPreferences(g_.prefs);
}

void Players::StorePlayerSettings() {
  if (PlayerRecord < kFirstPlayer || PlayerRecord > kLastPlayer) return;
  PlayerRec rec = Read(PlayerRecord);
  rec.prefs = StorePreferences(g_.prefs);
  Write(PlayerRecord, rec);
}

Players::Choice Players::ChoosePlayer(std::string_view typedName) {
  const std::string name = StoredPlayerName(typedName);
  if (name.empty() || !IsFileNameSafe(name)) return Choice::Unchanged;
  for (int r = kFirstPlayer; r <= kLastPlayer; ++r) {
    const std::string held = Read(r).name;
    if (held == name) {
      if (r == PlayerRecord) return Choice::Unchanged;
      StorePlayerSettings();
      PlayerRecord = static_cast<int16_t>(r);
      ApplyPlayerRecord(r);
      return Choice::Switched;
    }
    if (held.empty()) {
      // Always the free record itself: record 1 may belong to a player already.
      PlayerRecord = static_cast<int16_t>(r);
      PlayerRec rec = Read(kComputerRecord);
      rec.name = name;
      rec.prefs = Sanitized(rec.prefs);
      for (int e = 0; e < 3; ++e) rec.entries[e] = ResetMatchEntry(g_.NetworkGame() ? 0 : match_.ResetGoal(e));
      Write(PlayerRecord, rec);
      ApplyPlayerRecord(PlayerRecord);
      return Choice::Created;
    }
  }
  return Choice::Full;
}

void Players::ResetPlayerMatch() {
  if (PlayerRecord < kFirstPlayer || PlayerRecord > kLastPlayer) return;
  PlayerRec rec = Read(PlayerRecord);
  for (int e : {1, 2}) rec.entries[e] = ResetMatchEntry(g_.NetworkGame() ? 0 : match_.ResetGoal(e));
  Write(PlayerRecord, rec);
}

void Players::SaveProgramRecord(std::optional<WindowGeometry> window) {
  ProgramRec rec = DecodeProgramRec(file_.Read(kProgramRecord));
  rec.lastPlayer = PlayerRecord;
  if (window) rec.window = *window;
  file_.Write(kProgramRecord, EncodeProgramRec(rec));
}

}  // namespace cv
