#include "net_rec.h"

#include "bytes.h"

namespace cv {
namespace {
constexpr size_t kNameAt = 0, kNameSize = 20, kAvatarAt = 20, kAvatarSize = 50, kEntriesAt = 70;
}  // namespace

NetScoreRec DecodeNetScoreRec(std::span<const uint8_t> b) {
  NetScoreRec r;
  r.name = GetText(b, kNameAt, kNameSize);
  r.avatar = GetText(b, kAvatarAt, kAvatarSize);
  for (size_t i = 0; i < r.entries.size(); ++i) r.entries[i] = DecodeScoreEntry(b, kEntriesAt + i * kScoreEntrySize);
  return r;
}

std::vector<uint8_t> EncodeNetScoreRec(const NetScoreRec& r) {
  std::vector<uint8_t> out(kNetRecSize, 0);
  PutText(out, kNameAt, kNameSize, r.name);
  PutText(out, kAvatarAt, kAvatarSize, r.avatar);
  for (size_t i = 0; i < r.entries.size(); ++i) EncodeScoreEntry(r.entries[i], out, kEntriesAt + i * kScoreEntrySize);
  return out;
}

}  // namespace cv
