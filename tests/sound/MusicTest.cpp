// The background tune: the start and stop rules against a recording player, and
// FluidSynth for real through its file audio driver.
#include <gtest/gtest.h>

#include <QFile>
#include <cstring>

#include "sound/BackgroundMusic.h"
#include "sound/SoundBackend.h"
#include "sound/MidiCheck.h"
#include "SoundTestSupport.h"
#include "support/FakePrompts.h"

namespace {

class RecordingPlayer : public MidiPlayer {
 public:
  QString openError;  // non-empty: open fails with it
  QStringList calls;
  bool open(const QString& path, QString& error) override {
    calls << "open " + path;
    error = openError;
    return openError.isEmpty();
  }
  void play() override { calls << "play"; }
  void stop() override { calls << "stop"; }
  void close() override { calls << "close"; }
  using MidiPlayer::reportFailure;
};

struct MusicRig {
  bool present = true;
  SoundState state = SoundState::Enabled;
  RecordingPlayer* player = new RecordingPlayer;
  BackgroundMusic music{std::unique_ptr<MidiPlayer>(player), "/run/x/~piequa7.mid", [this] { return present; },
                        [this] { return state; }};
};

TEST(BackgroundMusicRules, StartsOnlyWithATuneAndSoundEnabled) {
  for (auto [present, state] : {std::pair{false, SoundState::Enabled}, std::pair{true, SoundState::Muted},
                                std::pair{true, SoundState::Unavailable}}) {
    MusicRig rig;
    rig.present = present;
    rig.state = state;
    rig.music.startMusic();
    EXPECT_FALSE(rig.music.musicPlaying());
    EXPECT_TRUE(rig.player->calls.isEmpty());
  }
  MusicRig rig;
  rig.music.startMusic();
  EXPECT_TRUE(rig.music.musicPlaying());
  rig.music.stopMusic();
  rig.music.stopMusic();
  EXPECT_FALSE(rig.music.musicPlaying());
  EXPECT_EQ(rig.player->calls, (QStringList{"open /run/x/~piequa7.mid", "play", "stop", "close"}));
}

TEST(BackgroundMusicRules, FailuresAreReportedAndTheGameGoesOn) {
  FakePrompts prompts;
  MusicRig rig;
  rig.player->openError = "The MIDI data is damaged.";
  rig.music.startMusic();
  EXPECT_FALSE(rig.music.musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_EQ(prompts.messages[0].text, "The MIDI data is damaged.");
  EXPECT_EQ(prompts.messages[0].caption, "Error");
  EXPECT_EQ(prompts.messages[0].icon, BoxIcon::Error);
  rig.player->calls.clear();
  rig.music.stopMusic();  // no later stop touches the player
  EXPECT_TRUE(rig.player->calls.isEmpty());

  rig.player->openError.clear();
  rig.music.startMusic();
  rig.player->reportFailure("late");  // found only while playing
  EXPECT_FALSE(rig.music.musicPlaying());
  rig.player->reportFailure("again");  // nothing is playing any more
  ASSERT_EQ(prompts.messages.size(), 2);
  EXPECT_EQ(prompts.messages[1].text, "late");
}

TEST(MidiCheck, AcceptsWholeFilesAndNamesTheDamage) {
  using namespace midi;
  const QByteArray tempo = bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}) + endOfTrack();
  EXPECT_EQ(checkMidiData(header(1, 2, 96) + track(tempo) + "XFIH" + be32(2) + "ab" + track(chordEvents())), "");
  const QByteArray good = chordTune();
  const std::pair<QByteArray, const char*> bad[] = {
      {"RIFF....WAVEfmt ", "not a MIDI file"},
      {good.left(good.size() - 5), "cut short"},
      {header(1, 2, 96) + track(chordEvents()), "announces 2 tracks but the file holds 1"},
      {header(0, 1, 96) + track(bytes({0x00, 0x40, 0x40}) + endOfTrack()), "data byte"},
      {header(0, 1, 96) + track(bytes({0x00, 0x90, 0x3C, 0x90, 0x3C, 0x40}) + endOfTrack()), "lacks its data"},
      {header(0, 1, 96) + track(endOfTrack()), "no notes"},
      {header(0, 1, 0) + track(chordEvents()), "division"},
  };
  for (const auto& [data, expected] : bad)
    EXPECT_TRUE(checkMidiData(data).contains(QLatin1String(expected))) << checkMidiData(data).toStdString();
}

