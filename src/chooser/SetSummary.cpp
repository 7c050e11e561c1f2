#include "chooser/SetSummary.h"

#include <QFile>

#include "common/Files.h"
#include "board/SetPreview.h"

SetReadResult readSetAt(const QString& path) {
  QFile file(path);
  if (isRegularFile(path) && file.open(QIODevice::ReadOnly)) return readSetFile(file, path);
  SetReadResult refusal;
  refusal.error = QStringLiteral("Error, unable to open file...");
  refusal.setKept = true;
  return refusal;
}

SetSummary summarizeSet(const QString& path) {
  SetSummary summary;
  const SetReadResult read = readSetAt(path);
  if (!read.set) {
    summary.error = QStringLiteral("cannot be read: ") + read.error;
    return summary;
  }
  const LoadedSet& set = *read.set;
  summary.title = set.header.title.text();
  summary.author = set.header.author.text();
  summary.comment = set.header.comment.text();
  for (const SoundBuffer& sound : set.sounds) summary.soundCount += sound.data.empty() ? 0 : 1;
  summary.hasTune = !set.tune.isEmpty();
  summary.preview = drawSetPreview(set);
  return summary;
}
