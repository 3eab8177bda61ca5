#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDesktopServices>
#include <QEventLoop>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <QWindowStateChangeEvent>

#include "board/art_pictures.h"
#include "board/board_status_bar.h"
#include "board/board_view.h"
#include "board/menu_strip.h"
#include "commands/popup_menu.h"
#include "board/sound_events.h"
#include "board/sound_files.h"
#include "cardart/cls_dll.h"
#include "commands/about_dialog.h"
#include "commands/browser.h"
#include "records/match_dialog.h"
#include "records/name_dialog.h"
#include "records/save_dialog.h"
#include "records/scores_dialog.h"
#include "engine/text.h"
#include "key_codes.h"
#include "opponent/speed.h"
#include "opponent/speed_dialog.h"
#include "window_geometry.h"

namespace cv {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QSize ScreenPixels() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

// The display does not run at 96 dots per inch.
bool LargeFontsDisplay() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && qRound(screen->logicalDotsPerInchX()) != 96;
}

}  // namespace

MainWindow::MainWindow(QtPlatform& platform, const std::string& appPath, bool inspectMode, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      // The view scales the board to the window, so the layout never needs the
      // large-font adjustments.
      base_(LayoutBaseFor(ScreenPixels().width() * kTwipsPerPixel, false)),
      view_(new BoardView(base_, this)),
      bar_(new BoardStatusBar(this)),
      game_(*view_, platform),
      records_(game_),
      computer_(game_),
      commands_(game_, records_, *this) {
  setObjectName("frmPlay");
  setWindowTitle(tr("Corvalle"));
  setCentralWidget(view_);
  setStatusBar(bar_);
  game_.AppPath = appPath;
  game_.SetOpponent(&computer_);
  view_->SetStatusBar(bar_);
  view_->SetGame(&game_);
  view_->InspectMode = inspectMode;
  commands_.InspectMode = inspectMode;
  cardArtDir = QCoreApplication::applicationDirPath();
  platform_.parent = this;
  platform_.playSound = [this](const std::string& path) { sound_.Play(Q(path)); };
  platform_.stopSound = [this] { sound_.Stop(); };
  connect(view_, &BoardView::dealClicked, this, &MainWindow::DealClicked);
  connect(view_, &BoardView::closeRequested, this, [this] { close(); });
  connect(view_, &BoardView::pointerOver, this, &MainWindow::PointerOver);
  connect(view_, &BoardView::pressedOn, this, &MainWindow::PressedOn);
  qApp->installEventFilter(this);
  // Until a stored place says otherwise: as large as sits well on the screen, centred.
  const QSize board = view_->layout().board;
  const QRect avail = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                       : QRect(0, 0, board.width(), board.height() + 24);
  const double scale = std::max(1.0, std::min(avail.width() * 0.9 / board.width(), avail.height() * 0.85 / board.height()));
  const QSize size(qRound(board.width() * scale), qRound(board.height() * scale) + 24);
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, avail));
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  platform_.parent = nullptr;
  platform_.playSound = nullptr;
  platform_.stopSound = nullptr;
}

bool MainWindow::Start() {
  const QString appPath = Q(game_.AppPath);
  lock_ = std::make_unique<QLockFile>(appPath + "/.corvalle.lock");
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError) {
    platform_.MessageBox("The game is already running. Please check the Windows Task Bar or Windows Task Manager.",
                         "", MessageIcon::Critical);
    exitWithoutWork_ = true;
    return false;
  }
  const std::string missing = std::string("Unable to start Corvalle!") + std::string(kCrLf) + std::string(kCrLf) +
                              "Files are missing.";
  if (!QFileInfo::exists(appPath + "/Data/players.sav") || records_.Open() != Records::OpenResult::Ready) {
    platform_.MessageBox(missing, "", MessageIcon::Critical);
    exitWithoutWork_ = true;
    return false;
  }
  try {
    cards_ = CreateCardArt();
  } catch (const CardArtError& e) {
    platform_.MessageBox("Unexpected error while setting up Corvalle" + std::string(kCrLf) + "Error # " +
                             LeadingSpaceNumber(e.Number()) + " occurred: " + std::string(kCrLf) + e.what(),
                         "", MessageIcon::Critical);
    CleanUpStuff();
    exitWithoutWork_ = true;
    return false;
  }
  if (const auto intro = DirectSoundPath(DirectSound::IntroAtStart, game_.prefs, game_.AppPath)) PlayFile(*intro);

  const QSize screen = ScreenPixels();
  if (screen.width() < 800) {
    std::string msg = "Corvalle was designed for a minimum 800x600 screen resolution." + std::string(kCrLf) +
                      "The game will not display properly on your monitor.";
    if (LargeFontsDisplay())
      msg += std::string(kCrLf) + std::string(kCrLf) +
             "Your Windows Display is set to use Large Fonts. This reduces your screen resolution to below 800x600." +
             std::string(kCrLf) +
             "To change your Windows Font setting go to the Windows Control Panel, Display icon, and click the "
             "Settings tab.";
    platform_.MessageBox(msg, "", MessageIcon::Critical);
  }
  OpenDoor();
  view_->RefreshBoard();
  game_.ClearBoard();
  view_->ShowLogo();
  show();
  game_.rng.Seed(platform_.ClockSeed());
  if (records_.players.PlayerRecord == 0) ShowNameDialog();
  if (exited_) return false;  // the program was ended while the first dialog was open
  // An idle board offers the next deal.
  view_->ShowDealButton(true);
  return true;
}

