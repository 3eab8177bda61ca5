#include "options_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "board/appearance.h"
#include "cardart/picture_store.h"
#include "engine/game.h"
#include "stored_preferences.h"
#include "theme.h"

namespace cv {
namespace {

constexpr int kCardW = 71, kCardH = 96;
constexpr int kPreviewCard = 99;
// The sample cards of the first tab, in the order they are drawn: 2, Ace, 4, 7, 10, King of clubs.
constexpr int kSampleCards[] = {2, 1, 4, 7, 10, 13};
constexpr uint32_t kBlack = 0;
constexpr double kRestoredFontSize = 12.75;
constexpr double kResetFontSize = 12;

uint32_t ValueOf(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 | static_cast<uint32_t>(c.blue()) << 16;
}

// A card picture on a coloured ground (the ground shows through a back's clear ring).
QPixmap CardOn(const QImage& card, const QColor& ground) {
  QPixmap p(kCardW, kCardH);
  p.fill(ground);
  if (!card.isNull()) QPainter(&p).drawImage(QRect(0, 0, kCardW, kCardH), card);
  return p;
}

// The mat: its colour, with the background picture tiled over it when there is one.
QPixmap MatPicture(QSize size, const QColor& colour, const QImage& tile) {
  QPixmap p(size);
  p.fill(colour);
  if (!tile.isNull()) QPainter(&p).fillRect(p.rect(), QBrush(tile));
  return p;
}

QLabel* Picture(const QString& name, int index, QWidget* parent, QSize size = {kCardW, kCardH}) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  if (index >= 0) picture->setProperty("index", index);
  picture->setFixedSize(size);
  picture->setProperty("picture", true);
  return picture;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent, const QString& tip = {}) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  if (!tip.isEmpty()) button->setToolTip(tip);
  return button;
}

// Keys the dialog itself answers: moving between and working its controls.
bool DialogKey(const QKeyEvent& k) {
  if (k.modifiers() & Qt::AltModifier) return true;
  switch (k.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
  }
}

}  // namespace

OptionsDialog::OptionsDialog(Game& game, OptionsHost& host, QWidget* parent)
    : QDialog(parent), game_(game), host_(host), pictures_(host.Pictures()) {
  setObjectName("frmOptions");
  setWindowTitle("Preferences");
  chooseColour = [this](uint32_t initial, const QString& title) -> std::optional<uint32_t> {
    const QColor c = QColorDialog::getColor(ColourOf(initial), this, title);
    if (!c.isValid()) return std::nullopt;
    return ValueOf(c);
  };
  try {
    cardArt_ = host_.CreateCardArt();
  } catch (const CardArtError&) {
    cardArt_.reset();  // only the game's own faces and back are offered
  }
  const Preferences& p = game_.prefs;
  faceLoaded_ = p.FaceStyle;

  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("TabStrip1");
  const struct {
    const char* caption;
    const char* tip;
  } tabs[] = {{"Pick a Card", "Set Card Style"},
              {"Deck Styles", "Set Deck Style"},
              {"Font and Background", "Set Font "},
              {"Sounds and Style", "Set card sounds"}};
  std::array<QWidget*, 4> pages{};
  for (int i = 0; i < 4; ++i) {
    pages[i] = new QWidget;
    pages[i]->setObjectName(QString("Group%1").arg(i + 1));
  }
  BuildFaces(pages[0]);
  BuildBacks(pages[1]);
  BuildFonts(pages[2]);
  BuildSounds(pages[3]);
  for (int i = 0; i < 4; ++i) {
    tabs_->addTab(pages[i], tabs[i].caption);
    tabs_->setTabToolTip(i, tabs[i].tip);
  }
  layout->addWidget(tabs_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = Button("&OK", "cmdOK", this);
  ok->setAutoDefault(true);
  ok->setDefault(true);
  auto* cancel = Button("&Cancel", "cmdCancel", this);
  apply_ = Button("&Apply", "cmdApply", this);
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &OptionsDialog::Cancel);
  connect(apply_, &QPushButton::clicked, this, &OptionsDialog::Apply);
  for (QPushButton* b : {ok, cancel, apply_}) buttons->addWidget(b);
  layout->addLayout(buttons);

  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  installEventFilter(this);
  connect(tabs_, &QTabWidget::currentChanged, this, &OptionsDialog::TabSelected);
  TabSelected(0);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::BuildFaces(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  auto* heading = new QLabel("Select the style of cards you would like to use:", page);
  heading->setObjectName("lblHeading");
  layout->addWidget(heading);
  auto* options = new QHBoxLayout;
  const char* names[] = {"", "Standard", "Steel", "Tile"};
  for (int k = 1; k <= 3; ++k) {
    faces_[k] = new QRadioButton(names[k], page);
    faces_[k]->setObjectName("optFace");
    faces_[k]->setProperty("index", k);
    faces_[k]->setEnabled(k == 1 || cardArt_);
    connect(faces_[k], &QRadioButton::clicked, this, [this, k] { PickFace(static_cast<int16_t>(k)); });
    options->addWidget(faces_[k]);
  }
  options->addStretch();
  layout->addLayout(options);
  auto* cards = new QHBoxLayout;
  for (int card : {1, 2, 4, 7, 10, 13}) {
    samples_[card] = Picture("picCard", card, page);
    cards->addWidget(samples_[card]);
  }
  cards->addStretch();
  layout->addLayout(cards);
  theme_ = new QCheckBox("Change Background/Sound Theme\nto match card style", page);
  theme_->setObjectName("ckTheme");
  connect(theme_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) EnableApply(true);
  });
  layout->addWidget(theme_);
  layout->addStretch();
}

