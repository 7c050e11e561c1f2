// The background tune: the start and stop rules against a recording player, and
// FluidSynth for real through its file audio driver.
#include <gtest/gtest.h>

#include <QFile>
#include <cstring>

#include "sound/BackgroundMusic.h"
#include "sound/FluidMidiPlayer.h"
#include "sound/MidiCheck.h"
#include "SoundTestSupport.h"
#include "support/FakePrompts.h"

namespace {

class RecordingPlayer : public MidiPlayer {
 public:
  QString openError;  // non-empty: open fails with it
  QStringList calls;
  bool open(const QString& path, QString& error) override {
    calls << QStringLiteral("open ") + path;
    error = openError;
    return openError.isEmpty();
  }
  void play() override { calls << QStringLiteral("play"); }
  void stop() override { calls << QStringLiteral("stop"); }
  void close() override { calls << QStringLiteral("close"); }
  void failLater(const QString& error) { reportFailure(error); }
};

struct MusicRig {
  bool present = true;
  SoundState state = SoundState::Enabled;
  RecordingPlayer* player = nullptr;
  std::unique_ptr<BackgroundMusic> music;
  MusicRig() {
    auto p = std::make_unique<RecordingPlayer>();
    player = p.get();
    music = std::make_unique<BackgroundMusic>(
        std::move(p), QStringLiteral("/run/x/~piequa7.mid"), [this] { return present; }, [this] { return state; });
  }
};

TEST(BackgroundMusicRules, StartsOnlyWithATuneAndSoundEnabled) {
  for (auto [present, state] : {std::pair{false, SoundState::Enabled}, std::pair{true, SoundState::Muted},
                                std::pair{true, SoundState::Unavailable}}) {
    MusicRig rig;
    rig.present = present;
    rig.state = state;
    rig.music->StartMusic();
    EXPECT_FALSE(rig.music->musicPlaying());
    EXPECT_TRUE(rig.player->calls.isEmpty()) << rig.player->calls.join(",").toStdString();
  }

  FakePrompts prompts;
  MusicRig rig;
  rig.music->StartMusic();
  EXPECT_TRUE(rig.music->musicPlaying());
  rig.state = SoundState::Muted;  // muting leaves the tune playing
  EXPECT_EQ(rig.player->calls, (QStringList{"open /run/x/~piequa7.mid", "play"}));
  rig.music->StopMusic();
  EXPECT_FALSE(rig.music->musicPlaying());
  rig.music->StopMusic();
  EXPECT_EQ(rig.player->calls, (QStringList{"open /run/x/~piequa7.mid", "play", "stop", "close"}));
  EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(BackgroundMusicRules, FailuresAreReportedAndTheGameGoesOn) {
  FakePrompts prompts;
  MusicRig rig;
  rig.player->openError = QStringLiteral("The MIDI data is damaged.");
  rig.music->StartMusic();
  EXPECT_FALSE(rig.music->musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_EQ(prompts.messages[0].text, "The MIDI data is damaged.");
  EXPECT_EQ(prompts.messages[0].caption, "Error");
  EXPECT_EQ(prompts.messages[0].icon, BoxIcon::Error);
  rig.player->calls.clear();
  rig.music->StopMusic();  // no later stop touches the player
  EXPECT_TRUE(rig.player->calls.isEmpty());

  rig.player->openError.clear();
  rig.music->StartMusic();
  ASSERT_TRUE(rig.music->musicPlaying());
  rig.player->failLater(QStringLiteral("late"));
  EXPECT_FALSE(rig.music->musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 2);
  EXPECT_EQ(prompts.messages[1].text, "late");
  // A player that already stopped reports nothing more.
  rig.player->failLater(QStringLiteral("again"));
  EXPECT_EQ(prompts.messages.size(), 2);
}

TEST(MidiCheck, AcceptsWholeFilesAndNamesTheDamage) {
  using namespace midi;
  EXPECT_EQ(CheckMidiData(chordTune()), QString());
  // Format 1 with a tempo track and an unknown chunk between the tracks.
  const QByteArray tempo = bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}) + endOfTrack();
  EXPECT_EQ(CheckMidiData(header(1, 2, 96) + track(tempo) + QByteArray("XFIH") + be32(2) + "ab" + track(chordEvents())),
            QString());

  const QByteArray good = chordTune();
  const struct {
    const char* what;
    QByteArray data;
    const char* expected;
  } bad[] = {
      {"not midi", QByteArray("RIFF....WAVEfmt "), "not a MIDI file"},
      {"short header", good.left(12), "not a MIDI file"},
      {"track cut short", good.left(good.size() - 5), "cut short"},
      {"missing track", header(1, 2, 96) + track(chordEvents()), "announces 2 tracks but the file holds 1"},
      {"data byte first", header(0, 1, 96) + track(bytes({0x00, 0x40, 0x40}) + endOfTrack()), "data byte"},
      {"note without data", header(0, 1, 96) + track(bytes({0x00, 0x90, 0x3C, 0x90, 0x3C, 0x40}) + endOfTrack()),
       "lacks its data"},
      {"no notes", header(0, 1, 96) + track(endOfTrack()), "no notes"},
      {"zero division", header(0, 1, 0) + track(chordEvents()), "division"},
  };
  for (const auto& c : bad) EXPECT_TRUE(CheckMidiData(c.data).contains(QLatin1String(c.expected))) << c.what << ": " << CheckMidiData(c.data).toStdString();
}

class FluidMusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = makeScratchDir();
    ASSERT_TRUE(dir->isValid());
    rendered = dir->filePath(QStringLiteral("music.raw"));
    tune = dir->filePath(QStringLiteral("~piequa7.mid"));
  }
  FluidConfig fileOutput() const {
    FluidConfig c;
    c.settings = {{"audio.driver", "file"},
                  {"audio.file.name", QFile::encodeName(rendered)},
                  {"audio.file.type", "raw"},
                  {"audio.file.format", "s16"},
                  {"audio.file.endian", "little"}};
    return c;
  }
  void writeTune(const QByteArray& bytes) {
    QFile f(tune);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  std::unique_ptr<BackgroundMusic> musicWith(FluidConfig config) {
    return std::make_unique<BackgroundMusic>(std::make_unique<FluidMidiPlayer>(std::move(config)), tune,
                                             [] { return true; }, [] { return SoundState::Enabled; });
  }
  int peak() {
    QFile f(rendered);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray raw = f.readAll();
    int best = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
      std::int16_t s;
      std::memcpy(&s, raw.constData() + i, 2);
      best = std::max(best, std::abs(int(s)));
    }
    return best;
  }

  std::unique_ptr<QTemporaryDir> dir;
  QString rendered, tune;
};

