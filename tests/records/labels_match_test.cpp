#include <gtest/gtest.h>

#include "records/match.h"
#include "records/player_names.h"
#include "records/slot_labels.h"
#include "support/fakes.h"

namespace cv {
namespace {

TEST(SlotLabels, ShownWithoutTheNetworkMarker) {
  EXPECT_EQ(SaveModeSlotText(std::string(30, '\0'), 3), "game  3");
  EXPECT_EQ(SaveModeSlotText("", 10), "game  10");
  EXPECT_EQ(SaveModeSlotText("^^NET 12/09/2026_16:35 Bob      ", 1), "NET 12/09/2026_16:35 Bob");
  EXPECT_EQ(ShownLabel("Tuesday game                  "), "Tuesday game");
  EXPECT_TRUE(IsNetworkSave("^^x"));
  EXPECT_FALSE(IsNetworkSave("x^^"));
}

TEST(SlotLabels, StoredLabel) {
  struct Case {
    const char* typed;
    int slot;
    bool match, net;
    const char* stored;
  };
  const Case cases[] = {
      {"", 4, true, false, "Match saved game 4"},
      {"   ", 4, false, false, "saved game 4"},
      {"Match point", 2, true, false, "Match point"},
      {"Sunday", 2, true, false, "Match Sunday"},
      {"Sunday", 2, false, true, "^^Sunday"},
      {"A description that is far longer than thirty", 1, false, false, "A description that is far long"},
  };
  for (const Case& c : cases) EXPECT_EQ(FinalSaveLabel(c.typed, c.slot, c.match, c.net), c.stored) << c.typed;
}

TEST(SlotLabels, ProposalsAndSampleNumbers) {
  EXPECT_EQ(ProposedDescription(false, "12/09/2026", "16:35", "", false), "12/09/2026_16:35");
  EXPECT_EQ(ProposedDescription(true, "12/09/2026", "16:35", "", false), "Match 12/09/2026_16:35");
  EXPECT_EQ(ProposedDescription(false, "12/09/2026", "16:35", "Bob", true), "NET 12/09/2026_16:35 Bob");
  EXPECT_EQ(SampleGameDescription(7), "Sample Game Number 7");
  EXPECT_EQ(TrailingNumber("Sample Game Number 10        "), 10);
  EXPECT_EQ(TrailingNumber("no number"), 0);
}

TEST(Match, TargetsTyped) {
  struct Case {
    const char* text;
    int points;
  };
  const Case cases[] = {{"62", 62}, {"31", 31}, {" 40.4 ", 40}, {"32767", 32767}, {"30", 0}, {"", 0},
                        {"abc", 0}, {"-50", 0}, {"32768", 0},   {"1e9", 0}};
  for (const Case& c : cases) {
    const MatchTarget t = ParseMatchTarget(c.text);
    EXPECT_EQ(t.points, c.points) << c.text;
    EXPECT_EQ(t.refusal.empty(), c.points != 0) << c.text;
  }
  EXPECT_EQ(ParseMatchTarget("30").refusal,
            "That's less than the minimum possible points for winning just one game. Enter a number 31 or higher.");
}

TEST(Match, ResumeRule) {
  struct Case {
    int16_t goal, own, other, resumed;
  };
  const Case cases[] = {{31, 0, 0, 0}, {32, 0, 0, 32}, {40, 35, 12, 40}, {40, 40, 0, 0}, {40, 10, 45, 0}, {0, 0, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(ResumableMatchGoal({3, 1, c.own, c.goal, 0}, {3, 2, c.other, 0, 0}), c.resumed) << c.goal;
}

TEST(Match, PanelTexts) {
  test::RecordingTable table;
  Match m;
  m.MatchPoints = 61;
  m.ShowMatchStart(table);
  EXPECT_EQ(table.panels[4], "Match Game:  61 points");
  EXPECT_EQ(table.panels[5], " 0 ");
  EXPECT_EQ(table.panels[7], " 0 ");
  m.ResumeFrom(table, {4, 3, 35, 40, 0}, {4, 1, 12, 0, 0});
  EXPECT_TRUE(m.MatchOn);
  EXPECT_EQ(m.MatchPoints, 40);
  EXPECT_EQ(table.panels[4], "Match Game:  40 points");
  EXPECT_EQ(table.panels[5], " 4");
  EXPECT_EQ(table.panels[6], " 35");
  EXPECT_EQ(table.panels[7], " 12");
}

TEST(PlayerNames, FileNameCharactersAreRefusedWithTheirList) {
  test::RecordingPlatform platform;
  for (const char* bad : {"Dr. Who", "What?", "a/b", "x|y", "q\"t", "c:d", "<>", "w*", "wow!", "back\\slash"}) {
    platform.boxes.clear();
    EXPECT_TRUE(CheckFileName(platform, bad)) << bad;
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0],
              "Non-standard filename character|Please do not use the following characters:  \r\n\r\n"
              "/ \\ : * . ? ! < > | \"\r\n\r\nPlease re-enter.");
  }
  platform.boxes.clear();
  EXPECT_FALSE(CheckFileName(platform, "Anna-Maria O'Neil"));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(StoredPlayerName("  A name of more than twenty letters "), "A name of more than");
  EXPECT_TRUE(SameNameIgnoringCase("bob ", "BOB"));
  EXPECT_FALSE(SameNameIgnoringCase("bob", "bobby"));
}

}  // namespace
}  // namespace cv
