// The module's one entry point: the backend that makes the SDL wave device and
// the FluidSynth player.
#include <QtGlobal>

#include "soundmodule/FluidMidiPlayer.h"
#include "soundmodule/SdlWaveDevice.h"

namespace {
class Backend final : public SoundBackend {
 public:
  std::unique_ptr<WaveDevice> makeWaveDevice() override { return std::make_unique<SdlWaveDevice>(); }
  std::unique_ptr<MidiPlayer> makeMidiPlayer(const FluidConfig& config) override {
    return std::make_unique<FluidMidiPlayer>(config);
  }
};
}  // namespace

extern "C" Q_DECL_EXPORT SoundBackend* pvqSoundBackend() {
  static Backend backend;
  return &backend;
}
