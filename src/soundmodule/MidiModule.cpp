// The MIDI module's one entry point: the backend that makes FluidSynth's player.
#include <QtGlobal>

#include "sound/SoundBackend.h"
#include "soundmodule/FluidMidiPlayer.h"

namespace {
class Backend final : public MidiBackend {
 public:
  std::unique_ptr<MidiPlayer> makeMidiPlayer(const FluidConfig& config) override {
    return std::make_unique<FluidMidiPlayer>(config);
  }
};
}  // namespace

extern "C" Q_DECL_EXPORT MidiBackend* pvqMidiBackend() {
  static Backend backend;
  return &backend;
}
