#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace cv {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// What the desktop gives the game flow.
class Platform {
 public:
  virtual ~Platform() = default;

  // Waits while window events go on; the caller does not call it while closing.
  virtual void Pause(double seconds) = 0;
  // Lets pending window events run.
  virtual void ProcessEvents() = 0;

  virtual void MessageBox(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  virtual bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  virtual void Beep() = 0;

  // Starts a sound file without waiting; a missing file is no error.
  virtual void PlaySoundFile(const std::string& path) = 0;
  virtual void StopSound() = 0;

  // Local date and time as a date serial (days since 1899-12-30).
  virtual double Now() = 0;
  // A seed taken from the clock.
  virtual uint64_t ClockSeed() = 0;

  // The per-user settings store (application, section, key).
  virtual std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                 std::string_view fallback) = 0;
  virtual void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

}  // namespace cv
