#pragma once
#include <QDialog>
#include <QPalette>
#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace cv {

class Game;
class Records;

// frmSave, "Saved Games": picks the slot to save the game in (mode 0) or the saved
// game to restore (mode 1). The caller writes or restores the record afterwards.
class SaveDialog : public QDialog {
 public:
  enum Mode { kSave = 0, kRestore = 1 };
  SaveDialog(Game& game, Records& records, int mode, bool inspectMode, QWidget* parent = nullptr);

  // After the dialog: the slot (1..10, or 11 for "Previous Turn"), the description to
  // store (save mode) and whether the user cancelled.
  int16_t SaveSlot() const { return saveSlot_; }
  const std::string& SaveLabel() const { return saveLabel_; }
  bool DialogCancelled() const { return cancelled_; }
  // A network save was chosen during a network game: it is restored over the network.
  bool NetworkRestore() const { return networkRestore_; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kBoxes = 11;
  void LoadForm(int mode);
  void ClickSlot(int s);
  void Act();
  void SetColours(int s, QPalette::ColorRole base, QPalette::ColorRole text);
  bool SaveMode() const { return mode_ == kSave; }

  Game& game_;
  Records& records_;
  int mode_;
  bool inspectMode_;
  std::array<QLineEdit*, kBoxes + 1> boxes_{};  // 1..11
  std::array<QString, kBoxes + 1> slotText_;
  QLabel* help_;
  QLabel* hint_;
  QPushButton* action_;
  int selected_ = 0;
  int16_t saveSlot_ = 0;
  std::string saveLabel_;
  bool cancelled_ = true;
  bool networkRestore_ = false;
};

}  // namespace cv
