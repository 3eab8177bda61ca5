#include "commands/commands.h"

#include <gtest/gtest.h>

#include "records/fixture.h"

namespace cv {
namespace {

class FakeHost : public CommandHost {
 public:
  void PanelHide() override { ++panelHides; }
  void HidePanel() override {}
  bool PanelVisible() const override { return panelVisible; }
  std::optional<int16_t> AskMatchTarget() override { return matchTarget; }
  void ShowNameDialog() override { calls.push_back("name"); }
  std::optional<SaveChoice> ShowSaveDialog(int mode) override {
    calls.push_back(mode == 0 ? "save" : "restore");
    return saveChoice;
  }
  void ShowScores() override { calls.push_back("scores"); }
  void ShowSpeedDialog() override { calls.push_back("speed"); }
  void ShowOptionsDialog() override { calls.push_back("options"); }
  void ShowAbout() override { calls.push_back("about"); }
  void ShowTutorial() override { calls.push_back("tutorial"); }
  void OpenManual() override { calls.push_back("manual"); }
  void OpenWebSite(int choice) override { calls.push_back("web" + std::to_string(choice)); }
  void SetupInternet() override { calls.push_back("internet"); }
  void SetStructure(int key) override { calls.push_back("structure" + std::to_string(key)); }
  void StepBackground(int key) override { calls.push_back("background" + std::to_string(key)); }
  void AddBackground() override { calls.push_back("add background"); }
  void ToggleStatusBar() override { statusBar = !statusBar; }
  bool StatusBarVisible() const override { return statusBar; }
  void SizeStatusBar() override {}
  std::string InputBox(const std::string&) override { return "2"; }
  void CloseBoard() override { calls.push_back("close"); }
  void PlayFile(const std::string& path) override { calls.push_back(path); }

  std::vector<std::string> calls;
  std::optional<int16_t> matchTarget;
  std::optional<SaveChoice> saveChoice;
  bool panelVisible = false, statusBar = true;
  int panelHides = 0;
};

class CommandsTest : public test::RecordsFixture {
 protected:
  CommandsTest() : commands(game, records, host) {
    game.SetHooks(&records);
    game.SetOpponent(&opponent);
    commands.KeysArmed = true;
  }
  void SetUp() override { OpenWithPlayer("Ann"); }

