#pragma once
// The wave-out device as the mixer sees it: once open, it asks its source for
// samples, on its own thread, as the output needs them.
#include <cstdint>
#include <span>

class SampleSource {
 public:
  // Fills `out` with the next samples to be heard. Runs on the device's thread,
  // never at the same time as another render of the same device; it must not
  // wait for anything.
  virtual void render(std::span<std::uint8_t> out) noexcept = 0;

 protected:
  ~SampleSource() = default;
};

class WaveDevice {
 public:
  // Every device is opened with this format: unsigned 8-bit mono at 11025 Hz.
  static constexpr int kSampleRate = 11025;
  static constexpr int kChannels = 1;
  static constexpr std::uint8_t kSilence = 128;

  virtual ~WaveDevice() = default;

  // Opens the default output and starts pulling samples from `source` until
  // close(). False when no device could be opened.
  virtual bool open(SampleSource& source) = 0;
  // Stops the output; once it returns `source` is not called again. Harmless
  // when closed.
  virtual void close() = 0;
};
