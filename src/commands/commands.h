#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "board/step_keys.h"
#include "menu_lists.h"

namespace cv {

class Game;
class Records;

// Key codes as the board sees them (the desktop's virtual key codes; Up and Down with
// the board's steps).
enum KeyCode : int {
  kKeyBack = 8, kKeyEscape = 27, kKeyEnd = 35, kKeyDelete = 46,
  kKeyP = 80, kKeyR = 82, kKeyS = 83,
  kKeyF1 = 112, kKeyF2, kKeyF3, kKeyF4, kKeyF5, kKeyF6, kKeyF7, kKeyF8, kKeyF9, kKeyF10, kKeyF11, kKeyF12
};
// Shift state bits.
enum : int { kShiftBit = 1, kCtrlBit = 2, kAltBit = 4 };

struct SaveChoice {
  int16_t slot = 0;
  std::string label;
};

// What the commands need from the main window: its dialogs and its strip.
class CommandHost {
 public:
  virtual ~CommandHost() = default;
  // Hides the menu strip and unloads an open pop-up list.
  virtual void PanelHide() = 0;
  // Hides the strip only.
  virtual void HidePanel() = 0;
  virtual bool PanelVisible() const = 0;

  // The match target chosen in the match dialog; nullopt when it was cancelled.
  virtual std::optional<int16_t> AskMatchTarget() = 0;
  virtual void ShowNameDialog() = 0;
  // The saved-game dialog (0 save, 1 restore): the slot chosen, nullopt when cancelled.
  virtual std::optional<SaveChoice> ShowSaveDialog(int mode) = 0;
  virtual void ShowScores() = 0;
  virtual void ShowSpeedDialog() = 0;
  virtual void ShowOptionsDialog() = 0;
  virtual void ShowAbout() = 0;
  virtual void ShowTutorial() = 0;
  virtual void OpenManual() = 0;
  virtual void OpenWebSite(int choice) = 0;
  virtual void SetupInternet() = 0;

  virtual void SetStructure(int key) = 0;
  virtual void StepBackground(int key) = 0;
  virtual void AddBackground() = 0;
  virtual void ToggleStatusBar() = 0;
  virtual bool StatusBarVisible() const = 0;
  virtual void SizeStatusBar() = 0;
  // Asks for a line of text (the developer's turn-count question).
  virtual std::string InputBox(const std::string& prompt) = 0;
  // The program closes, as when the window is closed.
  virtual void CloseBoard() = 0;
  // The sound file asynchronously, whatever the game-sound setting.
  virtual void PlayFile(const std::string& path) = 0;
};

// Every user command, from the keyboard or from the pop-up menus.
class Commands {
 public:
  Commands(Game& game, Records& records, CommandHost& host) : g_(game), r_(records), host_(host) {}

  void KeyCommand(int keyCode, int shift);
  void MenuChoice();
  void GameCommand(int code);
  void OptionsCommand(int code, int choice);
  void HelpCommand(int code, int choice);
  void InternetCommand(int code);

  MenuState CurrentMenuState() const;

  bool KeysArmed = false;
  bool InspectMode = false;
  bool DialogCancelled = false;
  int AskResult = 0;
  int MenuNumber = 0;
  int MenuIndex = 0;
  bool MenuChosen = false;
  int WebChoice = 0;

  // Names that may toggle the inspection mode with Ctrl+Shift+F8.
  static constexpr const char* kDeveloperNames[2] = {"Bram", "Ida Korvell"};

 private:
  void StartOrEndMatch();
  void Save();
  void Restore();
  void UndoInTurn(bool wholeTurn);
  void RestartAsked();

  Game& g_;
  Records& r_;
  CommandHost& host_;
};

}  // namespace cv
