// The board view as the game drives it: elements by name, cards drawn from the sheet,
// labels, a cleared and a refreshed board, structures, backgrounds and flights.
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include "board/flight.h"
#include "board/step_keys.h"
#include "support/positions.h"
#include "view_fixture.h"

namespace cv::test {
namespace {

QImage Render(CardItem* item) {
  QImage image(item->Size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  item->paint(&painter, nullptr, nullptr);
  return image;
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

class BoardViewTest : public BoardFixture {};

TEST_F(BoardViewTest, EveryElementIsFoundByItsNameAtItsPlace) {
  for (const PlacedElement& e : Elements(view.layout())) {
    SCOPED_TRACE(std::string(e.name) + " " + std::to_string(e.index));
    QGraphicsObject* item = view.Element(e.name, e.index);
    ASSERT_NE(item, nullptr);
    // Pictures may be smaller than their place and stand centred in it.
    if (!dynamic_cast<PictureItem*>(item)) {
      EXPECT_EQ(item->pos().toPoint(), e.rect.topLeft());
    }
  }
  EXPECT_NE(view.Element("picSmoke", 0), nullptr);
  EXPECT_NE(view.Element("picPanel"), nullptr);
  auto* deal = dynamic_cast<QGraphicsProxyWidget*>(view.Element("cmdDeal"));
  ASSERT_NE(deal, nullptr);
  EXPECT_EQ(deal->widget()->objectName(), "cmdDeal");
  EXPECT_EQ(view.Element("picTableau", 9), nullptr);
  EXPECT_EQ(view.Element("picTableau"), nullptr);  // an array element needs its index
}

TEST_F(BoardViewTest, AFaceIsTheCardsCellOfTheSheetEdgeToEdge) {
  for (Card card : {1, 13, 14, 27, 52}) {
    SCOPED_TRACE(card);
    view.ShowCard(PileKind::Tableau, 3, card, false);
    const QImage shown = Render(Pile({PileKind::Tableau, 3}));
    // The first and last columns and rows of the cell: a cut one pixel off shows a neighbour.
    for (QPoint p : {QPoint(0, 0), QPoint(70, 95), QPoint(35, 48)}) EXPECT_EQ(Pixel(shown, p.x(), p.y()), FaceColour(card));
  }
}

TEST_F(BoardViewTest, BacksAndEmptyPiles) {
  game.prefs.BackStyle = 0;
  game.prefs.DeckColor = 0x0000FF;  // red
  view.ApplyPreferences(game.prefs);
  view.ShowCard(PileKind::Player, kStock, 0, false);
  QImage shown = Render(Pile({PileKind::Player, kStock}));
  EXPECT_EQ(Pixel(shown, 0, 0), QColor(Qt::black));  // the single-line border
  EXPECT_EQ(Pixel(shown, 3, 3), QColor(255, 0, 0));  // the deck colour round the built-in back
  EXPECT_EQ(Pixel(shown, 35, 48), kBackColour);

  game.prefs.BackStyle = 3;  // a library back: no border, no deck colour
  view.ApplyPreferences(game.prefs);
  shown = Render(Pile({PileKind::Player, kStock}));
  EXPECT_EQ(Pixel(shown, 3, 3).alpha(), 0);

  view.ShowCard(PileKind::Center, 2, 0, true);
  EXPECT_EQ(Pixel(Render(Pile({PileKind::Center, 2})), 35, 48), kMetalEmpty);
  game.prefs.EmptyStyle = true;
  view.ApplyPileImages();
  EXPECT_EQ(Pixel(Render(Pile({PileKind::Center, 2})), 35, 48), kWoodEmpty);
}

TEST_F(BoardViewTest, CountLabelsBesideTheirPiles) {
  struct Case {
    PileKind kind;
    int index;
    const char* label;
    int labelIndex;
  };
  const Case cases[] = {
      {PileKind::Player, kStock, "lblPHandCnt", -1},   {PileKind::Player, kReserve, "lblPResCnt", -1},
      {PileKind::Player, kWaste, "lblPWasteCnt", -1},  {PileKind::Opponent, kStock, "lblOHandCnt", -1},
      {PileKind::Opponent, kReserve, "lblOResCnt", -1}, {PileKind::Opponent, kWaste, "lblOWasteCnt", -1},
      {PileKind::Tableau, 1, "lblTabCnt", 1},          {PileKind::Tableau, 8, "lblTabCnt", 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    view.SetCountLabel(c.kind, c.index, "17");
    EXPECT_EQ(Label(c.label, c.labelIndex)->text(), "17");
  }
  view.SetCountLabel(PileKind::Center, 1, "3");  // Centers have no count: nothing happens
}

TEST_F(BoardViewTest, RefreshShowsThePositionOfTheGame) {
  GameState& s = game.state;
  s = QuietBoard();
  SetTableau(s, 2, {});
  SetTableau(s, 4, {26, 12});
  SetCenter(s, 5, {1, 2});
  SetReserve(s, 0, {40, 41, 42}, 2);
  SetStock(s, 0, {5, 6});
  SetWaste(s, 0, {});
  SetReserve(s, 1, {});
  SetStock(s, 1, {30});
  SetWaste(s, 1, {31, 32});
  s.StockUp = true;
  game.GameOver = false;
  view.RefreshBoard();

  EXPECT_EQ(Pile({PileKind::Player, kStock})->card(), 6);  // turned up: the local player is on turn
  EXPECT_EQ(Pile({PileKind::Player, kReserve})->card(), 42);
  EXPECT_EQ(Pile({PileKind::Player, kWaste})->shows(), CardItem::Shows::Empty);
  EXPECT_EQ(Pile({PileKind::Opponent, kStock})->shows(), CardItem::Shows::Back);
  EXPECT_EQ(Pile({PileKind::Opponent, kReserve})->shows(), CardItem::Shows::Empty);
  EXPECT_EQ(Pile({PileKind::Opponent, kWaste})->card(), 32);
  EXPECT_EQ(Pile({PileKind::Tableau, 4})->card(), 12);
  EXPECT_EQ(Pile({PileKind::Tableau, 2})->shows(), CardItem::Shows::Empty);
  EXPECT_EQ(Pile({PileKind::Center, 5})->card(), 2);
  EXPECT_EQ(Pile({PileKind::Center, 6})->shows(), CardItem::Shows::Empty);
  EXPECT_EQ(Label("lblTabCnt", 2)->text(), "0");  // an empty pile counts 0, not blank
  EXPECT_EQ(Label("lblTabCnt", 4)->text(), "2");
  EXPECT_EQ(Label("lblPResCnt")->text(), "3");
  EXPECT_EQ(Label("lblOWasteCnt")->text(), "2");
  EXPECT_EQ(bar.Panel(2).toStdString(), " 5");
  EXPECT_EQ(bar.Panel(3).toStdString(), " 3");

  game.GameOver = true;  // a finished game shows both Stocks face down
  view.RefreshBoard();
  EXPECT_EQ(Pile({PileKind::Player, kStock})->shows(), CardItem::Shows::Back);
}

TEST_F(BoardViewTest, RefreshAppliesTheChosenFontsAndColours) {
  game.prefs.FontSize = 16;
  game.prefs.FontColor = 0x00FF00;
  view.RefreshBoard();
  EXPECT_EQ(Label("lblMessage")->font().pixelSize(), BoardFont(16).pixelSize());
  EXPECT_EQ(Label("lblPResCnt")->font().pixelSize(), BoardFont(13).pixelSize());
  EXPECT_EQ(Label("lblTurn")->colour(), QColor(0, 255, 0));
}

TEST_F(BoardViewTest, ClearingLeavesAnEmptyTableWithTwoStocksFaceDown) {
  StartLocalTurn();
  game.SampleGame = true;
  platform.settings["Options/Tip Number"] = "4";
  view.SetMessage("left over");
  view.ShowFrameMarker(2, true);
  view.EnablePiles(false);
  view.ShowLogo();
  ASSERT_TRUE(view.clock().Running());

  view.ClearBoard();
  for (int t = 1; t <= 8; ++t) {
    EXPECT_EQ(Pile({PileKind::Tableau, t})->shows(), CardItem::Shows::Empty);
    EXPECT_EQ(Pile({PileKind::Center, t})->shows(), CardItem::Shows::Empty);
    EXPECT_EQ(Label("lblTabCnt", t)->text(), "");
  }
  for (PileKind kind : {PileKind::Player, PileKind::Opponent}) {
    EXPECT_EQ(Pile({kind, kStock})->shows(), CardItem::Shows::Back);
    EXPECT_EQ(Pile({kind, kReserve})->shows(), CardItem::Shows::Empty);
  }
  EXPECT_TRUE(Pile({PileKind::Player, kReserve})->isEnabled());
  EXPECT_EQ(Label("lblPHandCnt")->text(), "");
  EXPECT_EQ(view.Message(), "");
  EXPECT_FALSE(Label("lblCardFrame", 2)->fill().isValid());
  EXPECT_FALSE(view.Element("ImgTurn1")->isVisible());
  EXPECT_FALSE(view.Element("imgLogo")->isVisible());
  EXPECT_FALSE(view.clock().Running());
  EXPECT_EQ(bar.Panel(1).toStdString(), "Tester   Sample Game Number 4");
  EXPECT_EQ(bar.Panel(2), "");
}

TEST_F(BoardViewTest, DealButtonHidesItselfAndTellsTheProgram) {
  int clicks = 0;
  QObject::connect(&view, &BoardView::dealClicked, [&] { ++clicks; });
  view.ShowDealButton(true);
  ASSERT_TRUE(view.DealButtonVisible());
  const QPoint button = At(view.layout().cmdDeal.center());
  Press(button);
  Release(button);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(view.DealButtonVisible());
}

// A program folder with structure and background pictures, each a plain colour.
class LooksTest : public BoardFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    QDir(home.path()).mkpath("Data");
    QDir(home.path()).mkpath("backgrounds");
    game.AppPath = home.path().toStdString();
  }
  void Picture(const QString& file, QColor colour, const char* format = "PNG") {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(home.filePath(file), format));
  }
  QColor ColourOf(PictureItem* item) { return item->picture().toImage().pixelColor(1, 1); }
  QColor BoardPixel() { return view.viewport()->grab().toImage().pixelColor(2, 300); }
  QTemporaryDir home;
};

TEST_F(LooksTest, AMissingStructurePictureFallsBackToTheFirstStructure) {
  const QColor first(10, 20, 30);
  const std::pair<int, QColor> structures[] = {{1001, first}, {1002, QColor(40, 50, 60)}, {1003, QColor(70, 80, 90)}};
  for (const auto& [n, colour] : structures)
    for (const char* letter : {"c", "s", "t"})
      if (n != 1003 || QString(letter) != "c") Picture(QString("Data/%1%2.dat").arg(n).arg(letter), colour);
  auto& items = view.boardScene();
  EXPECT_EQ(view.ChangeStructure(kKeyDown), 1002);  // from 1001
  EXPECT_EQ(items.lblTabCnt[1]->colour(), QColor(Qt::white));
  const QColor col1002 = ColourOf(items.imgCol[0]);

  // 1003 has no column picture: the first column keeps 1002's, the rest is 1001's.
  EXPECT_EQ(view.ChangeStructure(1003), 1001);
  EXPECT_EQ(ColourOf(items.imgCol[0]), col1002);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(ColourOf(items.imgCol[c]), first);
  EXPECT_EQ(ColourOf(items.imgStairs), first);
  EXPECT_EQ(ColourOf(items.imgTop), first);
  EXPECT_EQ(items.lblTabCnt[1]->colour(), QColor(Qt::black));
  EXPECT_EQ(view.ChangeStructure(kKeyUp), 1001);  // 1004, which is missing entirely
  EXPECT_EQ(view.Structure(), 1001);
}

TEST_F(LooksTest, UpAndDownStepThroughThePicturesAndTheMatColour) {
  // The loader goes by the content, whatever the name says.
  Picture("backgrounds/a.gif", QColor(10, 200, 10));
  Picture("backgrounds/b.bmp", QColor(200, 10, 10), "BMP");
  Picture("backgrounds/readme.txt", Qt::white);
  game.prefs.BoardColor = 0xFF0000;  // blue mat
  game.prefs.BackgroundName = "b.bmp";
  view.ApplyPreferences(game.prefs);
  EXPECT_EQ(view.backgrounds().BgCount(), 2);
  EXPECT_EQ(BoardPixel(), QColor(200, 10, 10));

  view.StepBackground(kKeyDown);
  EXPECT_EQ(game.prefs.BackgroundName, "None");
  EXPECT_EQ(BoardPixel(), QColor(0, 0, 255));
  view.StepBackground(kKeyDown);
  EXPECT_EQ(game.prefs.BackgroundName, "a.gif");
  EXPECT_EQ(BoardPixel(), QColor(10, 200, 10));

  // A picture added to the folder is shown at once.
  Picture("backgrounds/added.bmp", QColor(10, 10, 200), "BMP");
  view.ShowAddedBackground("added.bmp");
  EXPECT_EQ(game.prefs.BackgroundName, "added.bmp");
  EXPECT_EQ(BoardPixel(), QColor(10, 10, 200));
  view.StepBackground(kKeyDown);
  EXPECT_EQ(game.prefs.BackgroundName, "b.bmp");

  // Chosen by name, as a theme does; a name not in the folder changes nothing.
  EXPECT_FALSE(view.SelectBackground("missing.gif"));
  EXPECT_EQ(game.prefs.BackgroundName, "b.bmp");
  EXPECT_TRUE(view.SelectBackground("a.gif"));
  EXPECT_EQ(game.prefs.BackgroundName, "a.gif");
  EXPECT_EQ(BoardPixel(), QColor(10, 200, 10));
  EXPECT_EQ(view.BackgroundPicture().pixelColor(0, 0), QColor(10, 200, 10));
  EXPECT_TRUE(view.SelectBackground("b.bmp"));

  // A stored picture that has gone gives the mat colour.
  QFile::remove(home.filePath("backgrounds/b.bmp"));
  view.ApplyPreferences(game.prefs);
  EXPECT_EQ(game.prefs.BackgroundName, "None");
  EXPECT_EQ(BoardPixel(), QColor(0, 0, 255));
  EXPECT_TRUE(view.BackgroundPicture().isNull());
}

TEST_F(BoardViewTest, AFlightFollowsItsPathAboveTheUnderCard) {
  game.prefs.AnimSteps = 10;
  const PileRef from{PileKind::Opponent, kReserve}, to{PileKind::Tableau, 6};
  const QPoint home = PileRect(view.layout(), from).topLeft();
  const QPoint target = PileRect(view.layout(), to).topLeft();
  CardItem* source = Pile(from);
  std::vector<QPoint> seen;
  platform.onPause = [&] { seen.push_back(source->pos().toPoint()); };
  view.FlyCard(from.kind, from.index, to.kind, to.index, {UnderCard::Face, 7});
  platform.onPause = nullptr;

  const std::vector<QPoint> path = FlightPath(home, target, 10);
  ASSERT_GE(seen.size(), path.size());
  EXPECT_EQ(std::vector<QPoint>(seen.begin(), seen.begin() + static_cast<long>(path.size())), path);
  EXPECT_FALSE(source->isVisible());
  EXPECT_EQ(source->pos().toPoint(), home);
  CardItem* under = view.boardScene().picSmoke;
  EXPECT_TRUE(under->isVisible());
  EXPECT_EQ(under->pos().toPoint(), home);
  EXPECT_EQ(under->card(), 7);
  EXPECT_LT(Pile(to)->zValue(), Pile({PileKind::Tableau, 5})->zValue());  // sent to the back

  // A close asked for: later flights do nothing at all.
  view.ShowCard(from.kind, from.index, 9, false);
  game.Closing = true;
  view.FlyCard(from.kind, from.index, to.kind, to.index, {UnderCard::Empty});
  EXPECT_TRUE(source->isVisible());
  EXPECT_EQ(source->pos().toPoint(), home);
}

TEST_F(BoardViewTest, TheClockRunsFromTheDealUntilTheGameEnds) {
  StartLocalTurn();
  EXPECT_TRUE(view.clock().Running());
  game.GameStart = platform.now;
  platform.now += 65.0 / 86400.0;
  Q_EMIT view.clock().tick();
  EXPECT_EQ(bar.Panel(10).toStdString(), "00:01:05");
  view.MarkWinningStock(0);
  EXPECT_FALSE(view.clock().Running());
}

}  // namespace
}  // namespace cv::test
