#include "wizard/SetWriter.h"

#include <QCoreApplication>
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
#include "wizard/PictureImport.h"
#include "wizard/SoundImport.h"

namespace {

constexpr qint64 kPiece = 1024;
constexpr qint64 kBlock = 256 * 1024;
// What a header's size field says of an item left out of the set.
constexpr std::int32_t kLeftOut = -1;

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(SetWriter)
};

// Each picture with the bounds the game reads it under.
struct PictureInput {
  QString SetInputs::*name;
  QByteArray PreparedSet::*block;
  PictureBounds bounds;
};
constexpr PictureInput kPictureInputs[] = {
    {&SetInputs::pict1, &PreparedSet::pict1, kStripBounds},
    {&SetInputs::pict2, &PreparedSet::pict2, kStripBounds},
    {&SetInputs::titleBmp, &PreparedSet::title, kTitleBounds},
    {&SetInputs::numbersBmp, &PreparedSet::numbers, kDigitStripBounds},
    {&SetInputs::countBmp, &PreparedSet::count, kCountStripBounds},
    {&SetInputs::miscBmp, &PreparedSet::misc, kMiscPicturesBounds},
};

std::int32_t blockSize(const QByteArray& block, qint64* total) {
  if (block.isEmpty()) return kLeftOut;
  *total += block.size();
  return static_cast<std::int32_t>(block.size());
}

}  // namespace

Preparation prepareSet(const SetInputs& in) {
  Preparation out;
  out.set.inputs = in;
  const QRgb page = colourFromValue(in.pageColour).rgb();
  for (const PictureInput& picture : kPictureInputs) {
    const QString& name = in.*picture.name;
    if (name.trimmed().isEmpty()) continue;
    PictureImport imported = importPicture(name, picture.bounds, page);
    if (imported.ok())
      out.set.*picture.block = std::move(imported.bmp);
    else
      out.problems << imported.error;
  }
  for (const SoundEffectInfo& sound : kSoundEffects) {
    const auto index = static_cast<std::size_t>(indexOf(sound.effect));
    if (in.waves[index].trimmed().isEmpty()) continue;
    SoundImport imported = importSound(in.waves[index], kLongestSound);
    if (imported.ok())
      out.set.waves[index] = std::move(imported.samples);
    else
      out.problems << imported.error;
  }
  if (!in.music.trimmed().isEmpty()) {
    TuneProblem problem = TuneProblem::None;
    out.set.tune = readTuneData(in.music, problem);
    if (problem != TuneProblem::None) out.problems << tuneProblemLine(problem, in.music);
  }
  if (in.cursorChoice == kCustomCursorSlot) {
    const PictureImport cursor = importPicture(in.cursorFile, kAnyPictureBounds, page);
    if (cursor.ok())
      out.set.cursorPlanes = makeCursorPlanes(cursor.picture);
    else
      out.problems << (in.cursorFile.trimmed().isEmpty() ? Texts::tr("Cursor BMP file was not found...") : cursor.error);
  }
  return out;
}

