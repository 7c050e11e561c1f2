// The mixer against a device the test pulls samples from: the exact bytes mixed.
#include <gtest/gtest.h>

#include <array>
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

SoundBuffer sound(std::size_t size, std::uint8_t value) { return SoundBuffer{Block(size, value)}; }
std::uint8_t halved(std::uint8_t v) { return std::uint8_t(v / 2 + 64); }

class WaveEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto device = std::make_unique<FakeWaveDevice>();
    fake = device.get();
    engine = std::make_unique<WaveEngine>(std::move(device));
  }
  Block nextBlock() { return fake->pull(400); }
  FakeWaveDevice* fake = nullptr;
  std::unique_ptr<WaveEngine> engine;
};

TEST_F(WaveEngineTest, OpensPullingSilence) {
  EXPECT_EQ(engine->soundIconHint(), "Sound Status (On, Off or not available)");
  engine->openWave();
  EXPECT_TRUE(engine->deviceOpen());
  EXPECT_EQ(engine->soundState(), SoundState::Enabled);
  EXPECT_EQ(engine->soundIconHint(), "Sound Enabled!");
  EXPECT_EQ(fake->pull(1), Block(1, 128));
  EXPECT_EQ(fake->pull(4096), Block(4096, 128));
}

TEST_F(WaveEngineTest, ChannelsAreHalvedAndSummed) {
  engine->openWave();
  SoundBuffer ramps[2];
  for (int channel : {0, 1}) {
    Block ramp;
    for (int i = 0; i < 400; ++i) ramp.push_back(std::uint8_t(i % 256));
    ramps[channel].data = ramp;
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
  Block bytes;
  for (int i = 0; i < 1000; ++i) bytes.push_back(std::uint8_t(i * 7 % 256));
  SoundBuffer s{bytes};
  SoundBuffer other = sound(1200, 40);
  engine->playWave(s, WaveChannel::Main);
  Block all;
  for (int k = 0; k < 3; ++k) {
    if (k == 2) engine->playWave(other, WaveChannel::Splat);
    const Block b = nextBlock();
    all.insert(all.end(), b.begin(), b.end());
  }
  for (std::size_t i = 0; i < 800; ++i) ASSERT_EQ(all[i], halved(bytes[i])) << i;
  for (std::size_t i = 800; i < 1000; ++i) ASSERT_EQ(all[i], bytes[i] / 2 + 20) << i;
  for (std::size_t i = 1000; i < 1200; ++i) ASSERT_EQ(all[i], 64 + 20) << i;  // channel 0 emptied
}

TEST_F(WaveEngineTest, ChannelRules) {
  engine->openWave();
  // A restart rewinds; a replaced sound is cut.
  Block ramp;
  for (int i = 0; i < 1000; ++i) ramp.push_back(std::uint8_t(i % 200));
  SoundBuffer tick{ramp}, other = sound(400, 10);
  engine->playWave(tick, WaveChannel::Main);
  nextBlock();
  engine->playWave(tick, WaveChannel::Main);
  EXPECT_EQ(nextBlock()[0], halved(ramp[0]));
  engine->playWave(other, WaveChannel::Main);
  EXPECT_EQ(nextBlock(), Block(400, 5 + 64));

  // A splat on channel 1 does not cut the tick on channel 0.
  SoundBuffer flat = sound(1000, 100), splat = sound(400, 60);
  engine->playWave(flat, WaveChannel::Main);
  engine->playWave(splat, WaveChannel::Splat);
  EXPECT_EQ(nextBlock(), Block(400, 50 + 30));

  // stopWave and an empty sound both fall silent at the next sample.
  engine->stopWave(WaveChannel::Main);
  EXPECT_EQ(nextBlock(), Block(400, 128));
  engine->playWave(flat, WaveChannel::Splat);
  SoundBuffer empty;
  engine->playWave(empty, WaveChannel::Splat);
  EXPECT_EQ(nextBlock(), Block(400, 128));
}

// The set replaces or empties its sounds whenever a set is loaded or reset; a
// channel playing the old bytes falls silent and never reads the new ones from
// the middle. The old bytes stay readable for as long as the mixer reads them.
TEST_F(WaveEngineTest, ASoundTheSetLetsGoOfFallsSilent) {
  engine->openWave();
  SoundBuffer splat = sound(2000, 0);
  engine->playWave(splat, WaveChannel::Splat);
  EXPECT_EQ(fake->pull(100), Block(100, 64));
  splat.data.assign(2000, 200);
  EXPECT_EQ(nextBlock(), Block(400, 128));
  engine->playWave(splat, WaveChannel::Splat);  // the new bytes, from their first
  EXPECT_EQ(fake->pull(100), Block(100, 164));
  splat.clear();
  EXPECT_EQ(nextBlock(), Block(400, 128));
}

TEST_F(WaveEngineTest, MutedOrUnavailableIgnoresPlayWave) {
  engine->openWave();
  SoundBuffer s = sound(500, 0);
  engine->setSoundState(SoundState::Muted);
  engine->playWave(s, WaveChannel::Main);
  EXPECT_EQ(nextBlock(), Block(400, 128));

  auto device = std::make_unique<FakeWaveDevice>();
  device->openSucceeds = false;
  FakeWaveDevice* failing = device.get();
  WaveEngine unavailable(std::move(device));
  unavailable.openWave();
  EXPECT_FALSE(unavailable.deviceOpen());
  EXPECT_EQ(unavailable.soundState(), SoundState::Unavailable);
  EXPECT_EQ(unavailable.soundIconHint(), "Disabled (sound card in use, invalid or not found...)");
  unavailable.setSoundState(SoundState::Enabled);
  EXPECT_EQ(unavailable.soundState(), SoundState::Unavailable);
  unavailable.playWave(s, WaveChannel::Splat);
  unavailable.closeWave();
  EXPECT_EQ(failing->closes, 0);
}

TEST_F(WaveEngineTest, CloseReleasesTheDeviceOnceAndReopensSilent) {
  engine->openWave();
  SoundBuffer s = sound(4000, 0);
  engine->playWave(s, WaveChannel::Main);
  engine->closeWave();
  engine->closeWave();
  EXPECT_EQ(fake->closes, 1);
  EXPECT_FALSE(engine->outputOpen());
  EXPECT_TRUE(nextBlock().empty());
  engine->openWave();
  EXPECT_EQ(nextBlock(), Block(400, 128));
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
  EXPECT_EQ(nextBlock(), Block(400, 128));  // unmuting restarts nothing

  fake->openSucceeds = false;
  engine->openWave();
  for (int i = 0; i < 2; ++i) {
    toggleSound(*engine);
    EXPECT_EQ(engine->soundState(), SoundState::Unavailable);
    EXPECT_EQ(engine->soundIconHint(), "Disabled (sound card in use, invalid or not found...)");
  }
}

// Mixing runs on the audio thread 43 times a second for the whole run, and
// sounds start at every tick and hit: no heap traffic and no copies.
TEST(MixAllocation, PlayStopAndMixAllocateNothing) {
  auto owned = std::make_unique<FakeWaveDevice>();
  FakeWaveDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  SoundBuffer tick = sound(3000, 250), splat = sound(900, 10);
  std::array<std::uint8_t, 256> period{};
  counting = true;
  engine.playWave(tick, WaveChannel::Main);
  engine.playWave(splat, WaveChannel::Splat);
  for (int i = 0; i < 12; ++i) device->source->render(period);
  engine.stopWave(WaveChannel::Main);
  device->source->render(period);
  counting = false;
  EXPECT_EQ(allocations, 0);
  EXPECT_EQ(period.back(), 128);
}

}  // namespace
