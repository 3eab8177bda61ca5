#include "app/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace cv {
namespace {

struct TempDir {
  TempDir() : path(fs::temp_directory_path() / ("corvalle-test-" + std::to_string(::getpid()) + "-" + std::to_string(++n))) {
    fs::create_directories(path);
  }
  ~TempDir() { fs::remove_all(path); }
  fs::path path;
  static inline int n = 0;
};

void Write(const fs::path& p, const std::string& text) {
  fs::create_directories(p.parent_path());
  std::ofstream(p) << text;
}

std::string Read(const fs::path& p) {
  std::ifstream in(p);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(ProgramFolder, ChoiceOrder) {
  TempDir exe;
  AppPathInputs in{std::nullopt, std::nullopt, exe.path.string(), std::nullopt, "/home/ann"};
  EXPECT_EQ(ChooseAppPath(in), "/home/ann/.local/share/corvalle");
  in.xdgDataHome = "/data";
  EXPECT_EQ(ChooseAppPath(in), "/data/corvalle");
  Write(exe.path / "Data" / "players.sav", "x");
  EXPECT_EQ(ChooseAppPath(in), exe.path.string());  // a program folder beside the program
  in.homeEnv = "/env";
  EXPECT_EQ(ChooseAppPath(in), "/env");
  in.homeArg = "/arg";
  EXPECT_EQ(ChooseAppPath(in), "/arg");
}

TEST(ProgramFolder, TemplateFillsOnlyWhatIsMissing) {
  TempDir tmpl, home;
  Write(tmpl.path / "Data" / "players.sav", "fresh");
  Write(tmpl.path / "backgrounds" / "Wood.gif", "gif");
  fs::create_directories(tmpl.path / "user" / "Icons");
  Write(home.path / "Data" / "players.sav", "my scores");

  EXPECT_EQ(InstallMissingFromTemplate(tmpl.path.string(), home.path.string()), "");
  EXPECT_EQ(Read(home.path / "Data" / "players.sav"), "my scores");  // never overwritten
  EXPECT_EQ(Read(home.path / "backgrounds" / "Wood.gif"), "gif");
  EXPECT_TRUE(fs::is_directory(home.path / "user" / "Icons"));
}

TEST(ProgramFolder, MissingTemplateOrUnwritableFolderIsReported) {
  TempDir tmpl, home;
  EXPECT_NE(InstallMissingFromTemplate((tmpl.path / "nope").string(), home.path.string()), "");
  Write(tmpl.path / "Data" / "players.sav", "fresh");
  Write(home.path / "blocker", "a file where a folder should be");
  EXPECT_NE(InstallMissingFromTemplate(tmpl.path.string(), (home.path / "blocker").string()), "");
}

}  // namespace cv
