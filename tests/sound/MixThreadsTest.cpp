// The mixer between two threads: the GUI thread starts, stops and replaces
// sounds while a device thread pulls samples. Built with AddressSanitizer and,
// by ./test.sh, with ThreadSanitizer: a read of freed bytes or an unordered
// access fails the run even when every sample comes out right.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <new>
#include <random>
#include <set>
#include <thread>

#include "sound/SoundBackend.h"
#include "sound/WaveEngine.h"

// Memory freed while a device thread renders is counted: the allocator may
// take a lock, and a period that waits for it is heard as a crackle.
namespace {
thread_local bool rendering = false;
std::atomic<long> freedWhileRendering{0};
void release(void* p) noexcept {
  if (rendering && p) freedWhileRendering.fetch_add(1, std::memory_order_relaxed);
  std::free(p);
}
void* allocate(std::size_t n) {
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace
void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

void renderOnDevice(SampleSource& source, std::span<std::uint8_t> out) {
  rendering = true;
  source.render(out);
  rendering = false;
}

// A device whose thread asks for 64 samples at a time as fast as it can.
class RacingDevice : public WaveDevice {
 public:
  bool open(SampleSource& source) override {
    running_ = true;
    thread_ = std::thread([this, &source] {
      std::array<std::uint8_t, 64> period{};
      while (running_.load(std::memory_order_relaxed)) {
        renderOnDevice(source, period);
        for (std::uint8_t v : period) seen_[v].store(true, std::memory_order_relaxed);
        frames_.fetch_add(period.size(), std::memory_order_relaxed);
      }
    });
    return true;
  }
  void close() override {
    running_ = false;
    if (thread_.joinable()) thread_.join();
  }
  ~RacingDevice() override { close(); }
  std::uint64_t frames() const { return frames_.load(std::memory_order_relaxed); }
  std::set<int> values() const {
    std::set<int> s;
    for (int v = 0; v < 256; ++v)
      if (seen_[v].load(std::memory_order_relaxed)) s.insert(v);
    return s;
  }

 private:
  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<std::uint64_t> frames_{0};
  std::array<std::atomic<bool>, 256> seen_{};
};

// The set is replaced again and again while its splat and tick play: each
// replacement drops the bytes a channel may be reading at that moment.
TEST(MixThreads, SetsReplacedWhileTheirSoundsPlay) {
  auto owned = std::make_unique<RacingDevice>();
  RacingDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  SoundBuffer splat, tick;
  const auto until = std::chrono::steady_clock::now() + 300ms;
  int rounds = 0;
  while (std::chrono::steady_clock::now() < until || device->frames() < 100000) {
    splat.data = Bytes(3000 + rounds % 7, 200);  // a new set's splat and tick
    tick.data = Bytes(500, 100);
    engine.playWave(splat, WaveChannel::Splat);
    engine.playWave(tick, WaveChannel::Main);
    std::this_thread::yield();
    if (rounds % 3 == 0) splat.clear();  // a reset to the built-in set
    if (rounds % 5 == 0) engine.stopWave(WaveChannel::Main);
    ++rounds;
  }
  engine.closeWave();
  // Every sample is some mix of silence, the splat's 200 and the tick's 100.
  const std::set<int> allowed = {128, 100 + 64, 50 + 64, 100 + 50};
  for (int v : device->values()) EXPECT_TRUE(allowed.count(v)) << v;
  EXPECT_GT(device->values().size(), 1u);
  // The bytes the mixer held last were dropped on this side, never while rendering.
  EXPECT_EQ(freedWhileRendering.load(), 0);
}

// A device that renders 64 samples every `pace` on its own thread and keeps
// what each open played, with the times of its opens and closes.
class SessionDevice : public WaveDevice {
 public:
  SessionDevice(std::chrono::microseconds pace, std::chrono::milliseconds openTakes = 0ms)
      : pace_(pace), openTakes_(openTakes) {}
  ~SessionDevice() override { close(); }
  bool open(SampleSource& source) override {
    std::this_thread::sleep_for(openTakes_);  // a sound server making its stream
    std::lock_guard lock(mutex_);
    sessions_.emplace_back();
    opened_.push_back(Clock::now());
    running_ = true;
    thread_ = std::thread([this, &source] {
      std::array<std::uint8_t, 64> period{};
      while (running_.load()) {
        renderOnDevice(source, period);
        for (std::uint8_t v : period) heard_[v].fetch_add(1);
        {
          std::lock_guard lock(mutex_);
          sessions_.back().insert(sessions_.back().end(), period.begin(), period.end());
        }
        std::this_thread::sleep_for(pace_);
      }
    });
    return true;
  }
  void close() override {
    if (!thread_.joinable()) return;
    running_ = false;
    thread_.join();
    std::lock_guard lock(mutex_);
    closed_.push_back(Clock::now());
  }
  int opens() const { return count(opened_); }
  int closes() const { return count(closed_); }
  Clock::time_point openedAt(int i) const { return at(opened_, i); }
  Clock::time_point closedAt(int i) const { return at(closed_, i); }
  Bytes session(int i) const {
    std::lock_guard lock(mutex_);
    return sessions_.at(std::size_t(i));
  }
  long heard(std::uint8_t value) const { return heard_[value].load(); }

 private:
  int count(const std::vector<Clock::time_point>& v) const {
    std::lock_guard lock(mutex_);
    return int(v.size());
  }
  Clock::time_point at(const std::vector<Clock::time_point>& v, int i) const {
    std::lock_guard lock(mutex_);
    return v.at(std::size_t(i));
  }
  const std::chrono::microseconds pace_;
  const std::chrono::milliseconds openTakes_;
  mutable std::mutex mutex_;
  std::vector<Bytes> sessions_;
  std::vector<Clock::time_point> opened_, closed_;
  std::thread thread_;
  std::atomic<bool> running_{false};
  std::array<std::atomic<long>, 256> heard_{};
};

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 5000ms) {
  const auto until = Clock::now() + limit;
  while (!done() && Clock::now() < until) std::this_thread::sleep_for(2ms);
  return done();
}

// Whether `sound`, played alone, is in `out` whole: its samples halved, in one
// run, with nothing but silence around it.
testing::AssertionResult heardWhole(const Bytes& out, const Bytes& sound) {
  std::size_t start = 0;
  while (start < out.size() && out[start] == 128) ++start;
  if (out.size() < start + sound.size()) return testing::AssertionFailure() << "cut after " << out.size() - start;
  for (std::size_t i = 0; i < sound.size(); ++i)
    if (out[start + i] != sound[i] / 2 + 64) return testing::AssertionFailure() << "sample " << i;
  for (std::size_t i = start + sound.size(); i < out.size(); ++i)
    if (out[i] != 128) return testing::AssertionFailure() << "sound after the end";
  return testing::AssertionSuccess();
}

Bytes ramp(std::size_t size) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = std::uint8_t(i % 120);
  return b;
}

