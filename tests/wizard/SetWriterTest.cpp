#include <QDir>
#include <QFile>
#include <QStringList>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

#include "imageset/BmpDecode.h"
#include "game/SetCommands.h"
#include "imageset/SetReaders.h"
#include "imageset/SetTestSupport.h"
#include "wizard/MidiFormat.h"
#include "wizard/SetWriter.h"
#include "wizard/PictureImport.h"
#include "wizard/SoundImport.h"

namespace {

void put16(QByteArray& b, int v) { b += char(v & 0xFF), b += char((v >> 8) & 0xFF); }
void put32(QByteArray& b, qint64 v) {
  for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xFF);
}

struct WaveShape {
  int channels = 1, rate = 11025, bits = 8, align = 1;
  int fmtLength = 16;
  qint64 fmtLengthField = -1;  // what the format chunk's length field says; -1: fmtLength
  QByteArray between;          // chunk bytes between the format chunk and "data"
  bool dataFirst = false;      // a "data" chunk before the format chunk
  qint64 statedLength = -1;    // the data chunk's length field; -1: the samples' length
};

QByteArray chunk(const char* id, const QByteArray& body) {
  QByteArray c(id);
  put32(c, body.size());
  return c + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// The chunk ffmpeg puts between the format chunk and the samples.
QByteArray ffmpegInfoChunk() { return chunk("LIST", "INFO" + chunk("ISFT", QByteArray("Lavf59.27.100", 14))); }

// Samples that differ from every other call's, so a block in the wrong place shows.
QByteArray contentsOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray distinctSamples(int n, int seed) {
  QByteArray samples(n, '\0');
  for (int i = 0; i < n; ++i) samples[i] = char((i * seed + seed * 7) & 0xFF);
  return samples;
}

QByteArray waveFile(const QByteArray& samples, const WaveShape& s = {}) {
  QByteArray fmt("fmt ");
  put32(fmt, s.fmtLengthField >= 0 ? s.fmtLengthField : s.fmtLength);
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
    // Each wave laid out differently, as different programs write them.
    WaveShape ffmpeg, extended;
    ffmpeg.between = ffmpegInfoChunk();
    extended.fmtLength = 18;
    samples = {distinctSamples(3000, 3), distinctSamples(100, 5), distinctSamples(1024, 11), distinctSamples(2049, 13)};
    in.waves[indexOf(SoundEffect::Startup)] = write("startup.wav", waveFile(samples[indexOf(SoundEffect::Startup)]));
    in.waves[indexOf(SoundEffect::Tick)] = write("tick.wav", waveFile(samples[indexOf(SoundEffect::Tick)], ffmpeg));
    in.waves[indexOf(SoundEffect::Splat)] = write("splat.wav", waveFile(samples[indexOf(SoundEffect::Splat)], extended));
    in.waves[indexOf(SoundEffect::GameOver)] = write("over.wav", waveFile(samples[indexOf(SoundEffect::GameOver)]));
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
  std::array<QByteArray, kSoundEffectCount> samples;  // what everything()'s waves hold
};

}  // namespace

