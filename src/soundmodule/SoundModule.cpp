// The sound module's one entry point: the backend that makes SDL's wave device.
#include <QtGlobal>

#include "sound/SoundBackend.h"
#include "soundmodule/SdlWaveDevice.h"

namespace {
class Backend final : public SoundBackend {
 public:
  std::unique_ptr<WaveDevice> makeWaveDevice() override { return std::make_unique<SdlWaveDevice>(); }
};
}  // namespace

extern "C" Q_DECL_EXPORT SoundBackend* pvqSoundBackend() {
  static Backend backend;
  return &backend;
}
