#pragma once

class QWidget;

namespace cv {

// Keeps a window above every other window of the desktop, or lets it go back among
// them. OnTop is false until set.
class Class1 {
 public:
  bool OnTop() const { return onTop_; }
  void SetOnTop(bool onTop) { onTop_ = onTop; }

  // Puts the window into the topmost band when OnTop is set, otherwise into the normal
  // one, without moving or resizing it.
  void TopForm(QWidget* window) const;

 private:
  bool onTop_ = false;
};

}  // namespace cv
