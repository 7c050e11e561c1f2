#include "sound/WaveEngine.h"

#include <utility>

WaveEngine::WaveEngine(std::unique_ptr<WaveDevice> device) : device_(std::move(device)) {}

WaveEngine::~WaveEngine() { closeWave(); }

void WaveEngine::openWave() {
  if (deviceOpen_) closeWave();
  for (int i = 0; i < 256; ++i) halve_[i] = static_cast<std::uint8_t>(i / 2);
  nextBuffer_ = 1;
  for (auto& block : blocks_) block.fill(WaveDevice::kSilence);
  channel_ = {nullptr, nullptr};

  // The device finishes blocks in the order they were queued, so the block to
  // refill is always the one after the last refilled; the notice needs no payload.
  deviceOpen_ = device_ && device_->open([this] { waveBufferDone(); });
  if (deviceOpen_) {
    for (const auto& block : blocks_) device_->queue(block);
    state_ = SoundState::Enabled;
    statHint_ = QString::fromLatin1(kHintEnabled);
  } else {
    state_ = SoundState::Unavailable;
    statHint_ = QString::fromLatin1(kHintUnavailable);
  }
}

void WaveEngine::closeWave() {
  channel_ = {nullptr, nullptr};
  if (deviceOpen_) {
    device_->reset();
    device_->close();
    deviceOpen_ = false;
  }
}

void WaveEngine::playWave(SoundBuffer& sound, WaveChannel channel) {
  if (state_ != SoundState::Enabled) return;
  sound.position = 0;
  channel_[indexOf(channel)] = &sound;
}

void WaveEngine::stopWave(WaveChannel channel) { channel_[indexOf(channel)] = nullptr; }

void WaveEngine::setSoundState(SoundState state) {
  if (state_ == SoundState::Unavailable || state == SoundState::Unavailable) return;
  state_ = state;
}

std::uint8_t WaveEngine::channelSample(WaveChannel channel) {
  SoundBuffer*& sound = channel_[indexOf(channel)];
  if (!sound) return WaveDevice::kSilence;
  // The set may have emptied or replaced the sound's bytes since playWave; the
  // position check alone keeps the read inside whatever is there now.
  if (sound->position < sound->data.size()) return sound->data[sound->position++];
  sound = nullptr;
  return WaveDevice::kSilence;
}

void WaveEngine::waveBufferDone() {
  // A notice that was already on its way when the device closed has nothing to refill.
  if (!deviceOpen_) return;
  auto& block = blocks_[nextBuffer_ - 1];
  for (std::uint8_t& out : block) {
    const std::uint8_t a = channelSample(WaveChannel::Main);
    const std::uint8_t b = channelSample(WaveChannel::Splat);
    // Halved inputs sum to at most 254, so no clipping step is needed.
    out = static_cast<std::uint8_t>(halve_[a] + halve_[b]);
  }
  device_->queue(block);
  nextBuffer_ = nextBuffer_ == kBufferCount ? 1 : nextBuffer_ + 1;
}
