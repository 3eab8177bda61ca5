#include "records/record_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "home.h"

namespace cv {
namespace {

class RecordFileTest : public ::testing::Test {
 protected:
  RecordFileTest() {
    file.SetReporter([this](const std::string& m) { reports.push_back(m); });
  }
  test::TempHome home;
  RecordFile file{10};
  std::vector<std::string> reports;
};

TEST_F(RecordFileTest, RecordsNeverWrittenReadAsZeros) {
  ASSERT_TRUE(file.Open(home.Data("r.dat"), true));
  const std::vector<uint8_t> rec(10, 'x');
  ASSERT_TRUE(file.Write(3, rec));
  EXPECT_EQ(file.Read(1), std::vector<uint8_t>(10, 0));  // the gap before record 3
  EXPECT_EQ(file.Read(3), rec);
  EXPECT_EQ(file.Read(4), std::vector<uint8_t>(10, 0));  // past the end
  EXPECT_EQ(file.RecordCount(), 3);
  // Flushed at once: another reader sees the record while the file is still open.
  EXPECT_EQ(test::FileBytes(home.Data("r.dat")).size(), 30u);
  EXPECT_TRUE(reports.empty());
}

TEST_F(RecordFileTest, AShortLastRecordReadsWithZerosAfterIt) {
  test::SetFileBytes(home.Data("r.dat"), std::vector<uint8_t>(14, 'y'));
  ASSERT_TRUE(file.Open(home.Data("r.dat"), false));
  EXPECT_EQ(file.RecordCount(), 2);
  std::vector<uint8_t> expected(10, 0);
  std::fill(expected.begin(), expected.begin() + 4, 'y');
  EXPECT_EQ(file.Read(2), expected);
  // Writing the short record completes it without touching the first.
  ASSERT_TRUE(file.Write(2, std::vector<uint8_t>(10, 'z')));
  EXPECT_EQ(file.Read(1), std::vector<uint8_t>(10, 'y'));
  EXPECT_EQ(test::FileBytes(home.Data("r.dat")).size(), 20u);
}

TEST_F(RecordFileTest, AMissingFileIsCreatedOnlyWhenAskedFor) {
  EXPECT_FALSE(file.Open(home.Data("missing.dat"), false));
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_TRUE(file.Open(home.Data("missing.dat"), true));
  EXPECT_TRUE(std::filesystem::exists(home.Data("missing.dat")));
}

TEST_F(RecordFileTest, AFullDiskIsReportedOnceUntilAWriteSucceedsAgain) {
  ASSERT_TRUE(file.Open("/dev/full", false));
  EXPECT_FALSE(file.Write(1, std::vector<uint8_t>(10, 'z')));
  EXPECT_FALSE(file.Write(2, std::vector<uint8_t>(10, 'z')));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("/dev/full"), std::string::npos);
  // Another file: a failure there is news again.
  ASSERT_TRUE(file.Open(home.Data("r.dat"), true));
  EXPECT_TRUE(file.Write(1, std::vector<uint8_t>(10, 'z')));
  ASSERT_TRUE(file.Open("/dev/full", false));
  EXPECT_FALSE(file.Write(1, std::vector<uint8_t>(10, 'z')));
  EXPECT_EQ(reports.size(), 2u);
}

TEST_F(RecordFileTest, AFileThatCannotBeWrittenIsReportedOnceAndStillRead) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  test::SetFileBytes(home.Data("r.dat"), std::vector<uint8_t>(10, 'y'));
  std::filesystem::permissions(home.Data("r.dat"), std::filesystem::perms::owner_read);
  ASSERT_TRUE(file.Open(home.Data("r.dat"), true));
  EXPECT_EQ(file.Read(1), std::vector<uint8_t>(10, 'y'));
  EXPECT_FALSE(file.Write(1, std::vector<uint8_t>(10, 'z')));
  EXPECT_FALSE(file.Write(2, std::vector<uint8_t>(10, 'z')));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(home.Data("r.dat")), std::string::npos);
  EXPECT_EQ(test::FileBytes(home.Data("r.dat")), std::vector<uint8_t>(10, 'y'));
}

TEST_F(RecordFileTest, AFolderThatCannotBeWrittenIsReported) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  std::filesystem::permissions(home.path + "/Data", std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_exec);
  EXPECT_FALSE(file.Open(home.Data("new.dat"), true));
  EXPECT_FALSE(file.Write(1, std::vector<uint8_t>(10, 'z')));
  EXPECT_EQ(reports.size(), 1u);  // one message, not one per write
}

}  // namespace
}  // namespace cv
