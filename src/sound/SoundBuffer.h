#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A set's sound: raw unsigned 8-bit mono samples at 11025 Hz (128 is silence) and
// the position the mixer reads next. The set owns it; the mixer only reads it.
struct SoundBuffer {
  std::vector<std::uint8_t> data;
  std::size_t position = 0;

  void clear() {
    data.clear();
    position = 0;
  }
  bool empty() const { return data.empty(); }
};
