#pragma once
// The two-channel effects mixer on its wave device. The device pulls mixed
// samples on its own thread as the output needs them, so a sound started here
// is heard within one device period, whatever the GUI thread is doing.
#include <QString>
#include <memory>

#include "sound/ChannelMixer.h"
#include "sound/SoundPorts.h"
#include "sound/WaveDevice.h"

class WaveEngine : public WavePlayer, private SampleSource {
 public:
  // Tool tips of the sound status icon.
  static constexpr const char* kHintBeforeStart = "Sound Status (On, Off or not available)";
  static constexpr const char* kHintEnabled = "Sound Enabled!";
  static constexpr const char* kHintMuted = "Sound Muted";
  static constexpr const char* kHintUnavailable = "Disabled (sound card in use, invalid or not found...)";

  explicit WaveEngine(std::unique_ptr<WaveDevice> device);
  ~WaveEngine() override;
  WaveEngine(const WaveEngine&) = delete;
  WaveEngine& operator=(const WaveEngine&) = delete;

  // Opens the device, which starts pulling silence. Sets the state to Enabled,
  // or to Unavailable when no device opens; never shows a message.
  void openWave();
  // Silences both channels and releases the device. Harmless when called twice.
  void closeWave();

  // Restarts `sound` from its first byte on the channel, cutting what the channel
  // played. Ignored unless Enabled. The channel shares the sound's bytes, so
  // the set may replace them at any time (the channel then falls silent).
  void playWave(const SoundBuffer& sound, WaveChannel channel) override;
  void stopWave(WaveChannel channel) override;

  SoundState soundState() const override { return state_; }
  // The sound switch's half of the state: Enabled <-> Muted. Unavailable sticks.
  void setSoundState(SoundState state);

  bool deviceOpen() const { return deviceOpen_; }
  // Tool tip of the sound status icon, as openWave and the sound switch left it.
  const QString& soundIconHint() const { return statHint_; }
  void setSoundIconHint(const QString& hint) { statHint_ = hint; }

 private:
  void render(std::span<std::uint8_t> out) noexcept override { mixer_.mix(out); }

  std::unique_ptr<WaveDevice> device_;
  ChannelMixer mixer_;
  bool deviceOpen_ = false;
  SoundState state_ = SoundState::Enabled;
  QString statHint_ = QString::fromLatin1(kHintBeforeStart);
};
