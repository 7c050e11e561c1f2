#pragma once
// The wave device on SDL2 audio. SDL's audio thread asks the source for each
// period's samples directly, so nothing is queued ahead of the output but the
// period SDL is filling.
#include <QString>
#include <SDL.h>

#include "sound/WaveDevice.h"

class SdlWaveDevice : public WaveDevice {
 public:
  // Samples per period: what a started sound may wait for before it is mixed,
  // and how often SDL's thread wakes while the output is open (11025 / 256 =
  // 43 times a second).
  // PVQ_SOUND_PERIOD (a power of two from 64 to 4096) overrides it, for
  // measuring.
  static constexpr int kPeriodSamples = 256;
  static int periodSamples();

  SdlWaveDevice() = default;
  ~SdlWaveDevice() override;
  SdlWaveDevice(const SdlWaveDevice&) = delete;
  SdlWaveDevice& operator=(const SdlWaveDevice&) = delete;

  bool open(SampleSource& source) override;
  void close() override;

 private:
  static void SDLCALL audioCallback(void* userdata, Uint8* stream, int len);
  bool failed(const QString& why);  // reports why; returns false

  SampleSource* source_ = nullptr;
  SDL_AudioDeviceID device_ = 0;
  bool audioUp_ = false;  // this device holds a reference on SDL's audio subsystem
};
