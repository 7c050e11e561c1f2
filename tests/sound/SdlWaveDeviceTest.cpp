// The SDL device for real: SDL's disk driver writes what the device played to a
// file, which must hold the queued blocks in order after the leading silence.
#include <gtest/gtest.h>

#include <QFile>
#include <QThread>
#include <SDL.h>
#include <cstdlib>

#include "sound/RuntimeLibrary.h"
#include "sound/SdlWaveDevice.h"
#include "sound/WaveEngine.h"
#include "SoundTestSupport.h"
#include "support/FakePrompts.h"

namespace {

class SdlWaveDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    output = dir->filePath(QStringLiteral("out.raw"));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", QFile::encodeName(output).constData(), 1);
  }
  void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  QByteArray written() {
    QFile f(output);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  std::unique_ptr<QTemporaryDir> dir = makeScratchDir();
  QString output;
};

TEST_F(SdlWaveDeviceTest, PlaysBlocksInOrderWithNoticesOnTheGuiThread) {
  SdlWaveDevice device;
  int notices = 0;
  bool offThread = false;
  ASSERT_TRUE(device.open([&] {
    ++notices;
    offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
  })) << device.lastError().toStdString();
  for (int k = 0; k < 6; ++k) device.queue(std::vector<std::uint8_t>(400, std::uint8_t(k * 40)));
  ASSERT_TRUE(waitUntil([&] { return notices >= 6; }));
  device.close();
  EXPECT_EQ(notices, 6);
  EXPECT_FALSE(offThread);
  // SDL may have pulled a little silence before the first block arrived.
  const QByteArray out = written();
  int lead = 0;
  while (lead < out.size() && std::uint8_t(out[lead]) == 128) ++lead;
  ASSERT_GE(out.size(), lead + 2400);
  for (int i = 0; i < 2400; ++i) ASSERT_EQ(std::uint8_t(out[lead + i]), (i / 400) * 40) << i;
  for (int i = lead + 2400; i < out.size(); ++i) ASSERT_EQ(std::uint8_t(out[i]), 128) << i;  // ran dry: silence
}

TEST_F(SdlWaveDeviceTest, EngineOutputHoldsTheHalvedSoundAfterLeadingSilence) {
  auto owned = std::make_unique<SdlWaveDevice>();
  SdlWaveDevice* device = owned.get();
  WaveEngine engine(std::move(owned));
  engine.openWave();
  ASSERT_EQ(engine.soundState(), SoundState::Enabled) << device->lastError().toStdString();
  SoundBuffer sound;
  for (int i = 0; i < 600; ++i) sound.data.push_back(std::uint8_t(i % 120));  // never halves to 128
  ASSERT_TRUE(waitUntil([&] { return device->framesOut() >= 800; }));
  engine.playWave(sound, WaveChannel::Main);
  ASSERT_TRUE(waitUntil([&] { return device->framesOut() >= 2400 * 2 + 1600; }));
  engine.closeWave();

  const QByteArray out = written();
  const int start = out.indexOf(char(64));
  ASSERT_GT(start, 0);
  ASSERT_GE(out.size(), start + 1000);
  for (int i = 0; i < start; ++i) ASSERT_EQ(std::uint8_t(out[i]), 128) << i;
  for (int i = 0; i < 600; ++i) ASSERT_EQ(std::uint8_t(out[start + i]), sound.data[i] / 2 + 64) << i;
  for (int i = start + 600; i < start + 1000; ++i) ASSERT_EQ(std::uint8_t(out[i]), 128) << i;
}

TEST_F(SdlWaveDeviceTest, NoticesPostedBeforeCloseAreDropped) {
  int notices = 0;
  {
    SdlWaveDevice device;
    ASSERT_TRUE(device.open([&] { ++notices; }));
    for (int k = 0; k < 3; ++k) device.queue(std::vector<std::uint8_t>(400, 128));
    // Blocks finish while the GUI thread is deaf, so their notices stay posted.
    for (int i = 0; i < 300 && device.framesOut() < 1200; ++i) SDL_Delay(10);
    device.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 0);
    ASSERT_TRUE(device.open([&] { ++notices; }));
    device.queue(std::vector<std::uint8_t>(400, 128));
    for (int i = 0; i < 300 && device.framesOut() < 400; ++i) SDL_Delay(10);
  }
  QCoreApplication::processEvents();  // the device is gone with a notice posted to it
  EXPECT_EQ(notices, 0);
}

TEST_F(SdlWaveDeviceTest, BothOpenFailuresMakeSoundUnavailableWithoutAMessage) {
  FakePrompts fakePrompts;
  const char* missingFile = "/nonexistent-folder/out.raw";
  for (const char* driver : {"no-such-driver", "disk"}) {  // init fails; then the device does
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", missingFile, 1);
    {
      auto owned = std::make_unique<SdlWaveDevice>();
      SdlWaveDevice* device = owned.get();
      WaveEngine engine(std::move(owned));
      engine.openWave();
      EXPECT_EQ(engine.soundState(), SoundState::Unavailable) << driver;
      EXPECT_FALSE(engine.deviceOpen());
      EXPECT_FALSE(device->lastError().isEmpty());
    }
    // A failed open leaves SDL's audio up (taking it down can stall); the device takes it down at the end.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << driver;
  }
  EXPECT_TRUE(fakePrompts.messages.isEmpty());
}

TEST_F(SdlWaveDeviceTest, OpensAgainAfterAFailedOpen) {
  SdlWaveDevice device;
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/nonexistent-folder/out.raw", 1);
  EXPECT_FALSE(device.open([] {}));
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  setenv("SDL_DISKAUDIOFILE", QFile::encodeName(output).constData(), 1);
  EXPECT_TRUE(device.open([] {})) << device.lastError().toStdString();
  device.close();
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

// A machine without the library, or with one that lacks a function, gets a
// reason and null pointers rather than a crash.
TEST(RuntimeLibrary, SaysWhyALibraryOrOneOfItsFunctionsIsMissing) {
  RuntimeLibrary absent("libpvq-no-such-library.so.9", "Absent");
  void (*anything)() = reinterpret_cast<void (*)()>(1);
  absent.resolve(anything, "anything");
  EXPECT_EQ(anything, nullptr);
  EXPECT_TRUE(absent.error().contains(QStringLiteral("libpvq-no-such-library.so.9"))) << absent.error().toStdString();

  RuntimeLibrary sdl("libSDL2-2.0.so.0", "SDL");
  decltype(&SDL_WasInit) wasInit = nullptr;
  sdl.resolve(wasInit, "SDL_WasInit");
  ASSERT_NE(wasInit, nullptr);
  EXPECT_EQ(wasInit(0), SDL_WasInit(0));
  EXPECT_TRUE(sdl.error().isEmpty());
  void (*missing)() = nullptr;
  sdl.resolve(missing, "SDL_NoSuchFunction");
  EXPECT_EQ(missing, nullptr);
  EXPECT_EQ(sdl.error(), QStringLiteral("SDL has no SDL_NoSuchFunction"));
}

}  // namespace
