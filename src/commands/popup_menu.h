#pragma once
#include <QWidget>
#include <vector>

#include "menu_lists.h"

class QListWidget;
class QLabel;

namespace cv {

// frmMenu: the borderless list a menu title of the strip opens. The entry under the
// pointer is selected; a press chooses it (the Sound and web-site entries first open
// their sub-menus) and the list closes.
class PopupMenu : public QWidget {
  Q_OBJECT
 public:
  PopupMenu(int menu, const std::vector<MenuEntry>& entries, const QPixmap& header, QWidget* parent);

  int menu() const { return menu_; }
  bool chosen() const { return chosen_; }
  int index() const { return index_; }
  // The sub-menus' picks: the sound mode (0 on, 2 off) and the web site (1 or 2).
  int soundMode = 0;
  int webChoice = 0;

 signals:
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Press(int row, const QPoint& globalPos);

  int menu_;
  QListWidget* list_;
  bool chosen_ = false;
  int index_ = -1;
};

}  // namespace cv
