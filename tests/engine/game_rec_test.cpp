#include "engine/game_rec.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/deal.h"
#include "support/positions.h"

namespace cv {
namespace {

uint16_t At(const GameRecBytes& b, int offset) { return static_cast<uint16_t>(b[offset] | (b[offset + 1] << 8)); }

GameState DealtPosition() {
  GameState s;
  Rng rng;
  rng.Seed(5);
  ShuffleDecks(s, rng);
  DealDecks(s, false);
  s.ReserveDown = {12, 7};
  s.Turn = 2;
  return s;
}

}  // namespace

TEST(GameRec, FieldsSitAtTheirOffsets) {
  GameState s;
  s.Turn = 2;
  test::SetReserve(s, 0, {5, 6, 7}, 2);
  test::SetReserve(s, 1, {40}, 0);
  test::SetStock(s, 1, {9, 10});
  test::SetWaste(s, 0, {30});
  test::SetTableau(s, 8, {13, 12});
  test::SetCenter(s, 3, {27});
  s.ReserveDown[1] = 0;
  GameRec rec;
  SaveGameRec(rec, s, "00:05:07");
  rec.label = "^^Tuesday";
  const GameRecBytes b = EncodeGameRec(rec);

  ASSERT_EQ(b.size(), 1852u);
  EXPECT_EQ(At(b, 0), 2);                      // Turn
  EXPECT_EQ(At(b, 2), 3);                      // ReserveCnt(0)
  EXPECT_EQ(At(b, 4), 1);                      // ReserveCnt(1)
  EXPECT_EQ(At(b, 8), 2);                      // StockCnt(1)
  EXPECT_EQ(At(b, 10), 1);                     // WasteCnt(0)
  EXPECT_EQ(At(b, 14 + 2 * 8), 2);             // TableauCnt(8)
  EXPECT_EQ(At(b, 32 + 2 * 3), 1);             // CenterCnt(3)
  EXPECT_EQ(At(b, 50 + (0 + 2 * 3) * 2), 7);   // Reserve(0, 3)
  EXPECT_EQ(At(b, 50 + (1 + 2 * 1) * 2), 40);  // Reserve(1, 1)
  EXPECT_EQ(At(b, 470 + (1 + 2 * 2) * 2), 10); // Stock(1, 2)
  EXPECT_EQ(At(b, 890 + (0 + 2 * 1) * 2), 30); // Waste(0, 1)
  EXPECT_EQ(At(b, 1310 + (8 + 9 * 2) * 2), 12);  // Tableau(8, 2)
  EXPECT_EQ(At(b, 1562 + (3 + 9 * 1) * 2), 27);  // Center(3, 1)
  EXPECT_EQ(At(b, 1310), 2);                   // ReserveDown(0) in Tableau(0, 0)
  EXPECT_EQ(At(b, 1312), 0);                   // ReserveDown(1) in Tableau(0, 1)
  EXPECT_EQ(std::memcmp(b.data() + 1814, "^^Tuesday                     ", 30), 0);
  double elapsed;
  std::memcpy(&elapsed, b.data() + 1844, 8);
  EXPECT_NEAR(elapsed * 86400, 307, 1e-6);
}

TEST(GameRec, RoundTripKeepsTheWholePosition) {
  const GameState s = DealtPosition();
  GameRec rec;
  SaveGameRec(rec, s, " 00:42:10 ");
  rec.label = "game  3";
  const GameRec back = DecodeGameRec(EncodeGameRec(rec));
  GameState loaded;
  loaded.StockUp = true;
  loaded.TurnCount = 9;
  const LoadedGameRec l = LoadGameRec(back, loaded);
  EXPECT_EQ(loaded.Reserve, s.Reserve);
  EXPECT_EQ(loaded.Stock, s.Stock);
  EXPECT_EQ(loaded.Tableau, s.Tableau);
  EXPECT_EQ(loaded.ReserveCnt, s.ReserveCnt);
  EXPECT_EQ(loaded.ReserveDown, s.ReserveDown);
  EXPECT_EQ(loaded.Turn, 2);
  EXPECT_TRUE(loaded.StockUp);  // not part of the record
  EXPECT_EQ(loaded.TurnCount, 9);
  EXPECT_EQ(TimeOfDaySeconds(l.elapsed), 42 * 60 + 10);
  EXPECT_EQ(l.msg, "game  3" + std::string(23, ' '));
}

TEST(GameRec, StoredReserveDownZeroMeansAllButTheTop) {
  GameState s;
  test::SetReserve(s, 0, {1, 2, 3, 4});
  test::SetReserve(s, 1, {});
  GameRec rec;
  SaveGameRec(rec, s, "");
  GameState loaded;
  LoadGameRec(rec, loaded);
  EXPECT_EQ(loaded.ReserveDown[0], 3);
  EXPECT_EQ(loaded.ReserveDown[1], 0);  // an empty Reserve does not go to -1
}

TEST(GameRec, NetworkMarkIsDroppedFromTheMessage) {
  GameRec rec;
  rec.label = "^^saved online";
  GameState s;
  EXPECT_EQ(LoadGameRec(rec, s).msg, "saved online");
}

TEST(GameRec, ElapsedTextThatIsNoTimeOfDayIsStoredAsZero) {
  struct Case { const char* text; double seconds; };
  for (const Case c : {Case{"00:05:07", 307}, {"23:59:59", 86399}, {"00:75:03", 0}, {"", 0}, {"12:00", 43200},
                       {"ab:cd:ef", 0}, {"1:2:3:4", 0}, {"24:00:00", 0}}) {
    GameRec rec;
    SaveGameRec(rec, GameState{}, c.text);
    EXPECT_NEAR(rec.elapsed * 86400, c.seconds, 1e-6) << c.text;
  }
}

TEST(GameRec, DamagedElapsedBytesReadAsZero) {
  GameRecBytes b{};
  for (int i = 1844; i < 1852; ++i) b[i] = 0xFF;  // a NaN
  EXPECT_EQ(DecodeGameRec(b).elapsed, 0.0);
}

}  // namespace cv
