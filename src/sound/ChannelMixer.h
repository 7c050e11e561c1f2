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

class ChannelMixer {
 public:
  using Block = std::vector<std::uint8_t>;

  // GUI thread. Restarts `sound` from its first byte on the channel, cutting
  // what it played; an empty sound, like stop(), leaves the channel silent.
  void play(WaveChannel channel, const std::shared_ptr<const Block>& sound);
  void stop(WaveChannel channel);

  // Device thread. Each output sample is the half of each channel's sample,
  // added. A channel falls silent after its sound's last byte, and as soon as
  // the set lets go of the bytes it plays (a set replaced or emptied).
  void mix(std::span<std::uint8_t> out) noexcept;

  // Empties both channels. Only while no device is pulling samples.
  void reset();

 private:
  struct Order {
    std::weak_ptr<const Block> sound;  // expired or empty: silence
  };
  struct Channel {
    Mailbox<Order> orders;
    std::weak_ptr<const Block> sound;  // device thread only, as are the two below
    std::shared_ptr<const Block> held;  // kept for one mix() call
    std::size_t position = 0;

    void takeOrders();
    std::uint8_t next();
  };
  std::array<Channel, kWaveChannelCount> channels_;
};
