#include "wizard/SetWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>
#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>
#include <unistd.h>

#include "common/Bytes.h"
#include "imageset/CursorTable.h"
#include "imageset/SetReaders.h"
#include "wizard/MidiFormat.h"
#include "wizard/WaveFormat.h"

namespace {

constexpr qint64 kPiece = 1024;
constexpr qint64 kBlock = 256 * 1024;
// What a header's size field says of an item left out of the set.
constexpr std::int32_t kLeftOut = -1;

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

QString soundStepMessage(const WaveNames& waves, const QString& music) {
  const QString separator = QStringLiteral("\n\r");
  bool failed = false;
  QStringList lines;
  for (const SoundEffectInfo& sound : kSoundEffects) {
    const QString& name = waves[static_cast<std::size_t>(indexOf(sound.effect))];
    const WaveProblem problem = name.isEmpty() ? WaveProblem::None : checkWaveFile(name).problem;
    failed = failed || problem != WaveProblem::None;
    lines << waveProblemLine(problem, name);
  }
  if (!music.isEmpty()) {
    const TuneProblem problem = checkTuneFile(music).problem;
    if (problem != TuneProblem::None) {
      lines << tuneProblemLine(problem, music);
      failed = true;
    }
  }
  return failed ? lines.join(separator) : QString();
}

namespace {

// The part of a sound the set takes; nothing for a blank name or a file that fails.
std::optional<FilePart> wavePart(const QString& name) {
  const WaveCheck check = checkWaveFile(name);
  if (!check.ok()) return std::nullopt;
  return check.samples;
}

std::optional<FilePart> tunePart(const QString& name) {
  const TuneCheck check = checkTuneFile(name);
  if (!check.ok()) return std::nullopt;
  return check.midi;
}

std::int32_t partSize(const std::optional<FilePart>& part, qint64* total) {
  if (!part) return kLeftOut;
  *total += part->length;
  return part->length;
}

}  // namespace

qint64 estimateSetSize(const SetInputs& in, SetHeader& header) {
  qint64 total = 0;
  header.clear();
  header.pict1Size = wholeFileSize(in.pict1, &total);
  header.pict2Size = wholeFileSize(in.pict2, &total);
  header.miscPicsSize = wholeFileSize(in.miscBmp, &total);
  header.numbersSize = wholeFileSize(in.numbersBmp, &total);
  header.countSize = wholeFileSize(in.countBmp, &total);
  header.titleSize = wholeFileSize(in.titleBmp, &total);
  for (const SoundEffectInfo& sound : kSoundEffects) header.*sound.sizeField = partSize(wavePart(waveOf(in, sound)), &total);
  header.musicSize = partSize(tunePart(in.music), &total);
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

  // The bytes move in blocks of 256 KiB, one read and one write each: in
  // pieces of 1024 the file system calls, two per 16 KiB through Qt's buffers,
  // took as long as the disk. Within a block the count and the progress still
  // move by pieces of 1024 bytes, with pending input let through between
  // them. A short read or write ends the copy, and the count tells.
  void copy(const QString& path, const std::optional<FilePart>& part) {
    QFile in(path);
    if (!part || part->length <= 0 || !openForReading(in) || !in.seek(part->at)) return;
    std::vector<char> block(static_cast<std::size_t>(std::min<qint64>(part->length, kBlock)));
    qint64 remaining = part->length;
    while (remaining > 0) {
      progress.pump();
      const qint64 want = std::min(remaining, kBlock);
      const qint64 got = std::max<qint64>(in.read(block.data(), want), 0);
      const qint64 put = got > 0 ? std::max<qint64>(out.write(block.data(), got), 0) : 0;
      for (qint64 done = 0; done < put;) {
        if (done > 0) progress.pump();
        const qint64 piece = std::min(kPiece, put - done);
        done += piece;
        written += piece;
        update();
      }
      remaining -= got;
      if (got < want || put < got) break;
    }
  }
  // The stretch the estimate measured, as the header's size field gives it.
  void copy(const QString& path, std::int32_t sizeField) {
    copy(path, sizeField > 0 ? std::optional<FilePart>(FilePart{0, sizeField}) : std::nullopt);
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
  run.copy(in.miscBmp, header.miscPicsSize);
  run.progress.setStatus(QStringLiteral("Extra Graphics..."));
  run.copy(in.numbersBmp, header.numbersSize);
  run.progress.setStatus(QStringLiteral("Numbers Graphics..."));
  run.copy(in.countBmp, header.countSize);
  run.progress.setStatus(QStringLiteral("CountDown Graphics..."));
  run.copy(in.titleBmp, header.titleSize);
  run.progress.setStatus(QStringLiteral("Title Graphics..."));
  run.progress.setStatus(QStringLiteral("Saving PICT1.BMP data "));
  run.copy(in.pict1, header.pict1Size);
  run.copy(in.pict2, header.pict2Size);
}

void writeSounds(Run& run, const SetInputs& in) {
  for (const SoundEffectInfo& sound : kSoundEffects) {
    run.progress.setStatus(QString::fromLatin1(sound.writerStatus));
    run.copy(waveOf(in, sound), wavePart(waveOf(in, sound)));
  }
  run.progress.setStatus(QStringLiteral("Background MIDI Sound..."));
  run.copy(in.music, tunePart(in.music));
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
  writeSounds(run, in);
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
