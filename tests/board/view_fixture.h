#pragma once
// A real board view on the offscreen platform, with a game, the computer, generated
// pictures, and a mouse that presses, drags and releases on it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <functional>

#include "board/board_pictures.h"
#include "board/board_status_bar.h"
#include "board/board_view.h"
#include "engine/game.h"
#include "opponent/computer.h"
#include "support/fakes.h"

namespace cv::test {

QApplication& App();

// Pictures whose every face cell is one plain colour that names its card, so a drawn
// card can be read back from the screen.
BoardPictures PlaceholderPictures();
QColor FaceColour(Card card);
inline const QColor kBackColour(20, 40, 160);
inline const QColor kMetalEmpty(128, 128, 128), kWoodEmpty(200, 160, 100);

// Pauses let window events run but take no time, so games play at once.
class EventPlatform : public RecordingPlatform {
 public:
  void Pause(double seconds) override;
  void ProcessEvents() override;
  std::function<void()> onPause;
};

// Made before any widget of the fixture.
struct WithApp {
  WithApp() { App(); }
};

class BoardFixture : public ::testing::Test, private WithApp {
 protected:
  BoardFixture();

  CardItem* Pile(PileRef pile) { return view.boardScene().Pile(pile); }
  LabelItem* Label(std::string_view name, int index = -1);
  // Where a point of the board is on the view.
  QPoint At(QPointF board) const { return view.mapFromScene(board); }
  QPoint CentreOf(PileRef pile) { return At(PileRect(view.layout(), pile).center()); }

  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void MoveTo(QPoint at);
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void Click(PileRef pile);
  void DoubleClick(PileRef pile);
  // Presses the card in the middle, carries it so that its corner lands `offset` from
  // the target's corner, and lets go.
  void Drag(PileRef from, PileRef to, QPoint offset = {5, 5});
  // A dealt game with the local player on turn, then `setUp` changes the position.
  void StartLocalTurn(const std::function<void(GameState&)>& setUp = {});

  EventPlatform platform;
  BoardView view{LayoutBaseFor(12000, false)};
  BoardStatusBar bar;
  Game game{view, platform};
  Computer computer{game};
};

}  // namespace cv::test
