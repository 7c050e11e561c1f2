#pragma once
// The background tune on FluidSynth, rendered by FluidSynth's own audio driver.
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

#include "sound/MidiPlayer.h"
#include <fluidsynth/types.h>


struct FluidConfig {
  static constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
  // One effect channel peaks 6 dB below full scale. At 0.2 a dense bar (three
  // five-note chords at velocity 120 plus drums) peaks at -1.7 dBFS with an RMS
  // of -14 dBFS, so ordinary tunes stay under the effects and even busy ones do
  // not clip; 0.25 already reaches full scale on that bar.
  static constexpr double kDefaultGain = 0.2;

  QString soundFont = QString::fromLatin1(kDefaultSoundFont);
  double gain = kDefaultGain;
  // Extra FluidSynth string settings, e.g. {"audio.driver", "file"}.
  std::vector<std::pair<QByteArray, QByteArray>> settings;

  // The defaults, with PVQ_SOUNDFONT naming another soundfont and PVQ_MIDI_DRIVER
  // another FluidSynth audio driver when set.
  static FluidConfig fromEnvironment();
};

class FluidMidiPlayer : public QObject, public MidiPlayer {
  Q_OBJECT
 public:
  // Create on the GUI thread: failures found while playing are reported there.
  explicit FluidMidiPlayer(FluidConfig config = FluidConfig::fromEnvironment());
  ~FluidMidiPlayer() override;

  bool open(const QString& path, QString& error) override;
  void play() override;
  void stop() override;
  void close() override;

  // Loads the soundfont now rather than at the first tune (it takes a moment).
  // False with the reason when the synthesizer cannot be made.
  bool prepare(QString& error) { return ensureSynth(error); }
  bool isOpen() const { return player_ != nullptr; }
  // Channel events the tune has sent to the synthesizer since play().
  long eventsPlayed() const { return events_.load(std::memory_order_relaxed); }

  // Called by the process-wide FluidSynth log router, on any thread.
  void captureLog(const char* message);

 private:
  static int playbackEvent(void* data, fluid_midi_event_t* event);
  bool ensureSynth(QString& error);
  void watch();
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
};
