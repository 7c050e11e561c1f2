#pragma once
// A set's sound: raw unsigned 8-bit mono samples at 11025 Hz (128 is silence).
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

// Sample bytes that are never changed in place. Giving a sound new bytes puts a
// new block in force; the mixer, which reads on the audio thread, holds its own
// reference to the block it plays, so the set may replace or empty its sounds at
// any moment. Copies share the block.
class SoundBytes {
 public:
  using Block = std::vector<std::uint8_t>;

  SoundBytes() = default;
  SoundBytes(Block bytes) { *this = std::move(bytes); }  // NOLINT: a block of bytes is a sound
  SoundBytes& operator=(Block bytes) {
    block_ = bytes.empty() ? nullptr : std::make_shared<const Block>(std::move(bytes));
    return *this;
  }
  SoundBytes& operator=(std::initializer_list<std::uint8_t> bytes) { return *this = Block(bytes); }
  void assign(std::size_t count, std::uint8_t value) { *this = Block(count, value); }
  void clear() { block_.reset(); }

  bool empty() const { return size() == 0; }
  std::size_t size() const { return block_ ? block_->size() : 0; }
  const std::uint8_t* data() const { return block_ ? block_->data() : nullptr; }
  std::uint8_t operator[](std::size_t i) const { return (*block_)[i]; }
  std::span<const std::uint8_t> span() const { return {data(), size()}; }
  const std::uint8_t* begin() const { return data(); }
  const std::uint8_t* end() const { return data() + size(); }
  // The block itself, for a reader on another thread; null when empty.
  const std::shared_ptr<const Block>& shared() const { return block_; }

 private:
  std::shared_ptr<const Block> block_;
};

struct SoundBuffer {
  SoundBytes data;

  void clear() { data.clear(); }
  bool empty() const { return data.empty(); }
};
