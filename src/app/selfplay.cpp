#include "selfplay.h"

#include <cstdio>
#include <optional>

#include "engine/invariants.h"
#include "headless.h"
#include "local_bot.h"
#include "opponent/computer.h"
#include "records/records.h"

namespace cv {
namespace {

std::string DescribePosition(const GameState& s) {
  std::string out;
  auto pile = [&](const char* name, const auto& slots, int count) {
    out += name;
    out += ":";
    for (int i = 1; i <= count && i < static_cast<int>(slots.size()); ++i) out += " " + std::to_string(slots[i]);
    out += "\n";
  };
  for (int o = 0; o < 2; ++o) {
    const std::string who = o == 0 ? "local " : "computer ";
    pile((who + "Reserve (down " + std::to_string(s.ReserveDown[o]) + ")").c_str(), s.Reserve[o], s.ReserveCnt[o]);
    pile((who + "Stock").c_str(), s.Stock[o], s.StockCnt[o]);
    pile((who + "Waste").c_str(), s.Waste[o], s.WasteCnt[o]);
  }
  for (int p = 1; p <= 8; ++p) pile(("Tableau " + std::to_string(p)).c_str(), s.Tableau[p], s.TableauCnt[p]);
  for (int p = 1; p <= 8; ++p) pile(("Center " + std::to_string(p)).c_str(), s.Center[p], s.CenterCnt[p]);
  out += "Turn " + std::to_string(s.Turn) + ", TurnCount " + std::to_string(s.TurnCount) + "\n";
  return out;
}

// Counts moves, checks every position and keeps the result of each game; the record
// keeping (when there is any) goes on behind it.
class SelfPlayHooks : public GameHooks {
 public:
  SelfPlayHooks(bool check, GameHooks* records) : check_(check), inner_(records ? *records : plain_) {}

  void MoveDone(Game& g) override {
    ++moves;
    inner_.MoveDone(g);
    if (!check_ || !failure.empty()) return;
    if (const std::string err = CheckPosition(g.state); !err.empty())
      failure = "after a move from " + std::string(PileKindName(g.SelPile)) + " " + std::to_string(g.SelIndex) +
                " (card " + std::to_string(g.SelCard) + "): " + err + "\n" + DescribePosition(g.state);
  }
  void FinishGame(Game& g, int w) override {
    winner = w;
    turns = g.state.TurnCount;
    inner_.FinishGame(g, w);
  }
  void SaveTurnBackup(Game& g) override { inner_.SaveTurnBackup(g); }
  void WriteUndoRecord(Game& g, int step, const GameRec& rec) override { inner_.WriteUndoRecord(g, step, rec); }

  long moves = 0;
  int winner = -1;
  int turns = 0;
  std::string failure;

 private:
  bool check_;
  GameHooks plain_;
  GameHooks& inner_;
};

}  // namespace

SelfPlayResult RunSelfPlay(const SelfPlayOptions& opt) {
  SelfPlayResult r;
  NullTable table;
  HeadlessPlatform platform(opt.seed);
  Game game(table, platform);
  game.SpeedDelay = 0;
  game.rng.Seed(opt.seed);
  std::optional<Records> records;
  if (!opt.home.empty()) {
    game.AppPath = opt.home;
    records.emplace(game);
    if (records->Open() == Records::OpenResult::PlayersMissing) {
      r.failure = opt.home + " is not a program folder: " + records->players.Path() + " is missing\n";
      return r;
    }
    if (records->players.PlayerRecord == 0) records->players.ChoosePlayer("Player");
    game.SpeedDelay = 0;  // the player's speed would only stretch the virtual clock
  }
  Computer computer(game);
  LocalBot bot(game);
  SelfPlayHooks hooks(opt.checkInvariants, records ? &*records : nullptr);
  game.SetHooks(&hooks);
  game.SetOpponent(&computer);

  for (int i = 0; i < opt.games; ++i) {
    hooks.winner = -1;
    game.NewGame();
    while (!game.GameOver && hooks.failure.empty()) {
      if (game.state.TurnCount > opt.turnLimit) break;
      if (game.state.Turn != 1) {
        hooks.failure = "the game is not over but nobody is on turn\n" + DescribePosition(game.state);
        break;
      }
      if (!bot.PlayTurn()) {
        hooks.failure = "the local player found no allowed way on\n" + DescribePosition(game.state);
        break;
      }
    }
    ++r.games;
    if (!hooks.failure.empty()) break;
    if (hooks.winner == 0) ++r.localWins;
    else if (hooks.winner == 1) ++r.computerWins;
    else ++r.stalled;
    if (hooks.winner >= 0) r.turns += hooks.turns;
  }
  if (records) records->Shutdown(std::nullopt);
  r.moves = hooks.moves;
  r.failure = hooks.failure;
  return r;
}

std::string FormatSelfPlayReport(const SelfPlayResult& r, double seconds) {
  const int finished = r.localWins + r.computerWins;
  char buf[512];
  std::snprintf(buf, sizeof buf,
                "games: %d\nwins: local %d, computer %d\nstalled: %d\n"
                "average turns per finished game: %.1f\naverage moves per game: %.1f\ngames per second: %.0f\n",
                r.games, r.localWins, r.computerWins, r.stalled, finished ? double(r.turns) / finished : 0.0,
                r.games ? double(r.moves) / r.games : 0.0, seconds > 0 ? r.games / seconds : 0.0);
  return buf;
}

}  // namespace cv
