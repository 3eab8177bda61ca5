#include <gtest/gtest.h>

#include "home.h"
#include "records/fresh_players.h"
#include "records/high_scores.h"
#include "records/net_rec.h"
#include "records/player_rec.h"

namespace cv {
namespace {

using test::Le16;
using test::Le32;
using test::Text;

std::vector<uint8_t> PlayerBytes() {
  std::vector<uint8_t> b(154, 0);
  Text(b, 0, 20, "Anna");
  Le16(b, 20, 16);
  Text(b, 22, 40, "Wood.gif");
  Le16(b, 62, 1003);
  Le16(b, 64, 5);
  Le16(b, 66, 120);
  b[68] = 0xAB, b[69] = 0xCD;  // reserved
  Le16(b, 70, -1);
  Le16(b, 72, 2);
  Le16(b, 74, 3);
  Le16(b, 76, 7);
  Le32(b, 78, 0x00FF00);
  Le32(b, 82, 11770189);
  for (int i = 86; i < 90; ++i) b[i] = static_cast<uint8_t>(i);  // reserved
  Le16(b, 90, -1);
  for (int i = 92; i < 106; ++i) b[i] = 0x5A;  // reserved
  const int entries[3][4] = {{12, 7, 300, 0}, {3, 2, 80, 61}, {3, 1, 40, 0}};
  for (int e = 0; e < 3; ++e)
    for (int f = 0; f < 4; ++f) Le16(b, 106 + 16 * e + 2 * f, entries[e][f]);
  return b;
}

TEST(PlayerRecord, FieldsAtTheirOffsets) {
  const PlayerRec r = DecodePlayerRec(PlayerBytes());
  EXPECT_EQ(r.name, "Anna");
  EXPECT_EQ(r.prefs.FontSize, 16);
  EXPECT_EQ(r.prefs.BackgroundName, "Wood.gif");
  EXPECT_EQ(r.prefs.Structure, 1003);
  EXPECT_EQ(r.prefs.SpeedIndex, 5);
  EXPECT_EQ(r.prefs.AnimSteps, 120);
  EXPECT_EQ(r.prefs.IntroOff, -1);
  EXPECT_EQ(r.prefs.Sound, 2);
  EXPECT_EQ(r.prefs.FaceStyle, 3);
  EXPECT_EQ(r.prefs.BackStyle, 7);
  EXPECT_EQ(r.prefs.FontColor, 0x00FF00u);
  EXPECT_EQ(r.prefs.BoardColor, 11770189u);
  EXPECT_EQ(r.prefs.EmptyStyle, -1);
  EXPECT_EQ(r.entries[0], (ScoreEntry{12, 7, 300, 0, 0.0}));
  EXPECT_EQ(r.entries[1], (ScoreEntry{3, 2, 80, 61, 0.0}));
  EXPECT_EQ(r.entries[2], (ScoreEntry{3, 1, 40, 0, 0.0}));
  EXPECT_EQ(EncodePlayerRec(r), PlayerBytes());
}

TEST(PlayerRecord, ChangedFieldsLeaveTheReservedBytesAsRead) {
  PlayerRec r = DecodePlayerRec(PlayerBytes());
  r.name = "A much longer name than fits";
  r.prefs.BackgroundName = "None";
  r.prefs.Structure = 1001;
  r.entries[1] = ScoreEntry{};
  std::vector<uint8_t> expected = PlayerBytes();
  Text(expected, 0, 20, "A much longer name t");
  Text(expected, 22, 40, "None");
  Le16(expected, 62, 1001);
  for (int i = 122; i < 138; ++i) expected[i] = 0;
  EXPECT_EQ(EncodePlayerRec(r), expected);
}

TEST(PlayerRecord, ShortOrNeverWrittenBytesReadAsZerosAndBlanks) {
  std::vector<uint8_t> partial = PlayerBytes();
  partial.resize(70);  // a file cut off inside the record
  const PlayerRec r = DecodePlayerRec(partial);
  EXPECT_EQ(r.name, "Anna");
  EXPECT_EQ(r.prefs.AnimSteps, 120);
  EXPECT_EQ(r.prefs.IntroOff, 0);
  EXPECT_EQ(r.entries[0], ScoreEntry{});
  EXPECT_EQ(DecodePlayerRec(std::vector<uint8_t>(154, 0)).name, "");
}

TEST(ProgramRecord, LastPlayerAndWindowInTheirFields) {
  std::vector<uint8_t> b(154, 0);
  Text(b, 0, 20, "reserved stays");
  Le16(b, 64, 3);
  Le16(b, 122, 9000);   // height
  Le16(b, 124, 150);    // left
  Le16(b, 126, 300);    // top
  Le16(b, 128, 12000);  // width
  const ProgramRec r = DecodeProgramRec(b);
  EXPECT_EQ(r.lastPlayer, 3);
  EXPECT_EQ(r.window, (WindowGeometry{9000, 150, 300, 12000}));
  EXPECT_EQ(EncodeProgramRec(r), b);

  // A window wider than 16 bits of twips hold is not stored wrapped round.
  ProgramRec wide = r;
  wide.window = {16000, 0, 0, 38400};
  std::vector<uint8_t> expected = b;
  for (int i = 122; i < 130; ++i) expected[i] = 0;
  EXPECT_EQ(EncodeProgramRec(wide), expected);
}

TEST(NetScoreRecord, FieldsAtTheirOffsets) {
  std::vector<uint8_t> b(134, 0);
  Text(b, 0, 20, "Bob");
  Text(b, 20, 50, "bob.jpg");
  const int entries[4][4] = {{9, 5, 250, 0}, {2, 1, 45, 90}, {2, 1, 50, 0}, {9, 4, 200, 0}};
  for (int e = 0; e < 4; ++e)
    for (int f = 0; f < 4; ++f) Le16(b, 70 + 16 * e + 2 * f, entries[e][f]);
  const NetScoreRec r = DecodeNetScoreRec(b);
  EXPECT_EQ(r.name, "Bob");
  EXPECT_EQ(r.avatar, "bob.jpg");
  EXPECT_EQ(r.entries[1], (ScoreEntry{2, 1, 45, 90, 0.0}));
  EXPECT_EQ(r.entries[3], (ScoreEntry{9, 4, 200, 0, 0.0}));
  EXPECT_EQ(EncodeNetScoreRec(r), b);
}

TEST(HighScoreRecord, FieldsAtTheirOffsets) {
  std::vector<uint8_t> b(38, 0);
  const uint8_t day[8] = {0, 0, 0, 0, 0, 0x76, 0xE6, 0x40};   // 46000.0
  const uint8_t noon[8] = {0, 0, 0, 0, 0, 0, 0xE0, 0x3F};     // 0.5: 12:00:00
  std::copy(day, day + 8, b.begin());
  Text(b, 8, 20, "Anna");
  Le16(b, 28, 61);
  std::copy(noon, noon + 8, b.begin() + 30);
  const HighScoreRec r = DecodeHighScoreRec(b);
  EXPECT_EQ(r, (HighScoreRec{46000.0, "Anna", 61, 0.5}));
  EXPECT_EQ(EncodeHighScoreRec(r), b);

  // A date field holding no number (a damaged file) reads as 0.
  std::fill(b.begin(), b.begin() + 8, 0xFF);
  EXPECT_EQ(DecodeHighScoreRec(b).date, 0.0);
}

TEST(FreshPlayerFile, EmptyPlayersAndProgramRecordThenTheComputersDefaults) {
  test::TempHome home;
  const std::string path = home.Data("fresh.sav");
  ASSERT_EQ(WriteFreshPlayersFile(path), "");
  const auto bytes = test::FileBytes(path);
  ASSERT_EQ(bytes.size(), 12u * 154u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 11 * 154), std::vector<uint8_t>(11 * 154, 0));
  std::vector<uint8_t> computer(154, 0);
  Text(computer, 0, 20, "Corvalle");
  Le16(computer, 20, 14);                  // font size
  Text(computer, 22, 40, "MarbleGrey.gif");
  Le16(computer, 62, 1001);                // structure
  Le16(computer, 64, 3);                   // speed "quick"
  Le16(computer, 66, 45);                  // animation steps
  Le16(computer, 70, 0);                   // intro on
  Le16(computer, 72, 0);                   // sounds on, wood
  Le16(computer, 74, 1);                   // built-in faces
  Le16(computer, 76, 0);                   // built-in back
  Le32(computer, 78, 0);                   // black text
  Le32(computer, 82, 11770189);            // mat colour
  Le16(computer, 90, 0);                   // metal empty piles
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 11 * 154, bytes.end()), computer);
  EXPECT_NE(WriteFreshPlayersFile(home.path + "/no/such/folder/players.sav"), "");
}

}  // namespace
}  // namespace cv
