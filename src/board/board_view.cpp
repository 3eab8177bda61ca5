#include "board/board_view.h"

#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "board/appearance.h"
#include "board/board_status_bar.h"
#include "board/card_viewer.h"
#include "board/flight.h"
#include "board/mouse_play.h"
#include "engine/text.h"
#include "opponent/speed.h"

namespace cv {
namespace {

constexpr int kEmptyMode = 88;
// Steps of a moving picture come this far apart: the default 45 steps take about a
// tenth of a second and the smoothest setting (250) about half a second, while the
// flight's length is still set by its number of steps.
constexpr double kStepSeconds = 1.0 / 400.0;
const QColor kMarkedFrame(255, 215, 0);

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

BoardView::BoardView(const LayoutBase& base, QWidget* parent)
    : QGraphicsView(parent), base_(base), layout_(LayOutBoard(base)), Structure_(kFirstStructure) {
  setObjectName("picBoard");
  scene_ = std::make_unique<BoardScene>(layout_, art_);
  mouse_ = std::make_unique<MousePlay>(*this);
  setScene(&scene_->scene());
  setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignCenter);
  // Keys go to the window, which hands every one to the command handler.
  setFocusPolicy(Qt::NoFocus);
  // The menu strip appears when the pointer touches the top of the board.
  setMouseTracking(true);
  connect(scene_->dealButton, &QPushButton::clicked, this, [this] {
    ShowDealButton(false);
    Q_EMIT dealClicked();
  });
  scene_->imgLogo->hide();
}

BoardView::~BoardView() = default;

void BoardView::SetGame(Game* game) {
  if (game_) disconnect(&clock_, &BoardClock::tick, this, nullptr);
  game_ = game;
  if (game_) connect(&clock_, &BoardClock::tick, this, [this] { game_->ClockTick(); });
}

void BoardView::SetPictures(const BoardPictures& pictures) {
  pictures_ = pictures;
  art_.faceSheet = QPixmap::fromImage(pictures_.faceSheet);
  art_.back = QPixmap::fromImage(pictures_.back);
  for (PictureItem* caption : scene_->captions) {
    const auto it = pictures_.captions.find(caption->objectName().toStdString());
    caption->SetPicture(it == pictures_.captions.end() ? QPixmap() : QPixmap::fromImage(it->second));
  }
  scene_->ImgTurn1->SetPicture(QPixmap::fromImage(pictures_.turn[0]));
  scene_->ImgTurn2->SetPicture(QPixmap::fromImage(pictures_.turn[1]));
  scene_->imgMenu->SetPicture(QPixmap::fromImage(pictures_.menuTab));
  ApplyPileImages();
}

// ---- What the game shows

void BoardView::ShowCard(PileKind kind, int index, Card card, bool empty) {
  CardItem* pile = scene_->Pile({kind, index});
  if (!pile) return;
  pile->show();
  if (card != 0)
    pile->ShowFace(card);
  else if (empty)
    pile->ShowEmpty();
  else
    pile->ShowBack();
}

void BoardView::FlyCard(PileKind fromKind, int fromIndex, PileKind toKind, int toIndex, UnderCard under) {
  if (game_ && game_->Closing) return;
  CardItem* source = scene_->Pile({fromKind, fromIndex});
  CardItem* dest = scene_->Pile({toKind, toIndex});
  if (!source || !dest) return;
  const QPoint home = source->pos().toPoint();
  CardItem* smoke = scene_->picSmoke;
  smoke->setPos(home);
  scene_->BringToFront(smoke);
  scene_->SendToBack(dest);
  const QPoint target = dest->pos().toPoint();
  if (game_) game_->platform().ProcessEvents();
  smoke->ShowUnder(under);
  // The flying card passes over everything on its way, not only over its own pile.
  scene_->BringToFront(source);
  smoke->show();
  const int steps = game_ ? game_->prefs.AnimSteps : kDefaultAnimSteps;
  for (const QPoint& p : FlightPath(home, target, steps)) {
    source->setPos(p);
    StepPause();
  }
  if (game_) game_->Pause(0.001);
  source->hide();
  source->setPos(home);
}

void BoardView::StepPause() {
  if (game_)
    game_->Pause(kStepSeconds);
  else
    QCoreApplication::processEvents();
}

void BoardView::BringToFront(PileKind kind, int index) {
  if (CardItem* pile = scene_->Pile({kind, index})) scene_->BringToFront(pile);
}

void BoardView::SetCountLabel(PileKind kind, int index, std::string_view text) {
  if (LabelItem* label = scene_->CountLabel(kind, index)) label->SetText(Text(text));
}

void BoardView::SetMessage(std::string_view text) { scene_->lblMessage->SetText(Text(text)); }

std::string BoardView::Message() const { return scene_->lblMessage->text().toStdString(); }

void BoardView::SetTurnLabel(std::string_view text) { scene_->lblTurn->SetText(Text(text)); }

void BoardView::ShowTurnMarker(int side, bool visible) {
  if (side == 1) scene_->ImgTurn1->setVisible(visible);
  if (side == 2) scene_->ImgTurn2->setVisible(visible);
}

void BoardView::ShowFrameMarker(int index, bool visible) {
  if (index >= 1 && index <= 6) scene_->lblCardFrame[index]->SetFill(visible ? kMarkedFrame : QColor());
}

void BoardView::SetStatusPanel(int panel, std::string_view text) {
  if (statusBar_) statusBar_->SetPanel(panel, Text(text));
}

void BoardView::EnablePiles(bool enabled) {
  for (int i = 1; i <= 3; ++i) scene_->picPlayer[i]->setEnabled(enabled);
  for (int t = 1; t <= 8; ++t) scene_->picTableau[t]->setEnabled(enabled);
}

void BoardView::ShowDealButton(bool visible) { scene_->cmdDeal->setVisible(visible); }

bool BoardView::DealButtonVisible() const { return scene_->cmdDeal->isVisible(); }

void BoardView::MarkWinningStock(int owner) {
  CardItem* stock = scene_->Pile({Game::OwnerKind(owner), kStock});
  scene_->picSmoke->setX(stock->x());
  scene_->BringToFront(stock);
  clock_.Stop();
}

void BoardView::ClearBoard() {
  mouse_->Reset();
  scene_->ArrangePiles(layout_);
  scene_->picSmoke->hide();
  for (int t = 1; t <= 8; ++t) {
    scene_->picCenter[t]->ShowEmpty();
    scene_->picTableau[t]->ShowEmpty();
    scene_->lblTabCnt[t]->SetText({});
  }
  for (PileKind kind : {PileKind::Player, PileKind::Opponent}) {
    for (int i = kStock; i <= kWaste; ++i) {
      scene_->Pile({kind, i})->ShowEmpty();
      scene_->CountLabel(kind, i)->SetText({});
    }
    scene_->Pile({kind, kStock})->ShowBack();
  }
  ShowTurnMarker(1, false);
  ShowTurnMarker(2, false);
  for (int f = 1; f <= 6; ++f) ShowFrameMarker(f, false);
  SetMessage({});
  SetTurnLabel({});
  for (int panel : {8, 2, 3}) SetStatusPanel(panel, {});
  if (game_) {
    std::string name = game_->PlayerName;
    if (game_->SampleGame) {
      const std::string n = game_->platform().GetSetting("QZ", "Options", "Tip Number", "0");
      long number = 0;
      try { number = std::stol(n); } catch (...) { number = 0; }
      name += "   Sample Game Number" + LeadingSpaceNumber(number);
    }
    SetStatusPanel(1, name);
  }
  scene_->imgLogo->hide();
  clock_.Stop();
  EnablePiles(true);
}

void BoardView::CloseBoard() { Q_EMIT closeRequested(); }

void BoardView::ShowMatchPanels(bool visible) {
  if (statusBar_) statusBar_->ShowMatchPanels(visible);
}

void BoardView::ShowLogo() { scene_->imgLogo->show(); }

void BoardView::RunGameClock(bool running) {
  if (running)
    clock_.Start();
  else
    clock_.Stop();
}

void BoardView::RefreshBoard() {
  if (!game_) return;
  Game& g = *game_;
  const GameState& s = g.state;
  auto show = [&g](PileKind kind, int index, Card card) { g.ShowCard(kind, index, card, card == 0 ? kEmptyMode : 0); };
  for (int p = 0; p < 2; ++p) {
    const PileKind k = Game::OwnerKind(p);
    show(k, kReserve, s.ReserveTop(p));
    g.ShowCard(k, kStock, s.Turn - 1 == p && s.StockUp ? s.StockTop(p) : 0, 0);
    if (s.StockCnt[p] == 0) show(k, kStock, 0);
    show(k, kWaste, s.WasteTop(p));
    if (g.GameOver) g.ShowCard(k, kStock, 0, 0);
  }
  for (int t = 1; t <= 8; ++t) {
    show(PileKind::Center, t, s.CenterTop(t));
    show(PileKind::Tableau, t, s.TableauTop(t));
    SetCountLabel(PileKind::Tableau, t, std::to_string(s.TableauCnt[t]));
  }
  matColour_ = ColourOf(g.prefs.BoardColor);
  art_.builtInBack = g.prefs.BackStyle == 0;
  art_.deckColor = ColourOf(g.prefs.DeckColor);
  ApplyLabelStyles();
  for (int p = 0; p < 2; ++p) {
    const PileKind k = Game::OwnerKind(p);
    SetCountLabel(k, kReserve, std::to_string(s.ReserveCnt[p]));
    SetCountLabel(k, kStock, std::to_string(s.StockCnt[p]));
    SetCountLabel(k, kWaste, std::to_string(s.WasteCnt[p]));
  }
  g.ShowCardCounts();
  resetCachedContent();
  scene_->scene().update();
}

void BoardView::ApplyLabelStyles() {
  if (!game_) return;
  auto apply = [](LabelItem* label, const LabelStyle& style) {
    label->SetFont(BoardFont(style.pointSize));
    label->SetColour(ColourOf(style.colour));
  };
  const LabelStyle counts = CountLabelStyle(game_->prefs), messages = MessageLabelStyle(game_->prefs);
  for (PileKind kind : {PileKind::Player, PileKind::Opponent})
    for (int i = kStock; i <= kWaste; ++i) apply(scene_->CountLabel(kind, i), counts);
  apply(scene_->lblMessage, messages);
  apply(scene_->lblTurn, messages);
  apply(scene_->StatusMsg, counts);
}

// ---- Looks: pictures, structures, backgrounds

void BoardView::ApplyPreferences(const Preferences& prefs) {
  if (loadCardStyles_) {
    loadCardStyles_(prefs, pictures_);
    art_.faceSheet = QPixmap::fromImage(pictures_.faceSheet);
    art_.back = QPixmap::fromImage(pictures_.back);
  }
  art_.builtInBack = prefs.BackStyle == 0;
  art_.deckColor = ColourOf(prefs.DeckColor);
  matColour_ = ColourOf(prefs.BoardColor);
  ChangeStructure(prefs.Structure);
  BackgroundName = prefs.BackgroundName;
  SetBackgroundFolder();
  ShowStoredBackground(backgrounds_, folder_, BackgroundName);
  if (game_) game_->prefs.BackgroundName = BackgroundName;
  ApplyPileImages();
  ApplyLabelStyles();
  resetCachedContent();
  scene_->scene().update();
}

void BoardView::ApplyPileImages() {
  const Preferences prefs = game_ ? game_->prefs : Preferences{};
  const PileImages images = PileImagesFor(prefs, base_.Wide);
  art_.empty = QPixmap::fromImage(pictures_.empty[images.empty == EmptyPicture::TanTextured ? 1 : 0]);
  scene_->imgLogo->SetPicture(QPixmap::fromImage(pictures_.logo[images.largeLogo ? 1 : 0]));
  scene_->picPanel->SetPicture(QPixmap::fromImage(pictures_.panel[images.panel == 1 ? 1 : 0]));
  scene_->scene().update();
}

int BoardView::ChangeStructure(int value) {
  const QString data = QString::fromStdString((game_ ? game_->AppPath : std::string()) + "/Data/");
  // The four columns share one file: decode it once.
  std::string lastFile;
  QPixmap lastPicture;
  auto load = [&](StructureSlot slot, const std::string& file) {
    if (file != lastFile) {
      lastFile = file;
      lastPicture = QPixmap::fromImage(QImage(data + QString::fromStdString(file)));
    }
    if (lastPicture.isNull()) return false;
    switch (slot) {
      case StructureSlot::Stairs: scene_->imgStairs->SetPicture(lastPicture); break;
      case StructureSlot::Top: scene_->imgTop->SetPicture(lastPicture); break;
      default: scene_->imgCol[static_cast<int>(slot)]->SetPicture(lastPicture); break;
    }
    return true;
  };
  Structure_ = cv::SetStructure(Structure_, value, load);
  const LabelStyle counts = TableauCountStyle(Structure_);
  for (int t = 1; t <= 8; ++t) {
    scene_->lblTabCnt[t]->SetFont(BoardFont(counts.pointSize));
    scene_->lblTabCnt[t]->SetColour(ColourOf(counts.colour));
  }
  return Structure_;
}

void BoardView::SetBackgroundFolder() {
  folder_.SetFolder(QString::fromStdString((game_ ? game_->AppPath : std::string()) + "/backgrounds"));
}

void BoardView::ShowAddedBackground(const std::string& title) {
  SetBackgroundFolder();
  LoadBackgroundList(backgrounds_, folder_.List(), BackgroundName);
  const auto& list = backgrounds_.BgList;
  const auto it = std::find(list.begin(), list.end(), title);
  // One before the picture, so that the step forward shows it.
  backgrounds_.BgIndex = it == list.end() ? backgrounds_.BgCount() : static_cast<int>(it - list.begin());
  StepBackground(kKeyDown);
}

bool BoardView::SelectBackground(const std::string& name) {
  SetBackgroundFolder();
  BackgroundList list = backgrounds_;
  if (!LoadBackgroundList(list, folder_.List(), name)) return false;
  backgrounds_ = list;
  const bool shown = PaintBackground(backgrounds_, folder_, BackgroundName);
  if (game_) game_->prefs.BackgroundName = BackgroundName;
  resetCachedContent();
  viewport()->update();
  return shown;
}

QImage BoardView::BackgroundPicture() const {
  return backgrounds_.OnMatColour() ? QImage() : folder_.picture().toImage();
}

void BoardView::StepBackground(int key) {
  SetBackgroundFolder();
  cv::StepBackground(backgrounds_, folder_, BackgroundName, key);
  if (game_) game_->prefs.BackgroundName = BackgroundName;
  resetCachedContent();
  viewport()->update();
}

void BoardView::drawBackground(QPainter* painter, const QRectF& rect) {
  // Tiles start at the board's top-left corner and cover whatever the window shows.
  if (!backgrounds_.OnMatColour() && !folder_.picture().isNull())
    painter->fillRect(rect, QBrush(folder_.picture()));
  else
    painter->fillRect(rect, matColour_.isValid() ? matColour_ : ColourOf(Preferences{}.BoardColor));
}

void BoardView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  const QSizeF board = sceneRect().size();
  const QSize room = viewport()->size();
  if (board.isEmpty() || room.isEmpty()) return;
  const qreal scale = std::min(room.width() / board.width(), room.height() / board.height());
  setTransform(QTransform::fromScale(scale, scale));
  centerOn(sceneRect().center());
}

