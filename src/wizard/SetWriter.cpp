#include "wizard/SetWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <unistd.h>

#include "common/Bytes.h"
#include "imageset/CursorTable.h"
#include "imageset/SetReaders.h"

namespace {

constexpr qint64 kPiece = 1024;
constexpr std::int32_t kWaveMissing = 1, kNotWave = 2, kBadWaveFormat = 3;

// Reads exactly n bytes, or reports false; a short read leaves the rest zero.
bool readBytes(QFile& file, char* into, qint64 n) {
  std::memset(into, 0, static_cast<std::size_t>(n));
  return file.read(into, n) == n;
}

bool openForReading(QFile& file) { return isRegularFile(file.fileName()) && file.open(QIODevice::ReadOnly); }

const QString& waveOf(const SetInputs& in, const SoundEffectInfo& sound) {
  return in.waves[static_cast<std::size_t>(indexOf(sound.effect))];
}

}  // namespace

std::int32_t wholeFileSize(const QString& name, qint64* total) {
  if (name.trimmed().isEmpty()) return -1;
  QFile file(name);
  if (!openForReading(file)) return -1;
  const qint64 size = file.size();
  // A size field cannot describe a larger file; leaving it out keeps the set readable.
  if (size > std::numeric_limits<std::int32_t>::max()) return -1;
  if (total) *total += size;
  return static_cast<std::int32_t>(size);
}

namespace {

// Where a wave file's samples start and what its format chunk says.
struct WaveLayout {
  bool dataFound = false;
  bool formatSeen = false;
  char format[16] = {};  // tag, channels, rate, byte rate, block alignment, bits
  qint64 samplesAt = 0;
  std::int32_t statedLength = 0;  // the data chunk's length field
};

constexpr int kMostChunks = 64;

// The chunks one after another by their declared lengths, each padded to an even
// length; the first format chunk of at least 16 bytes counts, and the walk stops
// at "data". A chunk that runs past the end of the file ends the walk.
WaveLayout walkChunks(QFile& file) {
  WaveLayout layout;
  const qint64 size = file.size();
  qint64 at = 12;
  for (int chunk = 0; chunk < kMostChunks && at + 8 <= size; ++chunk) {
    char head[8];
    if (!file.seek(at) || !readBytes(file, head, 8)) break;
    if (std::memcmp(head, "data", 4) == 0) {
      layout.dataFound = true;
      layout.statedLength = static_cast<std::int32_t>(readLe32(head + 4));
      layout.samplesAt = at + 8;
      break;
    }
    const qint64 length = readLe32(head + 4);
    if (std::memcmp(head, "fmt", 3) == 0 && length >= 16 && !layout.formatSeen)
      layout.formatSeen = readBytes(file, layout.format, 16);
    at += 8 + length + (length & 1);
  }
  return layout;
}

// Identifiers at consecutive 4-byte positions, stepping over only "loop" and the
// format record: files whose chunk lengths are wrong are still read the way they
// always were.
WaveLayout walkFixedSteps(QFile& file) {
  WaveLayout layout;
  char id[4];
  char skip[8];
  char record[20];
  if (!file.seek(12)) return layout;
  for (int walked = 0; walked < 4; ++walked) {
    std::memset(id, '?', 4);
    const qint64 got = file.read(id, 4);
    if (std::memcmp(id, "loop", 4) == 0) readBytes(file, skip, 8);
    if (std::memcmp(id, "fmt", 3) == 0) {
      readBytes(file, record, 20);
      std::memcpy(layout.format, record + 4, 16);
      layout.formatSeen = true;
    }
    if (std::memcmp(id, "data", 4) == 0 || got < 4) break;
  }
  if (std::memcmp(id, "data", 4) != 0 || !readBytes(file, skip, 4)) return layout;
  layout.dataFound = true;
  layout.statedLength = static_cast<std::int32_t>(readLe32(skip));
  layout.samplesAt = file.pos();
  return layout;
}

// 0 when the samples can be taken, else the check's code.
std::int32_t waveVerdict(const WaveLayout& layout) {
  if (!layout.dataFound) return kNotWave;
  if (!layout.formatSeen) return kBadWaveFormat;
  const char* f = layout.format;
  if (readLe16(f) != 1 || readLe16(f + 2) != 1 || readLe32(f + 4) != 11025 || readLe16(f + 12) != 1 ||
      readLe16(f + 14) != 8)
    return kBadWaveFormat;
  // A negative length would read as a failure code.
  if (layout.statedLength < 0) return kNotWave;
  return 0;
}

}  // namespace

