#include "chooser/SetSummary.h"

#include <QFile>

#include "common/Files.h"
#include "imageset/SetPreview.h"

namespace {
SetReadResult refusal(const char* why) {
  SetReadResult result;
  result.error = QString::fromLatin1(why);
  result.setKept = true;
  return result;
}
}  // namespace

SetReadResult readSetAt(const QString& path) {
  QFile file(path);
  if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly)) return refusal("Error, unable to open file...");
  const QByteArray magic = file.read(kMagicSize);
  if (magic == QByteArrayView(kExtendedMagic, kMagicSize)) return readExtendedSet(file);
  if (magic == QByteArrayView(kPlainMagic, kMagicSize)) return readPlainSet(file, path);
  if (magic == QByteArrayView(kFirstGenerationMagic, kMagicSize))
    return refusal("This old image set format is no longer supported by Pie Vorb Quarn...");
  return refusal("This file is NOT a Pie Vorb Quarn Image Set or eXtended Set file...");
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