void OptionsDialog::BuildBacks(QWidget* page) {
  auto* layout = new QGridLayout(page);
  auto* text = new QLabel("Deck Back Style:\n\nClick on the scroll bar below to change the Deck back style.", page);
  text->setObjectName("lblDeck");
  text->setWordWrap(true);
  layout->addWidget(text, 0, 0, 1, 4);

  backPreview_ = Picture("picPreview", kPreviewCard, page);
  backScroll_ = new QScrollBar(Qt::Horizontal, page);
  backScroll_->setObjectName("HScroll1");
  backScroll_->setFixedWidth(kCardW + 40);
  backScroll_->setPageStep(1);
  backScroll_->setEnabled(cardArt_ != nullptr);
  connect(backScroll_, &QScrollBar::valueChanged, this, &OptionsDialog::MoveBackScroll);
  auto* back = new QVBoxLayout;
  back->setSpacing(2);
  back->addWidget(backPreview_, 0, Qt::AlignHCenter);
  back->addWidget(backScroll_, 0, Qt::AlignHCenter);
  back->addStretch();
  layout->addLayout(back, 1, 0);

  currentDeck_ = Picture("picCurrent", -1, page);
  auto* current = new QVBoxLayout;
  current->addWidget(currentDeck_, 0, Qt::AlignHCenter);
  current->addWidget(new QLabel("Current Deck Preview", page), 0, Qt::AlignHCenter);
  current->addStretch();
  layout->addLayout(current, 1, 1);

  resetPicture_ = Picture("picReset", 0, page);
  resetPicture_->setToolTip("Click here to restore default deck and mat color");
  layout->addWidget(resetPicture_, 1, 2, Qt::AlignTop | Qt::AlignHCenter);

  matPreviews_[0] = Picture("picMat", 0, page, {130, kCardH});
  layout->addWidget(matPreviews_[0], 1, 3, Qt::AlignTop);

  auto* deckColour = Button("Deck Color", "cmdDeckColor", page, "Click on the SM card to reset default card back color");
  auto* matColour = Button("Mat Color", "cmdMatColor", page);
  matColour->setProperty("index", 0);
  connect(deckColour, &QPushButton::clicked, this, &OptionsDialog::ChooseDeckColour);
  connect(matColour, &QPushButton::clicked, this, &OptionsDialog::ChooseMatColour);
  layout->addWidget(deckColour, 2, 1);
  layout->addWidget(matColour, 2, 3);
  layout->setRowStretch(3, 1);
}

