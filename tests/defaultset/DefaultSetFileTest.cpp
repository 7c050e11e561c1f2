#include <gtest/gtest.h>

#include <algorithm>
#include <sndfile.h>

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <ostream>

#include "imageset/DefaultSet.h"
#include "imageset/SetReaders.h"
#include "imageset/SoundEffects.h"
#include "support/WindowFixture.h"

namespace {

// A set the build writes beside the game, and the folder of the sounds it
// was made from.
struct ShippedSet {
  const char* file;
  const char* soundFolder;  // under the build folder
  const char* title;
};

const ShippedSet kShippedSets[] = {
    {"default.xet", "sounds", "Pie Vorb Quarn"},
    {"moonlight.xet", "setsounds/moonlight", "Pies by Moonlight"},
    {"seaside.xet", "setsounds/seaside", "Pies by the Seaside"},
};

// Names the set in test output instead of dumping its bytes.
void PrintTo(const ShippedSet& set, std::ostream* out) { *out << set.file; }

QString setPath(const ShippedSet& set) {
  return QStringLiteral(PVQ_SET_DIR "/") + QLatin1String(set.file);
}

QString soundPath(const ShippedSet& set, const QString& name) {
  return QStringLiteral(PVQ_BUILD_DIR "/") + QLatin1String(set.soundFolder) + QLatin1Char('/') + name;
}

// A wave file as libsndfile sees it, so the format check does not lean on the
// game's own wave parser.
struct WaveFile {
  SF_INFO info{};
  std::vector<std::uint8_t> data;  // the sample bytes, without any header
  bool opened = false;
};

WaveFile readWave(const QString& path) {
  WaveFile wave;
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &wave.info);
  if (!file) return wave;
  wave.opened = true;
  wave.data.resize(static_cast<std::size_t>(wave.info.frames * wave.info.channels));
  wave.data.resize(static_cast<std::size_t>(sf_read_raw(file, wave.data.data(), static_cast<sf_count_t>(wave.data.size()))));
  sf_close(file);
  return wave;
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

LoadedSet readSet(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot open " << qPrintable(path);
    return {};
  }
  SetReadResult result = readExtendedSet(file);
  EXPECT_TRUE(result.set.has_value()) << qPrintable(result.error);
  return result.set ? std::move(*result.set) : LoadedSet{};
}

// What the mixer sends for a sound on the main channel while the splat channel
// is silent: each channel is halved, and silence (128) halves to 64.
QByteArray mixedAlone(const std::vector<std::uint8_t>& sound) {
  QByteArray out;
  out.reserve(static_cast<qsizetype>(sound.size()));
  for (std::uint8_t s : sound) out.append(static_cast<char>((s >> 1) + 64));
  return out;
}

}  // namespace

class ShippedSetFile : public testing::TestWithParam<ShippedSet> {};

INSTANTIATE_TEST_SUITE_P(EverySet, ShippedSetFile, testing::ValuesIn(kShippedSets),
                         [](const testing::TestParamInfo<ShippedSet>& info) {
                           return std::string(info.param.file).substr(0, std::string(info.param.file).find('.'));
                         });

