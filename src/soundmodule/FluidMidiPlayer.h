#pragma once
// The background tune on FluidSynth, rendered by FluidSynth's own audio driver,
// which runs only while a tune plays: the synthesizer stays loaded between
// games, its output thread does not.
// FluidSynth reads the file only once playback starts and reports damage through
// its log, from its audio thread; this player checks the data up front, captures
// those log texts, and watches for a tune that ends without playing anything.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QStringList>
#include <atomic>
#include <utility>
#include <vector>

#include "sound/SoundBackend.h"
#include <fluidsynth/types.h>


class FluidMidiPlayer : public QObject, public MidiPlayer {
  Q_OBJECT
 public:
  // Create on the GUI thread: failures found while playing are reported there.
  explicit FluidMidiPlayer(FluidConfig config);
  ~FluidMidiPlayer() override;

  bool open(const QString& path, QString& error) override;
  void play() override;
  void stop() override;
  void close() override;

  // How long the output runs on after a tune's last event.
  static constexpr int kRingOutMs = 2000;

  bool isOpen() const { return player_ != nullptr; }
  // Whether FluidSynth's audio driver (its output thread) is running.
  bool outputRunning() const { return driver_ != nullptr; }
  // Channel events the tune has sent to the synthesizer since play().
  long eventsPlayed() const { return events_.load(std::memory_order_relaxed); }

  // Called by the process-wide FluidSynth log router, on any thread.
  void captureLog(const char* message);

 private:
  static int playbackEvent(void* data, fluid_midi_event_t* event);
  bool ensureSynth(QString& error);
  void watch();
  void stopOutput();
  QString takeLog();

  FluidConfig config_;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  fluid_audio_driver_t* driver_ = nullptr;
  bool playing_ = false;
  std::atomic<long> events_{0};
  QStringList log_;  // guarded by the log router's mutex
  QTimer watch_;
  QTimer ringOut_;
};
