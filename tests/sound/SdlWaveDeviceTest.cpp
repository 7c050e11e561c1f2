// The SDL device for real, loaded from the sound module: SDL's disk driver
// writes what the device played to a file, which must hold each sound whole,
// on time, after the leading silence.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "sound/SoundBackend.h"
#include "sound/WaveEngine.h"
#include "SoundTestSupport.h"
#include "WatchedWaveDevice.h"
#include "support/FakePrompts.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

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

  // Plays `sound` on an engine over the disk driver; `whilePlaying` runs on this
  // thread right after playWave. Returns the output clock at playWave.
  std::uint64_t play(const Bytes& bytes, const std::function<void()>& whilePlaying) {
    auto counting = std::make_unique<WatchedWaveDevice>(sdlWaveDevice());
    WatchedWaveDevice* device = counting.get();
    WaveEngine engine(std::move(counting));
    engine.openWave();
    EXPECT_EQ(engine.soundState(), SoundState::Enabled);
    SoundBuffer sound{bytes};
    waitUntil([&] { return device->framesOut() >= 1000; });
    const std::uint64_t at = device->framesOut();
    engine.playWave(sound, WaveChannel::Main);
    whilePlaying();
    waitUntil([&] { return device->framesOut() >= at + bytes.size() + 2000; }, 10000);
    engine.closeWave();
    return at;
  }
  std::unique_ptr<QTemporaryDir> dir = makeScratchDir();
  QString output;
};

// Never halves to 128, so the sound's first sample is the first that is not silence.
Bytes ramp(std::size_t size) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = std::uint8_t(i % 120);
  return b;
}

// The whole sound, once, with silence before and after; its offset in the output.
qsizetype soundOffset(const QByteArray& out, const Bytes& sound) {
  qsizetype start = 0;
  while (start < out.size() && std::uint8_t(out[start]) == 128) ++start;
  EXPECT_GE(out.size(), start + qsizetype(sound.size()) + 200);
  for (std::size_t i = 0; i < sound.size() && start + qsizetype(i) < out.size(); ++i)
    if (std::uint8_t(out[start + i]) != sound[i] / 2 + 64) {
      ADD_FAILURE() << "sample " << i << " of the sound";
      break;
    }
  for (qsizetype i = start + qsizetype(sound.size()); i < out.size(); ++i)
    if (std::uint8_t(out[i]) != 128) {
      ADD_FAILURE() << "sound after the end, at " << i - start;
      break;
    }
  return start;
}

TEST_F(SdlWaveDeviceTest, ASoundIsHeardWholeWithinAPeriodOrTwo) {
  const Bytes sound = ramp(600);
  const std::uint64_t at = play(sound, [] {});
  const qsizetype start = soundOffset(fromFirstRequest(written()), sound);
  // At the first sample asked for after playWave, or one period later when a
  // request was being served at that moment.
  EXPECT_GE(start, qsizetype(at));
  EXPECT_LE(start, qsizetype(at) + 256);
}

TEST_F(SdlWaveDeviceTest, AGuiThreadBlockedForTwoSecondsLosesNothing) {
  const Bytes sound = ramp(11025 * 3);
  const std::uint64_t at = play(sound, [] { std::this_thread::sleep_for(std::chrono::seconds(2)); });
  const qsizetype start = soundOffset(fromFirstRequest(written()), sound);
  EXPECT_LE(start, qsizetype(at) + 256);
}

TEST_F(SdlWaveDeviceTest, BothOpenFailuresMakeSoundUnavailableWithoutAMessage) {
  FakePrompts fakePrompts;
  const char* missingFile = "/nonexistent-folder/out.raw";
  for (const char* driver : {"no-such-driver", "disk"}) {  // init fails; then the device does
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", missingFile, 1);
    {
      WaveEngine engine(sdlWaveDevice());
      engine.openWave();
      EXPECT_EQ(engine.soundState(), SoundState::Unavailable) << driver;
      EXPECT_FALSE(engine.deviceOpen());
    }
    // A failed open leaves SDL's audio up (taking it down can stall); the device takes it down at the end.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << driver;
  }
  EXPECT_TRUE(fakePrompts.messages.isEmpty());
}

TEST_F(SdlWaveDeviceTest, OpensAgainAfterAFailedOpen) {
  auto device = sdlWaveDevice();
  setenv("SDL_DISKAUDIOFILE", "/nonexistent-folder/out.raw", 1);
  struct Silence : SampleSource {
    void render(std::span<std::uint8_t> out) noexcept override { std::fill(out.begin(), out.end(), 128); }
  } silence;
  EXPECT_FALSE(device->open(silence));
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  setenv("SDL_DISKAUDIOFILE", QFile::encodeName(output).constData(), 1);
  EXPECT_TRUE(device->open(silence));
  device->close();
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST(SoundModule, AMissingModuleIsReportedNotFollowed) {
  const SoundModule missing = loadSoundModule(QStringLiteral("/nonexistent-folder/libpvqsound.so"));
  EXPECT_EQ(missing.backend, nullptr);
  EXPECT_TRUE(missing.why.contains(QStringLiteral("nonexistent-folder"))) << missing.why.toStdString();
  auto dir = makeScratchDir();
  const QString broken = dir->filePath(QStringLiteral("libpvqsound.so"));
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a library");
  file.close();
  const SoundModule unloadable = loadSoundModule(broken);
  EXPECT_EQ(unloadable.backend, nullptr);
  EXPECT_FALSE(unloadable.why.isEmpty());
  const QString soundPath = qEnvironmentVariable("PVQ_SOUND_MODULE");
  const SoundModule built = loadSoundModule(soundPath);
  EXPECT_NE(built.backend, nullptr) << built.why.toStdString();
  // The MIDI module sits beside it and answers only to its own entry.
  const QString midiPath = QFileInfo(soundPath).dir().filePath(QStringLiteral("libpvqmidi.so"));
  const MidiModule midi = loadMidiModule(midiPath);
  EXPECT_NE(midi.backend, nullptr) << midi.why.toStdString();
  EXPECT_EQ(loadMidiModule(soundPath).backend, nullptr);
}

// The effects need SDL alone: a game that plays no tune never maps the synthesizer
// and the dozen libraries it brings.
TEST(SoundModule, TheWaveDeviceLoadsNoSynthesizer) {
  QString why;
  ASSERT_NE(soundBackend(&why), nullptr) << why.toStdString();
  QFile maps(QStringLiteral("/proc/self/maps"));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  const QByteArray mapped = maps.readAll();
  EXPECT_TRUE(mapped.contains("libpvqsound.so"));
  EXPECT_FALSE(mapped.contains("libfluidsynth"));
}

}  // namespace
