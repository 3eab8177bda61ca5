#include "topmost.h"

#include <QWidget>

namespace cv {

void Class1::TopForm(QWidget* window) const {
  if (!window) return;
  window = window->window();
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop_) return;
  // Changing the flags re-creates a shown window hidden; it comes back where it was.
  const bool shown = window->isVisible();
  const QRect place = window->geometry();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop_);
  if (shown) {
    window->setGeometry(place);
    window->show();
  }
}

}  // namespace cv
