#include "cardart/cls_dll.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <memory>

#include "cardart/art.h"
#include "cardart/picture_store.h"
#include "cvdata/registry.h"

namespace cv {
namespace {

// Every test gets its own registry file; the user's real one is never read or written.
class ClsDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    registry = dir.filePath("components").toStdString();
    setenv("CORVALLE_REGISTRY", registry.c_str(), 1);
  }
  void TearDown() override { unsetenv("CORVALLE_REGISTRY"); }

  void Register(const std::string& path) { ASSERT_TRUE(cvdata::registry::Enter(registry, CVDATA_CLSID, path)); }
  QString EmptyDir() { return dir.filePath("nowhere"); }

  QTemporaryDir dir;
  std::string registry;
};

struct RecordingDialog : BackPictures {
  void SetBackPicture(int16_t k, const QImage& back) override {
    picture = k;
    image = back;
  }
  void SetBackPreview(const QImage& back, const QColor& c) override {
    preview = true;
    image = back;
    colour = c;
  }
  int picture = -1;
  bool preview = false;
  QImage image;
  QColor colour;
};

TEST_F(ClsDllTest, BindsThroughTheRegistry) {
  Register(CVDATA_LIBRARY);
  clsDLL dll(EmptyDir());
  EXPECT_EQ(dll.GetBacksQuantity(), 9);
}

TEST_F(ClsDllTest, FallsBackToTheLibraryBesideTheProgram) {
  clsDLL unregistered(CVDATA_DIR);
  EXPECT_EQ(unregistered.GetBacksQuantity(), 9);

  // An entry that names something that is not the library does not stop the fallback.
  QFile junk(dir.filePath("libjunk.so"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a library");
  junk.close();
  Register(junk.fileName().toStdString());
  clsDLL broken(CVDATA_DIR);
  EXPECT_EQ(broken.GetBacksQuantity(), 9);
}

TEST_F(ClsDllTest, NoLibraryAnywhereIsTheCreationError) {
  Register(dir.filePath("missing/libcvdata.so").toStdString());
  try {
    clsDLL dll(EmptyDir());
    FAIL() << "created without a library";
  } catch (const CardArtError& e) {
    EXPECT_EQ(e.Number(), kCannotCreateComponent);
    EXPECT_NE(std::string(e.what()), "");
  }
}

TEST_F(ClsDllTest, FaceStylesFillTheActiveSheet) {
  clsDLL dll(CVDATA_DIR);
  PictureStore store;
  const QImage builtin = store.FaceSheet();
  dll.GetCardFaces(2, store);
  EXPECT_EQ(store.FaceSheet(), dll.CardImage(1));  // "Steel"
  EXPECT_NE(store.FaceSheet(), builtin);
  dll.GetCardFaces(4, store);
  EXPECT_EQ(store.FaceSheet(), dll.CardImage(1));  // unknown style: unchanged
  dll.GetCardFaces(3, store);
  EXPECT_EQ(store.FaceSheet(), dll.CardImage(0));  // "Tile"
  dll.GetCardFaces(1, store);
  EXPECT_EQ(store.FaceSheet(), builtin);
  EXPECT_EQ(store.FaceSheet().size(), QSize(927, 394));
}

TEST_F(ClsDllTest, BackStylesFillTheBoardsBack) {
  clsDLL dll(CVDATA_DIR);
  PictureStore store;
  dll.GetCardBacks(9, store);
  EXPECT_EQ(store.CurrentBack(), dll.CardBack(8, false));
  EXPECT_EQ(store.CurrentBack().size(), QSize(71, 96));
  dll.GetCardBacks(0, store);
  EXPECT_EQ(store.CurrentBack(), store.BuiltinBack());
  EXPECT_EQ(store.CurrentBack(), QImage(art::BuiltinBack));
}

TEST_F(ClsDllTest, OptionsDialogGetsPreviewWithColourOrNumberedPicture) {
  clsDLL dll(CVDATA_DIR);
  RecordingDialog dialog;
  dll.GetCardBacks(3, dialog, 99, false);
  EXPECT_TRUE(dialog.preview);
  EXPECT_EQ(dialog.colour, QColor(255, 224, 192));
  EXPECT_EQ(dialog.image, dll.CardBack(2, false));

  RecordingDialog small;
  dll.GetCardBacks(5, small, 7, true);
  EXPECT_EQ(small.picture, 7);
  EXPECT_TRUE(small.image.isNull());  // the library's small slots are empty
}

TEST_F(ClsDllTest, StylesOutsideTheLibrarysRangeCarryItsErrors) {
  clsDLL dll(CVDATA_DIR);
  PictureStore store;
  const QImage before = store.CurrentBack();
  struct Case {
    std::function<void()> call;
    const char* text;
  };
  const Case cases[] = {
      {[&] { dll.GetCardBacks(10, store); }, "Card Back style doesn't exist"},
      {[&] { dll.CardImage(2); }, "Card Face style doesn't exist"},
      {[&] { dll.CardImage(-1); }, "Card Face style doesn't exist"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const CardArtError& e) {
      EXPECT_EQ(e.Number(), CV_E_STYLE);
      EXPECT_STREQ(e.what(), c.text);
    }
  }
  EXPECT_EQ(store.CurrentBack(), before);
  EXPECT_THROW(dll.BackColor(9), CardArtError);
}

TEST_F(ClsDllTest, TwoClientsShareTheLibrary) {
  auto first = std::make_unique<clsDLL>(CVDATA_DIR);
  clsDLL second(CVDATA_DIR);
  first.reset();  // releasing one must not pull the library from under the other
  EXPECT_EQ(second.CardImage(0).size(), QSize(927, 394));
}

}  // namespace
}  // namespace cv