TEST_F(SetWriterTest, EveryBlockAndHeaderFieldRoundTripsThroughTheReader) {
  const SetInputs in = everything();
  write("out.xet", "an earlier set under the same name");
  const WriteOutcome outcome = run(in);
  const QByteArray file = output(in);

  ASSERT_TRUE(outcome.valid()) << writeOutcomeText(outcome).toStdString();
  EXPECT_EQ(outcome.written, outcome.expected);
  EXPECT_EQ(file.size(), outcome.expected);
  EXPECT_EQ(writeOutcomeText(outcome), QStringLiteral("eXtended Image Set File Created Sucessfully..."));
  EXPECT_EQ(recorder.statuses.front(), QStringLiteral("Setting up..."));
  EXPECT_EQ(recorder.statuses.back(), QStringLiteral("Finished!"));
  EXPECT_EQ(recorder.progress.front().first, 0);
  EXPECT_EQ(recorder.progress.back(), qMakePair(outcome.expected, outcome.expected));
  EXPECT_GT(recorder.pumps, 10);

  // The blocks in file order, each exactly the bytes of its input.
  EXPECT_EQ(file.left(18), QByteArray("eXtended Image SET"));
  qint64 at = xet::HeaderEnd;
  auto expectBlock = [&](const QByteArray& bytes, const char* what) {
    EXPECT_EQ(file.mid(at, bytes.size()), bytes) << what;
    at += bytes.size();
  };
  expectBlock(cursorPlanes(), "cursor planes");
  expectBlock(contents(in.miscBmp), "misc pictures");
  expectBlock(contents(in.numbersBmp), "digits");
  expectBlock(contents(in.countBmp), "count-down");
  expectBlock(contents(in.titleBmp), "title");
  expectBlock(contents(in.pict1), "target strip");
  expectBlock(contents(in.pict2), "splat strip");
  for (SoundEffect sound : {SoundEffect::Startup, SoundEffect::Tick, SoundEffect::Splat, SoundEffect::GameOver})
    expectBlock(samples[indexOf(sound)], "sound");
  expectBlock(smallTune(), "tune");
  expectBlock("--End-Of-Set--", "trailer");
  EXPECT_EQ(at, file.size());

  QFile made(in.outFile);
  ASSERT_TRUE(made.open(QIODevice::ReadOnly));
  const SetReadResult read = readExtendedSet(made);
  ASSERT_TRUE(read.set) << read.error.toStdString();
  const LoadedSet& s = *read.set;
  const SetHeader& h = s.header;
  EXPECT_EQ(h.title.text(), in.name.left(200));
  EXPECT_EQ(h.author.text(), in.author);
  EXPECT_EQ(h.email.text(), in.email);
  EXPECT_EQ(h.webPage.text(), in.url);
  EXPECT_EQ(h.comment.text(), in.comment);
  EXPECT_EQ(s.congratulationPrefix, in.prefix);
  EXPECT_EQ(s.congratulationSuffix, in.suffix);
  EXPECT_EQ(s.ratingMessages, in.ratings);
  EXPECT_EQ(colourValue(s.playfieldColour), in.pageColour);
  EXPECT_EQ(colourValue(s.titleColour), in.titleColour);
  EXPECT_EQ(h.cursorIndex, 8);
  EXPECT_EQ(h.hotSpotX, in.hotSpotX);
  EXPECT_EQ(h.hotSpotY, in.hotSpotY);
  EXPECT_EQ(h.tickSoundMode, in.tickMode);
  ASSERT_TRUE(s.cursor);
  EXPECT_EQ(s.cursor->planes, planesFromBuilder());
  EXPECT_EQ(s.cursor->hotX, in.hotSpotX);
  EXPECT_EQ(s.cursor->hotY, in.hotSpotY);

  EXPECT_EQ(h.miscPicsSize, QFile(in.miscBmp).size());
  EXPECT_EQ(h.numbersSize, QFile(in.numbersBmp).size());
  EXPECT_EQ(h.countSize, QFile(in.countBmp).size());
  EXPECT_EQ(h.titleSize, QFile(in.titleBmp).size());
  EXPECT_EQ(h.pict1Size, QFile(in.pict1).size());
  EXPECT_EQ(h.pict2Size, QFile(in.pict2).size());
  EXPECT_EQ(h.musicSize, smallTune().size());
  EXPECT_EQ(h.startupSoundSize, samples[indexOf(SoundEffect::Startup)].size());
  EXPECT_EQ(h.tickSoundSize, samples[indexOf(SoundEffect::Tick)].size());
  EXPECT_EQ(h.splatSoundSize, samples[indexOf(SoundEffect::Splat)].size());
  EXPECT_EQ(h.gameOverSoundSize, samples[indexOf(SoundEffect::GameOver)].size());
  for (const SoundEffectInfo& sound : kSoundEffects) {
    const SoundBuffer& got = s.sound(sound.effect);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(got.data.data()), qsizetype(got.data.size())),
              samples[indexOf(sound.effect)])
        << sound.fileName;
  }
  EXPECT_EQ(s.tune, smallTune());
  EXPECT_EQ(s.targetStrip, loadBmpFile(in.pict1, nullptr));
  EXPECT_EQ(s.splatStrip, loadBmpFile(in.pict2, nullptr));
  EXPECT_EQ(s.digitStrip, loadBmpFile(in.numbersBmp, nullptr));
  EXPECT_EQ(s.countStrip, loadBmpFile(in.countBmp, nullptr));
  EXPECT_EQ(s.title, loadBmpFile(in.titleBmp, nullptr));
}