std::int32_t checkWaveFile(const QString& name, QIODevice* output, qint64* copied, const std::function<void()>& pump) {
  if (copied) *copied = 0;
  if (!isRegularFile(name)) return kWaveMissing;
  if (wholeFileSize(name) <= 44) return kNotWave;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return kWaveMissing;

  char id[4];
  char skip[4];
  if (!readBytes(file, id, 4) || std::memcmp(id, "RIFF", 4) != 0) return kNotWave;
  readBytes(file, skip, 4);
  if (!readBytes(file, id, 4) || std::memcmp(id, "WAVE", 4) != 0) return kNotWave;

  WaveLayout layout = walkChunks(file);
  const std::int32_t verdict = waveVerdict(layout);
  if (verdict != 0) {
    const WaveLayout fixed = walkFixedSteps(file);
    if (waveVerdict(fixed) != 0) return verdict;
    layout = fixed;
  }
  // A length beyond the end of the file would make the set's size field promise
  // bytes that never come.
  const auto length =
      static_cast<std::int32_t>(std::min<qint64>(layout.statedLength, std::max<qint64>(file.size() - layout.samplesAt, 0)));

  if (output && length > 0 && file.seek(layout.samplesAt)) {
    char buffer[kPiece];
    qint64 remaining = length;
    while (remaining > 0) {
      if (pump) pump();
      const qint64 want = std::min(remaining, kPiece);
      const qint64 got = std::max<qint64>(file.read(buffer, want), 0);
      const qint64 put = got > 0 ? output->write(buffer, got) : 0;
      if (copied && put > 0) *copied += put;
      remaining -= got;
      if (got < want || put < got) remaining = 0;
    }
  }
  return -length;
}

std::int32_t waveDataLength(const QString& name, qint64* total) {
  const std::int32_t r = -checkWaveFile(name);
  if (r > 0 && total) *total += r;
  return r;
}

bool checkMidiFile(const QString& name) {
  if (!isRegularFile(name) || wholeFileSize(name) < 30) return false;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  char id[4];
  char skip[8];
  if (!readBytes(file, id, 4)) return false;
  if (std::memcmp(id, "MThd", 4) == 0) return true;
  if (std::memcmp(id, "RIFF", 4) != 0) return false;
  readBytes(file, skip, 8);
  if (!readBytes(file, id, 4) || std::memcmp(id, "data", 4) != 0) return false;
  readBytes(file, skip, 4);
  return readBytes(file, id, 4) && std::memcmp(id, "MThd", 4) == 0;
}

QString soundErrorLine(std::int32_t code, const QString& name) {
  const char* line = nullptr;
  switch (code) {
    case kWaveMissing: line = " could not be opened or was not found..."; break;
    case kNotWave: line = " is NOT wave file..."; break;
    case kBadWaveFormat: line = " is an invalid wave file (eg: not 8-bit Mono 11025Hz)"; break;
    default: return {};
  }
  return QStringLiteral("File ") + fileNamePart(name) + QLatin1String(line);
}

QString soundStepMessage(const WaveNames& waves, const QString& music) {
  const QString separator = QStringLiteral("\n\r");
  bool failed = false;
  QStringList lines;
  for (const SoundEffectInfo& sound : kSoundEffects) {
    const QString& name = waves[static_cast<std::size_t>(indexOf(sound.effect))];
    const std::int32_t code = name.isEmpty() ? 0 : checkWaveFile(name);
    if (code > 0) failed = true;
    lines << soundErrorLine(code, name);
  }
  if (!music.isEmpty()) {
    if (!isRegularFile(music)) {
      lines << QStringLiteral("File ") + fileNamePart(music) + QStringLiteral(" cannot be found...");
      failed = true;
    } else if (!checkMidiFile(music)) {
      lines << QStringLiteral("File ") + fileNamePart(music) + QStringLiteral(" is not a recognised MIDI file...");
      failed = true;
    }
  }
  return failed ? lines.join(separator) : QString();
}

