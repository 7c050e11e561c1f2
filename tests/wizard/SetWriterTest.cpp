#include <QFile>
#include <QStringList>
#include <cstring>
#include <sys/stat.h>

#include "imageset/BmpDecode.h"
#include "game/SetCommands.h"
#include "imageset/SetReaders.h"
#include "imageset/SetTestSupport.h"
#include "wizard/SetWriter.h"

namespace {

void put16(QByteArray& b, int v) { b += char(v & 0xFF), b += char((v >> 8) & 0xFF); }
void put32(QByteArray& b, qint64 v) {
  for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xFF);
}

struct WaveShape {
  int channels = 1, rate = 11025, bits = 8, align = 1;
  int fmtLength = 16;
  QByteArray between;        // chunk bytes between the format chunk and "data"
  bool dataFirst = false;    // a "data" chunk before the format chunk
  qint64 statedLength = -1;  // the data chunk's length field; -1: the samples' length
};

QByteArray waveFile(const QByteArray& samples, const WaveShape& s = {}) {
  QByteArray fmt("fmt ");
  put32(fmt, s.fmtLength);
  put16(fmt, 1), put16(fmt, s.channels), put32(fmt, s.rate), put32(fmt, s.rate * s.align), put16(fmt, s.align),
      put16(fmt, s.bits);
  fmt += QByteArray(s.fmtLength - 16, '\0');
  QByteArray data("data");
  put32(data, s.statedLength >= 0 ? s.statedLength : samples.size());
  data += samples;
  QByteArray body = "WAVE" + (s.dataFirst ? data + fmt : fmt + s.between + data);
  QByteArray file("RIFF");
  put32(file, body.size());
  return file + body;
}

class Recorder : public WriterProgress {
 public:
  void setStatus(const QString& text) override { statuses << text; }
  void showProgress(qint64 written, qint64 total) override {
    progress << qMakePair(written, total);
    if (onProgress) onProgress(written);
  }
  void pump() override { ++pumps; }
  QStringList statuses;
  QList<QPair<qint64, qint64>> progress;
  int pumps = 0;
  std::function<void(qint64)> onProgress;
};

CursorPlanes planesFromBuilder() {
  CursorPlanes planes{};
  const QByteArray bytes = cursorPlanes();
  std::memcpy(planes.data(), bytes.constData(), planes.size());
  return planes;
}

class SetWriterTest : public SetTest {
 protected:
  // Two strips only; everything else empty and a built-in cursor.
  SetInputs strips() {
    SetInputs in;
    in.pict1 = write("pict1.bmp", bmpBytes(indexedPicture(224, 108, qRgb(200, 0, 0))));
    in.pict2 = write("pict2.bmp", bmpBytes(truePicture(224, 108, qRgb(0, 0, 200))));
    in.outFile = dir.filePath("out.xet");
    in.name = "Strips";
    return in;
  }
  SetInputs everything() {
    SetInputs in = strips();
    in.titleBmp = write("title.bmp", bmpBytes(truePicture(594, 31, qRgb(10, 20, 30))));
    in.numbersBmp = write("numbers.bmp", bmpBytes(indexedPicture(300, 51, qRgb(1, 200, 3))));
    in.countBmp = write("count.bmp", bmpBytes(indexedPicture(671, 107, qRgb(9, 9, 90))));
    in.miscBmp = write("misc.bmp", bmpBytes(truePicture(111, 124, qRgb(90, 9, 9))));
    in.waves[indexOf(SoundEffect::Startup)] = write("startup.wav", waveFile(squareWave(3000, 20)));
    in.waves[indexOf(SoundEffect::Tick)] = write("tick.wav", waveFile(squareWave(100, 4)));
    in.waves[indexOf(SoundEffect::Splat)] = write("splat.wav", waveFile(squareWave(1024, 8)));
    in.waves[indexOf(SoundEffect::GameOver)] = write("over.wav", waveFile(squareWave(2049, 30)));
    in.music = write("tune.mid", smallTune());
    in.cursorFile = write("cursor.bmp", bmpBytes(indexedPicture(32, 32, qRgb(0, 0, 0))));
    in.name = QStringLiteral("Every Part ") + QString(300, QLatin1Char('x'));
    in.author = "An Author";
    in.email = "author@example.org";
    in.url = "http://example.org/";
    in.comment = "Made by the writer test";
    in.prefix = "You threw";
    in.suffix = "pies. Score:";
    for (int i = 0; i < 8; ++i) in.ratings[i] = QStringLiteral("Rating %1").arg(i);
    in.titleColour = 0x00112233;
    in.pageColour = 0x00445566;
    in.cursorChoice = 8;
    in.hotSpotX = 31;
    in.hotSpotY = 7;
    in.tickMode = 5;
    return in;
  }
  WriteOutcome run(const SetInputs& in) { return writeExtendedSet(in, header, recorder, planesFromBuilder); }
  QByteArray output(const SetInputs& in) { return contents(in.outFile); }
  static QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static std::int32_t field(const QByteArray& file, int offset) {
    std::int32_t v;
    std::memcpy(&v, file.constData() + offset, 4);
    return v;
  }

