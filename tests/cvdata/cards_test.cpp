#include <gtest/gtest.h>

#include <string>

#include "library.h"

namespace {

class CardsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.Loaded()) << dlerror();
    auto create = lib.Get<DllGetClassObjectFn>("DllGetClassObject");
    ASSERT_NE(create, nullptr);
    ASSERT_EQ(create(CVDATA_CLSID, CVDATA_IID, &cards), CV_S_OK);
    ASSERT_NE(cards, nullptr);
  }
  void TearDown() override {
    if (cards) cards->lpVtbl->Release(cards);
  }

  const CvPicture* Face(int16_t index, CvResult expect) {
    const CvPicture* pic = reinterpret_cast<const CvPicture*>(1);
    EXPECT_EQ(cards->lpVtbl->SetCardImage(cards, index, &pic), expect) << "face " << index;
    return pic;
  }
  const CvPicture* Back(int16_t index, bool small, CvResult expect) {
    const CvPicture* pic = reinterpret_cast<const CvPicture*>(1);
    EXPECT_EQ(cards->lpVtbl->SetCardBack(cards, index, small ? -1 : 0, &pic), expect) << "back " << index;
    return pic;
  }
  std::string Error() { return cards->lpVtbl->GetErrorDescription(cards); }

  cvtest::Library lib;
  clsCards* cards = nullptr;
};

TEST_F(CardsTest, CountsAreFixedBeforeAndAfterPictures) {
  int16_t decks = 0, backs = 0;
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(cards->lpVtbl->GetNumberOfDecks(cards, &decks), CV_S_OK);
    ASSERT_EQ(cards->lpVtbl->GetNumberOfBacks(cards, &backs), CV_S_OK);
    EXPECT_EQ(decks, 2);
    EXPECT_EQ(backs, 9);
    Face(1, CV_S_OK);
  }
}

TEST_F(CardsTest, FaceSheetsHaveTheSheetSizeAndRealPixels) {
  for (int16_t i : {0, 1}) {
    const CvPicture* pic = Face(i, CV_S_OK);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->Width, 927);
    EXPECT_EQ(pic->Height, 394);
    ASSERT_NE(pic->Pixels, nullptr);
    // The middle of the Ace of clubs cell is card, not blank margin.
    EXPECT_EQ(pic->Pixels[48 * 927 + 36] >> 24, 0xFFu);
  }
  EXPECT_NE(Face(0, CV_S_OK)->Pixels, Face(1, CV_S_OK)->Pixels);
}

TEST_F(CardsTest, FaceIndexOutsideZeroAndOneFails) {
  for (int16_t bad : {2, -1, 32767, -32768}) {
    EXPECT_EQ(Face(bad, CV_E_STYLE), nullptr);
    EXPECT_EQ(Error(), "Card Face style doesn't exist");
  }
  EXPECT_EQ(static_cast<uint32_t>(CV_E_STYLE), 0x80047D90u);
  EXPECT_EQ(CV_E_STYLE, -2147189360);
}

TEST_F(CardsTest, BacksAndEmptySmallSlots) {
  for (int16_t i = 0; i <= 8; ++i) {
    const CvPicture* big = Back(i, false, CV_S_OK);
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->Width, 71);
    EXPECT_EQ(big->Height, 96);
    EXPECT_NE(big->Pixels, nullptr);
    const CvPicture* small = Back(i, true, CV_S_OK);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Width, 0);
    EXPECT_EQ(small->Height, 0);
    EXPECT_EQ(small->Pixels, nullptr);
  }
}

TEST_F(CardsTest, BackIndexOutsideZeroToEightFails) {
  for (auto [index, small] : {std::pair<int16_t, bool>{9, false}, {-1, true}, {-1, false}, {20, true}}) {
    EXPECT_EQ(Back(index, small, CV_E_STYLE), nullptr);
    EXPECT_EQ(Error(), "Card Back style doesn't exist");
  }
}