// ---- The mouse

CardItem* BoardView::PileAt(QPoint viewPos) const {
  for (QGraphicsItem* item : items(viewPos)) {
    // Pictures and labels let the pointer through; card pictures, the deal button and
    // the menu strip do not.
    if (item == scene_->cmdDeal || item == scene_->picPanel) return nullptr;
    if (auto* card = dynamic_cast<CardItem*>(item))
      return card != scene_->picSmoke && card->isEnabled() ? card : nullptr;
  }
  return nullptr;
}

QGraphicsObject* BoardView::ElementAt(QPoint viewPos) const {
  for (QGraphicsItem* item : items(viewPos))
    if (QGraphicsObject* object = item->toGraphicsObject(); object && !object->objectName().isEmpty()) return object;
  return nullptr;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (CardItem* pile = PileAt(event->pos())) {
    event->accept();
    mouse_->Press(pile, event->button(), mapToScene(event->pos()));
    return;
  }
  QGraphicsObject* element = ElementAt(event->pos());
  if (element != scene_->cmdDeal) {
    const QPointF scenePos = mapToScene(event->pos());
    Q_EMIT pressedOn(element ? element->objectName() : QString(), element ? element->mapFromScene(scenePos) : scenePos);
  }
  QGraphicsView::mousePressEvent(event);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  if (mouse_->Captured()) {
    event->accept();
    mouse_->Move(mapToScene(event->pos()));
    return;
  }
  if (event->buttons() == Qt::NoButton) {
    QGraphicsObject* element = ElementAt(event->pos());
    const QPointF scenePos = mapToScene(event->pos());
    Q_EMIT pointerOver(element ? element->objectName() : QString(), element ? element->mapFromScene(scenePos) : scenePos);
  }
  QGraphicsView::mouseMoveEvent(event);
}

void BoardView::ShowPanel(bool visible) {
  if (visible) scene_->picPanel->show();
  else scene_->picPanel->hide();
}

bool BoardView::PanelShown() const { return scene_->picPanel->isVisible(); }

QPoint BoardView::GlobalFromScene(QPointF scenePoint) const {
  return viewport()->mapToGlobal(mapFromScene(scenePoint));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (mouse_->Captured()) {
    event->accept();
    mouse_->Release();
    return;
  }
  QGraphicsView::mouseReleaseEvent(event);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (CardItem* pile = PileAt(event->pos())) {
    event->accept();
    mouse_->DoubleClick(pile, event->button());
    return;
  }
  QGraphicsView::mouseDoubleClickEvent(event);
}

void BoardView::ViewCards(PileRef pile) {
  if (!game_) return;
  if (!viewer_) viewer_ = new CardViewer(this);
  viewer_->ViewCards(game_->state, pile, art_.faceSheet);
}

}  // namespace cv
