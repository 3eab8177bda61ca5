#include "cvdata/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "library.h"

namespace {

namespace fs = std::filesystem;
namespace reg = cvdata::registry;

std::string Slurp(const fs::path& file) {
  std::ifstream in(file);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Points the registry at a private file for the test; the user's own is never touched.
class RegistryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("cvdata-reg-" + std::to_string(getpid()));
    fs::create_directories(dir);
    file = dir / "sub" / "components";
    setenv("CORVALLE_REGISTRY", file.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("CORVALLE_REGISTRY");
    fs::remove_all(dir);
  }
  fs::path dir, file;
};

TEST(RegistryText, EntriesAreFoundReplacedAndRemovedLeavingOtherLines) {
  const std::string text = "# kept\n{AAAA}=/x/liba.so\r\n{2a40acf9-c4a1-4daa-bc54-97b1114d4a8a}=/old/libcvdata.so\ngarbage line\n";
  EXPECT_EQ(reg::FindEntry(text, CVDATA_CLSID), "/old/libcvdata.so");
  EXPECT_EQ(reg::FindEntry(text, "{aaaa}"), "/x/liba.so");
  EXPECT_EQ(reg::FindEntry(text, "{BBBB}"), std::nullopt);
  EXPECT_EQ(reg::FindEntry("{BBBB}=\n", "{BBBB}"), std::nullopt);

  const std::string entered = reg::WithEntry(text, CVDATA_CLSID, "/new/lib cvdata.so");
  EXPECT_EQ(entered, "# kept\n{AAAA}=/x/liba.so\ngarbage line\n" CVDATA_CLSID "=/new/lib cvdata.so\n");
  EXPECT_EQ(reg::FindEntry(entered, CVDATA_CLSID), "/new/lib cvdata.so");
  EXPECT_EQ(reg::WithoutEntry(entered, CVDATA_CLSID), "# kept\n{AAAA}=/x/liba.so\ngarbage line\n");
}

TEST(RegistryText, LocationFollowsTheEnvironment) {
  const char* saved[] = {std::getenv("CORVALLE_REGISTRY"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")};
  const std::string keep[] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "", saved[2] ? saved[2] : ""};
  unsetenv("CORVALLE_REGISTRY");
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(reg::RegistryPath(), "/cfg/corvalle/components");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(reg::RegistryPath(), "/home/u/.config/corvalle/components");
  setenv("CORVALLE_REGISTRY", "/tmp/own", 1);
  EXPECT_EQ(reg::RegistryPath(), "/tmp/own");
  const char* names[] = {"CORVALLE_REGISTRY", "XDG_CONFIG_HOME", "HOME"};
  for (int i = 0; i < 3; ++i) saved[i] ? setenv(names[i], keep[i].c_str(), 1) : unsetenv(names[i]);
}

TEST_F(RegistryFile, LibraryRegistersItsOwnPathAndUnregisters) {
  {
    std::ofstream(dir / "placeholder");  // the folder exists, the registry's sub-folder not yet
  }
  cvtest::Library lib;
  ASSERT_TRUE(lib.Loaded());
  EXPECT_EQ(lib.Get<DllRegisterServerFn>("DllRegisterServer")(), CV_S_OK);
  const auto path = reg::Lookup(file, CVDATA_CLSID);
  ASSERT_TRUE(path.has_value());
  EXPECT_TRUE(fs::equivalent(*path, CVDATA_LIBRARY));
  EXPECT_TRUE(fs::path(*path).is_absolute());

  // Registering twice keeps one entry.
  EXPECT_EQ(lib.Get<DllRegisterServerFn>("DllRegisterServer")(), CV_S_OK);
  const std::string text = Slurp(file);
  EXPECT_EQ(text.find(CVDATA_CLSID), text.rfind(CVDATA_CLSID));

  EXPECT_EQ(lib.Get<DllUnregisterServerFn>("DllUnregisterServer")(), CV_S_OK);
  EXPECT_EQ(reg::Lookup(file, CVDATA_CLSID), std::nullopt);
  // Unregistering with no registry at all is no failure.
  fs::remove(file);
  EXPECT_EQ(lib.Get<DllUnregisterServerFn>("DllUnregisterServer")(), CV_S_OK);
}

TEST_F(RegistryFile, UnwritableRegistryIsReported) {
  fs::create_directories(file);  // a folder where the file should be
  cvtest::Library lib;
  EXPECT_EQ(lib.Get<DllRegisterServerFn>("DllRegisterServer")(), CV_E_REGISTRY);
}

}  // namespace
