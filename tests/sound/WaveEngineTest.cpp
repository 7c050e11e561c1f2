// The mixer against a recording device: the exact bytes of every refilled block.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "sound/SoundSwitch.h"
#include "sound/WaveEngine.h"
#include "SoundTestSupport.h"

// Every operator new of this test binary is counted while `counting` is set.
namespace {
thread_local bool counting = false;
thread_local long allocations = 0;
void* allocate(std::size_t n) {
  if (counting) ++allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace
void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using Block = std::vector<std::uint8_t>;

SoundBuffer sound(std::size_t size, std::uint8_t value) { return SoundBuffer{Block(size, value), 0}; }
std::uint8_t halved(std::uint8_t v) { return std::uint8_t(v / 2 + 64); }

class WaveEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto device = std::make_unique<FakeWaveDevice>();
    fake = device.get();
    engine = std::make_unique<WaveEngine>(std::move(device));
  }
  Block nextBlock() {
    fake->finishOne();
    return fake->queued.back();
  }
  FakeWaveDevice* fake = nullptr;
  std::unique_ptr<WaveEngine> engine;
};

TEST_F(WaveEngineTest, SixSilentBlocksCirculateInRotation) {
  EXPECT_EQ(engine->soundIconHint(), "Sound Status (On, Off or not available)");
  engine->openWave();
  EXPECT_TRUE(engine->deviceOpen());
  EXPECT_EQ(engine->soundState(), SoundState::Enabled);
  EXPECT_EQ(engine->soundIconHint(), "Sound Enabled!");
  ASSERT_EQ(fake->queued.size(), 6u);
  for (int want : {1, 2, 3, 4, 5, 6, 1, 2}) {
    EXPECT_EQ(engine->nextBuffer(), want);
    EXPECT_EQ(nextBlock(), Block(400, 128));
  }
  EXPECT_EQ(fake->queued.size(), 14u);  // one block queued per notice
}

TEST_F(WaveEngineTest, ChannelsAreHalvedAndSummed) {
  engine->openWave();
  SoundBuffer ramps[2];
  for (int channel : {0, 1}) {
    for (int i = 0; i < 400; ++i) ramps[channel].data.push_back(std::uint8_t(i % 256));
    engine->playWave(ramps[channel], static_cast<WaveChannel>(channel));
    const Block b = nextBlock();
    for (std::size_t i = 0; i < 400; ++i) ASSERT_EQ(b[i], halved(std::uint8_t(i % 256))) << channel << ":" << i;
  }
  for (std::uint8_t v : {255, 0}) {
    SoundBuffer a = sound(400, v), b = sound(400, v);
    engine->playWave(a, WaveChannel::Main);
    engine->playWave(b, WaveChannel::Splat);
    EXPECT_EQ(nextBlock(), Block(400, v == 255 ? 254 : 0));
  }
}

TEST_F(WaveEngineTest, ThousandByteSoundFillsTwoBlocksAndTwoHundredSamples) {
  engine->openWave();
  SoundBuffer s;
  for (int i = 0; i < 1000; ++i) s.data.push_back(std::uint8_t(i * 7 % 256));
  SoundBuffer other = sound(1200, 40);
  engine->playWave(s, WaveChannel::Main);
  Block all;
  for (int k = 0; k < 3; ++k) {
    if (k == 2) engine->playWave(other, WaveChannel::Splat);
    const Block b = nextBlock();
    all.insert(all.end(), b.begin(), b.end());
  }
  for (std::size_t i = 0; i < 800; ++i) ASSERT_EQ(all[i], halved(s.data[i])) << i;
  for (std::size_t i = 800; i < 1000; ++i) ASSERT_EQ(all[i], s.data[i] / 2 + 20) << i;
  for (std::size_t i = 1000; i < 1200; ++i) ASSERT_EQ(all[i], 64 + 20) << i;  // channel 0 emptied
  EXPECT_EQ(s.position, 1000u);
}