TEST_F(CardsTest, CompanionColours) {
  const uint32_t expected[9] = {0xE0E0E0, 0x000080, 0xC0E0FF, 0x80C0FF, 0xE0E0E0,
                                0xC0C0C0, 0x004000, 0x004000, 0xE0E0E0};
  for (int16_t i = 0; i < 9; ++i) {
    uint32_t colour = 1;
    ASSERT_EQ(cards->lpVtbl->GetBackColor(cards, i, &colour), CV_S_OK);
    EXPECT_EQ(colour, expected[i]) << i;
  }
  uint32_t colour = 1;
  EXPECT_EQ(cards->lpVtbl->GetBackColor(cards, 3, &colour), CV_S_OK);
  EXPECT_EQ(colour & 0xFF, 255u);  // red in the low byte
  EXPECT_EQ(colour >> 8 & 0xFF, 192u);
  EXPECT_EQ(colour >> 16 & 0xFF, 128u);
  for (int16_t bad : {9, -1}) {
    colour = 1;
    EXPECT_LT(cards->lpVtbl->GetBackColor(cards, bad, &colour), 0);
    EXPECT_EQ(colour, 0u);
    EXPECT_NE(Error(), "");
  }
}

TEST_F(CardsTest, CardNames) {
  struct Case {
    int16_t x;
    const char* suit;
    const char* value;
  };
  const Case cases[] = {
      {0, "SPADES", "ACE"},   {1, "SPADES", " 2"},    {9, "SPADES", " 10"},     {10, "SPADES", "JACK"},
      {11, "SPADES", "QUEEN"}, {12, "SPADES", "KING"}, {13, "CLUBS", "ACE"},     {26, "DIAMONDS", "ACE"},
      {51, "HEARTS", "KING"},  {52, "", "ACE"},        {-1, "SPADES", ""},       {-5, "SPADES", ""},
      {-13, "", "ACE"},        {-14, "", ""},          {32767, "", " 8"},       {-32768, "", ""},
  };
  for (const Case& c : cases) {
    const char* suit = nullptr;
    const char* value = nullptr;
    ASSERT_EQ(cards->lpVtbl->GetCardSuit(cards, c.x, &suit), CV_S_OK);
    ASSERT_EQ(cards->lpVtbl->GetCardValue(cards, c.x, &value), CV_S_OK);
    EXPECT_STREQ(suit, c.suit) << c.x;
    EXPECT_STREQ(value, c.value) << c.x;
  }
}

TEST_F(CardsTest, NullOutParametersAreRefused) {
  EXPECT_EQ(cards->lpVtbl->GetNumberOfDecks(cards, nullptr), CV_E_POINTER);
  EXPECT_EQ(cards->lpVtbl->SetCardImage(cards, 0, nullptr), CV_E_POINTER);
  EXPECT_EQ(cards->lpVtbl->GetCardSuit(cards, 0, nullptr), CV_E_POINTER);
}

TEST(CvdataLibrary, ClassObjectOnlyForOurIdentifiers) {
  cvtest::Library lib;
  ASSERT_TRUE(lib.Loaded());
  auto create = lib.Get<DllGetClassObjectFn>("DllGetClassObject");
  auto canUnload = lib.Get<DllCanUnloadNowFn>("DllCanUnloadNow");
  clsCards* cards = reinterpret_cast<clsCards*>(1);
  EXPECT_EQ(create("{00000000-0000-0000-0000-000000000000}", CVDATA_IID, &cards), CV_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(cards, nullptr);
  EXPECT_EQ(create(CVDATA_CLSID, "{00000000-0000-0000-0000-000000000000}", &cards), CV_E_NOINTERFACE);
  EXPECT_EQ(create(nullptr, CVDATA_IID, &cards), CV_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(create(CVDATA_CLSID, CVDATA_IID, nullptr), CV_E_POINTER);

  EXPECT_EQ(canUnload(), CV_S_OK);
  std::string lower = CVDATA_CLSID;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  ASSERT_EQ(create(lower.c_str(), CVDATA_IID, &cards), CV_S_OK);
  EXPECT_EQ(canUnload(), CV_S_FALSE);
  cards->lpVtbl->AddRef(cards);
  EXPECT_EQ(cards->lpVtbl->Release(cards), 1u);
  EXPECT_EQ(canUnload(), CV_S_FALSE);
  EXPECT_EQ(cards->lpVtbl->Release(cards), 0u);
  EXPECT_EQ(canUnload(), CV_S_OK);
}

TEST(CvdataLibrary, VersionInformation) {
  cvtest::Library lib;
  ASSERT_TRUE(lib.Loaded());
  const CvVersionInfo* info = lib.Get<DllGetVersionInfoFn>("DllGetVersionInfo")();
  EXPECT_STREQ(info->ProductName, "Corvalle data");
  EXPECT_STREQ(info->FileVersion, "1.00");
  EXPECT_STREQ(info->ProductVersion, "1.00");
  EXPECT_STREQ(info->InternalName, "cvdata");
  EXPECT_EQ(info->SelfRegister, 1);
}

}  // namespace