  SetHeader header{};
  Recorder recorder;
};

}  // namespace

TEST_F(SetWriterTest, EveryPartRoundTripsThroughTheReaderAndTheEstimateIsExact) {
  const SetInputs in = everything();
  const WriteOutcome outcome = run(in);
  const QByteArray file = output(in);

  ASSERT_TRUE(outcome.valid()) << writeOutcomeText(outcome).toStdString();
  EXPECT_EQ(outcome.written, outcome.expected);
  EXPECT_EQ(file.size(), outcome.expected);
  EXPECT_EQ(writeOutcomeText(outcome), QStringLiteral("eXtended Image Set File Created Sucessfully..."));
  EXPECT_EQ(file.left(18), QByteArray("eXtended Image SET"));
  EXPECT_EQ(file.right(14), QByteArray("--End-Of-Set--"));
  // The planes follow the header directly.
  EXPECT_EQ(file.mid(xet::HeaderEnd, 256), cursorPlanes());
  EXPECT_EQ(field(file, xet::startupSoundSize), 3000);
  EXPECT_EQ(field(file, xet::gameOverSoundSize), 2049);
  EXPECT_EQ(field(file, xet::musicSize), smallTune().size());
  EXPECT_EQ(recorder.statuses.front(), QStringLiteral("Setting up..."));
  EXPECT_EQ(recorder.statuses.back(), QStringLiteral("Finished!"));
  EXPECT_EQ(recorder.progress.front().first, 0);
  EXPECT_EQ(recorder.progress.back(), qMakePair(outcome.expected, outcome.expected));
  EXPECT_GT(recorder.pumps, 10);

  loadExtendedSet(game, in.outFile, false);
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  const ActiveSet& s = game.set;
  EXPECT_EQ(s.setTitle, in.name.left(200));
  EXPECT_EQ(s.header.author.text(), in.author);
  EXPECT_EQ(s.header.webPage.text(), in.url);
  EXPECT_EQ(s.congratulationSuffix, in.suffix);
  EXPECT_EQ(s.ratingMessages[7], in.ratings[7]);
  EXPECT_EQ(game.playfieldColour, in.pageColour);
  EXPECT_EQ(game.titleColour, in.titleColour);
  EXPECT_EQ(s.header.tickSoundMode, 5);
  EXPECT_EQ(s.header.hotSpotX, 31);
  EXPECT_TRUE(game.cursors.has(kCustomCursorSlot));
  EXPECT_EQ(s.targetStrip.pixel(5, 5), qRgb(200, 0, 0));
  EXPECT_EQ(s.splatStrip.pixel(5, 5), qRgb(0, 0, 200));
  EXPECT_EQ(s.title.pixel(0, 0), qRgb(10, 20, 30));
  const QByteArray startup = squareWave(3000, 20);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(s.sound(SoundEffect::Startup).data.data()), int(s.sound(SoundEffect::Startup).data.size())), startup);
  EXPECT_EQ(s.sound(SoundEffect::Tick).data.size(), 100u);
  EXPECT_EQ(s.sound(SoundEffect::GameOver).data.size(), 2049u);
  ASSERT_TRUE(s.musicPresent);
  QFile tune(s.musicFile);
  ASSERT_TRUE(tune.open(QIODevice::ReadOnly));
  EXPECT_EQ(tune.readAll(), smallTune());
}

