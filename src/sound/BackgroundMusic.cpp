#include "sound/BackgroundMusic.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

#include "ui/Prompts.h"

BackgroundMusic::BackgroundMusic(std::unique_ptr<MidiPlayer> player, QString musicFile,
                                 std::function<bool()> musicPresent, std::function<SoundState()> soundState)
    : player_(std::move(player)),
      file_(std::move(musicFile)),
      present_(std::move(musicPresent)),
      state_(std::move(soundState)) {
  // The player reports late failures on the GUI thread, where this object lives.
  if (player_)
    player_->setFailureHandler([this](const QString& error) {
      if (playing_) fail(error);
    });
}

BackgroundMusic::~BackgroundMusic() {
  if (player_) {
    player_->setFailureHandler(nullptr);
    closePlayer();
  }
}

void BackgroundMusic::startMusic() {
  // Decided once, at the start of play: sound enabled later in the game brings
  // no music to this game.
  if (!player_ || !present_ || !present_() || !state_ || state_() != SoundState::Enabled) return;
  if (playing_) closePlayer();
  playing_ = true;
  QString error;
  if (!player_->open(file_, error)) {
    fail(error);
    return;
  }
  player_->play();
}

void BackgroundMusic::stopMusic() {
  if (!playing_) return;
  player_->stop();
  closePlayer();
  playing_ = false;
}

QString BackgroundMusic::previewFile() const {
  const QFileInfo tune(file_);
  return tune.dir().filePath(tune.completeBaseName() + QStringLiteral("-preview.") + tune.suffix());
}

bool BackgroundMusic::previewTune(const QByteArray& midi, QString& error) {
  if (!player_ || file_.isEmpty()) {
    error = QCoreApplication::translate("BackgroundMusic", "There is no tune player to play the tune with.");
    return false;
  }
  // Muted or without a device the tune stays as quiet as the sounds' Play does.
  if (state_ && state_() != SoundState::Enabled) return true;
  if (playing_) stopMusic();
  // Made afresh and never opened through what stands there: whatever has the name goes first.
  const QString path = previewFile();
  QFile::remove(path);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    error = QCoreApplication::translate("BackgroundMusic", "The tune cannot be written to %1: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  // The bytes reach the disk at flush: a full disk shows there, not at write.
  const bool written = file.write(midi) == midi.size() && file.flush();
  file.close();
  if (!written) {
    error = QCoreApplication::translate("BackgroundMusic", "The tune cannot be written to %1: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
    file.remove();
    return false;
  }
  previewing_ = true;
  playing_ = true;
  if (!player_->open(path, error)) {
    closePlayer();
    playing_ = false;
    return false;
  }
  player_->play();
  return true;
}

void BackgroundMusic::closePlayer() {
  player_->close();
  if (previewing_) QFile::remove(previewFile());
  previewing_ = false;
}

void BackgroundMusic::fail(const QString& error) {
  closePlayer();
  playing_ = false;
  prompts().message(parent_, error, QCoreApplication::translate("BackgroundMusic", "Error"), BoxIcon::Error);
}
