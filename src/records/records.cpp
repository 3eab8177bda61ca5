#include "records.h"

namespace cv {

Records::Records(Game& game)
    : net(game, match), players(game, match, net), saved(game), gameEnd(game, match, players, net), g_(game) {
  const RecordFile::Reporter report = [&platform = game.platform()](const std::string& message) {
    platform.MessageBox(message + "\r\n\r\nThe game goes on, but what it should have kept there is lost.",
                        "Corvalle", MessageIcon::Exclamation);
  };
  for (RecordFile* f : {&players.file(), &net.file(), &saved.file(GameFile::Saved), &saved.file(GameFile::Undo)})
    f->SetReporter(report);
  g_.SetHooks(this);
}

Records::~Records() { g_.SetHooks(nullptr); }

Records::OpenResult Records::Open() {
  if (!players.Open()) return OpenResult::PlayersMissing;
  saved.OpenSavedFile();
  saved.OpenUndoFile();
  players.PlayerRecord = players.LastPlayer();
  if (players.PlayerRecord != 0)
    players.ApplyPlayerRecord(players.PlayerRecord);
  else
    players.LoadDefaultPreferences();
  return OpenResult::Ready;
}

void Records::Shutdown(std::optional<WindowGeometry> window) {
  players.StorePlayerSettings();
  players.SaveProgramRecord(window);
  players.Close();
  saved.Close();
  net.Close();
}

void Records::ResetMatchEntries() {
  if (g_.NetworkGame())
    net.ResetNetMatch();
  else
    players.ResetPlayerMatch();
}

void Records::StartMatch(int16_t points) {
  match.MatchOn = true;
  match.MatchPoints = points;
  match.MatchWon = false;
  match.ShowMatchStart(g_.table());
  ResetMatchEntries();
  g_.table().ShowMatchPanels(true);
  g_.NewGame();
}

void Records::EndMatch() {
  match.End();
  g_.table().ShowMatchPanels(false);
  ResetMatchEntries();
}

void Records::FinishGame(Game&, int winner) { gameEnd.FinishGame(winner); }

void Records::SaveTurnBackup(Game& g) {
  // A new deal: the match panels follow the match again (a finished match left its
  // final score showing until now).
  if (g.state.TurnCount == 0) g.table().ShowMatchPanels(match.MatchOn);
  saved.SaveTurnBackup();
}

void Records::WriteUndoRecord(Game&, int step, const GameRec& rec) { saved.WriteUndoRecord(step, rec); }

}  // namespace cv
