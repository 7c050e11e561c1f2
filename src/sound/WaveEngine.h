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
  void openWave();
  // Silences both channels and releases the device. Harmless when called twice.
  void closeWave();

  // Restarts `sound` from its beginning on the channel, cutting what the channel
  // played. Ignored unless Enabled. The sound must stay alive while a channel
  // refers to it (the image set keeps its four sounds for the whole run).
  void playWave(SoundBuffer& sound, WaveChannel channel) override;
  void stopWave(WaveChannel channel) override;
  // Refills the block the device has just finished with the next 400 mixed
  // samples and queues it again. Runs on the GUI thread, one call per notice.
  void waveBufferDone();

  SoundState soundState() const override { return state_; }
  // The sound switch's half of the state: Enabled <-> Muted. Unavailable sticks.
  void setSoundState(SoundState state);

  bool deviceOpen() const { return deviceOpen_; }
  // Tool tip of the sound status icon, as openWave and the sound switch left it.
  const QString& soundIconHint() const { return statHint_; }
  void setSoundIconHint(const QString& hint) { statHint_ = hint; }

  // Which of the six buffers (1..6) the next notice refills.
  int nextBuffer() const { return nextBuffer_; }

 private:
  std::uint8_t channelSample(WaveChannel channel);

  std::unique_ptr<WaveDevice> device_;
  bool deviceOpen_ = false;
  SoundState state_ = SoundState::Enabled;
  QString statHint_ = QString::fromLatin1(kHintBeforeStart);
  std::array<std::uint8_t, 256> halve_{};
  std::array<std::array<std::uint8_t, kBlockBytes>, kBufferCount> blocks_{};
  int nextBuffer_ = 1;
  std::array<SoundBuffer*, kWaveChannelCount> channel_{nullptr, nullptr};
};
