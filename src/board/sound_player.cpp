#include "sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace cv {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), hasOutput_(!QMediaDevices::audioOutputs().isEmpty()) {}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::Play(const QString& path) {
  Stop();
  if (!hasOutput_ || !QFileInfo(path).isFile()) return false;
  // A fresh effect per sound: it loads in the background and starts once loaded.
  current_ = std::make_unique<QSoundEffect>();
  current_->setSource(QUrl::fromLocalFile(path));
  current_->play();
  return true;
}

void SoundPlayer::Stop() {
  if (current_) current_->stop();
  current_.reset();
}

}  // namespace cv
