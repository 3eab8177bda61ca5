#pragma once
#include <functional>
#include <string>

#include "engine/platform.h"
#include "event_pause.h"

class QWidget;

namespace cv {

// The desktop as Qt gives it: message boxes, the event loop, the clock, the settings
// store. Sounds go to whatever player the program wires in.
class QtPlatform : public Platform {
 public:
  void Pause(double seconds) override { pause_.Pause(seconds); }
  // Ends every pause under way at once (a close was asked for).
  void InterruptPauses() { pause_.Interrupt(); }
  void ProcessEvents() override;

  void MessageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  void Beep() override;

  void PlaySoundFile(const std::string& path) override {
    if (playSound) playSound(path);
  }
  void StopSound() override {
    if (stopSound) stopSound();
  }

  double Now() override;
  uint64_t ClockSeed() override;

  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view fallback) override;
  void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;

  // The window message boxes belong to.
  QWidget* parent = nullptr;
  std::function<void(const std::string&)> playSound;
  std::function<void()> stopSound;

 private:
  EventPause pause_;
};

}  // namespace cv