void MainWindow::OpenDoor() {
  const ProgramRec program = DecodeProgramRec(records_.players.file().Read(11));
  const QSize screen = ScreenPixels();
  const WindowGeometry& w = program.window;
  if (SensibleWindow(w, screen.width() * kTwipsPerPixel, screen.height() * kTwipsPerPixel)) {
    setWindowState(Qt::WindowNoState);
    setGeometry(w.left / kTwipsPerPixel, w.top / kTwipsPerPixel, w.width / kTwipsPerPixel, w.height / kTwipsPerPixel);
  }
  SetUpSounds(game_.AppPath);
  view_->SetCardStyleLoader([this](const Preferences& p, BoardPictures& pictures) { LoadCardStyles(p, pictures); });
  view_->SetPictures(PicturesFromArt(store_));
  game_.SpeedDelay = SpeedSeconds(game_.prefs.SpeedIndex);
  view_->ApplyPreferences(game_.prefs);
  view_->ApplyPileImages();
  game_.GameOver = true;
}

void MainWindow::LoadCardStyles(const Preferences& prefs, BoardPictures& pictures) {
  if (!cards_) return;
  try {
    cards_->GetCardFaces(prefs.FaceStyle, store_);
    cards_->GetCardBacks(prefs.BackStyle, store_);
  } catch (const CardArtError&) {
    // A style the library cannot give: the built-in pictures stay.
  }
  TakeCardPictures(store_, pictures);
}

std::optional<WindowGeometry> MainWindow::CurrentGeometry() const {
  if (isMinimized()) return std::nullopt;
  if (isMaximized()) return WindowGeometry{};
  const QRect g = geometry();
  return WindowGeometry{g.height() * kTwipsPerPixel, g.left() * kTwipsPerPixel, g.top() * kTwipsPerPixel,
                        g.width() * kTwipsPerPixel};
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (menu_) menu_->close();
  if (exitWithoutWork_ || exited_) {
    event->accept();
    return;
  }
  if (game_.ComputerBusy || game_.TutorialOn) {
    // The turn under way ends first; the board closes at the hand-over.
    game_.TutorialOn = false;
    game_.Closing = true;
    platform_.InterruptPauses();
    event->ignore();
    return;
  }
  ExitLeft(1);
  event->accept();
}

void MainWindow::ExitLeft(int mode) {
  exited_ = true;
  game_.Closing = true;
  game_.ComputerBusy = false;
  records_.Shutdown(CurrentGeometry());
  CleanUpStuff();
  if (mode == 0) close();
}

void MainWindow::CleanUpStuff() {
  if (!game_.prefs.SoundsOff()) sound_.Stop();
  CleanUpSounds(game_.AppPath);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == this || !w->isVisible()) continue;
    // A dialog may refuse an ordinary close (the first player's name); the program's end
    // does not ask.
    if (auto* dialog = qobject_cast<QDialog*>(w))
      dialog->done(QDialog::Rejected);
    else
      w->close();
  }
  QCoreApplication::quit();
}

void MainWindow::CloseIfAsked() {
  if (!game_.Closing || exited_) return;
  game_.ComputerBusy = false;
  close();
}