  FakeHost host;
  test::PassingOpponent opponent{game};
  Commands commands;
};

}  // namespace

TEST_F(CommandsTest, FirstKeyIsSwallowedUntilArmed) {
  commands.KeysArmed = false;
  commands.KeyCommand(kKeyF8, 0);
  EXPECT_TRUE(host.calls.empty());
  commands.KeyCommand(kKeyF8, 0);
  EXPECT_EQ(host.calls, std::vector<std::string>{"scores"});
}

TEST_F(CommandsTest, KeysReachTheirCommands) {
  struct Case { int key, shift; const char* call; };
  for (const Case c : {Case{kKeyF1, 0, "manual"}, {kKeyF5, 0, "speed"}, {kKeyF6, 0, "options"}, {kKeyF12, 0, "close"},
                       {kKeyUp, 0, "background38"}, {kKeyDown, kCtrlBit, "structure40"}, {kKeyF9, 0, "internet"}}) {
    host.calls.clear();
    commands.KeyCommand(c.key, c.shift);
    ASSERT_EQ(host.calls.size(), 1u) << c.key;
    EXPECT_EQ(host.calls[0], c.call) << c.key;
  }
  commands.KeyCommand(kKeyF12, kCtrlBit);
  EXPECT_EQ(host.calls.back(), home.path + "/Data/intro.wav");
  commands.KeyCommand(kKeyDelete, kCtrlBit);
  EXPECT_EQ(platform.boxes.back(), "|What are you trying to Delete?");
}

TEST_F(CommandsTest, NewGameDuringTheComputersTurnOnlyAsksToStop) {
  DealLocalFirst();
  game.state.Turn = 2;
  platform.answers = {true};
  commands.KeyCommand(kKeyF2, 0);
  EXPECT_EQ(platform.questions.back(), "End this game?");
  EXPECT_TRUE(game.StopComputer);
  EXPECT_EQ(game.state.Turn, 2);  // no new game from this command
  commands.KeyCommand(kKeyF8, 0);  // and while stopping, nothing at all
  EXPECT_TRUE(host.calls.empty());
  game.StopComputer = false;
  commands.KeyCommand(kKeyS, kCtrlBit);  // save is ignored during the computer's turn
  EXPECT_TRUE(host.calls.empty());
  commands.KeyCommand(kKeyF2, kCtrlBit);  // and so is the restart
  EXPECT_EQ(platform.questions.size(), 1u);
}

TEST_F(CommandsTest, NewGameKeyOnlyForTheHostOfANetworkGame) {
  game.netState = 1;
  game.netRole = 0;
  commands.KeyCommand(kKeyF2, 0);
  EXPECT_EQ(game.state.Turn, 0);
  game.netRole = 1;
  commands.KeyCommand(kKeyF2, 0);
  EXPECT_NE(game.state.Turn, 0);
}

TEST_F(CommandsTest, RefusalsWithNoGame) {
  commands.KeyCommand(kKeyS, kCtrlBit);
  EXPECT_EQ(platform.boxes.back(), "Unable to Save|There's no game to save!");
  commands.KeyCommand(kKeyF4, 0);
  EXPECT_EQ(platform.boxes.back(), "Previous Turn|No previous turn to backup to.");
  game.netState = 1;
  commands.HelpCommand(2, 0);
  EXPECT_EQ(platform.boxes.back(),
            "Corvalle Online|The tutorial and Sample Games are not available while playing online.");
  commands.InternetCommand(3);
  EXPECT_EQ(platform.boxes.back(), "Corvalle Online|There's no Internet game to save!");
}

TEST_F(CommandsTest, SaveRestoreAndRestart) {
  DealLocalFirst();
  host.saveChoice = SaveChoice{3, "my game"};
  commands.KeyCommand(kKeyS, kCtrlBit);
  const GameState saved = game.state;
  game.ClearBoard();
  commands.KeyCommand(kKeyR, kCtrlBit);
  EXPECT_EQ(game.state.Stock, saved.Stock);
  EXPECT_EQ(game.state.Tableau, saved.Tableau);
  EXPECT_FALSE(commands.DialogCancelled);

  platform.answers = {true};
  commands.KeyCommand(kKeyF2, kCtrlBit);
  EXPECT_EQ(platform.questions.back(), "Restart this game?");
  EXPECT_EQ(game.state.Turn, 1);
}

TEST_F(CommandsTest, MatchStartsWithANewGameAndEndsWithout) {
  host.matchTarget.reset();
  commands.KeyCommand(kKeyF3, 0);
  EXPECT_FALSE(records.match.MatchOn);
  EXPECT_EQ(game.state.Turn, 0);

  host.matchTarget = 61;
  commands.KeyCommand(kKeyF3, 0);
  EXPECT_TRUE(records.match.MatchOn);
  EXPECT_EQ(records.match.MatchPoints, 61);
  EXPECT_NE(game.state.Turn, 0);

  game.ClearBoard();
  platform.answers = {true};
  commands.KeyCommand(kKeyF3, 0);
  EXPECT_EQ(platform.questions.back(), "End this Match Game?");
  EXPECT_FALSE(records.match.MatchOn);
  EXPECT_EQ(game.state.Turn, 0);
}

TEST_F(CommandsTest, DeveloperNamesToggleTheInspectionMode) {
  commands.KeyCommand(kKeyF8, kCtrlBit | kShiftBit);
  EXPECT_FALSE(commands.InspectMode);
  game.PlayerName = Commands::kDeveloperNames[1];
  commands.KeyCommand(kKeyF8, kCtrlBit | kShiftBit);
  EXPECT_TRUE(commands.InspectMode);
}

TEST_F(CommandsTest, MenuChoices) {
  commands.MenuNumber = kGameMenu;
  commands.MenuIndex = 9;  // a separator
  commands.MenuChoice();
  EXPECT_TRUE(host.calls.empty());
  commands.MenuIndex = 10;
  commands.MenuChoice();
  EXPECT_EQ(host.calls.back(), "scores");

  commands.MenuNumber = kOptionsMenu;
  commands.MenuIndex = 1;
  game.prefs.SoundMode = 2;  // "Game Sound Off" picked in the sub-menu
  commands.MenuChoice();
  EXPECT_EQ(game.prefs.SoundMode, 2);
  EXPECT_TRUE(game.prefs.IntroOff);
  game.prefs.SoundMode = 0;  // and on again
  commands.MenuChoice();
  EXPECT_EQ(game.prefs.SoundMode, 0);

  commands.MenuNumber = kHelpMenu;
  commands.MenuIndex = 6;
  commands.WebChoice = 2;
  commands.MenuChoice();
  EXPECT_EQ(host.calls.back(), "web2");
  commands.MenuIndex = 7;
  commands.MenuChoice();
  EXPECT_EQ(host.calls.back(), "about");
  commands.MenuIndex = 4;
  commands.MenuChoice();
  EXPECT_FALSE(host.statusBar);
}

}  // namespace cv
