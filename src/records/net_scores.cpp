#include "net_scores.h"

#include <filesystem>

#include "options/stored_preferences.h"
#include "player_names.h"

namespace cv {
namespace {
constexpr std::string_view kDefaultPicture = "QZ.jpg";

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}
}  // namespace

void NetScores::Close() {
  file_.Close();
  NetFileOpen = false;
  NetNames.clear();
}

void NetScores::OpenForPlayer() {
  Close();
  NetRecord = 0;
  // A name from a damaged player file must not lead outside the user folder.
  if (!IsFileNameSafe(g_.PlayerName) || g_.PlayerName.empty() || !FileExists(Path())) return;
  NetFileOpen = file_.Open(Path(), false);
  if (NetFileOpen) LoadNetNames();
}

void NetScores::LoadNetNames() {
  NetNames.clear();
  const int count = file_.RecordCount();
  for (int r = 1; r <= count; ++r) {
    std::string name = Read(r).name;
    if (name.empty()) break;
    NetNames.push_back(std::move(name));
  }
}

void NetScores::LookUpOpponent() {
  NetRecord = 0;
  if (!IsFileNameSafe(g_.PlayerName) || g_.PlayerName.empty()) return;
  if (!NetFileOpen) {
    NetFileOpen = file_.Open(Path(), true);
    if (!NetFileOpen) return;
  }
  const int count = file_.RecordCount();
  int free = count + 1;
  for (int r = 1; r <= count; ++r) {
    const NetScoreRec rec = Read(r);
    if (rec.name.empty()) {
      free = r;
      break;
    }
    if (SameNameIgnoringCase(rec.name, g_.OpponentName)) {
      NetRecord = static_cast<int16_t>(r);
      if (IsPlainFileName(rec.avatar) && FileExists(g_.AppPath + "/user/" + rec.avatar)) OpponentPic = rec.avatar;
      break;
    }
  }
  if (NetRecord == 0) {
    NetScoreRec rec;
    rec.name = g_.OpponentName;
    rec.avatar = OpponentPic;
    for (int e = 0; e < 4; ++e) rec.entries[e] = ResetMatchEntry(match_.ResetGoal(e));
    if (Write(free, rec)) NetRecord = static_cast<int16_t>(free);
  }
  LoadNetNames();
  if (OpponentPic.empty()) OpponentPic = kDefaultPicture;
  if (NetRecord != 0) {
    const NetScoreRec rec = Read(NetRecord);
    match_.ResumeFrom(g_.table(), rec.entries[1], rec.entries[2]);
  }
}

void NetScores::ResetNetMatch() {
  if (NetRecord == 0) return;
  NetScoreRec rec = Read(NetRecord);
  for (int e : {1, 2}) rec.entries[e] = ResetMatchEntry(match_.ResetGoal(e));
  Write(NetRecord, rec);
}

}  // namespace cv