// The output rests closed: a sound opens it, it closes once the sound and the
// delay are over, and the next sound opens it again and is heard whole. A
// round keeps it open however long nothing sounds.
TEST(OutputOpenClose, OpensForASoundAndClosesAfterTheDelay) {
  constexpr auto delay = 100ms;
  auto owned = std::make_unique<SessionDevice>(1ms);
  SessionDevice* device = owned.get();
  WaveEngine engine(std::move(owned), delay);
  engine.openWave();
  EXPECT_TRUE(engine.deviceOpen());
  EXPECT_EQ(engine.soundState(), SoundState::Enabled);
  ASSERT_TRUE(waitFor([&] { return device->closes() == 1; }));  // the start-up check
  EXPECT_GE(device->closedAt(0) - device->openedAt(0), delay);
  EXPECT_FALSE(engine.outputOpen());

  const Bytes bytes = ramp(1500);  // 136 ms
  const SoundBuffer sound{bytes};
  for (int rest = 1; rest <= 2; ++rest) {
    const auto playedAt = Clock::now();
    engine.playWave(sound, WaveChannel::Main);
    ASSERT_TRUE(waitFor([&] { return device->closes() == rest + 1; }));
    EXPECT_EQ(device->opens(), rest + 1);
    EXPECT_GE(device->closedAt(rest) - playedAt, delay + 136ms);
    EXPECT_TRUE(heardWhole(device->session(rest), bytes));
  }

  engine.keepOutputOpen(true);
  ASSERT_TRUE(waitFor([&] { return device->opens() == 4; }));
  std::this_thread::sleep_for(3 * delay);
  EXPECT_EQ(device->closes(), 3);
  EXPECT_TRUE(engine.outputOpen());
  engine.playWave(sound, WaveChannel::Splat);
  engine.keepOutputOpen(false);
  ASSERT_TRUE(waitFor([&] { return device->closes() == 4; }));
  EXPECT_EQ(device->opens(), 4);
  EXPECT_TRUE(heardWhole(device->session(3), bytes));
}

