// The set draft without a window: what the set maker brings in, converted as a set
// stores it; each step's check; the draft kept on disk; and --make-set.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>
#include <unistd.h>
#include <sndfile.h>
#include <vector>

#include "imageset/BmpDecode.h"
#include "imageset/SetReaders.h"
#include "wizard/MakeSet.h"
#include "wizard/PictureImport.h"
#include "wizard/SetDraft.h"
#include "wizard/SoundImport.h"
#include "wizard/StripChecks.h"
#include "wizard/WizardPreview.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A sine of `hz` at `amplitude` (full scale 1) on every channel, written by libsndfile.
QString writeTone(const QString& path, int format, int rate, int channels, double hz, double amplitude, double seconds) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
  EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
  if (!file) return path;
  const auto frames = static_cast<std::size_t>(rate * seconds);
  std::vector<float> samples(frames * std::size_t(channels));
  for (std::size_t i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      samples[i * std::size_t(channels) + std::size_t(c)] =
          float(amplitude * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
  sf_writef_float(file, samples.data(), sf_count_t(frames));
  sf_close(file);
  return path;
}

// The samples about 128, full scale 128.
std::vector<double> centred(const QByteArray& samples) {
  std::vector<double> out;
  for (char c : samples) out.push_back((double(static_cast<unsigned char>(c)) - 128.0) / 128.0);
  return out;
}

double rms(const std::vector<double>& s, std::size_t skip = 200) {
  double sum = 0;
  std::size_t n = 0;
  for (std::size_t i = skip; i + skip < s.size(); ++i, ++n) sum += s[i] * s[i];
  return n ? std::sqrt(sum / double(n)) : 0;
}

// The amplitude of one frequency in the samples (Goertzel), full scale 1.
double amplitudeAt(const std::vector<double>& s, double hz) {
  const double w = 2 * std::numbers::pi * hz / kSetSampleRate;
  double re = 0, im = 0;
  for (std::size_t i = 0; i < s.size(); ++i) re += s[i] * std::cos(w * double(i)), im += s[i] * std::sin(w * double(i));
  return 2 * std::hypot(re, im) / double(s.size());
}

// The strongest frequency between 50 Hz and 5.5 kHz, to 1 Hz.
double pitchOf(const std::vector<double>& s) {
  double best = 0, bestHz = 0;
  for (double hz = 50; hz < 5500; hz += 1) {
    const double a = amplitudeAt(s, hz);
    if (a > best) best = a, bestHz = hz;
  }
  return bestHz;
}

struct Scratch {
  QTemporaryDir dir;
  QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

TEST(SoundImportTest, ConvertsTodaysSoundsKeepingPitchLevelAndLength) {
  Scratch s;
  struct Case {
    const char* name;
    int format, rate, channels;
    double seconds;
  };
  const Case cases[] = {
      {"tone.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 1.0},
      {"tone24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 96000, 6, 0.5},
      {"tone.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, 1.5},
      {"tone.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1, 2.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SoundImport sound =
        importSound(writeTone(s.path(c.name), c.format, c.rate, c.channels, 1000, 0.5, c.seconds), kLongestSound);
    ASSERT_TRUE(sound.ok()) << sound.error.toStdString();
    EXPECT_NEAR(sound.seconds(), c.seconds, 0.005);
    EXPECT_EQ(sound.gain, 1.0);
    const std::vector<double> samples = centred(sound.samples);
    EXPECT_NEAR(pitchOf(samples), 1000, 2);
    // A sine of amplitude 0.5 has an RMS of 0.354; within 0.2 dB.
    EXPECT_NEAR(20 * std::log10(rms(samples) / (0.5 / std::sqrt(2.0))), 0.0, 0.2);
  }
}

TEST(SoundImportTest, RemovesWhatLiesAboveHalfTheSetRateInsteadOfFoldingItDown) {
  Scratch s;
  // 8 kHz would fold to 3025 Hz at 11025 Hz.
  const SoundImport sound = importSound(
      writeTone(s.path("high.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000, 1, 8000, 0.5, 1.0), kLongestSound);
  ASSERT_TRUE(sound.ok());
  const std::vector<double> samples = centred(sound.samples);
  EXPECT_LT(20 * std::log10(amplitudeAt(samples, 3025) / 0.5), -60);
  // What is left is the dither's faint hiss, far below the tone's level.
  EXPECT_LT(20 * std::log10(rms(samples) / (0.5 / std::sqrt(2.0))), -35);
}

TEST(SoundImportTest, ScalesDownOnlyAMixThatWouldClip) {
  Scratch s;
  const SoundImport loud = importSound(
      writeTone(s.path("loud.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 2, 440, 1.6, 0.5), kLongestSound);
  ASSERT_TRUE(loud.ok());
  EXPECT_NEAR(loud.gain, 1 / 1.6, 0.02);
  // Scaled, not clipped: the peaks stay round, so the level is that of a full-scale sine.
  EXPECT_NEAR(rms(centred(loud.samples)), 1 / std::sqrt(2.0), 0.02);
}

TEST(SoundImportTest, KeepsTheStoredFormatByteForByteAndRefusesWhatCannotGoInASet) {
  Scratch s;
  QByteArray bytes;
  for (int i = 0; i < 300; ++i) bytes += char((i * 37) & 0xFF);
  {
    SF_INFO info{0, kSetSampleRate, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 0, 0};
    SNDFILE* file = sf_open(QFile::encodeName(s.path("stored.wav")).constData(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    sf_write_raw(file, bytes.constData(), bytes.size());
    sf_close(file);
  }
  EXPECT_EQ(importSound(s.path("stored.wav"), kLongestSound).samples, bytes);

  const SoundImport tooLong = importSound(
      writeTone(s.path("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 440, 0.5, 61), kLongestSound);
  EXPECT_FALSE(tooLong.ok());
  EXPECT_TRUE(tooLong.error.startsWith(QStringLiteral("long.wav: "))) << tooLong.error.toStdString();

  // A minute exactly still fits.
  EXPECT_TRUE(importSound(writeTone(s.path("minute.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 440, 0.5, 60),
                          kLongestSound)
                  .ok());

  QFile whole(writeTone(s.path("cut.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 440, 0.5, 1));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  QFile cut(s.path("truncated.flac"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(whole.read(60));
  cut.close();
  const SoundImport damaged = importSound(s.path("truncated.flac"), kLongestSound);
  EXPECT_FALSE(damaged.ok());
  EXPECT_TRUE(damaged.error.startsWith(QStringLiteral("truncated.flac: ")));

  // A wave cut short (a copy that stopped) is refused, not stored half.
  QFile wave(writeTone(s.path("whole.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 440, 0.5, 1));
  ASSERT_TRUE(wave.open(QIODevice::ReadOnly));
  ASSERT_TRUE(writeFile(s.path("cut.wav"), wave.read(3000)));
  const SoundImport cutWave = importSound(s.path("cut.wav"), kLongestSound);
  EXPECT_FALSE(cutWave.ok());
  EXPECT_TRUE(cutWave.error.startsWith(QStringLiteral("cut.wav: "))) << cutWave.error.toStdString();

  ASSERT_TRUE(QFile::link(s.path("stored.wav"), s.path("link.wav")));
  EXPECT_FALSE(importSound(s.path("link.wav"), kLongestSound).ok());
}

// The checksum PNG chunks carry.
quint32 crc32(QByteArrayView bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(image);
  return bytes;
}

TEST(PictureImportTest, StoresAPngAsABmpTheGameReadsWithTheSamePixels) {
  Scratch s;
  QImage picture(37, 11, QImage::Format_RGB888);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 7, y * 23, (x * y) & 0xFF));
  ASSERT_TRUE(writeFile(s.path("strip.png"), png(picture)));
  const PictureImport imported = importPicture(s.path("strip.png"), kStripBounds, qRgb(255, 255, 255));
  ASSERT_TRUE(imported.ok()) << imported.error.toStdString();
  QString why;
  const QImage back = decodeBmp(imported.bmp, &why, kStripBounds);
  ASSERT_FALSE(back.isNull()) << why.toStdString();
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
}

TEST(PictureImportTest, FlattensTransparencyOntoThePageColour) {
  Scratch s;
  QImage picture(4, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
  picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
  picture.setPixel(2, 0, qRgba(255, 255, 255, 0));
  picture.setPixel(3, 0, qRgba(0, 0, 0, 128));
  ASSERT_TRUE(writeFile(s.path("see-through.png"), png(picture)));
  const PictureImport imported = importPicture(s.path("see-through.png"), kTitleBounds, qRgb(0, 0, 128));
  ASSERT_TRUE(imported.ok());
  const QImage back = decodeBmp(imported.bmp, nullptr, kTitleBounds);
  EXPECT_EQ(back.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(back.pixel(1, 0) & 0xFFFFFF, 0x000080u);
  EXPECT_EQ(back.pixel(2, 0) & 0xFFFFFF, 0x000080u);
  EXPECT_EQ(back.pixel(3, 0) & 0xFFFFFF, 0x000040u);  // half of navy
}

TEST(PictureImportTest, RefusesAPictureDeclaringAnAbsurdSizeBeforeDecodingIt) {
  Scratch s;
  // A 1 x 1 PNG whose header then says 30000 x 30000 (with a matching checksum).
  QByteArray bytes = png(QImage(1, 1, QImage::Format_RGB32));
  const auto put32 = [&bytes](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(v >> (24 - 8 * i));
  };
  put32(16, 30000), put32(20, 30000);
  put32(29, crc32(QByteArrayView(bytes).sliced(12, 17)));
  ASSERT_TRUE(writeFile(s.path("huge.png"), bytes));
  const PictureImport imported = importPicture(s.path("huge.png"), kStripBounds, qRgb(255, 255, 255));
  EXPECT_FALSE(imported.ok());
  EXPECT_TRUE(imported.error.contains(QStringLiteral("30000 x 30000"))) << imported.error.toStdString();
  EXPECT_TRUE(imported.error.startsWith(QStringLiteral("huge.png: ")));
}

// A strip of `targets` targets, 111 x 108 each, the first frame of target t on backgrounds[t].
QImage strip(const QList<QRgb>& backgrounds) {
  QImage image(5 * 111, int(backgrounds.size()) * kRowsPerTarget, QImage::Format_RGB32);
  for (qsizetype t = 0; t < backgrounds.size(); ++t)
    for (int y = 0; y < kRowsPerTarget; ++y)
      for (int x = 0; x < image.width(); ++x) image.setPixel(x, int(t) * kRowsPerTarget + y, backgrounds[t]);
  return image;
}

TEST(SetDraftTest, WarnsAboutTheBackgroundOfEveryTargetOfEachStrip) {
  Scratch s;
  const QRgb white = qRgb(255, 255, 255), navy = qRgb(0, 0, 128), teal = qRgb(0, 128, 128);
  ASSERT_TRUE(writeFile(s.path("figure.png"), png(strip({white, navy}))));
  ASSERT_TRUE(writeFile(s.path("splat.png"), png(strip({white, teal}))));
  SetDraft draft;
  draft.inputs.pict1 = s.path("figure.png");
  draft.inputs.pict2 = s.path("splat.png");
  const QStringList warnings = wizardLook(draft.inputs).warnings;
  ASSERT_EQ(warnings.size(), 1) << warnings.join('\n').toStdString();
  // Each strip's second target is named with its own colour.
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("Pict1.bmp target 2 (#000080)"))) << warnings[0].toStdString();
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("Pict2.bmp target 2 (#008080)"))) << warnings[0].toStdString();
  EXPECT_FALSE(warnings[0].contains(QStringLiteral("target 1")));
}

TEST(SetDraftTest, EachStepChecksWhatItsInputsHold) {
  Scratch s;
  SetDraft draft;
  QString why;
  EXPECT_FALSE(draft.next(&why));
  EXPECT_EQ(why, QStringLiteral("Cannot find the specified images..."));
  ASSERT_TRUE(writeFile(s.path("figure.png"), png(strip({qRgb(255, 255, 255)}))));
  ASSERT_TRUE(writeFile(s.path("broken.png"), "\x89PNG\r\n\x1a\n nothing more"));
  draft.inputs.pict1 = s.path("figure.png");
  draft.inputs.pict2 = s.path("broken.png");
  EXPECT_FALSE(draft.next(&why));
  EXPECT_TRUE(why.startsWith(QStringLiteral("broken.png: "))) << why.toStdString();
  draft.inputs.pict2 = s.path("figure.png");
  EXPECT_TRUE(draft.next(&why));
  EXPECT_EQ(draft.step, kPicturesStep);
  EXPECT_TRUE(draft.next(&why));
  draft.inputs.waves[1] = s.path("figure.png");
  EXPECT_FALSE(draft.next(&why));
  EXPECT_TRUE(why.startsWith(QStringLiteral("figure.png: "))) << why.toStdString();
  draft.inputs.waves[1] = writeTone(s.path("tick.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 440, 0.3, 0.2);
  EXPECT_TRUE(draft.next(&why)) << why.toStdString();
  EXPECT_FALSE(draft.next(&why));
  EXPECT_EQ(why, QStringLiteral("This image set has no name..."));
  draft.back();
  EXPECT_EQ(draft.step, kSoundsStep);
}

TEST(SetDraftTest, SurvivesAReopenAndADamagedFileIsSetAside) {
  Scratch s;
  SetDraft draft;
  EXPECT_FALSE(draft.anythingFilled());
  draft.inputs.name = QStringLiteral("Harbour, at dusk");
  draft.inputs.waves[2] = QStringLiteral("/sounds/splat.flac");
  draft.inputs.pageColour = 0x00804020;
  draft.inputs.cursorChoice = 8;
  draft.inputs.hotSpotX = 5;
  draft.inputs.hotSpotY = 31;
  draft.step = kCursorStep;
  EXPECT_TRUE(draft.anythingFilled());
  const QString path = s.path("data/set-draft.json");
  ASSERT_TRUE(saveDraftFile(draft, path));
  const DraftLoad back = loadDraftFile(path);
  ASSERT_TRUE(back.draft.has_value());
  EXPECT_EQ(*back.draft, draft);
  EXPECT_TRUE(back.message.isEmpty());

  // A link where the draft goes is replaced, not written through.
  ASSERT_TRUE(writeFile(s.path("elsewhere"), "keep"));
  QFile::remove(path);
  ASSERT_TRUE(QFile::link(s.path("elsewhere"), path));
  ASSERT_TRUE(saveDraftFile(draft, path));
  QFile elsewhere(s.path("elsewhere"));
  ASSERT_TRUE(elsewhere.open(QIODevice::ReadOnly));
  EXPECT_EQ(elsewhere.readAll(), QByteArray("keep"));
  EXPECT_FALSE(QFileInfo(path).isSymLink());

  for (const QByteArray& damage : {QByteArray("{\"version\":1,"), draft.toJson().replace("\"hotY\":31", "\"hotY\":99"),
                                   QByteArray(300 * 1024, ' ')}) {
    ASSERT_TRUE(writeFile(path, damage));
    const DraftLoad damaged = loadDraftFile(path);
    EXPECT_FALSE(damaged.draft.has_value());
    EXPECT_FALSE(damaged.message.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo::exists(path + QStringLiteral(".damaged")));
  }
  const DraftLoad none = loadDraftFile(path);
  EXPECT_FALSE(none.draft.has_value());
  EXPECT_TRUE(none.message.isEmpty());
}

class MakeSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(writeFile(s.path("figure.png"), png(strip({qRgb(255, 255, 255), qRgb(255, 255, 255)}))));
    ASSERT_TRUE(writeFile(s.path("splat.png"), png(strip({qRgb(255, 255, 255), qRgb(255, 255, 255)}))));
    writeTone(s.path("start.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 1000, 0.5, 0.75);
    writeTone(s.path("tick.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, 440, 0.5, 0.25);
  }
  QString manifest(const QByteArray& text) {
    const QString path = s.path("set.ini");
    EXPECT_TRUE(writeFile(path, text));
    return path;
  }
  Scratch s;
  const QByteArray good = "[set]\ntitle=Harbour\npage-colour=#FFFFFF\ncursor=3\nhot-spot=4,5\ntick-mode=2\n"
                          "comment=\"Gulls, boats and pies\"\n"
                          "[pictures]\nfigure=figure.png\nsplat=splat.png\n"
                          "[sounds]\nstartup=start.wav\ntick=tick.flac\n";
};

TEST_F(MakeSetTest, BuildsASetTheGameReadsBack) {
  const QString out = s.path("harbour.xet");
  const MakeSetResult made = makeSetFromManifest(manifest(good), out);
  ASSERT_EQ(made.exitCode, 0) << made.error.toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const SetReadResult read = readSetFile(file, out);
  ASSERT_TRUE(read.set.has_value()) << read.error.toStdString();
  EXPECT_EQ(read.set->header.title.text(), QStringLiteral("Harbour"));
  EXPECT_EQ(read.set->header.comment.text(), QStringLiteral("Gulls, boats and pies"));
  EXPECT_EQ(read.set->header.cursorIndex, 3);
  EXPECT_EQ(read.set->header.tickSoundMode, 2);
  EXPECT_EQ(read.set->targetStrip.height(), 2 * kRowsPerTarget);
  EXPECT_NEAR(double(read.set->header.startupSoundSize) / kSetSampleRate, 0.75, 0.005);
  EXPECT_NEAR(double(read.set->header.tickSoundSize) / kSetSampleRate, 0.25, 0.005);
}

TEST_F(MakeSetTest, RefusesNamingTheFileAndTheReasonAndLeavesNoFile) {
  const QString out = s.path("refused.xet");
  struct Case {
    QByteArray manifest;
    const char* named;
  };
  const Case cases[] = {
      {QByteArray(good).replace("cursor=3", "cursour=3"), "unknown key set/cursour"},
      {QByteArray(good).replace("splat=splat.png\n", ""), "missing required key pictures/splat"},
      {QByteArray(good).replace("page-colour=#FFFFFF", "page-colour=white"), "set/page-colour"},
      {QByteArray(good).replace("tick=tick.flac", "tick=gone.flac"), "gone.flac: cannot be found"},
      {QByteArray(good).replace("tick=tick.flac", "tick=figure.png"), "figure.png: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    const MakeSetResult made = makeSetFromManifest(manifest(c.manifest), out);
    EXPECT_NE(made.exitCode, 0);
    EXPECT_TRUE(made.error.contains(QLatin1String(c.named))) << made.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
  }
  // A folder that cannot be written leaves nothing behind either.
  const QString locked = s.path("locked");
  ASSERT_TRUE(QDir().mkpath(locked));
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  const MakeSetResult made = makeSetFromManifest(manifest(good), locked + QStringLiteral("/x.xet"));
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (::geteuid() != 0) {
    EXPECT_NE(made.exitCode, 0);
    EXPECT_TRUE(QDir(locked).isEmpty());
  }
}

}  // namespace
