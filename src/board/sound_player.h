#pragma once
#include <QObject>
#include <QString>
#include <memory>

class QSoundEffect;

namespace cv {

// Plays one sound file at a time, without waiting: a new sound replaces the one still
// playing. A missing file, an unreadable one or a machine without an audio device is
// never an error and never holds the game up; Play then says false.
class SoundPlayer : public QObject {
 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  bool Play(const QString& path);
  void Stop();
  // Whether the machine has somewhere to play sounds; looked up once.
  bool HasOutput() const { return hasOutput_; }

 private:
  bool hasOutput_;
  std::unique_ptr<QSoundEffect> current_;
};

}  // namespace cv
