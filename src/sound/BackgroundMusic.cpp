#include "sound/BackgroundMusic.h"

#include <QCoreApplication>
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
    player_->close();
  }
}

void BackgroundMusic::startMusic() {
  // Decided once, at the start of play: sound enabled later in the game brings
  // no music to this game.
  if (!player_ || !present_ || !present_() || !state_ || state_() != SoundState::Enabled) return;
  if (playing_) player_->close();
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
  player_->close();
  playing_ = false;
}

void BackgroundMusic::fail(const QString& error) {
  player_->close();
  playing_ = false;
  prompts().message(parent_, error, QCoreApplication::translate("BackgroundMusic", "Error"), BoxIcon::Error);
}
