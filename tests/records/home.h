#pragma once
// A program folder of its own for each test: Data/ with a fresh player file, user/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/fresh_players.h"

namespace cv::test {

class TempHome {
 public:
  TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvalle-records-XXXXXX").string();
    path = mkdtemp(pattern.data());
    std::filesystem::create_directories(path + "/Data");
    std::filesystem::create_directories(path + "/user");
    EXPECT_EQ(WriteFreshPlayersFile(path + "/Data/players.sav"), "");
  }
  ~TempHome() {
    std::error_code ec;
    std::filesystem::permissions(path + "/Data", std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path, ec);
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  std::string Data(const std::string& file) const { return path + "/Data/" + file; }

  std::string path;
};

inline std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void SetFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Hand-built little-endian fields for golden bytes.
inline void Le16(std::vector<uint8_t>& b, size_t at, int v) {
  b[at] = static_cast<uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}
inline void Le32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void Text(std::vector<uint8_t>& b, size_t at, size_t size, const std::string& s) {
  for (size_t i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(i < s.size() ? s[i] : ' ');
}

}  // namespace cv::test