// Each effect has to be something the wizard accepts, and short enough for its
// moment: the tick repeats every game second, the splat follows every hit.
TEST_P(ShippedSetFile, SoundFilesAreEightBitMonoAndShortEnough) {
  const double longest[kSoundEffectCount] = {2.0, 0.2, 0.6, 2.5};  // in kSoundEffects order
  for (const SoundEffectInfo& sound : kSoundEffects) {
    SCOPED_TRACE(sound.fileName);
    const WaveFile wave = readWave(soundPath(GetParam(), QLatin1String(sound.fileName)));
    ASSERT_TRUE(wave.opened);
    EXPECT_EQ(wave.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
    EXPECT_EQ(wave.info.channels, 1);
    EXPECT_EQ(wave.info.samplerate, 11025);
    EXPECT_GT(wave.info.frames, 0);
    EXPECT_LT(double(wave.info.frames) / 11025.0, longest[indexOf(sound.effect)]);
  }
}

TEST_P(ShippedSetFile, CarriesTheBuildsSoundsAndTune) {
  const LoadedSet set = readSet(setPath(GetParam()));
  EXPECT_EQ(set.setTitle, QLatin1String(GetParam().title));
  for (const SoundEffectInfo& sound : kSoundEffects) {
    SCOPED_TRACE(sound.fileName);
    const WaveFile wave = readWave(soundPath(GetParam(), QLatin1String(sound.fileName)));
    ASSERT_FALSE(wave.data.empty());
    EXPECT_TRUE(std::ranges::equal(set.sound(sound.effect).data, wave.data));
  }
  const QByteArray tune = readAll(soundPath(GetParam(), QStringLiteral("tune.mid")));
  ASSERT_TRUE(tune.startsWith("MThd"));
  EXPECT_EQ(set.tune, tune);
}

// A page colour other than the pictures' own background leaves boxes round
// every hole, and a title colour other than the banner's leaves a seam.
TEST_P(ShippedSetFile, PicturesStandOnTheSetsColours) {
  const LoadedSet set = readSet(setPath(GetParam()));
  const QRgb page = set.playfieldColour.rgb();
  const QRgb title = set.titleColour.rgb();
  // The empty hole's top corners, the divider after it, the count-down's corner.
  EXPECT_EQ(set.targetStrip.pixel(0, 0), page);
  EXPECT_EQ(set.targetStrip.pixel(110, 0), page);
  EXPECT_EQ(set.targetStrip.pixel(111, 50), page);
  EXPECT_EQ(set.splatStrip.pixel(0, 0), page);
  EXPECT_EQ(set.countStrip.pixel(0, 0), page);
  EXPECT_EQ(set.title.pixel(0, 15), title);
  EXPECT_EQ(set.title.pixel(set.title.width() - 1, 15), title);
}

// The sets are each their own: colours, pictures, texts, every sound and the
// tune differ between any two of them.
TEST(ShippedSets, DifferFromEachOther) {
  std::vector<LoadedSet> sets;
  for (const ShippedSet& shipped : kShippedSets) sets.push_back(readSet(setPath(shipped)));
  for (std::size_t a = 0; a < sets.size(); ++a)
    for (std::size_t b = a + 1; b < sets.size(); ++b) {
      SCOPED_TRACE(std::string(kShippedSets[a].file) + " against " + kShippedSets[b].file);
      EXPECT_NE(sets[a].playfieldColour, sets[b].playfieldColour);
      EXPECT_NE(sets[a].titleColour, sets[b].titleColour);
      EXPECT_NE(sets[a].targetStrip, sets[b].targetStrip);
      EXPECT_NE(sets[a].splatStrip, sets[b].splatStrip);
      EXPECT_NE(sets[a].title, sets[b].title);
      EXPECT_NE(sets[a].congratulationPrefix, sets[b].congratulationPrefix);
      EXPECT_NE(sets[a].ratingMessages, sets[b].ratingMessages);
      for (const SoundEffectInfo& sound : kSoundEffects)
        EXPECT_FALSE(std::ranges::equal(sets[a].sound(sound.effect).data, sets[b].sound(sound.effect).data))
            << sound.fileName;
      EXPECT_NE(sets[a].tune, sets[b].tune);
    }
}

// The clock ticks once a game second while the tune plays: the play loop does so for
// tick modes 0 and 2 only.
TEST(DefaultSet, TicksEveryGameSecondOnceTheTuneHasStarted) {
  const LoadedSet set = readSet(setPath(kShippedSets[0]));
  EXPECT_TRUE(set.header.tickSoundMode == 0 || set.header.tickSoundMode == 2) << int(set.header.tickSoundMode);
}

// The game's own set comes up silently apart from its jingle: no about-set
// dialog at start-up, nor when the reset brings it back.
TEST(DefaultSet, StartsAndResetsWithoutTheAboutDialog) {
  WindowFixture::Options o;
  o.show = false;
  WindowFixture f(o);
  ASSERT_TRUE(QFile::copy(setPath(kShippedSets[0]), f.dir.filePath(QStringLiteral("default.xet"))));
  f.window->show();
  QTest::qWait(300);  // well past the 50 ms the about dialog would wait
  EXPECT_EQ(f.game().set().setTitle, QStringLiteral("Pie Vorb Quarn"));
  EXPECT_TRUE(f.game().set().musicPresent);
  EXPECT_TRUE(f.prompts.messages.isEmpty());
  EXPECT_TRUE(f.prompts.modalTitles.isEmpty());
  EXPECT_EQ(f.sound.calls.count(QStringLiteral("Play startup 0")), 1);

  f.controller->filesDropped({});  // an empty drop leaves the built-in set
  ASSERT_TRUE(f.game().set().sound(SoundEffect::Startup).empty());
  auto* reset = f.window->findChild<QAction*>(QStringLiteral("resetToDefaults"));
  ASSERT_NE(reset, nullptr);
  reset->trigger();
  QTest::qWait(300);
  EXPECT_EQ(f.game().set().setTitle, QStringLiteral("Pie Vorb Quarn"));
  EXPECT_FALSE(f.game().set().sound(SoundEffect::Startup).empty());
  EXPECT_TRUE(f.prompts.messages.isEmpty());
  EXPECT_TRUE(f.prompts.modalTitles.isEmpty());
  EXPECT_EQ(f.sound.calls.count(QStringLiteral("Play startup 0")), 2);
}

// The real program beside the built default.xet, on SDL's disk driver: the
// start-up sound has to reach the device sample for sample.
TEST(DefaultSet, TheGameStartsWithItsJingleOnTheDevice) {
  const WaveFile startup = readWave(soundPath(kShippedSets[0], QStringLiteral("startup.wav")));
  ASSERT_FALSE(startup.data.empty());
  const QByteArray expected = mixedAlone(startup.data);

  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  QDir(scratch.path()).mkdir(QStringLiteral("runtime"));
  QFile::setPermissions(scratch.filePath(QStringLiteral("runtime")), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                        QFileDevice::ExeOwner);
  const QString output = scratch.filePath(QStringLiteral("device.raw"));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
  env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), output);
  env.insert(QStringLiteral("PVQ_MIDI_DRIVER"), QStringLiteral("file"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch.filePath(QStringLiteral("runtime")));
  env.insert(QStringLiteral("HOME"), scratch.path());
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  QProcess game;
  game.setProcessEnvironment(env);
  game.setWorkingDirectory(scratch.path());
  game.setProgram(QStringLiteral(PVQ_GAME_BINARY));
  game.start();
  ASSERT_TRUE(game.waitForStarted(10000));
  // The jingle lasts under two seconds; the device writes in real time.
  const bool heard = QTest::qWaitFor([&] { return readAll(output).contains(expected); }, 30000);
  ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
  ASSERT_TRUE(game.waitForFinished(20000));
  EXPECT_TRUE(heard) << "the device got " << readAll(output).size() << " bytes without the start-up sound";
  EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.exitCode(), 0);
}
