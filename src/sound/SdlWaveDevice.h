#pragma once
// The wave device on SDL2 audio. SDL's audio thread pulls the queued blocks;
// finished blocks are counted there and handed to the GUI thread, two at a time,
// as a posted event, so the mixer itself only ever runs on the GUI thread.
#include <QObject>
#include <QString>
#include <SDL.h>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "sound/WaveDevice.h"

class SdlWaveDevice : public WaveDevice {
 public:
  // Room for the mixer's six blocks plus slack; a block may be up to 400 bytes.
  static constexpr std::size_t kMaxBlockBytes = 400;
  static constexpr std::size_t kQueueSlots = 8;
  // Finished blocks gathered before the GUI thread is woken to refill them.
  static constexpr int kNoticesPerWake = 2;

  // Create on the GUI thread: notices are delivered on the thread that made it.
  SdlWaveDevice();
  ~SdlWaveDevice() override;
  SdlWaveDevice(const SdlWaveDevice&) = delete;
  SdlWaveDevice& operator=(const SdlWaveDevice&) = delete;

  bool open(std::function<void()> bufferDone) override;
  void queue(std::span<const std::uint8_t> block) override;
  void reset() override;
  void close() override;

  // SDL's text of the last failed open (for diagnostics only; the game shows none).
  const QString& lastError() const { return lastError_; }
  // Sample frames handed to SDL since open, silence included: a clock that runs
  // with the output, used to measure the delay of a sound.
  std::uint64_t framesOut() const { return framesOut_.load(std::memory_order_acquire); }
  // Frames of silence the device had to invent because the queue ran dry.
  std::uint64_t underrunFrames() const { return underrunFrames_.load(std::memory_order_relaxed); }

 private:
  static void SDLCALL audioCallback(void* userdata, Uint8* stream, int len);
  void fill(Uint8* stream, int len);
  void deliverNotices();
  bool failed(const QString& why);  // records and reports why; returns false

  struct Slot {
    std::array<std::uint8_t, kMaxBlockBytes> bytes;
    std::size_t size = 0;
  };

  QObject notifier_;  // lives on the GUI thread; posted notices are addressed to it
  std::function<void()> bufferDone_;
  SDL_AudioDeviceID device_ = 0;
  bool audioUp_ = false;  // this device holds a reference on SDL's audio subsystem
  bool open_ = false;
  QString lastError_;

  std::mutex mutex_;  // guards the queue below between the GUI and audio threads
  std::array<Slot, kQueueSlots> slots_{};
  std::size_t head_ = 0;
  std::size_t count_ = 0;
  std::size_t readPos_ = 0;

  std::atomic<int> pendingNotices_{0};
  std::atomic<bool> noticePosted_{false};  // an event carrying notices is on its way
  std::atomic<std::uint64_t> framesOut_{0};
  std::atomic<std::uint64_t> underrunFrames_{0};
};
