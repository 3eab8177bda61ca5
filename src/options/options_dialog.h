#pragma once
#include <QDialog>
#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cardart/cls_dll.h"

class QAbstractButton;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace cv {

class Game;
class PictureStore;

// What the options dialog needs of the board besides its Table.
class OptionsHost {
 public:
  virtual ~OptionsHost() = default;
  // The picture holders the board draws its cards from.
  virtual PictureStore& Pictures() = 0;
  // A card-art client for the dialog's life; throws CardArtError when there is none.
  virtual std::unique_ptr<clsDLL> CreateCardArt() = 0;
  // A key the dialog has no use for: the board's keyboard commands.
  virtual void KeyCommand(const QKeyEvent& event) = 0;
  // The background picture the board shows; a null image while the plain mat shows.
  virtual QImage CurrentBackground() = 0;
  // Makes a picture of the background list current; false when it is not listed.
  virtual bool SelectBackground(const std::string& name) = 0;
};

// frmOptions, "Preferences": card faces, backs, colours, font size, sounds and the
// empty-pile style, on four tabs. Apply (or OK) takes over the visible tab's choices
// and redraws the board through Table::ApplyPreferences.
class OptionsDialog : public QDialog, private BackPictures {
 public:
  OptionsDialog(Game& game, OptionsHost& host, QWidget* parent = nullptr);
  ~OptionsDialog() override;

  bool DialogCancelled() const { return cancelled_; }

  // The system colour chooser, preset to `initial`; nullopt when cancelled. Tests put
  // their own in its place.
  std::function<std::optional<uint32_t>(uint32_t initial, const QString& title)> chooseColour;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void BuildFaces(QWidget* page);
  void BuildBacks(QWidget* page);
  void BuildFonts(QWidget* page);
  void BuildSounds(QWidget* page);
  void TabSelected(int tab);
  void PickFace(int style);
  void ShowFace(int style);
  void MoveBackScroll(int value);
  void ResetDeck();
  void ChooseDeckColour();
  void ChooseMatColour();
  void ChooseFontColour();
  void StepFontSize(int step);
  void RestoreFont();
  void Apply();
  void Ok();
  void Cancel();
  // A key the dialog does not use goes to the board; the previews then follow it.
  bool PassKey(QKeyEvent* event);
  void EnableApply(bool enabled);
  void LoadBoardBacks(int16_t backStyle);
  void ShowBackPreview();
  void ShowMatPreviews();
  void ShowSamples();

  void SetBackPicture(int16_t k, const QImage& back) override;
  void SetBackPreview(const QImage& back, const QColor& colour) override;

  Game& game_;
  OptionsHost& host_;
  PictureStore& pictures_;
  std::unique_ptr<clsDLL> cardArt_;

  // The working copy.
  int16_t selFace_ = 1;
  int16_t selBack_ = 0;
  int16_t selSound_ = 0;
  uint32_t matColour_ = 0;
  int faceLoaded_ = 1;  // the style whose sheet the board's store holds
  QImage previewBack_;
  uint32_t previewColour_ = 0;
  bool matShowsPicture_ = true;
  double sampleSize_ = 14;
  uint32_t sampleColour_ = 0;
  bool cancelled_ = false;

  QTabWidget* tabs_;
  QPushButton* apply_;
  std::array<QRadioButton*, 4> faces_{};  // 1..3
  std::array<QLabel*, 14> samples_{};     // by card number 1..13
  QCheckBox* theme_;
  QScrollBar* backScroll_;
  QLabel* backPreview_;
  QLabel* currentDeck_;
  QLabel* resetPicture_;
  std::array<QLabel*, 2> matPreviews_{};  // tab 2, tab 3
  std::array<QLabel*, 2> fontSamples_{};
  QWidget* sampleMat_;
  std::array<QRadioButton*, 3> sounds_{};
  QCheckBox* intro_;
  QRadioButton* woodHolder_;
  QRadioButton* metalHolder_;
};

}  // namespace cv