void MainWindow::DealClicked() {
  view_->ShowDealButton(false);
  if (!game_.TutorialOn) game_.NewGame();
  CloseIfAsked();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && (w == this || isAncestorOf(w)) && !exited_) {
      const auto* key = static_cast<QKeyEvent*>(event);
      KeyCommand(*key);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    if (isMinimized())
      view_->clock().Minimized(platform_.Now());
    else
      view_->clock().Restored(platform_.Now(), game_.GameStart);
    if (menu_) menu_->close();
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::PanelHide() {
  view_->ShowPanel(false);
  if (menu_) menu_->close();
}

void MainWindow::HidePanel() { view_->ShowPanel(false); }

bool MainWindow::PanelVisible() const { return view_->PanelShown(); }

void MainWindow::PointerOver(const QString& element, QPointF local) {
  if (view_->PanelShown()) {
    if (element == "picPanel" && menu_ && (local.x() < 10 || local.y() < 23)) menu_->close();
    return;
  }
  const bool show = (element.isEmpty() && local.y() < 5 && local.x() < view_->layout().board.width() - 100) ||
                    element == "imgMenu" || (element == "imgTop" && local.y() < 82 && base_.Wide);
  if (!show) return;
  view_->ShowPanel(true);
  if (const auto sound = DirectSoundPath(DirectSound::MenuOpen, game_.prefs, game_.AppPath)) PlayFile(*sound);
}

void MainWindow::PressedOn(const QString& element, QPointF local) {
  if (element == "picPanel") {
    StripPress(local);
    return;
  }
  if (element.isEmpty()) commands_.KeysArmed = true;
  if (element == "imgLogo") view_->Element("imgLogo")->hide();
  if (view_->PanelShown() && (element.isEmpty() || element == "imgLogo" || element == "imgStairs" ||
                              element == "lblMessage" || element == "lblTurn"))
    PanelHide();
}

void MainWindow::StripPress(QPointF local) {
  const int x = static_cast<int>(local.x()), y = static_cast<int>(local.y());
  if (game_.Dealing || !InTitleBand(y)) return;
  const int title = static_cast<int>(MenuTitleAt(x));
  if (menu_) menu_->close();
  if (title == 0) return;
  if (const auto click = DirectSoundPath(DirectSound::MenuClick, game_.prefs, game_.AppPath)) PlayFile(*click);
  if (title == kGameMenu && game_.netState != 0) {
    platform_.MessageBox("Use the Internet Menu during Internet games", "Linmora Online", MessageIcon::Information);
    return;
  }
  if (title == kInternetMenu && game_.state.Turn > 1 && game_.netState == 0) return;

  auto* menu = new PopupMenu(title, MenuEntries(title, commands_.CurrentMenuState()), QPixmap(), this);
  menu_ = menu;
  menu->soundMode = game_.prefs.SoundMode;
  // Directly under the pressed title.
  static constexpr int kTitleLeft[] = {0, 31, 195, 348, 500};
  const QGraphicsObject* strip = view_->Element("picPanel");
  const QPointF under = strip->mapToScene(QPointF(kTitleLeft[title], strip->boundingRect().height()));
  menu->move(view_->GlobalFromScene(under));
  bool chosen = false;
  int index = 0, soundMode = game_.prefs.SoundMode, webChoice = 0;
  QEventLoop wait;
  connect(menu, &PopupMenu::closed, &wait, [&] {
    chosen = menu->chosen();
    index = menu->index();
    soundMode = menu->soundMode;
    webChoice = menu->webChoice;
    wait.quit();
  });
  commands_.MenuChosen = false;
  menu->show();
  wait.exec();  // the board stays alive while the list is open
  if (chosen) {
    commands_.MenuChosen = true;
    commands_.MenuNumber = title;
    commands_.MenuIndex = index;
    commands_.WebChoice = webChoice;
    if (title == kOptionsMenu && index == 1) game_.prefs.SoundMode = static_cast<int16_t>(soundMode);
    commands_.MenuChoice();
  }
  commands_.MenuNumber = 0;
  commands_.MenuIndex = 0;
  CloseIfAsked();
}

void MainWindow::ShowSpeedDialog() {
  SpeedDialog dialog(game_, [this] { records_.players.StorePlayerSettings(); }, this);
  dialog.exec();
}

void MainWindow::SetStructure(int key) { game_.prefs.Structure = static_cast<int16_t>(view_->ChangeStructure(key)); }

void MainWindow::StepBackground(int key) { view_->StepBackground(key); }

void MainWindow::ToggleStatusBar() {
  bar_->setVisible(!bar_->isVisible());
  SizeStatusBar();
}

bool MainWindow::StatusBarVisible() const { return bar_->isVisible(); }

void MainWindow::SizeStatusBar() { bar_->updateGeometry(); }

std::string MainWindow::InputBox(const std::string& prompt) {
  return QInputDialog::getText(this, tr("Corvalle"), Q(prompt)).toStdString();
}

void MainWindow::PlayFile(const std::string& path) { sound_.Play(Q(path)); }

void MainWindow::KeyCommand(const QKeyEvent& event) {
  // Keys the game has no use for still count as the first key that arms the others.
  commands_.KeyCommand(GameKeyCode(event.key()), GameShiftState(event.modifiers()));
  CloseIfAsked();
}

std::optional<int16_t> MainWindow::AskMatchTarget() {
  MatchDialog dialog(records_.match, platform_, this);
  dialog.exec();
  if (dialog.DialogCancelled() || !records_.match.MatchOn) return std::nullopt;
  return records_.match.MatchPoints;
}

void MainWindow::ShowNameDialog() {
  NameDialog dialog(game_, records_, this, this);
  dialog.exec();
  view_->RefreshBoard();
  game_.ClearBoard();
  view_->ShowDealButton(true);
}

std::optional<SaveChoice> MainWindow::ShowSaveDialog(int mode) {
  SaveDialog dialog(game_, records_, mode, commands_.InspectMode, this);
  dialog.exec();
  if (dialog.DialogCancelled() || dialog.SaveSlot() == 0) return std::nullopt;
  return SaveChoice{dialog.SaveSlot(), dialog.SaveLabel()};
}

void MainWindow::ShowScores() {
  // Without blocking the board: the scores stay open beside the game.
  auto* dialog = new ScoresDialog(game_, records_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

void MainWindow::ShowOptionsDialog() {
  OptionsDialog dialog(game_, *this, this);
  dialog.exec();
}

std::unique_ptr<clsDLL> MainWindow::CreateCardArt() {
  return std::make_unique<clsDLL>(cardArtDir);
}

QImage MainWindow::CurrentBackground() { return view_->BackgroundPicture(); }

bool MainWindow::SelectBackground(const std::string& name) { return view_->SelectBackground(name); }

void MainWindow::ShowAbout() {
  AboutDialog dialog(platform_, game_.AppPath, this);
  dialog.exec();
}

void MainWindow::OpenManual() { LaunchBrowser(platform_, ManualUrl(game_.AppPath)); }

void MainWindow::OpenWebSite(int choice) {
  // The game's own pages: its manual, and where to find the address a friend connects to.
  LaunchBrowser(platform_, ManualUrl(game_.AppPath, choice == 2 ? "Connect" : ""));
}

void MainWindow::AddBackground() {
  const QString folder = Q(game_.AppPath) + "/backgrounds";
  const QString file = QFileDialog::getOpenFileName(this, tr("Add Background Picture"), folder,
                                                    tr("Pictures (*.jpg *.gif *.bmp *.JPG *.GIF *.BMP)"));
  if (file.isEmpty()) return;
  const QFileInfo info(file);
  const QString title = info.fileName();
  if (info.absoluteFilePath().toUpper() != (folder + "/" + title).toUpper()) {
    // Copied beside the target first, so a failed copy never costs the picture there.
    const QString target = folder + "/" + title, part = target + ".part";
    QFile::remove(part);
    if (!QFile::copy(file, part) || (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(part, target)) {
      QFile::remove(part);
      platform_.MessageBox("Here's the problem:" + std::string(kCrLf) + "Error  75" + std::string(kCrLf) +
                               ": Path/File access error (" + target.toStdString() + ")",
                           "", MessageIcon::Exclamation);
      return;
    }
  }
  view_->ShowAddedBackground(title.toStdString());
}

void MainWindow::SetupInternet() {
  platform_.MessageBox("Network play is not available yet.", "Corvalle Online", MessageIcon::Information);
}

void MainWindow::ShowTutorial() {
  platform_.MessageBox("The tutorial is not available yet.", "Corvalle", MessageIcon::Information);
}

}  // namespace cv