void OptionsDialog::BuildFonts(QWidget* page) {
  auto* layout = new QGridLayout(page);
  // Large sizes scroll rather than squeeze the two texts over each other.
  auto* sampleArea = new QScrollArea(page);
  sampleArea->setFixedSize(380, 220);
  sampleArea->setWidgetResizable(true);
  sampleArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sampleMat_ = new QWidget;
  sampleMat_->setObjectName("picSampleMat");
  sampleMat_->setAutoFillBackground(true);
  auto* texts = new QVBoxLayout(sampleMat_);
  const char* sampleTexts[] = {
      "This is how the font size and color appears on a color only mat background.",
      "To change backgrounds, use the Up/Down arrow keys on your keyboard.\n\n"
      "To change the Corvalle structure, use CTRL+Up/Down arrow keys."};
  for (int i = 0; i < 2; ++i) {
    fontSamples_[i] = new QLabel(sampleTexts[i], sampleMat_);
    fontSamples_[i]->setObjectName("lblSample");
    fontSamples_[i]->setProperty("index", i + 1);
    fontSamples_[i]->setWordWrap(true);
    texts->addWidget(fontSamples_[i]);
  }
  texts->addStretch();
  sampleArea->setWidget(sampleMat_);
  layout->addWidget(sampleArea, 0, 0, 5, 1);

  matPreviews_[1] = Picture("picMat", 1, page, {130, kCardH});
  layout->addWidget(matPreviews_[1], 0, 1, 1, 2, Qt::AlignHCenter);
  auto* larger = Button("+size", "cmdLarger", page, "One pill makes you larger");
  auto* smaller = Button("-size", "cmdSmaller", page, "and one pill makes you small");
  auto* fontColour = Button("Font Color", "cmdFontColor", page);
  auto* matColour = Button("Mat Color", "cmdMatColor", page);
  matColour->setProperty("index", 1);
  auto* restore = Button("Restore", "cmdRestore", page);
  connect(larger, &QPushButton::clicked, this, [this] { StepFontSize(1); });
  connect(smaller, &QPushButton::clicked, this, [this] { StepFontSize(-1); });
  connect(fontColour, &QPushButton::clicked, this, &OptionsDialog::ChooseFontColour);
  connect(matColour, &QPushButton::clicked, this, &OptionsDialog::ChooseMatColour);
  connect(restore, &QPushButton::clicked, this, &OptionsDialog::RestoreFont);
  layout->addWidget(larger, 1, 1);
  layout->addWidget(smaller, 1, 2);
  layout->addWidget(fontColour, 2, 1);
  layout->addWidget(matColour, 2, 2);
  auto* resetCaption = new QLabel("Reset defaults:", page);
  resetCaption->setBuddy(restore);
  layout->addWidget(resetCaption, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(restore, 3, 2);
  layout->setRowStretch(4, 1);
}

void OptionsDialog::BuildSounds(QWidget* page) {
  auto* layout = new QGridLayout(page);
  auto* soundFrame = new QGroupBox("Card Sound Effects", page);
  soundFrame->setObjectName("fraSound");
  auto* soundLayout = new QVBoxLayout(soundFrame);
  const char* soundNames[] = {" Wood", " Metallic", "No card sounds"};
  for (int k = 0; k < 3; ++k) {
    sounds_[k] = new QRadioButton(soundNames[k], soundFrame);
    sounds_[k]->setObjectName("optSound");
    sounds_[k]->setProperty("index", k);
    connect(sounds_[k], &QRadioButton::clicked, this, [this, k] {
      selSound_ = static_cast<int16_t>(k);
      EnableApply(true);
    });
    soundLayout->addWidget(sounds_[k]);
  }
  layout->addWidget(soundFrame, 0, 0);
  intro_ = new QCheckBox("No Game Intro Music", page);
  intro_->setObjectName("ckIntro");
  connect(intro_, &QCheckBox::clicked, this, [this] { EnableApply(true); });
  layout->addWidget(intro_, 1, 0, Qt::AlignTop);

  auto* holderFrame = new QGroupBox("Card place holder styles", page);
  holderFrame->setObjectName("fraPlaceHolder");
  auto* holderLayout = new QGridLayout(holderFrame);
  woodHolder_ = new QRadioButton("Wood", holderFrame);
  metalHolder_ = new QRadioButton("Metal", holderFrame);
  int column = 0;
  for (QRadioButton* option : {woodHolder_, metalHolder_}) {
    const bool wood = option == woodHolder_;
    option->setObjectName("optPlaceHolder");
    option->setProperty("index", column);
    connect(option, &QRadioButton::clicked, this, [this] { EnableApply(true); });
    QLabel* preview = Picture("picEmpty", column, holderFrame);
    preview->setPixmap(QPixmap::fromImage(pictures_.EmptyPile(wood, false)));
    holderLayout->addWidget(preview, 0, column, Qt::AlignHCenter);
    holderLayout->addWidget(option, 1, column, Qt::AlignHCenter);
    ++column;
  }
  layout->addWidget(holderFrame, 0, 1, 2, 1);
  layout->setRowStretch(2, 1);
}

void OptionsDialog::TabSelected(int tab) {
  const Preferences& p = game_.prefs;
  switch (tab) {
    case 0: ShowFace(p.FaceStyle); break;
    case 1: {
      const QSignalBlocker quiet(backScroll_);
      if (cardArt_) {
        try {
          backScroll_->setRange(1, cardArt_->GetBacksQuantity());
        } catch (const CardArtError&) {
          backScroll_->setEnabled(false);
        }
      }
      if (p.BackStyle != 0) backScroll_->setValue(p.BackStyle);
      previewBack_ = pictures_.BuiltinBack();
      previewColour_ = p.DeckColor;
      if (p.BackStyle != 0 && cardArt_) {
        try {
          cardArt_->GetCardBacks(p.BackStyle, *this, kPreviewCard, false);
        } catch (const CardArtError&) {
          previewBack_ = pictures_.CurrentBack();
        }
      }
      ShowBackPreview();
      currentDeck_->setPixmap(CardOn(pictures_.CurrentBack(), ColourOf(p.DeckColor)));
      resetPicture_->setPixmap(CardOn(pictures_.BuiltinBack(), palette().color(QPalette::Window)));
      matColour_ = p.BoardColor;
      matShowsPicture_ = true;
      ShowMatPreviews();
      selBack_ = p.BackStyle;
      break;
    }
    case 2:
      // The mat colour starts from the board's, so that applying this tab alone keeps it.
      matColour_ = p.BoardColor;
      matShowsPicture_ = true;
      ShowMatPreviews();
      sampleSize_ = p.FontSize;
      sampleColour_ = p.FontColor;
      ShowSamples();
      break;
    case 3:
      sounds_[p.SoundMode == 2 ? 2 : std::clamp<int>(p.SoundTheme, 0, 1)]->setChecked(true);
      selSound_ = p.SoundMode == 2 ? 2 : p.SoundTheme;
      intro_->setChecked(p.IntroOff);
      (p.EmptyStyle ? woodHolder_ : metalHolder_)->setChecked(true);
      break;
    default: break;
  }
  EnableApply(false);
}

void OptionsDialog::ShowFace(int style) {
  faces_[std::clamp(style, 1, 3)]->setChecked(true);
  selFace_ = static_cast<int16_t>(style);
  try {
    if (cardArt_)
      cardArt_->GetCardFaces(static_cast<int16_t>(style), pictures_);
    else if (style == 1)
      pictures_.ResetFaceSheet();
    faceLoaded_ = style;
  } catch (const CardArtError&) {
    // The sheet in use stays.
  }
  for (int card : kSampleCards) samples_[card]->setPixmap(QPixmap::fromImage(pictures_.Face(card)));
}

void OptionsDialog::PickFace(int style) {
  ShowFace(style);
  EnableApply(style != game_.prefs.FaceStyle);
}

void OptionsDialog::MoveBackScroll(int value) {
  if (!cardArt_) return;
  selBack_ = static_cast<int16_t>(value);
  try {
    cardArt_->GetCardBacks(selBack_, *this, kPreviewCard, false);
  } catch (const CardArtError&) {
    return;
  }
  EnableApply(true);
}

void OptionsDialog::SetBackPicture(int16_t k, const QImage& back) {
  if (k >= 1 && k <= 13 && samples_[k]) samples_[k]->setPixmap(CardOn(back, palette().color(QPalette::Window)));
}

void OptionsDialog::SetBackPreview(const QImage& back, const QColor& colour) {
  previewBack_ = back;
  previewColour_ = ValueOf(colour);
  ShowBackPreview();
}

void OptionsDialog::ShowBackPreview() { backPreview_->setPixmap(CardOn(previewBack_, ColourOf(previewColour_))); }

void OptionsDialog::ShowMatPreviews() {
  const QImage tile = matShowsPicture_ ? host_.CurrentBackground() : QImage();
  for (QLabel* mat : matPreviews_) mat->setPixmap(MatPicture(mat->size(), ColourOf(matColour_), tile));
  QPalette pal = sampleMat_->palette();
  pal.setColor(QPalette::Window, ColourOf(matColour_));
  sampleMat_->setPalette(pal);
}

void OptionsDialog::ShowSamples() {
  for (QLabel* sample : fontSamples_) {
    QFont font = sample->font();
    font.setPointSizeF(sampleSize_);
    sample->setFont(font);
    QPalette pal = sample->palette();
    pal.setColor(QPalette::WindowText, ColourOf(sampleColour_));
    sample->setPalette(pal);
  }
}

void OptionsDialog::ResetDeck() {
  const Preferences& p = game_.prefs;
  selBack_ = 0;
  const uint32_t deck = DefaultDeckColor(p.FaceStyle);
  currentDeck_->setPixmap(CardOn(pictures_.BuiltinBack(), ColourOf(deck)));
  // The back preview follows, so that applying gives the default deck it shows.
  previewBack_ = pictures_.BuiltinBack();
  previewColour_ = deck;
  ShowBackPreview();
  matColour_ = kDefaultMat;
  matShowsPicture_ = false;
  ShowMatPreviews();
  sampleSize_ = kResetFontSize;
  sampleColour_ = kBlack;
  ShowSamples();
  EnableApply(true);
}

void OptionsDialog::ChooseDeckColour() {
  if (const auto c = chooseColour(game_.prefs.DeckColor, "Deck Color")) {
    previewColour_ = *c;
    ShowBackPreview();
    EnableApply(true);
  }
}

void OptionsDialog::ChooseMatColour() {
  if (const auto c = chooseColour(game_.prefs.BoardColor, "Mat Color")) {
    matColour_ = *c;
    matShowsPicture_ = false;
    ShowMatPreviews();
    EnableApply(true);
  }
}

void OptionsDialog::ChooseFontColour() {
  if (const auto c = chooseColour(game_.prefs.FontColor, "Font Color")) {
    sampleColour_ = *c;
    ShowSamples();
    EnableApply(true);
  }
}

void OptionsDialog::StepFontSize(int step) {
  // Kept to the sizes a player record holds, or the next start would drop the choice.
  sampleSize_ = std::clamp<double>(sampleSize_ + step, kSmallestFontSize, kLargestFontSize);
  ShowSamples();
  EnableApply(true);
}

void OptionsDialog::RestoreFont() {
  sampleSize_ = std::round(kRestoredFontSize);
  sampleColour_ = kBlack;
  ShowSamples();
  EnableApply(true);
}

void OptionsDialog::LoadBoardBacks(int16_t backStyle) {
  try {
    if (backStyle == 0)
      pictures_.SetCurrentBack(pictures_.BuiltinBack());
    else if (cardArt_)
      cardArt_->GetCardBacks(backStyle, pictures_);
  } catch (const CardArtError&) {
    // The back in use stays.
  }
}

void OptionsDialog::Apply() {
  Preferences& p = game_.prefs;
  const Preferences before = p;
  const bool enabled = apply_->isEnabled();
  const auto takeMat = [&] {
    if (p.BoardColor != matColour_) {
      p.BoardColor = matColour_;
      p.BackgroundName = "None";
    }
  };
  switch (tabs_->currentIndex()) {
    case 0:
      p.FaceStyle = selFace_;
      if (theme_->isChecked()) {
        const Theme t = ThemeForFace(p.FaceStyle);
        p.Structure = t.structure;
        p.EmptyStyle = t.woodEmptyPiles;
        p.SoundTheme = t.soundTheme;
        p.BackStyle = t.backStyle;
        LoadBoardBacks(p.BackStyle);
        p.FontColor = kBlack;
        if (host_.SelectBackground(t.background)) p.BackgroundName = t.background;
      }
      break;
    case 1:
      p.BackStyle = selBack_;
      takeMat();
      p.DeckColor = DeckColorFor(p.BackStyle, p.FaceStyle, previewColour_);
      currentDeck_->setPixmap(CardOn(previewBack_, ColourOf(p.DeckColor)));
      LoadBoardBacks(p.BackStyle);
      break;
    case 2:
      takeMat();
      p.FontColor = sampleColour_;
      p.FontSize = static_cast<int16_t>(std::lround(sampleSize_));
      break;
    case 3:
      if (selSound_ == 2) {
        p.SoundMode = 2;
      } else {
        p.SoundTheme = selSound_;
        p.SoundMode = 0;
      }
      p.IntroOff = intro_->isChecked();
      p.EmptyStyle = woodHolder_->isChecked();
      break;
    default: break;
  }
  // Also when a click on a picture had disabled Apply: what changed is shown.
  if (enabled || !(p == before)) game_.table().ApplyPreferences(p);
  EnableApply(false);
}

void OptionsDialog::Ok() {
  Apply();
  accept();
}

void OptionsDialog::Cancel() { reject(); }

void OptionsDialog::done(int result) {
  if (result == Rejected) cancelled_ = true;
  // A face sheet picked but not applied goes back to the player's own.
  if (faceLoaded_ != game_.prefs.FaceStyle) {
    ShowFace(game_.prefs.FaceStyle);
    game_.table().ApplyPreferences(game_.prefs);
  }
  QDialog::done(result);
}

void OptionsDialog::EnableApply(bool enabled) { apply_->setEnabled(enabled); }

bool OptionsDialog::PassKey(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
    const int n = tabs_->count();
    const int step = event->key() == Qt::Key_Tab ? 1 : n - 1;
    tabs_->setCurrentIndex((tabs_->currentIndex() + step) % n);
    return true;
  }
  if (DialogKey(*event)) return false;
  host_.KeyCommand(*event);
  matShowsPicture_ = true;
  ShowMatPreviews();
  return true;
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) return PassKey(static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::MouseButtonRelease && watched->property("picture").toBool()) {
    if (watched == backPreview_)
      MoveBackScroll(backScroll_->value());
    else if (watched == resetPicture_)
      ResetDeck();
    else
      EnableApply(false);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace cv
