#include "commands.h"

#include "engine/game.h"
#include "records/records.h"

namespace cv {

MenuState Commands::CurrentMenuState() const {
  return {r_.match.MatchOn, host_.StatusBarVisible(), g_.netState, g_.netRole};
}

void Commands::KeyCommand(int key, int shift) {
  if (!KeysArmed) {
    KeysArmed = true;
    return;
  }
  if (key == kKeyEscape) {
    if (host_.PanelVisible()) host_.PanelHide();
    return;
  }
  const bool net = g_.NetworkGame();
  const bool host = net && g_.netRole == 1;
  if (shift == 0) {
    if (g_.netState == 99 && key > 40) return;
    switch (key) {
      case kKeyF1: HelpCommand(0, 0); break;
      case kKeyF2:
        g_.SampleGame = false;
        if (!net || host) GameCommand(0);
        break;
      case kKeyF3: GameCommand(1); break;
      case kKeyF4:
        if (!net) GameCommand(7);
        else if (host) InternetCommand(6);
        break;
      case kKeyF5: OptionsCommand(0, 0); break;
      case kKeyF6: OptionsCommand(3, 0); break;  // the menu shows F6 beside "Preferences"
      case kKeyF7: HelpCommand(2, 0); break;
      case kKeyF8: GameCommand(10); break;
      case kKeyF9: InternetCommand(0); break;
      case kKeyF11: HelpCommand(4, 0); break;
      case kKeyF12: GameCommand(12); break;
      case kKeyUp:
      case kKeyDown: host_.StepBackground(key); break;
      case kKeyBack:
        if (!net && g_.state.Turn == 1) r_.saved.UndoMove();
        break;
      case kKeyDelete:
        if (!net && g_.state.Turn == 1) r_.saved.UndoTurn();
        break;
      default: break;
    }
  } else if (shift == kCtrlBit) {
    switch (key) {
      case kKeyUp:
      case kKeyDown: host_.SetStructure(key); break;
      case kKeyBack:
        if (!net) GameCommand(7);
        else if (host) InternetCommand(6);  // as F4 does on the host
        break;
      case kKeyF2:
        // Not while the computer is playing: its turn would go on in the restored position.
        if (g_.state.Turn > 1 && !net) break;
        AskResult = g_.platform().AskYesNo("Restart this game?", "Restart", MessageIcon::Question) ? 6 : 7;
        if (AskResult == 6) r_.saved.Restart(true);
        break;
      case kKeyS: GameCommand(4); break;
      case kKeyR:
        GameCommand(5);
        DialogCancelled = false;
        break;
      case kKeyP: GameCommand(2); break;
      case kKeyF12: host_.PlayFile(g_.AppPath + "/Data/intro.wav"); break;
      case kKeyDelete: g_.platform().MessageBox("What are you trying to Delete?", "", MessageIcon::None); break;
      default: break;
    }
  } else if (shift == (kCtrlBit | kShiftBit) && key == kKeyF8) {
    for (const char* name : kDeveloperNames)
      if (g_.PlayerName == name) {
        InspectMode = !InspectMode;
        break;
      }
  }
}

void Commands::MenuChoice() {
  const int p = MenuIndex;
  switch (MenuNumber) {
    case kGameMenu:
      if (p == 3 || p == 6 || p == 9 || p == 11) return;
      if (p == 0) g_.SampleGame = false;
      GameCommand(p);
      break;
    case kOptionsMenu:
      if (p == 2 || p == 4) return;
      OptionsCommand(p, p == 1 ? g_.prefs.SoundMode : 0);
      break;
    case kInternetMenu:
      if (p == 2 || p == 5) return;
      InternetCommand(p);
      break;
    case kHelpMenu:
      if (p == 3 || p == 5) return;
      if (p == 6) HelpCommand(7, WebChoice);
      else if (p == 7) HelpCommand(8, 0);
      else HelpCommand(p, 0);
      break;
    default: break;
  }
}

void Commands::GameCommand(int code) {
  host_.PanelHide();
  if (g_.StopComputer) return;
  if (g_.state.Turn > 1 && !g_.NetworkGame()) {
    if (code == 0 || code == 1 || code == 2 || code == 5) {
      AskResult = g_.platform().AskYesNo("End this game?", "Computer is playing", MessageIcon::Question) ? 6 : 7;
      if (AskResult == 6) g_.StopComputer = true;
    }
    return;
  }
  switch (code) {
    case 0: g_.NewGame(); break;
    case 1: StartOrEndMatch(); break;
    case 2:
      host_.ShowNameDialog();
      g_.ClearBoard();
      break;
    case 4: Save(); break;
    case 5: Restore(); break;
    case 7: r_.saved.BackupToPreviousTurn(InspectMode); break;
    case 8: RestartAsked(); break;
    case 10: host_.ShowScores(); break;
    case 12:
      if (!g_.ComputerBusy) host_.CloseBoard();
      break;
    default: break;
  }
}

void Commands::StartOrEndMatch() {
  AskResult = 0;
  if (!r_.match.MatchOn) {
    const std::optional<int16_t> target = host_.AskMatchTarget();
    if (!target) {
      DialogCancelled = false;
      return;
    }
    host_.SizeStatusBar();
    r_.StartMatch(*target);  // shows and resets the match, then deals
    return;
  }
  g_.Msg = "End this Match Game?";
  AskResult = g_.platform().AskYesNo(g_.Msg, "Match Game", MessageIcon::Question) ? 6 : 7;
  g_.Msg.clear();
  if (AskResult != 6) return;
  r_.EndMatch();
  host_.SizeStatusBar();
}

void Commands::Save() {
  DialogCancelled = false;
  KeysArmed = true;
  if (g_.state.Turn == 0) {
    g_.platform().MessageBox("There's no game to save!", "Unable to Save", MessageIcon::None);
    return;
  }
  const std::optional<SaveChoice> choice = host_.ShowSaveDialog(0);
  if (!choice) return;
  r_.saved.SaveGame(choice->slot, choice->label);
}

void Commands::Restore() {
  DialogCancelled = false;
  KeysArmed = true;
  const std::optional<SaveChoice> choice = host_.ShowSaveDialog(1);
  if (!choice) {
    DialogCancelled = true;
    return;
  }
  int slot = choice->slot;
  SavedGames& saved = r_.saved;
  if (slot == kEvenTurnBackup) {
    if (g_.state.TurnCount == 0) {
      if (!InspectMode) {
        g_.platform().MessageBox("No move to restore!", "Previous Turn", MessageIcon::Critical);
        return;
      }
      int n = 0;
      try { n = std::stoi(host_.InputBox("TurnCount 1 or 2?")); } catch (...) { n = 0; }
      g_.state.TurnCount = static_cast<int16_t>(n);
    }
    saved.RestoringBackup = true;
    if (g_.state.TurnCount % 2 == 0) slot = kOddTurnBackup;
  }
  g_.table().ShowDealButton(false);
  saved.RestoreSavedGame(slot);
  saved.RestoringBackup = false;
}

void Commands::RestartAsked() {
  const bool same = g_.platform().AskYesNo(
      "Do you want the same player who won the original coin toss to go first again?", "Restarting Current Game",
      MessageIcon::Question);
  AskResult = same ? 0 : 99;
  r_.saved.Restart(same);
}

void Commands::OptionsCommand(int code, int choice) {
  host_.HidePanel();
  switch (code) {
    case 0: host_.ShowSpeedDialog(); break;
    case 1:
      // The sound sub-menu's pick: 0 sounds on, 2 sounds off (and no start-up tune).
      if (choice == 0) {
        g_.prefs.SoundMode = 0;
      } else {
        g_.prefs.SoundMode = 2;
        g_.prefs.IntroOff = true;
        g_.platform().StopSound();
      }
      break;
    case 3: host_.ShowOptionsDialog(); break;
    case 5: host_.SetStructure(kMenuStep); break;
    case 6: host_.StepBackground(kMenuStep); break;
    case 7: host_.AddBackground(); break;
    default: break;
  }
}

void Commands::HelpCommand(int code, int choice) {
  host_.HidePanel();
  if ((code == 1 || code == 2) && g_.NetworkGame()) {
    g_.platform().MessageBox("The tutorial and Sample Games are not available while playing online.",
                             "Corvalle Online", MessageIcon::Information);
    return;
  }
  switch (code) {
    case 0: host_.OpenManual(); break;
    case 1: host_.ShowTutorial(); break;
    case 2:
      g_.SampleGame = true;
      GameCommand(0);
      break;
    case 4: host_.ToggleStatusBar(); break;
    case 7: host_.OpenWebSite(choice); break;
    case 8: host_.ShowAbout(); break;
    default: break;
  }
}

void Commands::InternetCommand(int code) {
  host_.HidePanel();
  switch (code) {
    case 0: host_.SetupInternet(); break;
    case 1: host_.ShowScores(); break;
    case 3:
      if (g_.state.Turn != 0 && g_.NetworkGame()) {
        GameCommand(4);
      } else {
        g_.platform().MessageBox("There's no Internet game to save!", "Corvalle Online", MessageIcon::None);
      }
      break;
    case 9: GameCommand(1); break;
    case 10: GameCommand(0); break;
    default: break;  // the recovery commands come with network play
  }
}

}  // namespace cv
