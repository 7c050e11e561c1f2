#pragma once
// The two-channel mixer. The GUI thread starts and stops sounds; the device's
// thread pulls mixed samples. Each channel takes its orders through a mailbox
// that neither side ever waits on, and reads its sound through its own
// reference to the bytes, so nothing here locks and nothing is copied.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "sound/SoundPorts.h"

// One value handed from one writer thread to one reader thread: three slots,
// one the writer fills, one the reader holds, and one between them that the
// two exchange with an atomic swap. The reader sees only the newest value.
template <class T>
class Mailbox {
 public:
  // Writer side: the slot to fill, then publish() to hand it over.
  T& draft() { return slots_[writing_]; }
  void publish() { writing_ = middle_.exchange(writing_ | kFresh, std::memory_order_acq_rel) & kIndex; }
  // Reader side: the newest published value, or null when nothing new came.
  T* take() {
    if (!(middle_.load(std::memory_order_relaxed) & kFresh)) return nullptr;
    reading_ = middle_.exchange(reading_, std::memory_order_acq_rel) & kIndex;
    return &slots_[reading_];
  }

 private:
  static constexpr unsigned kIndex = 3, kFresh = 4;
  std::array<T, 3> slots_{};
  std::atomic<unsigned> middle_{1};
  unsigned writing_ = 0;  // the writer's own
  unsigned reading_ = 2;  // the reader's own
};

// References the device thread lets go of, handed back for another thread to
// drop: freeing memory on the audio thread could take a lock inside the
// allocator and make the output miss its period. One producer (the device
// thread); the consumers take turns under their own lock. Each channel hands
// back at most two references per sound it is given (the sound it replaces and
// the sound itself at its end), and the GUI side empties the queue before it
// gives one, so it never holds more than a few.
template <class T, std::size_t kSize>
class ReturnQueue {
 public:
  // Device thread. False when full: the caller keeps the reference for now.
  bool push(T& item) noexcept {
    if (full()) return false;
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    slots_[tail % kSize] = std::move(item);
    tail_.store(tail + 1, std::memory_order_release);
    return true;
  }
  // Device thread: whether push() would fail.
  bool full() const noexcept {
    return tail_.load(std::memory_order_relaxed) - head_.load(std::memory_order_acquire) == kSize;
  }
  // Drops everything handed back; one consumer at a time.
  void drain() {
    std::size_t head = head_.load(std::memory_order_relaxed);
    const std::size_t tail = tail_.load(std::memory_order_acquire);
    for (; head != tail; ++head) {
      T dropped = std::move(slots_[head % kSize]);
      (void)dropped;
    }
    head_.store(head, std::memory_order_release);
  }

 private:
  std::array<T, kSize> slots_{};
  std::atomic<std::size_t> head_{0};
  std::atomic<std::size_t> tail_{0};
};

class ChannelMixer {
 public:
  using Block = std::vector<std::uint8_t>;

  // GUI thread. Restarts `sound` from its first byte on the channel, cutting
  // what it played; an empty sound, like stop(), leaves the channel silent.
  void play(WaveChannel channel, const std::shared_ptr<const Block>& sound);
  void stop(WaveChannel channel);
  // Drops the bytes the device thread has let go of. Any thread but the
  // device's, one at a time.
  void dropReturned() { returned_.drain(); }

  // Device thread. Each output sample is the half of each channel's sample,
  // added. A channel falls silent after its sound's last byte, and as soon as
  // the set lets go of the bytes it plays (a set replaced or emptied). It never
  // frees memory: the bytes it lets go of go back through dropReturned().
  void mix(std::span<std::uint8_t> out) noexcept;

  // Empties both channels. Only while no device is pulling samples.
  void reset();

 private:
  using Bytes = std::shared_ptr<const Block>;
  struct Order {
    std::weak_ptr<const Block> sound;  // expired or empty: silence
  };
  struct Channel {
    Mailbox<Order> orders;
    // Device thread only. The channel's own reference while it plays; once
    // it is the last one, the set has let go and the channel falls silent.
    Bytes playing;
    std::size_t position = 0;
  };
  void takeOrders(Channel& c) noexcept;
  void letGo(Channel& c) noexcept;
  static std::uint8_t next(Channel& c) noexcept;

  std::array<Channel, kWaveChannelCount> channels_;
  ReturnQueue<Bytes, 16> returned_;
};
