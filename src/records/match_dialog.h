#pragma once
#include <QDialog>

class QLineEdit;

namespace cv {

class Platform;
struct Match;

// frmMatch, "Match Setup": the number of points a match is played to. "Start Match"
// turns the match on with that target; "Cancel Match" leaves none. The caller then
// starts the match (entries, panels, a new game).
class MatchDialog : public QDialog {
 public:
  MatchDialog(Match& match, Platform& platform, QWidget* parent = nullptr);

  bool DialogCancelled() const { return cancelled_; }

 protected:
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Start();
  void Cancel();

  Match& match_;
  Platform& platform_;
  QLineEdit* points_;
  bool cancelled_ = false;
};

}  // namespace cv
