#include "window_geometry.h"

namespace cv {

bool SensibleWindow(const WindowGeometry& w, int screenW, int screenH) {
  return w.height != 0 && w.height >= 8001 && w.height <= screenH && w.width > 11000 && w.width <= screenW &&
         w.top >= 0 && w.top < screenH / 2 && w.left >= 0 && w.left + w.width <= screenW;
}

}  // namespace cv