TEST_F(FluidMusicTest, PlaysABuiltTuneThroughTheFileDriver) {
  FakePrompts prompts;
  writeTune(midi::chordTune());
  auto player = std::make_unique<FluidMidiPlayer>(fileOutput());
  FluidMidiPlayer* fluid = player.get();
  BackgroundMusic music(std::move(player), tune, [] { return true; }, [] { return SoundState::Enabled; });
  music.StartMusic();
  ASSERT_TRUE(music.musicPlaying()) << (prompts.messages.isEmpty() ? "" : prompts.messages[0].text.toStdString());
  // All eight note events, then some of the release.
  ASSERT_TRUE(waitUntil([&] { return fluid->eventsPlayed() >= 7; }, 8000));
  waitUntil([] { return false; }, 300);
  EXPECT_TRUE(music.musicPlaying());  // a tune that ended normally is no failure
  music.StopMusic();
  EXPECT_FALSE(fluid->isOpen());
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_GT(peak(), 1000);
}

TEST_F(FluidMusicTest, DamagedOrMissingMusicGivesAnErrorTextNotSilence) {
  FakePrompts prompts;
  auto music = musicWith(fileOutput());

  writeTune(midi::chordTune().left(30));  // cut inside the track
  music->StartMusic();
  EXPECT_FALSE(music->musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].text.contains("damaged")) << prompts.messages[0].text.toStdString();
  EXPECT_EQ(prompts.messages[0].caption, "Error");

  // SMPTE time is valid MIDI, but the synthesizer refuses it only while loading,
  // on its own thread, with a log line: it must still reach the player.
  writeTune(midi::header(0, 1, 0xE728) + midi::track(midi::chordEvents()));
  music->StartMusic();
  ASSERT_TRUE(waitUntil([&] { return prompts.messages.size() == 2; }, 8000));
  EXPECT_FALSE(music->musicPlaying());
  EXPECT_TRUE(prompts.messages[1].text.contains("cannot be played")) << prompts.messages[1].text.toStdString();
  // The synthesizer's own log line says why.
  EXPECT_TRUE(prompts.messages[1].text.contains("SMPTE", Qt::CaseInsensitive)) << prompts.messages[1].text.toStdString();
  EXPECT_EQ(prompts.messages[1].icon, BoxIcon::Error);

  QFile::remove(tune);
  music->StartMusic();
  ASSERT_EQ(prompts.messages.size(), 3);
  EXPECT_TRUE(prompts.messages[2].text.contains("cannot be opened"));

  FluidConfig noFont = fileOutput();
  noFont.soundFont = dir->filePath(QStringLiteral("none.sf2"));
  auto fontless = musicWith(noFont);
  writeTune(midi::chordTune());
  fontless->StartMusic();
  EXPECT_FALSE(fontless->musicPlaying());
  ASSERT_EQ(prompts.messages.size(), 4);
  EXPECT_TRUE(prompts.messages[3].text.contains("soundfont")) << prompts.messages[3].text.toStdString();
}

}  // namespace