TEST_F(SetWriterTest, StripsOnlyGiveMinusOneFieldsAndTheSmallestLayout) {
  const SetInputs in = strips();
  const qint64 strip1 = QFile(in.pict1).size(), strip2 = QFile(in.pict2).size();
  EXPECT_EQ(estimateSetSize(prepareSet(in).set, header), strip1 + strip2 + 3423);

  SetInputs custom = in;
  custom.cursorChoice = 8;
  EXPECT_EQ(estimateSetSize(prepareSet(custom).set, header), strip1 + strip2 + 3423 + 256);

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
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Strips"));
  EXPECT_EQ(game.set().countStrip, reference.set().countStrip);
}

// Waves as editors write them, with chunks before and between, go in sample for sample;
// what is no sound at all is refused naming its file.
TEST_F(SetWriterTest, StoredFormatWavesGoInSampleForSample) {
  const QByteArray samples = distinctSamples(500, 3);
  const auto imported = [&](const WaveShape& shape) {
    return importSound(write("w.wav", waveFile(samples, shape)), kLongestSound).samples;
  };
  WaveShape s;
  EXPECT_EQ(imported(s), samples);
  s.between = ffmpegInfoChunk();
  EXPECT_EQ(imported(s), samples) << "ffmpeg's LIST chunk";
  s.between = chunk("fact", QByteArray::fromHex("f4010000"));
  EXPECT_EQ(imported(s), samples) << "fact chunk";
  s.between = chunk("JUNK", "odd");
  EXPECT_EQ(imported(s), samples) << "odd-length chunk, padded";

  EXPECT_FALSE(importSound(write("w.wav", waveFile({})), kLongestSound).ok());
  EXPECT_FALSE(importSound(write("w.wav", waveFile(samples).replace(0, 4, "RIFX")), kLongestSound).ok());
  EXPECT_FALSE(importSound(dir.filePath("none.wav"), kLongestSound).ok());
  EXPECT_FALSE(importSound(dir.path(), kLongestSound).ok());

  // The game loads a sound of a minute and refuses a longer one; so does the wizard.
  EXPECT_TRUE(importSound(write("w.wav", waveFile(QByteArray(661500, char(0x80)))), kLongestSound).ok());
  EXPECT_FALSE(importSound(write("w.wav", waveFile(QByteArray(661501, char(0x80)))), kLongestSound).ok());
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
  EXPECT_EQ(game.set().sound(SoundEffect::Splat).data.size(), 3000u);
}

// A tune the game's player would refuse (cut short, not MIDI) is no tune; a RIFF-wrapped
// one goes into the set as the MIDI data it holds, which is what the player reads.
TEST_F(SetWriterTest, TuneCheckFindsTheMidiDataPlainOrWrapped) {
  const QByteArray tune = smallTune();
  const TuneCheck plain = checkTuneFile(write("a.mid", tune));
  EXPECT_TRUE(plain.ok());
  EXPECT_EQ(plain.midi.at, 0);
  EXPECT_EQ(plain.midi.length, tune.size());
  EXPECT_EQ(checkTuneFile(write("b.mid", tune.left(tune.size() - 3))).problem, TuneProblem::NotMidi);
  EXPECT_EQ(checkTuneFile(write("f.mid", QByteArray(40, 'M'))).problem, TuneProblem::NotMidi);
  EXPECT_EQ(checkTuneFile(dir.filePath("none.mid")).problem, TuneProblem::Missing);
  EXPECT_EQ(checkTuneFile(write("g.mid", tune + QByteArray((4 << 20) - tune.size() + 1, '\0'))).problem,
            TuneProblem::TooLarge);

  QByteArray rmi = QByteArray("RIFF") + "1234" + "RMID" + "data";
  put32(rmi, tune.size());
  rmi += tune;
  const TuneCheck wrapped = checkTuneFile(write("d.rmi", rmi));
  EXPECT_TRUE(wrapped.ok());
  EXPECT_EQ(wrapped.midi.at, 20);
  EXPECT_EQ(checkTuneFile(write("e.rmi", QByteArray(rmi).replace(12, 4, "date"))).problem, TuneProblem::NotMidi);

  SetInputs in = strips();
  in.music = dir.filePath("d.rmi");
  ASSERT_TRUE(run(in).valid());
  EXPECT_EQ(field(output(in), xet::musicSize), tune.size());
  EXPECT_TRUE(output(in).endsWith(tune + QByteArray(kSetTrailer)));
}

