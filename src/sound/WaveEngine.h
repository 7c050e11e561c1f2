#pragma once
// The two-channel effects mixer: six 400-byte blocks circulate through one wave
// device for the whole run, each refilled with freshly mixed samples as soon as
// the device reports it played.
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "sound/SoundPorts.h"
#include "sound/WaveDevice.h"

class WaveEngine : public WavePlayer {
 public:
  static constexpr int kBufferCount = 6;
  static constexpr std::size_t kBlockBytes = 400;

  // Tool tips of the sound status icon.
  static constexpr const char* kHintBeforeStart = "Sound Status (On, Off or not available)";
  static constexpr const char* kHintEnabled = "Sound Enabled!";
  static constexpr const char* kHintMuted = "Sound Muted";
  static constexpr const char* kHintUnavailable = "Disabled (sound card in use, invalid or not found...)";

  explicit WaveEngine(std::unique_ptr<WaveDevice> device);
  ~WaveEngine() override;
  WaveEngine(const WaveEngine&) = delete;
  WaveEngine& operator=(const WaveEngine&) = delete;

  // Opens the device and starts the six silent blocks circulating. Sets the state
  // to Enabled, or to Unavailable when no device opens; never shows a message.
  void OpenWave();
  // Silences both channels and releases the device. Harmless when called twice.
  void CloseWave();

  // Restarts `sound` from its beginning on channel 0 or 1, cutting what the channel
  // played. Ignored unless Enabled. The sound must stay alive while a channel
  // refers to it (the image set keeps its four sounds for the whole run).
  void PlayWave(SoundBuffer& sound, int channel) override;
  void StopWave(int channel) override;
  // Refills the block the device has just finished with the next 400 mixed
  // samples and queues it again. Runs on the GUI thread, one call per notice.
  void WaveBufferDone();

  SoundState soundState() const override { return m_state; }
  // The sound switch's half of the state: Enabled <-> Muted. Unavailable sticks.
  void setSoundState(SoundState state);

  bool deviceOpen() const { return m_deviceOpen; }
  // Tool tip of the sound status icon, as OpenWave and the sound switch left it.
  const QString& statHint() const { return m_statHint; }
  void setStatHint(const QString& hint) { m_statHint = hint; }

  // Which of the six buffers (1..6) the next notice refills.
  int nextBuffer() const { return m_nextBuffer; }

 private:
  std::uint8_t channelSample(int channel);

  std::unique_ptr<WaveDevice> m_device;
  bool m_deviceOpen = false;
  SoundState m_state = SoundState::Enabled;
  QString m_statHint = QString::fromLatin1(kHintBeforeStart);
  std::array<std::uint8_t, 256> m_halve{};
  std::array<std::array<std::uint8_t, kBlockBytes>, kBufferCount> m_blocks{};
  int m_nextBuffer = 1;
  std::array<SoundBuffer*, 2> m_channel{nullptr, nullptr};
};
