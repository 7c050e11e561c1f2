// The mixer against a recording device: the exact bytes of every refilled block.
#include <gtest/gtest.h>

#include "sound/SoundSwitch.h"
#include "sound/WaveEngine.h"
#include "SoundTestSupport.h"

namespace {

using Block = std::vector<std::uint8_t>;

SoundBuffer soundOf(std::size_t size, const std::function<std::uint8_t(std::size_t)>& sample) {
  SoundBuffer s;
  for (std::size_t i = 0; i < size; ++i) s.data.push_back(sample(i));
  return s;
}
std::uint8_t halved(std::uint8_t v) { return std::uint8_t(v / 2 + 64); }

class WaveEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto device = std::make_unique<FakeWaveDevice>();
    fake = device.get();
    engine = std::make_unique<WaveEngine>(std::move(device));
  }
  // The device plays one block; the engine refills and queues it again.
  Block nextBlock() {
    fake->finishOne();
    return fake->queued.back();
  }

  FakeWaveDevice* fake = nullptr;
  std::unique_ptr<WaveEngine> engine;
};

TEST_F(WaveEngineTest, OpenWaveStartsSixSilentBlocksAndEnablesSound) {
  EXPECT_EQ(engine->statHint(), "Sound Status (On, Off or not available)");
  EXPECT_FALSE(engine->deviceOpen());
  engine->OpenWave();
  EXPECT_TRUE(engine->deviceOpen());
  EXPECT_EQ(engine->soundState(), SoundState::Enabled);
  EXPECT_EQ(engine->statHint(), "Sound Enabled!");
  ASSERT_EQ(fake->queued.size(), 6u);
  for (const Block& b : fake->queued) EXPECT_EQ(b, Block(400, 128));
}

TEST_F(WaveEngineTest, IdleBlocksStaySilentAndTheNextBufferRotates) {
  engine->OpenWave();
  const int expected[] = {1, 2, 3, 4, 5, 6, 1, 2};
  for (int want : expected) {
    EXPECT_EQ(engine->nextBuffer(), want);
    EXPECT_EQ(nextBlock(), Block(400, 128));
  }
  // Each notice queues exactly one block, so six stay in flight.
  EXPECT_EQ(fake->pending.size(), 6u);
}

TEST_F(WaveEngineTest, OneChannelIsHalvedAndLiftedByTheSilentOther) {
  engine->OpenWave();
  SoundBuffer ramps[2];
  for (int channel : {0, 1}) {
    ramps[channel] = soundOf(400, [](std::size_t i) { return std::uint8_t(i % 256); });
    engine->PlayWave(ramps[channel], channel);
    const Block b = nextBlock();
    for (std::size_t i = 0; i < 400; ++i) ASSERT_EQ(b[i], halved(std::uint8_t(i % 256))) << "channel " << channel << " sample " << i;
  }
}

TEST_F(WaveEngineTest, FullScaleAndZeroOnBothChannels) {
  engine->OpenWave();
  SoundBuffer high = soundOf(400, [](std::size_t) { return 255; });
  SoundBuffer high2 = high;
  engine->PlayWave(high, 0);
  engine->PlayWave(high2, 1);
  EXPECT_EQ(nextBlock(), Block(400, 254));

  SoundBuffer low = soundOf(400, [](std::size_t) { return 0; });
  SoundBuffer low2 = low;
  engine->PlayWave(low, 0);
  engine->PlayWave(low2, 1);
  EXPECT_EQ(nextBlock(), Block(400, 0));
}

TEST_F(WaveEngineTest, ThousandByteSoundFillsTwoBlocksAndTwoHundredSamples) {
  engine->OpenWave();
  SoundBuffer s = soundOf(1000, [](std::size_t i) { return std::uint8_t(i * 7 % 256); });
  engine->PlayWave(s, 0);
  Block all;
  for (int k = 0; k < 3; ++k) {
    const Block b = nextBlock();
    all.insert(all.end(), b.begin(), b.end());
  }
  for (std::size_t i = 0; i < 1000; ++i) ASSERT_EQ(all[i], halved(s.data[i])) << i;
  for (std::size_t i = 1000; i < 1200; ++i) ASSERT_EQ(all[i], 128) << i;
  EXPECT_EQ(s.position, 1000u);
  EXPECT_EQ(nextBlock(), Block(400, 128));
}

TEST_F(WaveEngineTest, AfterTheSoundEndsTheOtherChannelStillSounds) {
  engine->OpenWave();
  SoundBuffer shortOne = soundOf(200, [](std::size_t) { return 200; });
  SoundBuffer longOne = soundOf(400, [](std::size_t) { return 40; });
  engine->PlayWave(shortOne, 0);
  engine->PlayWave(longOne, 1);
  const Block b = nextBlock();
  for (std::size_t i = 0; i < 200; ++i) ASSERT_EQ(b[i], 100 + 20) << i;
  for (std::size_t i = 200; i < 400; ++i) ASSERT_EQ(b[i], 64 + 20) << i;
}

TEST_F(WaveEngineTest, PlayWaveWhileMutedOrUnavailableTouchesNothing) {
  engine->OpenWave();
  SoundBuffer s = soundOf(500, [](std::size_t) { return 0; });
  s.position = 37;
  engine->setSoundState(SoundState::Muted);
  engine->PlayWave(s, 0);
  EXPECT_EQ(s.position, 37u);
  EXPECT_EQ(nextBlock(), Block(400, 128));

  auto device = std::make_unique<FakeWaveDevice>();
  device->openSucceeds = false;
  FakeWaveDevice* failing = device.get();
  WaveEngine unavailable(std::move(device));
  unavailable.OpenWave();
  EXPECT_EQ(unavailable.soundState(), SoundState::Unavailable);
  unavailable.PlayWave(s, 1);
  EXPECT_EQ(s.position, 37u);
  unavailable.WaveBufferDone();  // a stray notice must not queue anything
  EXPECT_TRUE(failing->queued.empty());
}

