#pragma once
// The two-channel effects mixer on its wave device. The device pulls mixed
// samples on its own thread as the output needs them, so a sound started here
// is heard within one device period, whatever the GUI thread is doing.
//
// The output is open only while there is something to hear: a sound opens it,
// and it closes once nothing has sounded for `closeDelay`, so a game at rest
// keeps neither the sound server nor the sound card awake. A round holds it
// open (keepOutputOpen), so its ticks and splats never wait for an open.
// Opening and closing run on a thread of the engine's own, never on the GUI
// thread: a sound server can take tens of milliseconds to open a stream. That
// thread sleeps until it has something to do, and never wakes at rest.
#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "sound/ChannelMixer.h"
#include "sound/SoundPorts.h"
#include "sound/WaveDevice.h"

class WaveEngine : public WavePlayer, private SampleSource {
 public:
  // Tool tips of the sound status icon.
  static constexpr const char* kHintBeforeStart =
      QT_TRANSLATE_NOOP("WaveEngine", "Sound Status (On, Off or not available)");
  static constexpr const char* kHintEnabled = QT_TRANSLATE_NOOP("WaveEngine", "Sound Enabled!");
  static constexpr const char* kHintMuted = QT_TRANSLATE_NOOP("WaveEngine", "Sound Muted");
  static constexpr const char* kHintUnavailable =
      QT_TRANSLATE_NOOP("WaveEngine", "Disabled (sound card in use, invalid or not found...)");

  // How long the output stays open after the last sound has ended. Long enough
  // that the clicks of one visit to the board (the start-up sound, then a
  // start click a moment later) share one open; short enough that the output
  // is shut well before a sound server would suspend an idle card on its own
  // (PulseAudio and PipeWire wait 5 s), so the game never keeps it awake.
  static constexpr std::chrono::milliseconds kCloseDelay{3000};
  // How long openWave waits for the first open to answer before the GUI goes
  // on; a later answer arrives through the state listener.
  static constexpr std::chrono::milliseconds kFirstOpenWait{15};

  explicit WaveEngine(std::unique_ptr<WaveDevice> device, std::chrono::milliseconds closeDelay = kCloseDelay);
  ~WaveEngine() override;
  WaveEngine(const WaveEngine&) = delete;
  WaveEngine& operator=(const WaveEngine&) = delete;

  // Opens the output once, to learn whether there is one; it closes again
  // after the delay unless a sound comes. Sets the state to Enabled, or to
  // Unavailable when no device opens; never shows a message. Waits at most
  // kFirstOpenWait: an answer that comes later sets the state then and calls
  // the state listener on the GUI thread.
  void openWave();
  // Silences both channels and releases the device for good (until openWave).
  // Harmless when called twice.
  void closeWave();

  // Restarts `sound` from its first byte on the channel, cutting what the channel
  // played, and opens the output if it rests. Ignored unless Enabled. The
  // channel shares the sound's bytes, so the set may replace them at any time
  // (the channel then falls silent).
  void playWave(const SoundBuffer& sound, WaveChannel channel) override;
  void stopWave(WaveChannel channel) override;
  // While on (a round), the output opens at once and stays open.
  void keepOutputOpen(bool on) override;

  SoundState soundState() const override { return state_; }
  // The sound switch's half of the state: Enabled <-> Muted. Unavailable sticks.
  void setSoundState(SoundState state);

  // Whether the output could be opened at start-up (the about box says so).
  bool deviceOpen() const { return deviceFound_; }
  // Whether the output is open at this moment.
  bool outputOpen() const;
  // Tool tip of the sound status icon, as openWave and the sound switch left it.
  const QString& soundIconHint() const { return statHint_; }
  void setSoundIconHint(const QString& hint) { statHint_ = hint; }
  // Called on the GUI thread when the first open answers after openWave returned.
  void setStateListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  using Clock = std::chrono::steady_clock;
  void render(std::span<std::uint8_t> out) noexcept override;
  void keeper();  // the opening and closing thread
  void shutOutput(std::unique_lock<std::mutex>& lock);
  void firstOpenAnswered(bool opened);
  void wantOutputFor(Clock::duration span);

  std::unique_ptr<WaveDevice> device_;
  const std::chrono::milliseconds closeDelay_;
  ChannelMixer mixer_;
  SoundState state_ = SoundState::Enabled;
  QString statHint_ = QCoreApplication::translate("WaveEngine", kHintBeforeStart);
  bool deviceFound_ = false;
  std::function<void()> listener_;
  QObject guiSide_;  // late answers are posted to it, on the GUI thread

  // Shared with the keeper thread, under mutex_.
  mutable std::mutex mutex_;
  std::condition_variable wake_;     // the keeper's
  std::condition_variable answered_; // openWave's
  std::thread thread_;
  bool quit_ = false;
  bool wantOpen_ = false;  // a sound waits for the output
  bool open_ = false;
  bool hold_ = false;      // a round is on
  bool probing_ = false;   // the first open has not answered
  bool probeOk_ = false;
  bool waiting_ = false;   // openWave still waits for that answer
  Clock::time_point keepUntil_{};  // while open: when it may close
  Clock::duration wantSpan_{};     // while shut: how long to stay open once open

  // Between the keeper and the device's thread: a period rendered while the
  // gate is shut is silence and takes no orders, so a sound started while the
  // output closes waits in its mailbox for the next open instead of being
  // mixed into a period nobody hears.
  std::atomic<bool> gate_{false};
  std::atomic<bool> rendering_{false};
};