TEST_F(SetWriterTest, StripsOnlyGiveMinusOneFieldsAndTheSmallestLayout) {
  const SetInputs in = strips();
  const qint64 strip1 = QFile(in.pict1).size(), strip2 = QFile(in.pict2).size();
  EXPECT_EQ(estimateSetSize(in, header), strip1 + strip2 + 3423);

  SetInputs custom = in;
  custom.cursorChoice = 8;
  EXPECT_EQ(estimateSetSize(custom, header), strip1 + strip2 + 3423 + 256);

  const WriteOutcome outcome = run(in);
  const QByteArray file = output(in);
  ASSERT_TRUE(outcome.valid());
  ASSERT_EQ(file.size(), strip1 + strip2 + 3423);
  for (int offset : {xet::miscPicsSize, xet::numbersSize, xet::countSize, xet::titleSize, xet::gameOverSoundSize,
                     xet::splatSoundSize, xet::tickSoundSize, xet::startupSoundSize, xet::musicSize})
    EXPECT_EQ(field(file, offset), -1) << offset;
  EXPECT_EQ(field(file, xet::pict1Size), strip1);
  EXPECT_EQ(file[xet::cursorIndex], 1);
  // No planes: the first strip follows the header.
  EXPECT_EQ(file.mid(xet::HeaderEnd, 2), QByteArray("BM"));

  loadExtendedSet(game, in.outFile, false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set.setTitle, QStringLiteral("Strips"));
  EXPECT_EQ(game.set.countStrip, reference.set.countStrip);
}

TEST_F(SetWriterTest, WaveCheckFollowsFixedStepsAndRefusesOtherFormats) {
  const QByteArray samples = squareWave(500, 10);
  auto check = [&](const QByteArray& bytes) { return checkWaveFile(write("w.wav", bytes)); };
  EXPECT_EQ(check(waveFile(samples)), -500);
  EXPECT_EQ(checkWaveFile(dir.filePath("none.wav")), 1);
  EXPECT_EQ(checkWaveFile(dir.path()), 1);
  EXPECT_EQ(check(waveFile({})), 2);  // 44 bytes, no samples
  EXPECT_EQ(check(waveFile(samples).replace(0, 4, "RIFX")), 2);
  WaveShape s;
  s.bits = 16;
  EXPECT_EQ(check(waveFile(samples, s)), 3);
  s = {};
  s.channels = 2;
  EXPECT_EQ(check(waveFile(samples, s)), 3);
  s = {};
  s.rate = 22050;
  EXPECT_EQ(check(waveFile(samples, s)), 3);
  s = {};
  s.fmtLength = 18;
  EXPECT_EQ(check(waveFile(samples, s)), 2);
  s = {};
  s.between = QByteArray("fact") + QByteArray::fromHex("04000000") + "abcd";
  EXPECT_EQ(check(waveFile(samples, s)), 2);
  s = {};
  s.between = QByteArray("loop") + QByteArray::fromHex("04000000") + "abcd";
  EXPECT_EQ(check(waveFile(samples, s)), -500);
  s = {};
  s.dataFirst = true;
  EXPECT_EQ(check(waveFile(samples, s)), 3);

  // Lengths the file cannot back: negative is no wave, too long counts what is there.
  s = {};
  s.statedLength = 0xFFFFFFFE;
  EXPECT_EQ(check(waveFile(samples, s)), 2);
  s.statedLength = 0x7FFFFFFF;
  EXPECT_EQ(check(waveFile(samples, s)), -500);
  qint64 total = 0;
  EXPECT_EQ(waveDataLength(dir.filePath("w.wav"), &total), 500);
  EXPECT_EQ(waveDataLength(dir.filePath("none.wav"), &total), -1);
  EXPECT_EQ(total, 500);
}

TEST_F(SetWriterTest, WaveWithOverstatedLengthStillMakesAValidSet) {
  SetInputs in = strips();
  WaveShape s;
  s.statedLength = 0x7FFFFFF0;
  in.waves[indexOf(SoundEffect::Splat)] = write("long.wav", waveFile(squareWave(3000, 9), s));
  const WriteOutcome outcome = run(in);
  EXPECT_TRUE(outcome.valid()) << writeOutcomeText(outcome).toStdString();
  EXPECT_EQ(field(output(in), xet::splatSoundSize), 3000);
  loadExtendedSet(game, in.outFile, false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set.sound(SoundEffect::Splat).data.size(), 3000u);
}

TEST_F(SetWriterTest, MidiCheckAcceptsPlainAndRiffWrappedFiles) {
  EXPECT_TRUE(checkMidiFile(write("a.mid", smallTune())));
  EXPECT_FALSE(checkMidiFile(write("b.mid", smallTune().left(29))));
  EXPECT_TRUE(checkMidiFile(write("c.mid", smallTune().left(30))));
  const QByteArray rmi = QByteArray("RIFF") + "1234" + "XXXX" + "data" + "5678" + smallTune();
  EXPECT_TRUE(checkMidiFile(write("d.rmi", rmi)));
  EXPECT_FALSE(checkMidiFile(write("e.rmi", QByteArray(rmi).replace(12, 4, "date"))));
  EXPECT_FALSE(checkMidiFile(write("f.mid", QByteArray(40, 'M'))));
  EXPECT_FALSE(checkMidiFile(dir.filePath("none.mid")));
}

