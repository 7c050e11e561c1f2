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
#include <set>
#include <thread>

#include "sound/SoundBackend.h"
#include "sound/WaveEngine.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// A device whose thread asks for 64 samples at a time as fast as it can.
class RacingDevice : public WaveDevice {
 public:
  bool open(SampleSource& source) override {
    running_ = true;
    thread_ = std::thread([this, &source] {
      std::array<std::uint8_t, 64> period{};
      while (running_.load(std::memory_order_relaxed)) {
        source.render(period);
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
