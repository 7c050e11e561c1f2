// The SDL device for real: SDL's disk driver writes what the device played to a
// file, which must hold the queued blocks in order after the leading silence.
#include <gtest/gtest.h>

#include <QFile>
#include <QThread>
#include <SDL.h>
#include <cstdlib>

#include "sound/SdlWaveDevice.h"
#include "sound/WaveEngine.h"
#include "SoundTestSupport.h"
#include "support/FakePrompts.h"

namespace {

class SdlWaveDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = makeScratchDir();
    ASSERT_TRUE(dir->isValid());
    output = dir->filePath(QStringLiteral("out.raw"));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", QFile::encodeName(output).constData(), 1);
  }
  void TearDown() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("SDL_DISKAUDIOFILE");
  }
  QByteArray written() {
    QFile f(output);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  std::unique_ptr<QTemporaryDir> dir;
  QString output;
};

TEST_F(SdlWaveDeviceTest, PlaysQueuedBlocksInOrderWithNoticesOnTheGuiThread) {
  SdlWaveDevice device;
  int notices = 0;
  bool offThread = false;
  ASSERT_TRUE(device.open([&] {
    ++notices;
    offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
  })) << device.lastError().toStdString();
  std::vector<std::uint8_t> block(400);
  for (int k = 0; k < 6; ++k) {
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = std::uint8_t(k * 40 + i % 7);
    device.queue(block);
  }
  ASSERT_TRUE(waitUntil([&] { return notices >= 6; }));
  device.close();
  EXPECT_EQ(notices, 6);
  EXPECT_FALSE(offThread);

  const QByteArray out = written();
  ASSERT_GE(out.size(), 2400);
  for (int i = 0; i < 2400; ++i) ASSERT_EQ(std::uint8_t(out[i]), std::uint8_t((i / 400) * 40 + (i % 400) % 7)) << i;
  // The queue ran dry after the sixth block: silence, not stale bytes.
  for (int i = 2400; i < out.size(); ++i) ASSERT_EQ(std::uint8_t(out[i]), 128) << i;
}

TEST_F(SdlWaveDeviceTest, EngineOutputHoldsTheHalvedSoundAfterLeadingSilence) {
  FakePrompts fakePrompts;
  auto owned = std::make_unique<SdlWaveDevice>();
  SdlWaveDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.OpenWave();
  ASSERT_EQ(engine.soundState(), SoundState::Enabled) << device->lastError().toStdString();

  SoundBuffer sound;
  for (int i = 0; i < 600; ++i) sound.data.push_back(std::uint8_t(i % 120));  // never halves to 128
  ASSERT_TRUE(waitUntil([&] { return device->framesOut() >= 800; }));
  engine.PlayWave(sound, 0);
  ASSERT_TRUE(waitUntil([&] { return device->framesOut() >= 2400 * 2 + 1600; }));
  engine.CloseWave();
  EXPECT_TRUE(fakePrompts.messages.isEmpty());

  const QByteArray out = written();
  const int start = out.indexOf(char(64));
  ASSERT_GT(start, 0);
  for (int i = 0; i < start; ++i) ASSERT_EQ(std::uint8_t(out[i]), 128) << i;
  ASSERT_GE(out.size(), start + 600 + 400);
  for (int i = 0; i < 600; ++i) ASSERT_EQ(std::uint8_t(out[start + i]), sound.data[i] / 2 + 64) << i;
  for (int i = start + 600; i < start + 1000; ++i) ASSERT_EQ(std::uint8_t(out[i]), 128) << i;
}

TEST_F(SdlWaveDeviceTest, NoticesPostedBeforeCloseAreDropped) {
  int notices = 0;
  {
    SdlWaveDevice device;
    ASSERT_TRUE(device.open([&] { ++notices; }));
    std::vector<std::uint8_t> block(400, 128);
    for (int k = 0; k < 3; ++k) device.queue(block);
    // Let blocks finish while the GUI thread is deaf, so notices pile up.
    const std::uint64_t target = 1200;
    for (int i = 0; i < 300 && device.framesOut() < target; ++i) SDL_Delay(10);
    ASSERT_GE(device.framesOut(), target);
    device.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 0);

    ASSERT_TRUE(device.open([&] { ++notices; }));
    device.queue(block);
    for (int i = 0; i < 300 && device.framesOut() < 400; ++i) SDL_Delay(10);
  }
  // The device is gone with a notice still posted to it.
  QCoreApplication::processEvents();
  EXPECT_EQ(notices, 0);
}

TEST_F(SdlWaveDeviceTest, BothOpenFailuresMakeSoundUnavailableWithoutAMessage) {
  FakePrompts fakePrompts;

  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);  // SDL's audio init fails
  auto first = std::make_unique<SdlWaveDevice>();
  SdlWaveDevice* initFails = first.get();
  WaveEngine a(std::move(first));
  a.OpenWave();
  EXPECT_EQ(a.soundState(), SoundState::Unavailable);
  EXPECT_FALSE(a.deviceOpen());
  EXPECT_FALSE(initFails->lastError().isEmpty());
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

  // Init succeeds, but the disk driver cannot create its file: no device.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir->filePath(QStringLiteral("missing/out.raw"))).constData(), 1);
  auto second = std::make_unique<SdlWaveDevice>();
  SdlWaveDevice* openFails = second.get();
  WaveEngine b(std::move(second));
  b.OpenWave();
  EXPECT_EQ(b.soundState(), SoundState::Unavailable);
  EXPECT_EQ(b.statHint(), "Disabled (sound card in use, invalid or not found...)");
  EXPECT_FALSE(openFails->lastError().isEmpty());
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

  EXPECT_TRUE(fakePrompts.messages.isEmpty());
}

}  // namespace
