#include "board/backgrounds.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <set>

#include "board/step_keys.h"

namespace cv {
namespace {

// A backgrounds folder whose files can vanish or be unreadable; counts every load.
struct FakeFolder : BackgroundFolder {
  std::vector<std::string> files;
  std::set<std::string> unreadable;
  std::vector<std::string> loads;
  std::vector<std::string> List() override { return files; }
  bool Load(const std::string& name) override {
    loads.push_back(name);
    return std::find(files.begin(), files.end(), name) != files.end() && !unreadable.count(name);
  }
};

TEST(BackgroundFiles, OnlyTheLastThreeCharactersCount) {
  for (const char* yes : {"sunset.JPG", "notes.bmp", "photojpg", "a.Gif", "jpg"}) EXPECT_TRUE(IsBackgroundFile(yes)) << yes;
  for (const char* no : {"readme.txt", "x.jpeg", "pg", "", "gif.png"}) EXPECT_FALSE(IsBackgroundFile(no)) << no;
}

TEST(BackgroundList, KeepsTheListingOrderAndFindsTheStoredName) {
  BackgroundList list;
  list.BgIndex = 7;
  EXPECT_TRUE(LoadBackgroundList(list, {"Wood.gif", "readme.txt", "Marble.jpg", "Sky.bmp"}, "Marble.jpg   "));
  EXPECT_EQ(list.BgList, (std::vector<std::string>{"Wood.gif", "Marble.jpg", "Sky.bmp"}));
  EXPECT_EQ(list.BgIndex, 2);
  EXPECT_EQ(list.CurrentName(), "Marble.jpg");

  EXPECT_FALSE(LoadBackgroundList(list, {"Wood.gif", "Sky.bmp"}, "Gone.gif"));
  EXPECT_EQ(list.BgIndex, 2);  // an unknown name leaves the position alone
}

TEST(StepBackground, CyclesThroughEveryPictureAndTheMatColour) {
  FakeFolder folder;
  folder.files = {"a.gif", "b.gif", "c.gif"};
  std::string name = "a.gif";
  BackgroundList list;
  ASSERT_TRUE(ShowStoredBackground(list, folder, name));
  ASSERT_EQ(list.BgIndex, 1);

  const std::vector<std::string> down = {"b.gif", "c.gif", "None", "a.gif"};
  for (const std::string& expected : down) {
    EXPECT_EQ(StepBackground(list, folder, name, kKeyDown), expected != "None");
    EXPECT_EQ(name, expected);
  }
  EXPECT_FALSE(StepBackground(list, folder, name, kKeyUp));
  EXPECT_EQ(name, "None");
  EXPECT_EQ(list.BgIndex, 4);
  EXPECT_TRUE(StepBackground(list, folder, name, kKeyUp));
  EXPECT_EQ(name, "c.gif");
}

TEST(StepBackground, AnEmptyFolderStaysOnTheMatColour) {
  FakeFolder folder;
  std::string name = "None";
  BackgroundList list;
  EXPECT_FALSE(ShowStoredBackground(list, folder, name));
  for (int key : {kKeyDown, kKeyUp, kMenuStep}) {
    EXPECT_FALSE(StepBackground(list, folder, name, key));
    EXPECT_EQ(list.BgIndex, 1);
  }
  EXPECT_TRUE(folder.loads.empty());
}

TEST(StepBackground, AStaleIndexReadsAsTheMatColour) {
  EXPECT_EQ(SteppedIndex(7, 2, kKeyDown), 1);
  EXPECT_EQ(SteppedIndex(7, 2, kKeyUp), 2);
  EXPECT_EQ(SteppedIndex(0, 2, kKeyDown), 1);
}

TEST(PaintBackground, ADeletedPictureRelistsAndKeepsTheCurrentOne) {
  FakeFolder folder;
  folder.files = {"a.gif", "b.gif", "c.gif"};
  std::string name = "a.gif";
  BackgroundList list;
  ShowStoredBackground(list, folder, name);
  folder.files = {"a.gif", "c.gif"};  // b.gif deleted behind the program's back

  EXPECT_TRUE(StepBackground(list, folder, name, kKeyDown));
  EXPECT_EQ(name, "a.gif");
  EXPECT_EQ(list.BgList, folder.files);
  EXPECT_EQ(list.BgIndex, 1);
}

TEST(PaintBackground, APictureThatNeverLoadsFallsBackToTheMatColourAfterOneRetry) {
  FakeFolder folder;
  folder.files = {"a.gif", "broken.jpg"};
  folder.unreadable = {"broken.jpg"};
  std::string name = "broken.jpg";
  BackgroundList list;
  EXPECT_FALSE(ShowStoredBackground(list, folder, name));
  EXPECT_EQ(folder.loads, (std::vector<std::string>{"broken.jpg", "broken.jpg"}));
  EXPECT_EQ(name, "None");
  EXPECT_EQ(list.BgIndex, 3);
  EXPECT_EQ(list.CurrentName(), "None");
}

TEST(ShowStoredBackground, ANameNoLongerInTheFolderGivesTheMatColour) {
  FakeFolder folder;
  folder.files = {"a.gif", "b.gif"};
  BackgroundList list;
  std::string first = "b.gif";
  ASSERT_TRUE(ShowStoredBackground(list, folder, first));
  // The next player's picture was deleted: he does not inherit the last one's position.
  std::string second = "Deleted.gif";
  EXPECT_FALSE(ShowStoredBackground(list, folder, second));
  EXPECT_EQ(second, "None");
  EXPECT_TRUE(list.OnMatColour());
}

TEST(TileBackground, CoversTheTargetFromTheTopLeftWithoutGaps) {
  EXPECT_EQ(TilePositions({100, 50}, {40, 30}),
            (std::vector<QPoint>{{0, 0}, {40, 0}, {80, 0}, {0, 30}, {40, 30}, {80, 30}}));
  EXPECT_EQ(TilePositions({80, 30}, {40, 30}).size(), 3u * 2u);  // an exact fit still gets one more
  EXPECT_TRUE(TilePositions({80, 30}, {0, 0}).empty());
}

TEST(ListFolderFiles, OrdinaryVisibleFilesByNameWithoutRegardToCase) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* file : {"b.gif", "A.jpg", "c.BMP", ".hidden.jpg", "notes.txt"}) {
    QFile f(dir.filePath(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
  EXPECT_EQ(ListFolderFiles(dir.path()), (std::vector<std::string>{"A.jpg", "b.gif", "c.BMP", "notes.txt"}));
  EXPECT_TRUE(ListFolderFiles(dir.filePath("missing")).empty());
}

}  // namespace
}  // namespace cv
