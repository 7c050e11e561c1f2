#pragma once
// The SDL wave device and the FluidSynth player live in a module of their own
// (src/soundmodule), loaded when the wave device first opens: SDL and FluidSynth
// bring some forty libraries with them (sound servers, codecs, display back
// ends), and loading them at program start would come before the first picture.
// The devices made here load the module at their first open; without it, or
// without a library it needs, the game says so in one line and plays silently.
#include <QByteArray>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "sound/MidiPlayer.h"
#include "sound/WaveDevice.h"

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

// What the module offers: the real devices.
class SoundBackend {
 public:
  virtual std::unique_ptr<WaveDevice> makeWaveDevice() = 0;
  virtual std::unique_ptr<MidiPlayer> makeMidiPlayer(const FluidConfig& config) = 0;

 protected:
  ~SoundBackend() = default;
};

// The module's one exported function, named by kSoundBackendEntry, returns its
// backend, which lives as long as the process.
inline constexpr const char* kSoundBackendEntry = "pvqSoundBackend";
using SoundBackendEntry = SoundBackend* (*)();

struct SoundModule {
  SoundBackend* backend = nullptr;  // null when the module could not be had
  QString why;                      // and why
};
// Loads the module at `path`; it stays loaded for the rest of the run.
SoundModule loadSoundModule(const QString& path);

// The game's backend, loading its module on the first call; null with the reason in
// `why` when the module or a library it needs cannot be loaded. GUI thread.
SoundBackend* soundBackend(QString* why = nullptr);

// Devices that load the module at their first open and hand everything to the
// real ones. The MIDI player's open fails with the reason when it cannot.
std::unique_ptr<WaveDevice> makeLateWaveDevice();
std::unique_ptr<MidiPlayer> makeLateMidiPlayer(FluidConfig config = FluidConfig::fromEnvironment());
