#include "wizard/SetWriter.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <unistd.h>

#include "imageset/SetReaders.h"

namespace {

constexpr qint64 kPiece = 1024;
constexpr std::int32_t kWaveMissing = 1, kNotWave = 2, kBadWaveFormat = 3;

std::uint32_t le32(const char* p) {
  return static_cast<std::uint8_t>(p[0]) | (static_cast<std::uint8_t>(p[1]) << 8) |
         (static_cast<std::uint8_t>(p[2]) << 16) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(p[3])) << 24);
}
std::uint16_t le16(const char* p) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(p[0]) | (static_cast<std::uint8_t>(p[1]) << 8));
}

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

std::int32_t checkWaveFile(const QString& name, QIODevice* output, qint64* copied, const std::function<void()>& pump) {
  if (copied) *copied = 0;
  if (!isRegularFile(name)) return kWaveMissing;
  if (wholeFileSize(name) <= 44) return kNotWave;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return kWaveMissing;

  char id[4];
  char skip[8];
  if (!readBytes(file, id, 4) || std::memcmp(id, "RIFF", 4) != 0) return kNotWave;
  readBytes(file, skip, 4);
  if (!readBytes(file, id, 4) || std::memcmp(id, "WAVE", 4) != 0) return kNotWave;

  // Identifiers are taken at consecutive 4-byte positions; only "loop" and the
  // format record are stepped over.
  char format[20] = {};
  bool formatSeen = false;
  for (int walked = 0; walked < 4; ++walked) {
    std::memset(id, '?', 4);
    const qint64 got = file.read(id, 4);
    if (std::memcmp(id, "loop", 4) == 0) readBytes(file, skip, 8);
    if (std::memcmp(id, "fmt", 3) == 0) {
      readBytes(file, format, 20);
      formatSeen = true;
    }
    if (std::memcmp(id, "data", 4) == 0 || got < 4) break;
  }
  if (std::memcmp(id, "data", 4) != 0) return kNotWave;
  if (!formatSeen) return kBadWaveFormat;
  if (le16(format + 4) != 1 || le16(format + 6) != 1 || le32(format + 8) != 11025 || le16(format + 16) != 1 ||
      le16(format + 18) != 8)
    return kBadWaveFormat;

  char lengthBytes[4];
  if (!readBytes(file, lengthBytes, 4)) return kNotWave;
  const auto stated = static_cast<std::int32_t>(le32(lengthBytes));
  // A negative length would read as a failure code; a length beyond the end of
  // the file would make the set's size field promise bytes that never come.
  if (stated < 0) return kNotWave;
  const auto length = static_cast<std::int32_t>(std::min<qint64>(stated, file.size() - file.pos()));

  if (output && length > 0) {
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
  if (in.cursorChoice == 8) total += kCursorPlanesSize;
  return total + kSetHeaderSize + kMagicSize + kTrailerSize;
}

namespace {

struct Run {
  QFile& out;
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

// Opens the output unbuffered, so every count the writes return is what reached the file.
bool openOutput(QFile& out) {
  const QString name = out.fileName();
  // A named pipe in the output's place would stall the writer once nobody reads it.
  std::error_code error;
  const auto type = std::filesystem::status(name.toStdString(), error).type();
  const bool pipe = type == std::filesystem::file_type::fifo || type == std::filesystem::file_type::socket;
  return !name.isEmpty() && !pipe && !QFileInfo(name).isDir() &&
         out.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered);
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
  if (in.cursorChoice != 8) return;
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

// True when the data did not reach the disk: a full disk may only show when the
// data is forced out, and that is no success.
bool finishFile(Run& run, QFile& out) {
  run.put(kSetTrailer, kTrailerSize);
  run.progress.setStatus(QStringLiteral("Cleaning up..."));
  run.update();
  bool failed = !out.flush() || ::fsync(out.handle()) != 0;
  out.close();
  if (out.error() != QFileDevice::NoError) failed = true;
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
  QFile out(in.outFile);
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
