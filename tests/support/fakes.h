#pragma once
// Recording fakes of the board and the desktop: every call is kept for the test to
// read back, answers are scripted, the clock is virtual and pauses are instant.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/platform.h"
#include "engine/table.h"

namespace cv::test {

struct ShownCard {
  PileKind kind;
  int index;
  Card card;
  bool empty;
};

struct Flight {
  PileKind fromKind;
  int fromIndex;
  PileKind toKind;
  int toIndex;
  UnderCard under;
};

class RecordingTable : public Table {
 public:
  void ShowCard(PileKind kind, int index, Card card, bool empty) override { shown.push_back({kind, index, card, empty}); }
  void FlyCard(PileKind fk, int fi, PileKind tk, int ti, UnderCard under) override { flights.push_back({fk, fi, tk, ti, under}); }
  void BringToFront(PileKind, int) override {}
  void SetCountLabel(PileKind kind, int index, std::string_view text) override {
    counts[std::string(PileKindName(kind)) + std::to_string(index)] = text;
  }
  void SetMessage(std::string_view text) override { message = text; }
  std::string Message() const override { return message; }
  void SetTurnLabel(std::string_view text) override { turnLabel = text; }
  void ShowTurnMarker(int side, bool visible) override { turnMarker[side] = visible; }
  void ShowFrameMarker(int index, bool visible) override { frameMarker[index] = visible; }
  void SetStatusPanel(int panel, std::string_view text) override { panels[panel] = text; }
  void EnablePiles(bool enabled) override { pilesEnabled = enabled; }
  void ShowDealButton(bool visible) override { dealButton = visible; }
  bool DealButtonVisible() const override { return dealButton; }
  void MarkWinningStock(int owner) override { winningStock = owner; }
  void ClearBoard() override { ++clears; }
  void CloseBoard() override { closed = true; }
  void RunGameClock(bool running) override { clockRunning = running; }

  std::string CountLabel(PileKind kind, int index) const {
    const auto it = counts.find(std::string(PileKindName(kind)) + std::to_string(index));
    return it == counts.end() ? "" : it->second;
  }

  std::vector<ShownCard> shown;
  std::vector<Flight> flights;
  std::map<std::string, std::string> counts;
  std::string message, turnLabel;
  std::map<int, bool> turnMarker, frameMarker;
  std::map<int, std::string> panels;
  bool pilesEnabled = true, dealButton = false, closed = false, clockRunning = false;
  int winningStock = -1, clears = 0;
};

class RecordingPlatform : public Platform {
 public:
  void Pause(double seconds) override {
    pauses.push_back(seconds);
    now += seconds / 86400.0;
  }
  void ProcessEvents() override {}
  void MessageBox(std::string_view text, std::string_view title, MessageIcon) override {
    boxes.push_back(std::string(title) + "|" + std::string(text));
  }
  bool AskYesNo(std::string_view text, std::string_view, MessageIcon) override {
    questions.emplace_back(text);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void Beep() override { ++beeps; }
  void PlaySoundFile(const std::string& path) override { sounds.push_back(path); }
  void StopSound() override {}
  double Now() override { return now; }
  uint64_t ClockSeed() override { return clockSeed; }
  std::string GetSetting(std::string_view, std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    const auto it = settings.find(std::string(section) + "/" + std::string(key));
    return it == settings.end() ? std::string(fallback) : it->second;
  }
  void SaveSetting(std::string_view, std::string_view section, std::string_view key, std::string_view value) override {
    settings[std::string(section) + "/" + std::string(key)] = value;
  }

  std::vector<double> pauses;
  std::vector<std::string> boxes, questions, sounds;
  std::deque<bool> answers;
  std::map<std::string, std::string> settings;
  double now = 46000.25;
  uint64_t clockSeed = 7;
  int beeps = 0;
};

// The game's hooks, noting who won and which backups were asked for.
class RecordingHooks : public GameHooks {
 public:
  void FinishGame(Game& g, int w) override {
    winner = w;
    GameHooks::FinishGame(g, w);
  }
  void SaveTurnBackup(Game&) override { ++turnBackups; }
  void WriteUndoRecord(Game&, int step, const GameRec&) override { undoSteps.push_back(step); }

  int winner = -1;
  int turnBackups = 0;
  std::vector<int> undoSteps;
};

}  // namespace cv::test
