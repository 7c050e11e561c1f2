#pragma once
// The SDL wave device and the FluidSynth player live in two modules of their own
// (src/soundmodule): SDL brings some fifty libraries with it (sound servers,
// display back ends) and FluidSynth a dozen more (its synthesis, JACK, OpenMP,
// instrument files); linking them into the program would load all of them before
// the first picture. The sound module is loaded when the wave device first opens,
// once the window is up; the MIDI module when the first tune is opened, so a game
// that plays no tune never loads it. Without a module, or a library it needs, the
// game says so and carries on without that sound.
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

// What the sound module offers: SDL's wave device.
class SoundBackend {
 public:
  virtual std::unique_ptr<WaveDevice> makeWaveDevice() = 0;

 protected:
  ~SoundBackend() = default;
};

// What the MIDI module offers: FluidSynth's player.
class MidiBackend {
 public:
  virtual std::unique_ptr<MidiPlayer> makeMidiPlayer(const FluidConfig& config) = 0;

 protected:
  ~MidiBackend() = default;
};

// Each module's one exported function, named here, returns its backend, which
// lives as long as the process.
inline constexpr const char* kSoundBackendEntry = "pvqSoundBackend";
inline constexpr const char* kMidiBackendEntry = "pvqMidiBackend";

template <class Backend>
struct LoadedModule {
  Backend* backend = nullptr;  // null when the module could not be had
  QString why;                 // and why
};
using SoundModule = LoadedModule<SoundBackend>;
using MidiModule = LoadedModule<MidiBackend>;
// Load the module at `path`; it stays loaded for the rest of the run.
SoundModule loadSoundModule(const QString& path);
MidiModule loadMidiModule(const QString& path);

// The game's backends, each loading its module on the first call; null with the
// reason in `why` when the module or a library it needs cannot be loaded. The MIDI
// module is looked for beside the sound module. GUI thread.
SoundBackend* soundBackend(QString* why = nullptr);
MidiBackend* midiBackend(QString* why = nullptr);

// Devices that load their module at their first open and hand everything to the
// real ones. The MIDI player's open fails with the reason when it cannot.
std::unique_ptr<WaveDevice> makeLateWaveDevice();
std::unique_ptr<MidiPlayer> makeLateMidiPlayer(FluidConfig config = FluidConfig::fromEnvironment());
