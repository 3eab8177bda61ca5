#include "view_fixture.h"

#include <QMouseEvent>
#include <QPainter>
#include <memory>

namespace cv::test {

namespace {

// The application lives from before the first test to after the last, and goes before
// the program's exit, where Qt's own globals are already gone.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { App(); }
  void TearDown() override { app_.reset(); }
  QApplication& Get() {
    static int argc = 1;
    static char name[] = "board_view_tests";
    static char* argv[] = {name, nullptr};
    if (!app_) app_ = std::make_unique<QApplication>(argc, argv);
    return *app_;
  }

 private:
  std::unique_ptr<QApplication> app_;
};

QtEnvironment* const environment =
    static_cast<QtEnvironment*>(::testing::AddGlobalTestEnvironment(new QtEnvironment));

}  // namespace

QApplication& App() { return environment->Get(); }

QColor FaceColour(Card card) { return QColor(card * 4, 255 - card * 4, (card * 37) % 256); }

BoardPictures PlaceholderPictures() {
  BoardPictures p;
  p.faceSheet = QImage(927, 394, QImage::Format_ARGB32);
  p.faceSheet.fill(Qt::black);
  {
    QPainter painter(&p.faceSheet);
    for (int suit = 1; suit <= 4; ++suit)
      for (int value = 1; value <= 13; ++value)
        painter.fillRect((value - 1) * 71 + 1, (suit - 1) * 96, 71, 96, FaceColour(MakeCard(suit, value)));
  }
  // A back with a clear ring round it, where the deck colour shows.
  p.back = QImage(71, 96, QImage::Format_ARGB32);
  p.back.fill(Qt::transparent);
  QPainter(&p.back).fillRect(6, 6, 59, 84, kBackColour);
  auto plain = [](QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
  };
  p.empty = {plain({71, 96}, kMetalEmpty), plain({71, 96}, kWoodEmpty)};
  p.logo = {plain({165, 89}, Qt::darkRed), plain({307, 131}, Qt::red)};
  p.panel = {plain({680, 72}, Qt::darkYellow), plain({684, 93}, Qt::gray)};
  p.turn = {plain({36, 36}, Qt::green), plain({36, 36}, Qt::magenta)};
  for (const char* name : {"imgPStock", "imgPReserve", "imgPWaste", "imgOStock", "imgOReserve", "imgOWaste"})
    p.captions[name] = plain({60, 16}, Qt::darkBlue);
  for (const char* name : {"imglblTableauL", "imglblTableauR", "imglblCenters"}) p.captions[name] = plain({72, 21}, Qt::darkBlue);
  return p;
}

void EventPlatform::Pause(double seconds) {
  RecordingPlatform::Pause(seconds);
  QCoreApplication::processEvents();
  if (onPause) onPause();
}

void EventPlatform::ProcessEvents() { QCoreApplication::processEvents(); }

BoardFixture::BoardFixture() {
  view.SetGame(&game);
  view.SetStatusBar(&bar);
  view.SetPictures(PlaceholderPictures());
  game.SetOpponent(&computer);
  game.SpeedDelay = 0;
  game.prefs.AnimSteps = 2;
  game.PlayerName = "Tester";
  view.resize(view.layout().board);
  view.show();
  view.ClearBoard();
}

LabelItem* BoardFixture::Label(std::string_view name, int index) {
  return dynamic_cast<LabelItem*>(view.Element(name, index));
}

namespace {
void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}
}  // namespace

void BoardFixture::Press(QPoint at, Qt::MouseButton button) {
  Send(view.viewport(), QEvent::MouseButtonPress, at, button, button);
}

void BoardFixture::MoveTo(QPoint at) { Send(view.viewport(), QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }

void BoardFixture::Release(QPoint at, Qt::MouseButton button) {
  Send(view.viewport(), QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void BoardFixture::Click(PileRef pile) {
  Press(CentreOf(pile));
  Release(CentreOf(pile));
}

void BoardFixture::DoubleClick(PileRef pile) {
  const QPoint at = CentreOf(pile);
  Press(at);
  Release(at);
  Send(view.viewport(), QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  Release(at);
}

void BoardFixture::Drag(PileRef from, PileRef to, QPoint offset) {
  const QRect source = PileRect(view.layout(), from), target = PileRect(view.layout(), to);
  const QPoint grab = source.center() - source.topLeft();
  Press(At(source.center()));
  MoveTo(At(source.center() + QPoint(3, 3)));
  MoveTo(At(target.topLeft() + offset + grab));
  Release(At(target.topLeft() + offset + grab));
}

void BoardFixture::StartLocalTurn(const std::function<void(GameState&)>& setUp) {
  platform.clockSeed = 1;
  game.rng.Seed(5);
  for (int tries = 0; tries < 20; ++tries) {
    game.NewGame();
    if (game.state.Turn == 1) break;
  }
  ASSERT_EQ(game.state.Turn, 1);
  if (setUp) {
    setUp(game.state);
    view.RefreshBoard();
  }
}

}  // namespace cv::test
