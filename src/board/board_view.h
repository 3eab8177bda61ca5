#pragma once
// The board on screen: a scene in board pixels scaled to fill the view, showing what
// the game tells it through Table, and turning the mouse into the local player's moves.
#include <QGraphicsView>
#include <memory>
#include <string_view>

#include "board/backgrounds.h"
#include "board/board_clock.h"
#include "board/board_items.h"
#include "board/board_pictures.h"
#include "board/board_scene.h"
#include "board/disk_backgrounds.h"
#include "board/layout.h"
#include "engine/game.h"
#include "engine/table.h"

namespace cv {

class BoardStatusBar;
class CardViewer;
class MousePlay;

class BoardView : public QGraphicsView, public Table {
  Q_OBJECT
 public:
  explicit BoardView(const LayoutBase& base, QWidget* parent = nullptr);
  ~BoardView() override;

  // The game the board shows and plays; it reads AppPath, the preferences and the
  // state from it. The board's clock ticks go to its ClockTick.
  void SetGame(Game* game);
  Game* game() const { return game_; }
  void SetStatusBar(BoardStatusBar* bar) { statusBar_ = bar; }
  void SetPictures(const BoardPictures& pictures);
  void SetCardStyleLoader(CardStyleLoader loader) { loadCardStyles_ = std::move(loader); }
  // The developer inspection mode: a right click on a pile opens the card viewer.
  bool InspectMode = false;

  // Table
  void ShowCard(PileKind kind, int index, Card card, bool empty) override;
  void FlyCard(PileKind fromKind, int fromIndex, PileKind toKind, int toIndex, UnderCard under) override;
  void BringToFront(PileKind kind, int index) override;
  void SetCountLabel(PileKind kind, int index, std::string_view text) override;
  void SetMessage(std::string_view text) override;
  std::string Message() const override;
  void SetTurnLabel(std::string_view text) override;
  void ShowTurnMarker(int side, bool visible) override;
  void ShowFrameMarker(int index, bool visible) override;
  void SetStatusPanel(int panel, std::string_view text) override;
  void EnablePiles(bool enabled) override;
  void ShowDealButton(bool visible) override;
  bool DealButtonVisible() const override;
  void MarkWinningStock(int owner) override;
  void ClearBoard() override;
  void CloseBoard() override;
  void SetStructure(int structure) override { ChangeStructure(structure); }
  void ApplyPreferences(const Preferences& prefs) override;
  void ShowMatchPanels(bool visible) override;
  void ShowLogo() override;
  void RunGameClock(bool running) override;

  // Every pile from the game state, with the label fonts and colours.
  void RefreshBoard();
  // The empty-pile, logo and menu-strip pictures of the preferences in use.
  void ApplyPileImages();
  // Steps (Up, Down, the menu's value) or sets the structure; the structure shown.
  int ChangeStructure(int value);
  int Structure() const { return Structure_; }
  // Up/Down through the backgrounds and the mat colour.
  void StepBackground(int key);
  // A picture just put into the backgrounds folder: the list is read again and the
  // step lands on it (on the mat colour when it is not listed).
  void ShowAddedBackground(const std::string& title);
  // Shows a picture of the backgrounds folder by name; false, with the board as it
  // was, when the folder does not list it.
  bool SelectBackground(const std::string& name);
  // The picture tiled over the board; a null image while the mat colour shows.
  QImage BackgroundPicture() const;
  const BackgroundList& backgrounds() const { return backgrounds_; }

  const BoardLayout& layout() const { return layout_; }
  BoardScene& boardScene() { return *scene_; }
  BoardClock& clock() { return clock_; }
  // The element of that name (and index, for the arrays); null when there is none.
  QGraphicsObject* Element(std::string_view name, int index = -1) const { return scene_->Element(name, index); }
  // Opens the card viewer on a pile.
  void ViewCards(PileRef pile);
  CardViewer* viewer() const { return viewer_; }
  // A small wait between the steps of a moving picture; ends at once while closing.
  void StepPause();

  // The menu strip at the top of the board.
  void ShowPanel(bool visible);
  bool PanelShown() const;
  // A point of the board on the screen.
  QPoint GlobalFromScene(QPointF scenePoint) const;

 Q_SIGNALS:
  void dealClicked();
  // The game asked the board to close (a close deferred until the turn handed over).
  void closeRequested();
  // The pointer moved, or a button was pressed, over a named element of the board (""
  // for the bare board), at `local` inside that element.
  void pointerOver(const QString& element, QPointF local);
  void pressedOn(const QString& element, QPointF local);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void drawBackground(QPainter* painter, const QRectF& rect) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The enabled pile picture the pointer is on, when no other card picture covers it.
  CardItem* PileAt(QPoint viewPos) const;
  // The topmost named element under the pointer, null for the bare board.
  QGraphicsObject* ElementAt(QPoint viewPos) const;
  void ApplyLabelStyles();
  void SetBackgroundFolder();

  LayoutBase base_;
  BoardLayout layout_;
  CardArt art_;
  BoardPictures pictures_;
  std::unique_ptr<BoardScene> scene_;
  std::unique_ptr<MousePlay> mouse_;
  Game* game_ = nullptr;
  BoardStatusBar* statusBar_ = nullptr;
  CardViewer* viewer_ = nullptr;
  CardStyleLoader loadCardStyles_;
  BoardClock clock_;
  int Structure_;
  BackgroundList backgrounds_;
  DiskBackgrounds folder_;
  std::string BackgroundName{kNoBackground};
  QColor matColour_;
};

}  // namespace cv
