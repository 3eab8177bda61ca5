#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cv {

constexpr size_t kHighScoreRecSize = 38;
constexpr int kHighScoreCount = 20;

// One line of the high-score table.
struct HighScoreRec {
  double date = 0.0;  // the day the score was made
  std::string name;   // trimmed, up to 20 characters
  int16_t score = 0;
  double time = 0.0;  // playing time as a time of day

  friend bool operator==(const HighScoreRec&, const HighScoreRec&) = default;
};

HighScoreRec DecodeHighScoreRec(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeHighScoreRec(const HighScoreRec& rec);

// Where a score enters the table (best first): the first line with a lower score, or
// with the same score and an equal or longer playing time. 0 when it does not enter.
int HighScorePlace(std::span<const HighScoreRec> table, const HighScoreRec& entry);

// Puts the entry at its place, moving the lines below it down and dropping the last.
// Returns the place (0: the table is unchanged).
int InsertHighScore(std::vector<HighScoreRec>& table, const HighScoreRec& entry);

}  // namespace cv
