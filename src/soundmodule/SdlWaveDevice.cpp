#include "soundmodule/SdlWaveDevice.h"

#include <alsa/asoundlib.h>

#include <cerrno>  // program_invocation_short_name
#include <cstdio>

namespace {
// ALSA prints its own errors straight to stderr, several lines for one missing
// sound card; the game says it in one line instead.
extern "C" void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

SdlWaveDevice::~SdlWaveDevice() { close(); }

int SdlWaveDevice::periodSamples() {
  const int asked = qEnvironmentVariableIntValue("PVQ_SOUND_PERIOD");
  const bool powerOfTwo = asked > 0 && (asked & (asked - 1)) == 0;
  return powerOfTwo && asked >= 64 && asked <= 4096 ? asked : kPeriodSamples;
}

bool SdlWaveDevice::open(SampleSource& source) {
  close();
  // Without this SDL takes over SIGINT and SIGTERM, and Ctrl+C in the terminal
  // would no longer end the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  snd_lib_error_set_handler(&quietAlsaError);
  if (!audioUp_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return failed(QString::fromUtf8(SDL_GetError()));
    audioUp_ = true;
  }
  SDL_AudioSpec want{};
  want.freq = kSampleRate;
  want.format = AUDIO_U8;
  want.channels = kChannels;
  want.samples = static_cast<Uint16>(periodSamples());
  want.callback = &SdlWaveDevice::audioCallback;
  want.userdata = this;
  source_ = &source;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  // On failure the subsystem stays up until close(): taking it down makes SDL
  // join its device-watching thread, which can keep the caller waiting 100 ms.
  if (device_ == 0) return failed(QString::fromUtf8(SDL_GetError()));
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

bool SdlWaveDevice::failed(const QString& why) {
  source_ = nullptr;
  // The one line a player without a sound card sees; the game carries on.
  std::fprintf(stderr, "%s: no sound device (%s); playing silently\n", program_invocation_short_name, qPrintable(why));
  return false;
}

void SdlWaveDevice::close() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);  // waits for a running callback to return
    device_ = 0;
  }
  if (audioUp_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioUp_ = false;
  }
  source_ = nullptr;
}

void SDLCALL SdlWaveDevice::audioCallback(void* userdata, Uint8* stream, int len) {
  static_cast<SdlWaveDevice*>(userdata)->source_->render({stream, static_cast<std::size_t>(len)});
}
