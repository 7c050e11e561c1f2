#pragma once
// The wave-out device as the mixer sees it: a FIFO of sample blocks that are
// played in the order they were queued, with a notice per finished block.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

class WaveDevice {
 public:
  // Every device is opened with this format: unsigned 8-bit mono at 11025 Hz.
  static constexpr int kSampleRate = 11025;
  static constexpr int kChannels = 1;
  static constexpr std::uint8_t kSilence = 128;

  virtual ~WaveDevice() = default;

  // Opens the default output. bufferDone runs on the GUI thread once for every
  // queued block that has been played, in queue order, and never after close().
  // False when no device could be opened.
  virtual bool open(std::function<void()> bufferDone) = 0;
  // Appends a block to the play queue; the device copies it, so the caller may
  // refill its memory at once. Results are not examined by the mixer.
  virtual void queue(std::span<const std::uint8_t> block) = 0;
  // Drops every queued block without notices and stops sounding at once.
  virtual void reset() = 0;
  // Releases the device; no notice is delivered afterwards. Harmless when closed.
  virtual void close() = 0;
};
