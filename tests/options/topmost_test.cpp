#include "options/topmost.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace cv {
namespace {

TEST(Class1, PutsAWindowIntoTheTopmostBandAndBackWithoutMovingIt) {
  QWidget window;
  window.setGeometry(120, 80, 300, 200);
  window.show();
  Class1 top;
  EXPECT_FALSE(top.OnTop());
  top.TopForm(&window);  // never set: the normal band
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  top.SetOnTop(true);
  top.TopForm(&window);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));

  top.SetOnTop(false);
  top.TopForm(&window);
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));
}

}  // namespace
}  // namespace cv