// A set replaced while its splat plays: for a moment the mixer holds the only
// reference to the bytes. They are freed on this side at the next sound, never
// by the device thread.
TEST(OutputOpenClose, BytesTheSetLetsGoOfAreFreedOffTheDeviceThread) {
  auto owned = std::make_unique<SessionDevice>(1ms);
  SessionDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  const long before = freedWhileRendering.load();
  for (int round = 0; round < 10; ++round) {
    const long silent = device->heard(128);
    {
      SoundBuffer splat{Bytes(11025, 200)};  // one second
      const long heard = device->heard(164);
      engine.playWave(splat, WaveChannel::Splat);
      ASSERT_TRUE(waitFor([&] { return device->heard(164) >= heard + 128; }));
    }  // a new set: the old splat's bytes are the mixer's alone
    ASSERT_TRUE(waitFor([&] { return device->heard(128) >= silent + 256; }));  // it fell silent
  }
  engine.closeWave();
  EXPECT_EQ(freedWhileRendering.load(), before);
}

// The output closes a millisecond after each sound while new ones come at
// random moments, many of them while it closes. Each is heard whole in one
// open, none waits for an open on this thread (the device takes 30 ms to
// open), and nothing is freed while a period renders.
TEST(OutputOpenClose, APlayRacingTheCloseIsHeardWhole) {
  auto owned = std::make_unique<SessionDevice>(200us, 30ms);
  SessionDevice* device = owned.get();
  WaveEngine engine(std::move(owned), 1ms);
  engine.openWave();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pause(0, 40);
  auto longestPlay = Clock::duration::zero();
  constexpr std::size_t kLength = 300;  // 27 ms, heard in about 1 ms by this device
  const int rounds = 50;
  std::vector<SoundBuffer> sounds;
  for (int i = 0; i < rounds; ++i) sounds.push_back(SoundBuffer{Bytes(kLength, std::uint8_t(2 * i + 2))});
  for (int i = 0; i < rounds; ++i) {
    const std::uint8_t heardAs = std::uint8_t(i + 1 + 64);
    const auto before = Clock::now();
    engine.playWave(sounds[std::size_t(i)], WaveChannel::Main);
    longestPlay = std::max(longestPlay, Clock::now() - before);
    ASSERT_TRUE(waitFor([&] { return device->heard(heardAs) >= long(kLength); }, 3000ms))
        << "sound " << i << " heard " << device->heard(heardAs) << " opens " << device->opens() << " closes " << device->closes() << " open " << engine.outputOpen();
    if (i % 2) sounds[std::size_t(i)].clear();  // the set lets go while the mixer holds the bytes
    std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
  }
  engine.closeWave();
  EXPECT_GT(device->opens(), rounds / 4);  // the closes did race the plays
  EXPECT_LT(longestPlay, 20ms);
  for (int i = 0; i < rounds; ++i) {
    const std::uint8_t heardAs = std::uint8_t(i + 1 + 64);
    EXPECT_EQ(device->heard(heardAs), long(kLength)) << "sound " << i;
    int runs = 0;
    for (int s = 0; s < device->opens(); ++s) {
      const Bytes out = device->session(s);
      for (std::size_t k = 0; k < out.size(); ++k)
        if (out[k] == heardAs && (k == 0 || out[k - 1] != heardAs)) ++runs;
    }
    EXPECT_EQ(runs, 1) << "sound " << i << " was cut";
  }
  EXPECT_EQ(freedWhileRendering.load(), 0);
}

// The same on SDL's own audio thread, through the module.
TEST(MixThreads, SdlThreadReadsWhileTheSetIsReplaced) {
  QTemporaryDir dir;
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath(QStringLiteral("out.raw"))));
  QString why;
  SoundBackend* backend = soundBackend(&why);
  ASSERT_NE(backend, nullptr) << why.toStdString();
  WaveEngine engine(backend->makeWaveDevice());
  engine.openWave();
  ASSERT_TRUE(engine.deviceOpen());
  SoundBuffer splat;
  for (int round = 0; round < 60; ++round) {
    splat.data = Bytes(400, std::uint8_t(round));
    engine.playWave(splat, WaveChannel::Splat);
    std::this_thread::sleep_for(5ms);
  }
  splat.clear();
  std::this_thread::sleep_for(50ms);
  engine.closeWave();
  QFile out(dir.filePath(QStringLiteral("out.raw")));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_GT(out.size(), 2000);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  qputenv("PVQ_SOUND_MODULE", PVQ_SOUND_MODULE_PATH);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