TEST_F(SetWriterTest, EveryInputThatCannotGoInASetIsNamedOnItsOwnLine) {
  const QString good = write("good.wav", waveFile(squareWave(100, 4)));
  QDir().mkpath(dir.filePath("sub"));
  const QString bad = write("sub/bad.wav", QByteArray(60, 'x'));
  SetInputs in;
  in.waves = {good, {}, good, {}};
  EXPECT_TRUE(prepareSet(in).ok());
  in.waves = {good, {}, bad, {}};
  in.music = dir.filePath("gone.mid");
  const QStringList problems = prepareSet(in).problems;
  ASSERT_EQ(problems.size(), 2) << problems.join('\n').toStdString();
  EXPECT_TRUE(problems[0].startsWith(QStringLiteral("bad.wav: ")));
  EXPECT_EQ(problems[1], QStringLiteral("File gone.mid cannot be found..."));
}

TEST_F(SetWriterTest, FailuresAreNeverReportedAsSuccessAndKeepTheEarlierSet) {
  // A strip that shrinks while the set is written changes nothing: every block was
  // read once, before the output opened, and the set comes out whole.
  const QByteArray earlier = "an earlier set under the same name";
  SetInputs in = strips();
  write("out.xet", earlier);
  const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
  recorder.onProgress = [&](qint64 written) {
    if (written == 0) write("pict2.bmp", bmpBytes(truePicture(224, 108, qRgb(0, 0, 200))).left(100));
  };
  const QByteArray strip2 = QFile(in.pict2).open(QIODevice::ReadOnly) ? contentsOf(in.pict2) : QByteArray();
  WriteOutcome outcome = run(in);
  EXPECT_TRUE(outcome.valid());
  EXPECT_TRUE(output(in).contains(strip2));
  recorder.onProgress = {};
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);  // nothing left beside it
  EXPECT_EQ(recorder.statuses.back(), QStringLiteral("Finished!"));
  write("out.xet", earlier);

  // A disk that fills up: no file of this process may grow past 8 KiB meanwhile.
  in = strips();
  ASSERT_GT(QFile(in.pict1).size(), 8192);
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
  rlimit small = oldLimit;
  small.rlim_cur = 8192;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  outcome = run(in);
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_EQ(outcome.kind, WriteOutcome::Written);
  EXPECT_FALSE(outcome.valid());
  EXPECT_EQ(output(in), earlier);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);

  // An output that cannot be created shows no progress at all.
  recorder = Recorder();
  in = strips();
  in.outFile = dir.filePath("no/such/folder/out.xet");
  outcome = run(in);
  EXPECT_EQ(outcome.kind, WriteOutcome::CannotOpenOutput);
  EXPECT_EQ(writeOutcomeText(outcome), QStringLiteral("Unable to open the output file for writing..."));
  EXPECT_TRUE(recorder.statuses.isEmpty());

  // Named pipes are neither read nor written, nor replaced, so nothing waits for a peer.
  const QString pipe = dir.filePath("pipe");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  EXPECT_FALSE(importSound(pipe, kLongestSound).ok());
  EXPECT_FALSE(importPicture(pipe, kStripBounds, 0).ok());
  EXPECT_EQ(checkTuneFile(pipe).problem, TuneProblem::Missing);
  in = strips();
  in.music = pipe;
  EXPECT_EQ(estimateSetSize(prepareSet(in).set, header), QFile(in.pict1).size() + QFile(in.pict2).size() + 3423);
  in.music.clear();
  in.outFile = pipe;
  EXPECT_EQ(run(in).kind, WriteOutcome::CannotOpenOutput);
  struct stat info {};
  ASSERT_EQ(::stat(pipe.toLocal8Bit().constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  in.outFile = dir.path();
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
