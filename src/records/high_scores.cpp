#include "high_scores.h"

#include "bytes.h"
#include "engine/game_rec.h"

namespace cv {
namespace {
constexpr size_t kDateAt = 0, kNameAt = 8, kNameSize = 20, kScoreAt = 28, kTimeAt = 30;
}  // namespace

HighScoreRec DecodeHighScoreRec(std::span<const uint8_t> b) {
  return {GetDate(b, kDateAt), GetText(b, kNameAt, kNameSize), Get16(b, kScoreAt), GetDate(b, kTimeAt)};
}

std::vector<uint8_t> EncodeHighScoreRec(const HighScoreRec& r) {
  std::vector<uint8_t> out(kHighScoreRecSize, 0);
  PutDate(out, kDateAt, r.date);
  PutText(out, kNameAt, kNameSize, r.name);
  Put16(out, kScoreAt, r.score);
  PutDate(out, kTimeAt, r.time);
  return out;
}

int HighScorePlace(std::span<const HighScoreRec> table, const HighScoreRec& entry) {
  // Times compare in whole seconds: the stored doubles come from different sums.
  const int seconds = TimeOfDaySeconds(entry.time);
  for (size_t i = 0; i < table.size() && i < kHighScoreCount; ++i) {
    const HighScoreRec& r = table[i];
    if (r.score < entry.score || (r.score == entry.score && TimeOfDaySeconds(r.time) >= seconds))
      return static_cast<int>(i) + 1;
  }
  return 0;
}

int InsertHighScore(std::vector<HighScoreRec>& table, const HighScoreRec& entry) {
  table.resize(kHighScoreCount);
  const int place = HighScorePlace(table, entry);
  if (place == 0) return 0;
  table.insert(table.begin() + (place - 1), entry);
  table.resize(kHighScoreCount);
  return place;
}

}  // namespace cv