qint64 estimateSetSize(const SetInputs& in, SetHeader& header) {
  qint64 total = 0;
  header.clear();
  header.pict1Size = wholeFileSize(in.pict1, &total);
  header.pict2Size = wholeFileSize(in.pict2, &total);
  header.miscPicsSize = wholeFileSize(in.miscBmp, &total);
  header.numbersSize = wholeFileSize(in.numbersBmp, &total);
  header.countSize = wholeFileSize(in.countBmp, &total);
  header.titleSize = wholeFileSize(in.titleBmp, &total);
  for (const SoundEffectInfo& sound : kSoundEffects) header.*sound.sizeField = waveDataLength(waveOf(in, sound), &total);
  header.musicSize = wholeFileSize(in.music, &total);
  if (in.cursorChoice == kCustomCursorSlot) total += kCursorPlanesSize;
  return total + kSetHeaderSize + kMagicSize + kTrailerSize;
}

namespace {

struct Run {
  QFileDevice& out;
  WriterProgress& progress;
  qint64 written = 0;
  qint64 expected = 0;

  void put(const char* data, qint64 n) { written += std::max<qint64>(out.write(data, n), 0); }
  void update() { progress.showProgress(written, expected); }

  void copyWholeFile(const QString& path, std::int32_t count) {
    progress.pump();
    QFile in(path);
    if (path.isEmpty() || count <= 0 || !openForReading(in)) return;
    char buffer[kPiece];
    qint64 remaining = count;
    while (remaining > 0) {
      const qint64 want = std::min(remaining, kPiece);
      const qint64 got = std::max<qint64>(in.read(buffer, want), 0);
      const qint64 put = got > 0 ? out.write(buffer, got) : 0;
      written += std::max<qint64>(put, 0);
      update();
      remaining -= got;
      if (got < want || put < got) break;
    }
  }

