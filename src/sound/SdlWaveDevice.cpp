#include "sound/SdlWaveDevice.h"

#include <QMetaObject>
#include <algorithm>
#include <cerrno>  // program_invocation_short_name
#include <cstdio>
#include <cstring>
#include <utility>

#include "sound/RuntimeLibrary.h"

namespace {
// ALSA prints its own errors straight to stderr, several lines for one
// missing sound card. SDL loads the library at run time, so its error handler
// is reached the same way; when ALSA is not installed there is nothing to quiet.
extern "C" void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa() {
  static const bool done = [] {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    int (*setHandler)(Handler) = nullptr;
    RuntimeLibrary("libasound.so.2", "ALSA").resolve(setHandler, "snd_lib_error_set_handler");
    if (setHandler) setHandler(&quietAlsaError);
    return true;  // the library stays loaded, with the handler in it
  }();
  (void)done;
}

// SDL is loaded when the device first opens, which is after the window is up.
#define PVQ_SDL_FUNCTIONS(X)                                                                      \
  X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_OpenAudioDevice) X(SDL_CloseAudioDevice) \
  X(SDL_PauseAudioDevice) X(SDL_GetError)

struct SdlApi {
  PVQ_SDL_FUNCTIONS(PVQ_RUNTIME_POINTER)
  QString error;  // why the library could not be loaded; empty when it was
};

const SdlApi& sdl() {
  static const SdlApi api = loadRuntimeApi<SdlApi>("libSDL2-2.0.so.0", "SDL", [](RuntimeLibrary& library, SdlApi& api) {
    PVQ_SDL_FUNCTIONS(PVQ_RUNTIME_RESOLVE)
  });
  return api;
}
}  // namespace

SdlWaveDevice::SdlWaveDevice() = default;

SdlWaveDevice::~SdlWaveDevice() {
  // Closing joins SDL's audio thread, so nothing posts to notifier_ while it is
  // destroyed; destroying it discards notices that were still in the event queue.
  close();
}

bool SdlWaveDevice::open(std::function<void()> bufferDone) {
  close();
  lastError_.clear();
  const SdlApi& api = sdl();
  if (!api.error.isEmpty()) return failed(api.error);
  // Without this SDL takes over SIGINT and SIGTERM, and Ctrl+C in the terminal
  // would no longer end the game.
  api.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  quietAlsa();
  if (!audioUp_) {
    if (api.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return failed(QString::fromUtf8(api.SDL_GetError()));
    audioUp_ = true;
  }

  SDL_AudioSpec want{};
  want.freq = kSampleRate;
  want.format = AUDIO_U8;
  want.channels = kChannels;
  // SDL's own buffer adds to the delay of the six queued blocks, and each of
  // its periods wakes SDL's thread and, when a block is used up, ours. 512
  // samples (46 ms, under a third of the queue) wake both about 21 times a
  // second with the delay from playWave still inside the six blocks.
  want.samples = 512;
  want.callback = &SdlWaveDevice::audioCallback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants.
  device_ = api.SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  // On failure the subsystem stays up until close(): taking it down makes SDL
  // join its device-watching thread, which can keep the caller waiting 100 ms.
  if (device_ == 0) return failed(QString::fromUtf8(api.SDL_GetError()));

  {
    std::lock_guard lock(mutex_);
    head_ = count_ = readPos_ = 0;
  }
  pendingNotices_.store(0);
  noticePosted_.store(false);
  framesOut_.store(0);
  underrunFrames_.store(0);
  bufferDone_ = std::move(bufferDone);
  open_ = true;
  api.SDL_PauseAudioDevice(device_, 0);
  return true;
}

bool SdlWaveDevice::failed(const QString& why) {
  lastError_ = why;
  // The one line a player without a sound card sees; the game carries on.
  std::fprintf(stderr, "%s: no sound device (%s); playing silently\n", program_invocation_short_name, qPrintable(lastError_));
  return false;
}

void SdlWaveDevice::queue(std::span<const std::uint8_t> block) {
  if (!open_ || block.empty()) return;
  std::lock_guard lock(mutex_);
  if (count_ == kQueueSlots) return;
  Slot& slot = slots_[(head_ + count_) % kQueueSlots];
  slot.size = std::min(block.size(), kMaxBlockBytes);
  std::memcpy(slot.bytes.data(), block.data(), slot.size);
  ++count_;
}

void SdlWaveDevice::reset() {
  std::lock_guard lock(mutex_);
  head_ = count_ = readPos_ = 0;
  pendingNotices_.store(0);
}

void SdlWaveDevice::close() {
  // Either is set only after SDL was loaded.
  if (device_ != 0) {
    sdl().SDL_CloseAudioDevice(device_);  // waits for a running callback to return
    device_ = 0;
  }
  if (audioUp_) {
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioUp_ = false;
  }
  // bufferDone_ is kept until the next open: close() may be reached from inside it.
  open_ = false;
  pendingNotices_.store(0);
  std::lock_guard lock(mutex_);
  head_ = count_ = readPos_ = 0;
}

void SDLCALL SdlWaveDevice::audioCallback(void* userdata, Uint8* stream, int len) {
  static_cast<SdlWaveDevice*>(userdata)->fill(stream, len);
}

void SdlWaveDevice::fill(Uint8* stream, int len) {
  int finished = 0;
  bool dry = false;
  std::size_t left = static_cast<std::size_t>(len);
  {
    std::lock_guard lock(mutex_);
    while (left > 0 && count_ > 0) {
      Slot& slot = slots_[head_];
      const std::size_t n = std::min(left, slot.size - readPos_);
      std::memcpy(stream, slot.bytes.data() + readPos_, n);
      stream += n;
      left -= n;
      readPos_ += n;
      if (readPos_ == slot.size) {
        head_ = (head_ + 1) % kQueueSlots;
        --count_;
        readPos_ = 0;
        ++finished;
      }
    }
    dry = count_ == 0;
  }
  if (left > 0) {
    std::memset(stream, kSilence, left);
    underrunFrames_.fetch_add(left, std::memory_order_relaxed);
  }
  framesOut_.fetch_add(static_cast<std::uint64_t>(len), std::memory_order_release);
  // One posted event carries any number of notices, and the GUI thread is woken
  // once two have gathered since it last drained the count: the four blocks
  // still queued then play for 145 ms, and half the wakes are saved. A queue
  // that has run dry hands over what it has at once.
  if (finished == 0) return;
  const int pending = pendingNotices_.fetch_add(finished) + finished;
  if ((pending >= kNoticesPerWake || dry) && !noticePosted_.exchange(true))
    QMetaObject::invokeMethod(&notifier_, [this] { deliverNotices(); }, Qt::QueuedConnection);
}

void SdlWaveDevice::deliverNotices() {
  noticePosted_.store(false);
  int n = pendingNotices_.exchange(0);
  while (n-- > 0 && open_ && bufferDone_) bufferDone_();
}
