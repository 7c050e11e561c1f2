#include "sound/WaveEngine.h"

#include <utility>

WaveEngine::WaveEngine(std::unique_ptr<WaveDevice> device) : m_device(std::move(device)) {}

WaveEngine::~WaveEngine() { CloseWave(); }

void WaveEngine::OpenWave() {
  if (m_deviceOpen) CloseWave();
  for (int i = 0; i < 256; ++i) m_halve[i] = static_cast<std::uint8_t>(i / 2);
  m_nextBuffer = 1;
  for (auto& block : m_blocks) block.fill(WaveDevice::kSilence);
  m_channel = {nullptr, nullptr};

  // The device finishes blocks in the order they were queued, so the block to
  // refill is always the one after the last refilled; the notice needs no payload.
  m_deviceOpen = m_device && m_device->open([this] { WaveBufferDone(); });
  if (m_deviceOpen) {
    for (const auto& block : m_blocks) m_device->queue(block);
    m_state = SoundState::Enabled;
    m_statHint = QString::fromLatin1(kHintEnabled);
  } else {
    m_state = SoundState::Unavailable;
    m_statHint = QString::fromLatin1(kHintUnavailable);
  }
}

void WaveEngine::CloseWave() {
  StopWave(0);
  StopWave(1);
  if (m_deviceOpen) {
    m_device->reset();
    m_device->close();
    m_deviceOpen = false;
  }
}

void WaveEngine::PlayWave(SoundBuffer& sound, int channel) {
  if (m_state != SoundState::Enabled) return;
  if (channel < 0 || channel > 1) return;
  sound.position = 0;
  m_channel[channel] = &sound;
}

void WaveEngine::StopWave(int channel) {
  if (channel < 0 || channel > 1) return;
  m_channel[channel] = nullptr;
}

void WaveEngine::setSoundState(SoundState state) {
  if (m_state == SoundState::Unavailable || state == SoundState::Unavailable) return;
  m_state = state;
}

std::uint8_t WaveEngine::channelSample(int channel) {
  SoundBuffer* sound = m_channel[channel];
  if (!sound) return WaveDevice::kSilence;
  // The set may have emptied or replaced the sound's bytes since PlayWave; the
  // position check alone keeps the read inside whatever is there now.
  if (sound->position < sound->data.size()) return sound->data[sound->position++];
  m_channel[channel] = nullptr;
  return WaveDevice::kSilence;
}

void WaveEngine::WaveBufferDone() {
  // A notice that was already on its way when the device closed has nothing to refill.
  if (!m_deviceOpen) return;
  auto& block = m_blocks[m_nextBuffer - 1];
  for (std::uint8_t& out : block) {
    const std::uint8_t a = channelSample(0);
    const std::uint8_t b = channelSample(1);
    // Halved inputs sum to at most 254, so no clipping step is needed.
    out = static_cast<std::uint8_t>(m_halve[a] + m_halve[b]);
  }
  m_device->queue(block);
  m_nextBuffer = m_nextBuffer == kBufferCount ? 1 : m_nextBuffer + 1;
}