TEST_F(WaveEngineTest, ChannelRules) {
  engine->openWave();
  // A restart rewinds; a replaced sound is cut, not rewound.
  SoundBuffer tick = sound(1000, 100), other = sound(400, 10);
  engine->playWave(tick, WaveChannel::Main);
  nextBlock();
  engine->playWave(tick, WaveChannel::Main);
  EXPECT_EQ(tick.position, 0u);
  nextBlock();
  engine->playWave(other, WaveChannel::Main);
  EXPECT_EQ(tick.position, 400u);
  EXPECT_EQ(nextBlock(), Block(400, 5 + 64));

  // A splat on channel 1 does not cut the tick on channel 0.
  engine->playWave(tick, WaveChannel::Main);
  SoundBuffer splat = sound(400, 60);
  engine->playWave(splat, WaveChannel::Splat);
  EXPECT_EQ(nextBlock(), Block(400, 50 + 30));

  // stopWave, an emptied sound and an empty sound all fall silent at the next sample.
  engine->stopWave(WaveChannel::Main);
  EXPECT_EQ(nextBlock(), Block(400, 128));
  engine->playWave(tick, WaveChannel::Splat);
  tick.data.clear();
  EXPECT_EQ(nextBlock(), Block(400, 128));
  tick.data.assign(1000, 0);  // refilled later: the channel has let go of it
  EXPECT_EQ(nextBlock(), Block(400, 128));
  SoundBuffer empty;
  engine->playWave(empty, WaveChannel::Main);
  EXPECT_EQ(nextBlock(), Block(400, 128));
}

TEST_F(WaveEngineTest, MutedOrUnavailableIgnoresPlayWave) {
  engine->openWave();
  SoundBuffer s = sound(500, 0);
  s.position = 37;
  engine->setSoundState(SoundState::Muted);
  engine->playWave(s, WaveChannel::Main);
  EXPECT_EQ(s.position, 37u);
  EXPECT_EQ(nextBlock(), Block(400, 128));

  auto device = std::make_unique<FakeWaveDevice>();
  device->openSucceeds = false;
  FakeWaveDevice* failing = device.get();
  WaveEngine unavailable(std::move(device));
  unavailable.openWave();
  EXPECT_FALSE(unavailable.deviceOpen());
  EXPECT_EQ(unavailable.soundState(), SoundState::Unavailable);
  EXPECT_EQ(unavailable.soundIconHint(), "Disabled (sound card in use, invalid or not found...)");
  unavailable.playWave(s, WaveChannel::Splat);
  EXPECT_EQ(s.position, 37u);
  unavailable.waveBufferDone();  // a stray notice queues nothing
  unavailable.closeWave();
  EXPECT_TRUE(failing->queued.empty());
  EXPECT_EQ(failing->closes, 0);
}

TEST_F(WaveEngineTest, CloseReleasesTheDeviceOnceAndLateNoticesAreIgnored) {
  engine->openWave();
  engine->closeWave();
  engine->closeWave();
  EXPECT_EQ(fake->resets, 1);
  EXPECT_EQ(fake->closes, 1);
  EXPECT_FALSE(engine->deviceOpen());
  nextBlock();
  EXPECT_EQ(fake->queued.size(), 6u);
}

TEST_F(WaveEngineTest, StatClickTogglesMuteAndLeavesUnavailableAlone) {
  engine->openWave();
  SoundBuffer a = sound(4000, 0), b = sound(4000, 0);
  engine->playWave(a, WaveChannel::Main);
  engine->playWave(b, WaveChannel::Splat);
  toggleSound(*engine);
  EXPECT_EQ(engine->soundState(), SoundState::Muted);
  EXPECT_EQ(engine->soundIconHint(), "Sound Muted");
  EXPECT_EQ(nextBlock(), Block(400, 128));  // both channels stopped
  toggleSound(*engine);
  EXPECT_EQ(engine->soundState(), SoundState::Enabled);
  EXPECT_EQ(engine->soundIconHint(), "Sound Enabled!");

  fake->openSucceeds = false;
  engine->openWave();
  for (int i = 0; i < 2; ++i) {
    toggleSound(*engine);
    EXPECT_EQ(engine->soundState(), SoundState::Unavailable);
    EXPECT_EQ(engine->soundIconHint(), "Disabled (sound card in use, invalid or not found...)");
  }
}

// Mixing runs 27 times a second for the whole game: no heap traffic.
TEST(MixAllocation, PlayStopAndMixAllocateNothing) {
  struct Discarding : WaveDevice {
    std::function<void()> done;
    std::uint8_t last = 0;
    bool open(std::function<void()> d) override { return done = std::move(d), true; }
    void queue(std::span<const std::uint8_t> b) override { last = b.back(); }
    void reset() override {}
    void close() override {}
  };
  auto owned = std::make_unique<Discarding>();
  Discarding* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  SoundBuffer tick = sound(3000, 250), splat = sound(900, 10);
  counting = true;
  engine.playWave(tick, WaveChannel::Main);
  engine.playWave(splat, WaveChannel::Splat);
  for (int i = 0; i < 12; ++i) device->done();
  engine.stopWave(WaveChannel::Main);
  device->done();
  counting = false;
  EXPECT_EQ(allocations, 0);
  EXPECT_EQ(device->last, 128);
  EXPECT_EQ(tick.position, 3000u);
}

}  // namespace