  void copyWave(const QString& path) {
    if (path.isEmpty()) return;
    qint64 copied = 0;
    checkWaveFile(path, &out, &copied, [this] { progress.pump(); });
    written += copied;
  }
};

// True when writing to output would overwrite one of the files being read.
bool outputIsAnInput(const SetInputs& in) {
  namespace fs = std::filesystem;
  const fs::path out(in.outFile.toStdString());
  QStringList inputs{in.pict1, in.pict2, in.titleBmp, in.numbersBmp, in.countBmp, in.miscBmp};
  for (const QString& wave : in.waves) inputs << wave;
  inputs << in.music << in.cursorFile;
  for (const QString& name : inputs) {
    if (name.isEmpty()) continue;
    std::error_code error;
    if (fs::equivalent(out, fs::path(name.toStdString()), error) && !error) return true;
  }
  return false;
}

// The set goes to a new file beside the output, which takes the output's name only
// once it is complete, so a failed creation leaves any earlier file of that name as
// it was. Only a regular file is ever replaced: a folder, pipe or device under the
// name is left alone.
bool openOutput(QSaveFile& out) {
  const QString name = out.fileName();
  const QFileInfo existing(name);
  return !name.isEmpty() && (!existing.exists() || existing.isFile()) && out.open(QIODevice::WriteOnly);
}

// The texts, colours and cursor choice; the sizes come from the estimate.
void fillHeaderSettings(const SetInputs& in, SetHeader& header) {
  header.title.set(in.name);
  header.author.set(in.author);
  header.email.set(in.email);
  header.webPage.set(in.url);
  header.comment.set(in.comment);
  header.congratulationPrefix.set(in.prefix);
  header.congratulationSuffix.set(in.suffix);
  for (std::size_t i = 0; i < in.ratings.size(); ++i) header.ratingMessages[i].set(in.ratings[i]);
  header.titleColour = in.titleColour;
  header.pageColour = in.pageColour;
  header.cursorIndex = in.cursorChoice;
  header.hotSpotX = in.hotSpotX;
  header.hotSpotY = in.hotSpotY;
  header.tickSoundMode = in.tickMode;
}

void writeHeader(Run& run, const SetHeader& header) {
  run.put(kExtendedMagic, kMagicSize);
  run.put(reinterpret_cast<const char*>(&header), kSetHeaderSize);
  run.update();
}

void writeCursor(Run& run, const SetInputs& in, const std::function<CursorPlanes()>& cursorPlanes) {
  run.progress.setStatus(QStringLiteral("Processing Cursors..."));
  if (in.cursorChoice != kCustomCursorSlot) return;
  const CursorPlanes planes = cursorPlanes ? cursorPlanes() : CursorPlanes{};
  run.put(reinterpret_cast<const char*>(planes.data()), kCursorPlanesSize);
}

// Each status names the picture just copied, not the next one.
void writePictures(Run& run, const SetInputs& in, const SetHeader& header) {
  run.copyWholeFile(in.miscBmp, header.miscPicsSize);
  run.progress.setStatus(QStringLiteral("Extra Graphics..."));
  run.copyWholeFile(in.numbersBmp, header.numbersSize);
  run.progress.setStatus(QStringLiteral("Numbers Graphics..."));
  run.copyWholeFile(in.countBmp, header.countSize);
  run.progress.setStatus(QStringLiteral("CountDown Graphics..."));
  run.copyWholeFile(in.titleBmp, header.titleSize);
  run.progress.setStatus(QStringLiteral("Title Graphics..."));
  run.progress.setStatus(QStringLiteral("Saving PICT1.BMP data "));
  run.copyWholeFile(in.pict1, header.pict1Size);
  run.copyWholeFile(in.pict2, header.pict2Size);
}

void writeSounds(Run& run, const SetInputs& in, const SetHeader& header) {
  for (const SoundEffectInfo& sound : kSoundEffects) {
    run.progress.setStatus(QString::fromLatin1(sound.writerStatus));
    run.copyWave(waveOf(in, sound));
  }
  run.progress.setStatus(QStringLiteral("Background MIDI Sound..."));
  run.copyWholeFile(in.music, header.musicSize);
}

// Puts the file in place when every expected byte reached the disk; otherwise the
// new file is dropped. True when the data did not reach the disk: a full disk may
// only show when the data is forced out, and that is no success.
bool finishFile(Run& run, QSaveFile& out) {
  run.put(kSetTrailer, kTrailerSize);
  run.progress.setStatus(QStringLiteral("Cleaning up..."));
  run.update();
  bool failed = !out.flush() || ::fsync(out.handle()) != 0;
  if (!failed && run.written == run.expected)
    failed = !out.commit();
  else
    out.cancelWriting();
  run.progress.setStatus(QStringLiteral("Finished!"));
  return failed;
}

}  // namespace

WriteOutcome writeExtendedSet(const SetInputs& in, SetHeader& header, WriterProgress& progress,
                              const std::function<CursorPlanes()>& cursorPlanes,
                              const std::function<void()>& beforeWriting) {
  WriteOutcome outcome;
  if (outputIsAnInput(in)) {
    outcome.kind = WriteOutcome::OutputIsAnInput;
    return outcome;
  }
  QSaveFile out(in.outFile);
  if (!openOutput(out)) {
    outcome.kind = WriteOutcome::CannotOpenOutput;
    return outcome;
  }
  if (beforeWriting) beforeWriting();

  Run run{out, progress};
  progress.setStatus(QStringLiteral("Setting up..."));
  run.expected = estimateSetSize(in, header);
  run.update();
  fillHeaderSettings(in, header);
  writeHeader(run, header);
  writeCursor(run, in, cursorPlanes);
  writePictures(run, in, header);
  writeSounds(run, in, header);
  outcome.storageFailed = finishFile(run, out);

  outcome.written = run.written;
  outcome.expected = run.expected;
  return outcome;
}

QString writeOutcomeText(const WriteOutcome& outcome) {
  switch (outcome.kind) {
    case WriteOutcome::CannotOpenOutput: return QStringLiteral("Unable to open the output file for writing...");
    case WriteOutcome::OutputIsAnInput:
      return QStringLiteral("The output file is one of the files this set is made from, please choose another output filename...");
    case WriteOutcome::Written: break;
  }
  if (outcome.valid()) return QStringLiteral("eXtended Image Set File Created Sucessfully...");
  return QStringLiteral("Created file is invalid, either disk is full or an error occured whilst writing to it... (Data Written: %1 bytes,  Should have Written: %2 bytes)")
      .arg(outcome.written)
      .arg(outcome.expected);
}
