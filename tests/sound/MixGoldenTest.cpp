// The mixer's bytes for a scripted run of plays, restarts, stops, mutes, a
// reopened device and a sound the set lets go of, against bytes kept in tests/sound/data. They are what a
// player hears; how long the sound takes to reach the device is not part of it.
// PVQ_WRITE_GOLDEN=1 writes the file instead of comparing (only after a change
// that is meant to be heard).
#include <gtest/gtest.h>

#include <QFile>

#include "sound/WaveEngine.h"
#include "SoundTestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes noise(std::size_t size, std::uint32_t seed) {
  Bytes b(size);
  for (auto& v : b) {
    seed = seed * 1664525u + 1013904223u;
    v = std::uint8_t(seed >> 24);
  }
  return b;
}

// Drives the engine with a device the test pulls from; block() is the next 400
// samples, asked for in uneven pieces as a device's periods would.
class MixRig {
 public:
  MixRig() {
    auto device = std::make_unique<FakeWaveDevice>();
    fake_ = device.get();
    engine_ = std::make_unique<WaveEngine>(std::move(device));
    engine_->openWave();
  }
  WaveEngine& engine() { return *engine_; }
  void block() {
    for (std::size_t piece : {1, 255, 144}) {
      const Bytes b = fake_->pull(piece);
      out.insert(out.end(), b.begin(), b.end());
    }
  }
  void blocks(int n) {
    while (n-- > 0) block();
  }
  void mute() {
    engine_->setSoundState(SoundState::Muted);
    engine_->stopWave(WaveChannel::Main);
    engine_->stopWave(WaveChannel::Splat);
  }
  void unmute() { engine_->setSoundState(SoundState::Enabled); }
  Bytes out;

 private:
  FakeWaveDevice* fake_ = nullptr;
  std::unique_ptr<WaveEngine> engine_;
};

TEST(MixGolden, ScriptedRunGivesTheKeptBytes) {
  SoundBuffer longOne{noise(1000, 1)}, shortOne{noise(137, 2)}, longer{noise(2500, 3)}, empty{},
      wholeBlock{noise(400, 4)}, dropped{noise(3000, 5)};
  MixRig rig;
  WaveEngine& e = rig.engine();
  using enum WaveChannel;
  rig.block();                        // nothing playing
  e.playWave(longOne, Main);
  rig.blocks(2);
  e.playWave(shortOne, Splat);        // ends inside the block
  rig.block();
  e.playWave(longOne, Main);          // restarted in the middle
  e.playWave(longer, Splat);          // replaces a finished splat
  rig.block();
  e.playWave(longOne, Main);
  rig.block();
  e.stopWave(Main);                   // the splat plays on
  rig.block();
  e.playWave(wholeBlock, Main);       // ends on a block boundary
  rig.blocks(2);
  rig.mute();
  rig.block();
  e.playWave(longOne, Main);          // ignored while muted
  rig.block();
  rig.unmute();                       // restarts nothing
  rig.block();
  e.playWave(longer, Main);
  e.playWave(longOne, Splat);
  rig.blocks(3);
  e.playWave(empty, Splat);           // cuts the splat, sounds nothing
  rig.block();
  e.playWave(shortOne, Splat);        // played again after its end
  e.playWave(longOne, Main);          // replaces the longer one in the middle
  rig.blocks(2);
  e.closeWave();
  e.openWave();                       // a reopened device starts silent
  rig.block();
  e.playWave(longer, Splat);
  rig.blocks(2);
  e.playWave(dropped, Main);
  rig.block();
  dropped.data.clear();               // the set let go of it: silent from the next block
  rig.blocks(6);

  const QString path = QStringLiteral(PVQ_SOUND_TEST_DATA "/mix-script.u8");
  const QByteArray got(reinterpret_cast<const char*>(rig.out.data()), qsizetype(rig.out.size()));
  QFile file(path);
  if (qEnvironmentVariableIsSet("PVQ_WRITE_GOLDEN")) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(got);
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  const QByteArray want = file.readAll();
  ASSERT_EQ(got.size(), want.size());
  for (qsizetype i = 0; i < got.size(); ++i)
    ASSERT_EQ(std::uint8_t(got[i]), std::uint8_t(want[i])) << "sample " << i << " (block " << i / 400 << ")";
}

}  // namespace
