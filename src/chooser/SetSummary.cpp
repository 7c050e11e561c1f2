#include "chooser/SetSummary.h"

#include <QCoreApplication>
#include <QFile>

#include "common/Files.h"
#include "board/SetPreview.h"

SetReadResult readSetAt(const QString& path) {
  QFile file(path);
  if (openRegularFile(file)) return readSetFile(file, path);
  SetReadResult refusal;
  refusal.error = QCoreApplication::translate("SetSummary", "Error, unable to open file...");
  refusal.setKept = true;
  return refusal;
}

SetSummary summarizeSet(const QString& path, qreal dpr) {
  SetSummary summary;
  const SetReadResult read = readSetAt(path);
  if (!read.set) {
    summary.error = QCoreApplication::translate("SetSummary", "cannot be read: %1").arg(read.error);
    return summary;
  }
  const LoadedSet& set = *read.set;
  summary.title = set.header.title.text();
  summary.author = set.header.author.text();
  summary.comment = set.header.comment.text();
  for (const SoundBuffer& sound : set.sounds) summary.soundCount += sound.data.empty() ? 0 : 1;
  summary.hasTune = !set.tune.isEmpty();
  summary.preview = drawSetPreview(set, kSetPreviewSize, dpr);
  return summary;
}