class FluidMusicTest : public ::testing::Test {
 protected:
  FluidConfig fileOutput() const {
    FluidConfig c;
    c.settings = {{"audio.driver", "file"}, {"audio.file.name", QFile::encodeName(rendered)},
                  {"audio.file.type", "raw"}, {"audio.file.format", "s16"}, {"audio.file.endian", "little"}};
    return c;
  }
  void writeTune(const QByteArray& bytes) {
    QFile f(tune);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  BackgroundMusic musicWith(FluidConfig config) {
    return {makeLateMidiPlayer(std::move(config)), tune, [] { return true; },
            [] { return SoundState::Enabled; }};
  }
  std::unique_ptr<QTemporaryDir> dir = makeScratchDir();
  QString rendered = dir->filePath("music.raw"), tune = dir->filePath("~piequa7.mid");
  FakePrompts prompts;
};

// The peak of the rendered 16-bit samples.
int renderedPeak(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QByteArray raw = f.readAll();
  int peak = 0;
  for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
    std::int16_t s;
    std::memcpy(&s, raw.constData() + i, 2);
    peak = std::max(peak, std::abs(int(s)));
  }
  return peak;
}

TEST_F(FluidMusicTest, PlaysABuiltTuneThroughTheFileDriver) {
  writeTune(midi::chordTune());
  BackgroundMusic music = musicWith(fileOutput());
  const auto threads = [] {
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
  };
  music.startMusic();  // loads the synthesizer, which stays loaded
  music.stopMusic();
  const qsizetype before = threads();
  music.startMusic();
  ASSERT_TRUE(music.musicPlaying()) << (prompts.messages.isEmpty() ? "" : prompts.messages[0].text.toStdString());
  EXPECT_GT(threads(), before);  // the output's
  // The chord lasts 0.6 s; then the output rings out and stops, so a game
  // that outlasts its tune has no synthesis thread waking it.
  EXPECT_TRUE(waitUntil([&] { return threads() == before; }, 6000));
  EXPECT_TRUE(music.musicPlaying());  // a tune that simply ended is no failure
  music.stopMusic();
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_GT(renderedPeak(rendered), 1000);  // the driver's file is complete once it is closed
}

TEST_F(FluidMusicTest, DamagedOrMissingMusicGivesAnErrorTextNotSilence) {
  BackgroundMusic music = musicWith(fileOutput());
  writeTune(midi::chordTune().left(30));  // cut inside the track
  music.startMusic();
  EXPECT_FALSE(music.musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].text.contains("damaged")) << prompts.messages[0].text.toStdString();

  // SMPTE time is valid MIDI, but the synthesizer refuses it only while loading,
  // on its own thread, with a log line: the text must still reach the player.
  writeTune(midi::header(0, 1, 0xE728) + midi::track(midi::chordEvents()));
  music.startMusic();
  ASSERT_TRUE(waitUntil([&] { return prompts.messages.size() == 2; }, 8000));
  EXPECT_FALSE(music.musicPlaying());
  EXPECT_TRUE(prompts.messages[1].text.contains("SMPTE", Qt::CaseInsensitive)) << prompts.messages[1].text.toStdString();
  EXPECT_EQ(prompts.messages[1].caption, "Error");

  QFile::remove(tune);
  music.startMusic();
  ASSERT_EQ(prompts.messages.size(), 3);
  EXPECT_TRUE(prompts.messages[2].text.contains("cannot be opened"));

  FluidConfig noFont = fileOutput();
  noFont.soundFont = dir->filePath("none.sf2");
  BackgroundMusic fontless = musicWith(noFont);
  writeTune(midi::chordTune());
  fontless.startMusic();
  EXPECT_FALSE(fontless.musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 4);
  EXPECT_TRUE(prompts.messages[3].text.contains("soundfont")) << prompts.messages[3].text.toStdString();
}

}  // namespace
