#pragma once
#include <QLockFile>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

#include "board/board_pictures.h"
#include "board/layout.h"
#include "board/sound_player.h"
#include "cardart/picture_store.h"
#include "commands/commands.h"
#include "engine/game.h"
#include "options/options_dialog.h"
#include "opponent/computer.h"
#include "qt_platform.h"
#include "records/records.h"

namespace cv {

class BoardView;
class BoardStatusBar;
class PopupMenu;
class clsDLL;

// frmPlay: the board window. It starts and ends the program, owns the game and its
// records, turns keys and menu choices into commands, and opens the dialogs.
class MainWindow : public QMainWindow, public CommandHost, public OptionsHost {
  Q_OBJECT
 public:
  MainWindow(QtPlatform& platform, const std::string& appPath, bool inspectMode, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The program start. False when the program must end (the reason has been shown).
  bool Start();
  // The close asked for from outside (SIGTERM, SIGINT): as if the window were closed.
  void RequestClose() { close(); }
  bool Exited() const { return exited_; }
  // Where the card-art library is looked for when the registry names none.
  QString cardArtDir;

  Game& game() { return game_; }
  Records& records() { return records_; }
  Commands& commands() { return commands_; }
  BoardView& view() { return *view_; }

  // CommandHost
  void PanelHide() override;
  void HidePanel() override;
  bool PanelVisible() const override;
  std::optional<int16_t> AskMatchTarget() override;
  void ShowNameDialog() override;
  std::optional<SaveChoice> ShowSaveDialog(int mode) override;
  void ShowScores() override;
  void ShowSpeedDialog() override;
  void ShowOptionsDialog() override;
  void ShowAbout() override;
  void ShowTutorial() override;
  void OpenManual() override;
  void OpenWebSite(int choice) override;
  void SetupInternet() override;
  void SetStructure(int key) override;
  void StepBackground(int key) override;
  void AddBackground() override;
  void ToggleStatusBar() override;
  bool StatusBarVisible() const override;
  void SizeStatusBar() override;
  std::string InputBox(const std::string& prompt) override;
  void CloseBoard() override { close(); }
  void PlayFile(const std::string& path) override;

  // OptionsHost
  PictureStore& Pictures() override { return store_; }
  std::unique_ptr<clsDLL> CreateCardArt() override;
  void KeyCommand(const QKeyEvent& event) override;
  QImage CurrentBackground() override;
  bool SelectBackground(const std::string& name) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void OpenDoor();
  void ExitLeft(int mode);
  void CleanUpStuff();
  // After a command or a deal: a close asked for meanwhile is carried out now.
  void CloseIfAsked();
  void DealClicked();
  // The menu strip: shown when the pointer asks for it, its titles open the lists.
  void PointerOver(const QString& element, QPointF local);
  void PressedOn(const QString& element, QPointF local);
  void StripPress(QPointF local);
  void LoadCardStyles(const Preferences& prefs, BoardPictures& pictures);
  std::optional<WindowGeometry> CurrentGeometry() const;

  QtPlatform& platform_;
  LayoutBase base_;
  BoardView* view_;
  BoardStatusBar* bar_;
  Game game_;
  Records records_;
  Computer computer_;
  Commands commands_;
  SoundPlayer sound_;
  PictureStore store_;
  std::unique_ptr<clsDLL> cards_;
  std::unique_ptr<QLockFile> lock_;
  QPointer<PopupMenu> menu_;
  bool exitWithoutWork_ = false;
  bool exited_ = false;
};

}  // namespace cv
