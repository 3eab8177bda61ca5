#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "engine/platform.h"
#include "engine/table.h"

namespace cv {

// A board that shows nothing: for games played without a window.
class NullTable : public Table {
 public:
  void ShowCard(PileKind, int, Card, bool) override {}
  void FlyCard(PileKind, int, PileKind, int, UnderCard) override {}
  void BringToFront(PileKind, int) override {}
  void SetCountLabel(PileKind, int, std::string_view) override {}
  void SetMessage(std::string_view text) override { message_ = text; }
  std::string Message() const override { return message_; }
  void SetTurnLabel(std::string_view) override {}
  void ShowTurnMarker(int, bool) override {}
  void ShowFrameMarker(int, bool) override {}
  void SetStatusPanel(int, std::string_view) override {}
  void EnablePiles(bool) override {}
  void ShowDealButton(bool visible) override { dealButton_ = visible; }
  bool DealButtonVisible() const override { return dealButton_; }
  void MarkWinningStock(int) override {}
  void ClearBoard() override {}
  void CloseBoard() override {}

 private:
  std::string message_;
  bool dealButton_ = false;
};

// A desktop with a virtual clock: pauses return at once and move the clock on, and
// the clock seeds are drawn from a fixed seed, so a run repeats exactly.
class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(uint64_t seed = 0) : seed_(seed) {}

  void Pause(double seconds) override { now_ += seconds / 86400.0; }
  void ProcessEvents() override {}
  // Nobody to click a message away: it goes to the error output.
  void MessageBox(std::string_view text, std::string_view title, MessageIcon) override;
  bool AskYesNo(std::string_view, std::string_view, MessageIcon) override { return true; }
  void Beep() override {}
  void PlaySoundFile(const std::string&) override {}
  void StopSound() override {}
  double Now() override { return now_; }
  uint64_t ClockSeed() override;
  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view fallback) override;
  void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;

 private:
  uint64_t seed_;
  uint64_t draws_ = 0;
  double now_ = 46000.5;  // a fixed day at noon
  std::map<std::string, std::string> settings_;
};

}  // namespace cv
