#include "wizard/MidiFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include "common/Bytes.h"
#include "common/Files.h"
#include "imageset/SetReaders.h"
#include "sound/MidiCheck.h"

namespace {

constexpr qint64 kRiffHead = 20;

// Where the MIDI data would be: the whole file, or the RIFF data chunk.
FilePart midiPart(const QByteArray& head, qint64 fileSize) {
  if (!head.startsWith("RIFF")) return {0, static_cast<std::int32_t>(fileSize)};
  if (head.size() < kRiffHead || head.mid(12, 4) != "data") return {};
  const qint64 stated = readLe32(head.constData() + 16);
  return {kRiffHead, static_cast<std::int32_t>(std::min(stated, fileSize - kRiffHead))};
}

}  // namespace

TuneCheck checkTuneFile(const QString& name) {
  TuneCheck check;
  QFile file(name);
  if (!isRegularFile(name) || !file.open(QIODevice::ReadOnly)) return check;
  check.problem = TuneProblem::NotMidi;
  const FilePart part = midiPart(file.read(kRiffHead), file.size());
  // The game refuses a set holding a larger tune, so the wizard must not write one.
  if (part.length > kLargestTune) {
    check.problem = TuneProblem::TooLarge;
    return check;
  }
  if (part.length <= 0 || !file.seek(part.at)) return check;
  if (!checkMidiData(file.read(part.length)).isEmpty()) return check;
  check.problem = TuneProblem::None;
  check.midi = part;
  return check;
}

QByteArray readTuneData(const QString& name, TuneProblem& problem) {
  const TuneCheck check = checkTuneFile(name);
  problem = check.problem;
  if (!check.ok()) return {};
  QFile file(name);
  QByteArray midi;
  if (file.open(QIODevice::ReadOnly) && file.seek(check.midi.at)) midi = file.read(check.midi.length);
  // The file changed since the check: what is left is not the checked tune.
  if (midi.size() != check.midi.length || !checkMidiData(midi).isEmpty()) {
    problem = TuneProblem::NotMidi;
    return {};
  }
  return midi;
}

QString tuneProblemLine(TuneProblem problem, const QString& name) {
  switch (problem) {
    case TuneProblem::None: return {};
    case TuneProblem::Missing: return QCoreApplication::translate("MidiFormat", "File %1 cannot be found...").arg(fileNamePart(name));
    case TuneProblem::NotMidi:
      return QCoreApplication::translate("MidiFormat", "File %1 is not a recognised MIDI file...").arg(fileNamePart(name));
    case TuneProblem::TooLarge:
      return QCoreApplication::translate("MidiFormat", "File %1 is larger than 4 MB, the most a tune may take...")
          .arg(fileNamePart(name));
  }
  return {};
}
