#pragma once
#include <QDialog>
#include <string>

class QLabel;

namespace cv {

class Platform;

// frmAbout, "About Corvalle": the program's name and version, who makes it, and the
// credits behind a right press on the icon.
class AboutDialog : public QDialog {
 public:
  AboutDialog(Platform& platform, const std::string& appPath, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Platform& platform_;
  std::string appPath_;
  QLabel* icon_;
  QLabel* credits_;
};

// The version of this build: major, minor and revision joined by full stops.
const char* ProgramVersion();

}  // namespace cv