TEST_F(SetWriterTest, SoundStepMessageKeepsOneLinePerSound) {
  const QString good = write("good.wav", waveFile(squareWave(100, 4)));
  QDir().mkpath(dir.filePath("sub"));
  const QString bad = write("sub/bad.wav", QByteArray(60, 'x'));
  EXPECT_EQ(soundStepMessage({good, {}, good, {}}, {}), QString());
  EXPECT_EQ(soundStepMessage({good, {}, bad, {}}, {}), QStringLiteral("\n\r\n\rFile bad.wav is NOT wave file...\n\r"));
  EXPECT_EQ(soundStepMessage({}, dir.filePath("gone.mid")),
            QStringLiteral("\n\r\n\r\n\r\n\rFile gone.mid cannot be found..."));
  EXPECT_EQ(soundStepMessage({dir.filePath("x.wav"), {}, {}, {}}, good),
            QStringLiteral("File x.wav could not be opened or was not found...\n\r\n\r\n\r\n\r"
                           "File good.wav is not a recognised MIDI file..."));
  EXPECT_EQ(soundErrorLine(0, good), QString());
  EXPECT_EQ(soundErrorLine(3, good), QStringLiteral("File good.wav is an invalid wave file (eg: not 8-bit Mono 11025Hz)"));
}

TEST_F(SetWriterTest, FailuresAreNeverReportedAsSuccess) {
  // A strip that shrinks after the estimate leaves the count short by its loss.
  SetInputs in = strips();
  const qint64 strip2 = QFile(in.pict2).size();
  recorder.onProgress = [&](qint64 written) {
    if (written == 0) write("pict2.bmp", bmpBytes(truePicture(224, 108, qRgb(0, 0, 200))).left(100));
  };
  WriteOutcome outcome = run(in);
  EXPECT_FALSE(outcome.valid());
  EXPECT_EQ(outcome.expected - outcome.written, strip2 - 100);
  EXPECT_EQ(writeOutcomeText(outcome),
            QStringLiteral("Created file is invalid, either disk is full or an error occured whilst writing to it... "
                           "(Data Written: %1 bytes,  Should have Written: %2 bytes)")
                .arg(outcome.written)
                .arg(outcome.expected));
  EXPECT_EQ(QFile(in.outFile).size(), outcome.written);  // the invalid file stays

  // A full disk.
  if (QFileInfo(QStringLiteral("/dev/full")).exists()) {
    in = strips();
    in.outFile = QStringLiteral("/dev/full");
    outcome = run(in);
    EXPECT_EQ(outcome.kind, WriteOutcome::Written);
    EXPECT_FALSE(outcome.valid());
  }

  // An output that cannot be created shows no progress at all.
  recorder = Recorder();
  in = strips();
  in.outFile = dir.filePath("no/such/folder/out.xet");
  outcome = run(in);
  EXPECT_EQ(outcome.kind, WriteOutcome::CannotOpenOutput);
  EXPECT_EQ(writeOutcomeText(outcome), QStringLiteral("Unable to open the output file for writing..."));
  EXPECT_TRUE(recorder.statuses.isEmpty());

  // Named pipes are neither read nor written, so nothing waits for a peer.
  const QString pipe = dir.filePath("pipe");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  EXPECT_EQ(checkWaveFile(pipe), 1);
  EXPECT_EQ(wholeFileSize(pipe), -1);
  EXPECT_FALSE(checkMidiFile(pipe));
  in = strips();
  in.music = pipe;
  EXPECT_EQ(estimateSetSize(in, header), QFile(in.pict1).size() + QFile(in.pict2).size() + 3423);
  in.music.clear();
  in.outFile = pipe;
  EXPECT_EQ(run(in).kind, WriteOutcome::CannotOpenOutput);
}

TEST_F(SetWriterTest, OutputNamingAnInputLeavesTheInputAlone) {
  SetInputs in = everything();
  for (QString* input : {&in.pict2, &in.waves[indexOf(SoundEffect::Tick)], &in.music, &in.cursorFile}) {
    const QByteArray before = contents(*input);
    in.outFile = *input;
    const WriteOutcome outcome = run(in);
    EXPECT_EQ(outcome.kind, WriteOutcome::OutputIsAnInput);
    EXPECT_FALSE(outcome.valid());
    EXPECT_EQ(output(in), before);
  }
  // The same file reached through another path is caught too.
  in.outFile = dir.filePath("./sub/../pict1.bmp");
  QDir().mkpath(dir.filePath("sub"));
  EXPECT_EQ(run(in).kind, WriteOutcome::OutputIsAnInput);
}
