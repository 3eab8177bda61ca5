#pragma once
#include <array>
#include <span>
#include <string>
#include <vector>

#include "score_entry.h"

namespace cv {

constexpr size_t kNetRecSize = 134;

// A record of a player's network score file: one network opponent. Entries: 0 the
// local player's games against him, 1 the local player in the current match, 2 the
// opponent in the current match, 3 the opponent's games.
struct NetScoreRec {
  std::string name;    // trimmed, up to 20 characters
  std::string avatar;  // picture file name in the user folder, up to 50 characters
  std::array<ScoreEntry, 4> entries{};
};

NetScoreRec DecodeNetScoreRec(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeNetScoreRec(const NetScoreRec& rec);

}  // namespace cv
