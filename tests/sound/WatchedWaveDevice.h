#pragma once
// A wave device that passes the real one's requests through and watches them,
// for the sound tests and the sound benchmark.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "sound/SoundBackend.h"

// Passes the real device's requests through, counting the samples handed out
// (a clock that runs with the output) and timing the gaps between requests.
// SDL may write silence of its own before the first request, so the first
// sample handed out is marked (1) for the output to be lined up with the count.
class WatchedWaveDevice : public WaveDevice, private SampleSource {
 public:
  explicit WatchedWaveDevice(std::unique_ptr<WaveDevice> inner) : inner_(std::move(inner)) {
    gaps_.reserve(1 << 16);
    starts_.reserve(1 << 16);
    times_.reserve(1 << 16);
  }
  bool open(SampleSource& source) override {
    source_ = &source;
    return inner_ && inner_->open(*this);
  }
  void close() override {
    if (inner_) inner_->close();
  }
  std::uint64_t framesOut() const { return frames_.load(std::memory_order_acquire); }
  static constexpr std::uint8_t kMark = 1;
  // Milliseconds between one request and the next; read after close().
  const std::vector<double>& gaps() const { return gaps_; }
  // When the request that handed out `frame` came; read after close().
  std::chrono::steady_clock::time_point timeOfFrame(std::uint64_t frame) const {
    auto after = std::upper_bound(starts_.begin(), starts_.end(), frame);
    return after == starts_.begin() ? std::chrono::steady_clock::time_point{} : times_[after - starts_.begin() - 1];
  }

 private:
  void render(std::span<std::uint8_t> out) noexcept override {
    const auto now = std::chrono::steady_clock::now();
    if (last_ && gaps_.size() < gaps_.capacity())
      gaps_.push_back(std::chrono::duration<double, std::milli>(now - *last_).count());
    last_ = now;
    if (starts_.size() < starts_.capacity()) {
      starts_.push_back(frames_.load(std::memory_order_relaxed));
      times_.push_back(now);
    }
    source_->render(out);
    if (frames_.load(std::memory_order_relaxed) == 0 && !out.empty()) out[0] = kMark;
    frames_.fetch_add(out.size(), std::memory_order_release);
  }
  std::unique_ptr<WaveDevice> inner_;
  SampleSource* source_ = nullptr;
  std::atomic<std::uint64_t> frames_{0};
  std::optional<std::chrono::steady_clock::time_point> last_;
  std::vector<double> gaps_;
  std::vector<std::uint64_t> starts_;
  std::vector<std::chrono::steady_clock::time_point> times_;
};

// The output SDL wrote, from the first sample the device handed out, so that an
// offset in it is a count of samples handed out.
inline QByteArray fromFirstRequest(QByteArray out) {
  out.remove(0, std::max<qsizetype>(0, out.indexOf(char(WatchedWaveDevice::kMark))));
  if (!out.isEmpty()) out[0] = char(WaveDevice::kSilence);
  return out;
}

// SDL's wave device from the sound module; null, with the reason printed, without it.
inline std::unique_ptr<WaveDevice> sdlWaveDevice() {
  QString why;
  SoundBackend* backend = soundBackend(&why);
  if (!backend) std::fprintf(stderr, "no sound module: %s\n", qPrintable(why));
  return backend ? backend->makeWaveDevice() : nullptr;
}