TEST_F(WaveEngineTest, RestartRewindsAndAReplacedSoundKeepsItsPosition) {
  engine->OpenWave();
  SoundBuffer tick = soundOf(1000, [](std::size_t i) { return std::uint8_t(i % 251); });
  engine->PlayWave(tick, 0);
  nextBlock();
  EXPECT_EQ(tick.position, 400u);
  engine->PlayWave(tick, 0);
  EXPECT_EQ(tick.position, 0u);
  const Block b = nextBlock();
  for (std::size_t i = 0; i < 400; ++i) ASSERT_EQ(b[i], halved(tick.data[i])) << i;

  SoundBuffer other = soundOf(400, [](std::size_t) { return 10; });
  engine->PlayWave(other, 0);
  EXPECT_EQ(tick.position, 400u);  // cut off, not rewound
  EXPECT_EQ(nextBlock(), Block(400, 5 + 64));
}

TEST_F(WaveEngineTest, SplatOnChannelOneDoesNotCutTheTick) {
  engine->OpenWave();
  SoundBuffer tick = soundOf(800, [](std::size_t) { return 100; });
  SoundBuffer splat = soundOf(400, [](std::size_t) { return 60; });
  engine->PlayWave(tick, 0);
  EXPECT_EQ(nextBlock(), Block(400, 50 + 64));
  engine->PlayWave(splat, 1);
  EXPECT_EQ(nextBlock(), Block(400, 50 + 30));
  EXPECT_EQ(tick.position, 800u);
}

TEST_F(WaveEngineTest, StopAndEmptiedSoundsFallSilentAtTheNextSample) {
  engine->OpenWave();
  SoundBuffer s = soundOf(2000, [](std::size_t) { return 250; });
  engine->PlayWave(s, 0);
  nextBlock();
  engine->StopWave(0);
  EXPECT_EQ(nextBlock(), Block(400, 128));

  // The set replaces its sounds while one plays: the channel lets go of it.
  engine->PlayWave(s, 1);
  nextBlock();
  s.data.clear();
  EXPECT_EQ(nextBlock(), Block(400, 128));
  s.data.assign(2000, 0);
  EXPECT_EQ(nextBlock(), Block(400, 128));
  EXPECT_EQ(s.position, 400u);

  SoundBuffer empty;
  engine->PlayWave(empty, 0);
  EXPECT_EQ(nextBlock(), Block(400, 128));
}

TEST_F(WaveEngineTest, OpenFailureLeavesTheGameSilentAndCloseIsIdempotent) {
  fake->openSucceeds = false;
  engine->OpenWave();
  EXPECT_FALSE(engine->deviceOpen());
  EXPECT_EQ(engine->soundState(), SoundState::Unavailable);
  EXPECT_EQ(engine->statHint(), "Disabled (sound card in use, invalid or not found...)");
  EXPECT_TRUE(fake->queued.empty());
  engine->CloseWave();
  EXPECT_EQ(fake->closes, 0);

  fake->openSucceeds = true;
  auto device = std::make_unique<FakeWaveDevice>();
  FakeWaveDevice* second = device.get();
  WaveEngine other(std::move(device));
  other.OpenWave();
  other.CloseWave();
  other.CloseWave();
  EXPECT_EQ(second->resets, 1);
  EXPECT_EQ(second->closes, 1);
  EXPECT_FALSE(other.deviceOpen());
  const std::size_t before = second->queued.size();
  other.WaveBufferDone();  // a notice already on its way when the device closed
  EXPECT_EQ(second->queued.size(), before);
}

TEST_F(WaveEngineTest, StatClickTogglesMuteAndLeavesUnavailableAlone) {
  engine->OpenWave();
  SoundBuffer a = soundOf(4000, [](std::size_t) { return 0; });
  SoundBuffer b = soundOf(4000, [](std::size_t) { return 0; });
  engine->PlayWave(a, 0);
  engine->PlayWave(b, 1);

  StatView v = StatClick(*engine);
  EXPECT_EQ(engine->soundState(), SoundState::Muted);
  EXPECT_EQ(v.offset, -20);
  EXPECT_EQ(v.hint, "Sound Muted");
  EXPECT_EQ(nextBlock(), Block(400, 128));  // both channels stopped

  v = StatClick(*engine);
  EXPECT_EQ(engine->soundState(), SoundState::Enabled);
  EXPECT_EQ(v.offset, 0);
  EXPECT_EQ(v.hint, "Sound Enabled!");
  EXPECT_EQ(nextBlock(), Block(400, 128));  // unmuting restarts nothing

  auto device = std::make_unique<FakeWaveDevice>();
  device->openSucceeds = false;
  WaveEngine unavailable(std::move(device));
  unavailable.OpenWave();
  for (int i = 0; i < 2; ++i) {
    v = StatClick(unavailable);
    EXPECT_EQ(unavailable.soundState(), SoundState::Unavailable);
    EXPECT_EQ(v.offset, -40);
    EXPECT_EQ(v.hint, "Disabled (sound card in use, invalid or not found...)");
  }
}

}  // namespace