qint64 estimateSetSize(const PreparedSet& set, SetHeader& header) {
  qint64 total = 0;
  header.clear();
  header.pict1Size = blockSize(set.pict1, &total);
  header.pict2Size = blockSize(set.pict2, &total);
  header.miscPicsSize = blockSize(set.misc, &total);
  header.numbersSize = blockSize(set.numbers, &total);
  header.countSize = blockSize(set.count, &total);
  header.titleSize = blockSize(set.title, &total);
  for (const SoundEffectInfo& sound : kSoundEffects)
    header.*sound.sizeField = blockSize(set.waves[static_cast<std::size_t>(indexOf(sound.effect))], &total);
  header.musicSize = blockSize(set.tune, &total);
  if (set.inputs.cursorChoice == kCustomCursorSlot) total += kCursorPlanesSize;
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

  // The bytes go out in blocks of 256 KiB, one write each: in pieces of 1024
  // the file system calls took as long as the disk. Within a block the count
  // and the progress still move by pieces of 1024 bytes, with pending input let
  // through between them. A short write ends the copy, and the count tells.
  void copy(const QByteArray& bytes) {
    const qint64 total = bytes.size();
    for (qint64 at = 0; at < total;) {
      progress.pump();
      const qint64 want = std::min(total - at, kBlock);
      const qint64 put = std::max<qint64>(out.write(bytes.constData() + at, want), 0);
      for (qint64 done = 0; done < put;) {
        if (done > 0) progress.pump();
        const qint64 piece = std::min(kPiece, put - done);
        done += piece;
        written += piece;
        update();
      }
      at += want;
      if (put < want) break;
    }
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

void writeCursor(Run& run, const PreparedSet& set) {
  run.progress.setStatus(Texts::tr("Processing Cursors..."));
  if (set.inputs.cursorChoice != kCustomCursorSlot) return;
  run.put(reinterpret_cast<const char*>(set.cursorPlanes.data()), kCursorPlanesSize);
}

// Each status names the picture just copied, not the next one.
void writePictures(Run& run, const PreparedSet& set) {
  run.copy(set.misc);
  run.progress.setStatus(Texts::tr("Extra Graphics..."));
  run.copy(set.numbers);
  run.progress.setStatus(Texts::tr("Numbers Graphics..."));
  run.copy(set.count);
  run.progress.setStatus(Texts::tr("CountDown Graphics..."));
  run.copy(set.title);
  run.progress.setStatus(Texts::tr("Title Graphics..."));
  run.progress.setStatus(Texts::tr("Saving PICT1.BMP data "));
  run.copy(set.pict1);
  run.copy(set.pict2);
}

void writeSounds(Run& run, const PreparedSet& set) {
  for (const SoundEffectInfo& sound : kSoundEffects) {
    run.progress.setStatus(QCoreApplication::translate("SoundEffects", sound.writerStatus));
    run.copy(set.waves[static_cast<std::size_t>(indexOf(sound.effect))]);
  }
  run.progress.setStatus(Texts::tr("Background MIDI Sound..."));
  run.copy(set.tune);
}

// Puts the file in place when every expected byte reached the disk; otherwise the
// new file is dropped. True when the data did not reach the disk: a full disk may
// only show when the data is forced out, and that is no success.
bool finishFile(Run& run, QSaveFile& out) {
  run.put(kSetTrailer, kTrailerSize);
  run.progress.setStatus(Texts::tr("Cleaning up..."));
  run.update();
  bool failed = !out.flush() || ::fsync(out.handle()) != 0;
  if (!failed && run.written == run.expected)
    failed = !out.commit();
  else
    out.cancelWriting();
  run.progress.setStatus(Texts::tr("Finished!"));
  return failed;
}

}  // namespace

WriteOutcome writeExtendedSet(const PreparedSet& set, SetHeader& header, WriterProgress& progress,
                              const std::function<void()>& beforeWriting) {
  const SetInputs& in = set.inputs;
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
  progress.setStatus(Texts::tr("Setting up..."));
  run.expected = estimateSetSize(set, header);
  run.update();
  fillHeaderSettings(in, header);
  writeHeader(run, header);
  writeCursor(run, set);
  writePictures(run, set);
  writeSounds(run, set);
  outcome.storageFailed = finishFile(run, out);

  outcome.written = run.written;
  outcome.expected = run.expected;
  return outcome;
}

WriteOutcome writeExtendedSet(const SetInputs& in, SetHeader& header, WriterProgress& progress,
                              const std::function<CursorPlanes()>& cursorPlanes,
                              const std::function<void()>& beforeWriting) {
  Preparation prepared = prepareSet(in);
  if (cursorPlanes && in.cursorChoice == kCustomCursorSlot) prepared.set.cursorPlanes = cursorPlanes();
  return writeExtendedSet(prepared.set, header, progress, beforeWriting);
}

QString writeOutcomeText(const WriteOutcome& outcome) {
  switch (outcome.kind) {
    case WriteOutcome::CannotOpenOutput: return Texts::tr("Unable to open the output file for writing...");
    case WriteOutcome::OutputIsAnInput:
      return Texts::tr("The output file is one of the files this set is made from, please choose another output filename...");
    case WriteOutcome::NotConverted: return Texts::tr("An input of this set cannot be converted...");
    case WriteOutcome::Written: break;
  }
  if (outcome.valid()) return Texts::tr("eXtended Image Set File Created Sucessfully...");
  return Texts::tr("Created file is invalid, either disk is full or an error occured whilst writing to it... (Data Written: %1 bytes,  Should have Written: %2 bytes)")
      .arg(outcome.written)
      .arg(outcome.expected);
}
