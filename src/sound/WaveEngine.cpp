#include "sound/WaveEngine.h"

#include <utility>

WaveEngine::WaveEngine(std::unique_ptr<WaveDevice> device) : device_(std::move(device)) {}

WaveEngine::~WaveEngine() { closeWave(); }

void WaveEngine::openWave() {
  if (deviceOpen_) closeWave();
  mixer_.reset();
  deviceOpen_ = device_ && device_->open(*this);
  if (deviceOpen_) {
    state_ = SoundState::Enabled;
    statHint_ = QString::fromLatin1(kHintEnabled);
  } else {
    state_ = SoundState::Unavailable;
    statHint_ = QString::fromLatin1(kHintUnavailable);
  }
}

void WaveEngine::closeWave() {
  if (deviceOpen_) {
    device_->close();
    deviceOpen_ = false;
  }
  mixer_.reset();
}

void WaveEngine::playWave(const SoundBuffer& sound, WaveChannel channel) {
  if (state_ != SoundState::Enabled) return;
  mixer_.play(channel, sound.data.shared());
}

void WaveEngine::stopWave(WaveChannel channel) { mixer_.stop(channel); }

void WaveEngine::setSoundState(SoundState state) {
  if (state_ == SoundState::Unavailable || state == SoundState::Unavailable) return;
  state_ = state;
}
