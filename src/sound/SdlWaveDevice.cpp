#include "sound/SdlWaveDevice.h"

#include <QMetaObject>
#include <algorithm>
#include <cstring>
#include <utility>

SdlWaveDevice::SdlWaveDevice() = default;

SdlWaveDevice::~SdlWaveDevice() {
  // Closing joins SDL's audio thread, so nothing posts to m_notifier while it is
  // destroyed; destroying it discards notices that were still in the event queue.
  close();
}

bool SdlWaveDevice::open(std::function<void()> bufferDone) {
  close();
  m_lastError.clear();
  // Without this SDL takes over SIGINT and SIGTERM, and Ctrl+C in the terminal
  // would no longer end the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    m_lastError = QString::fromUtf8(SDL_GetError());
    return false;
  }

  SDL_AudioSpec want{};
  want.freq = kSampleRate;
  want.format = AUDIO_U8;
  want.channels = kChannels;
  // A quarter of SDL's usual period: SDL's own buffer adds to the delay of the
  // six queued blocks, so keep it small next to one 400-sample block.
  want.samples = 256;
  want.callback = &SdlWaveDevice::audioCallback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants.
  m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (m_device == 0) {
    m_lastError = QString::fromUtf8(SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }

  {
    std::lock_guard lock(m_mutex);
    m_head = m_count = m_readPos = 0;
  }
  m_pendingNotices.store(0);
  m_framesOut.store(0);
  m_underrunFrames.store(0);
  m_bufferDone = std::move(bufferDone);
  m_open = true;
  SDL_PauseAudioDevice(m_device, 0);
  return true;
}

void SdlWaveDevice::queue(std::span<const std::uint8_t> block) {
  if (!m_open || block.empty()) return;
  std::lock_guard lock(m_mutex);
  if (m_count == kQueueSlots) return;
  Slot& slot = m_slots[(m_head + m_count) % kQueueSlots];
  slot.size = std::min(block.size(), kMaxBlockBytes);
  std::memcpy(slot.bytes.data(), block.data(), slot.size);
  ++m_count;
}

void SdlWaveDevice::reset() {
  std::lock_guard lock(m_mutex);
  m_head = m_count = m_readPos = 0;
  m_pendingNotices.store(0);
}

void SdlWaveDevice::close() {
  if (m_device != 0) {
    SDL_CloseAudioDevice(m_device);  // waits for a running callback to return
    m_device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  // m_bufferDone is kept until the next open: close() may be reached from inside it.
  m_open = false;
  m_pendingNotices.store(0);
  std::lock_guard lock(m_mutex);
  m_head = m_count = m_readPos = 0;
}

void SDLCALL SdlWaveDevice::audioCallback(void* userdata, Uint8* stream, int len) {
  static_cast<SdlWaveDevice*>(userdata)->fill(stream, len);
}

void SdlWaveDevice::fill(Uint8* stream, int len) {
  int finished = 0;
  std::size_t left = static_cast<std::size_t>(len);
  {
    std::lock_guard lock(m_mutex);
    while (left > 0 && m_count > 0) {
      Slot& slot = m_slots[m_head];
      const std::size_t n = std::min(left, slot.size - m_readPos);
      std::memcpy(stream, slot.bytes.data() + m_readPos, n);
      stream += n;
      left -= n;
      m_readPos += n;
      if (m_readPos == slot.size) {
        m_head = (m_head + 1) % kQueueSlots;
        --m_count;
        m_readPos = 0;
        ++finished;
      }
    }
  }
  if (left > 0) {
    std::memset(stream, kSilence, left);
    m_underrunFrames.fetch_add(left, std::memory_order_relaxed);
  }
  m_framesOut.fetch_add(static_cast<std::uint64_t>(len), std::memory_order_release);
  // One posted event carries any number of notices: only the first notice after
  // the GUI thread drained the count needs to wake it.
  if (finished > 0 && m_pendingNotices.fetch_add(finished) == 0)
    QMetaObject::invokeMethod(&m_notifier, [this] { deliverNotices(); }, Qt::QueuedConnection);
}

void SdlWaveDevice::deliverNotices() {
  int n = m_pendingNotices.exchange(0);
  while (n-- > 0 && m_open && m_bufferDone) m_bufferDone();
}
