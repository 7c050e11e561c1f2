#include "chooser/PreviewCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QSet>

#include "board/SetPreview.h"

namespace {
// Bumped when what a cached preview holds changes, so old ones miss; so does a
// change in how previews are drawn.
const QByteArray kVersion = "1." + QByteArray::number(kSetPreviewVersion);
}  // namespace

QString PreviewCache::fileOf(const SetEntry& entry) const {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(kVersion + '\n' + entry.path.toUtf8() + '\n' + QByteArray::number(entry.size) + '\n' +
               QByteArray::number(entry.modifiedMs));
  return folder_ + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex()) + QStringLiteral(".png");
}

std::optional<SetSummary> PreviewCache::find(const SetEntry& entry) const {
  QImageReader reader(fileOf(entry), "png");
  QImage picture;
  if (!reader.read(&picture)) return std::nullopt;
  SetSummary summary;
  summary.title = picture.text(QStringLiteral("title"));
  summary.author = picture.text(QStringLiteral("author"));
  summary.comment = picture.text(QStringLiteral("comment"));
  summary.soundCount = picture.text(QStringLiteral("sounds")).toInt();
  summary.hasTune = picture.text(QStringLiteral("tune")) == QLatin1String("1");
  summary.error = picture.text(QStringLiteral("error"));
  if (summary.readable()) summary.preview = picture.convertToFormat(QImage::Format_RGB32);
  return summary;
}

void PreviewCache::store(const SetEntry& entry, const SetSummary& summary) const {
  if (!QDir().mkpath(folder_)) return;
  // A set that cannot be read is remembered too, with a one-pixel picture.
  QImage picture = summary.readable() ? summary.preview : QImage(1, 1, QImage::Format_RGB32);
  if (picture.isNull()) return;
  picture.setText(QStringLiteral("title"), summary.title);
  picture.setText(QStringLiteral("author"), summary.author);
  picture.setText(QStringLiteral("comment"), summary.comment);
  picture.setText(QStringLiteral("sounds"), QString::number(summary.soundCount));
  picture.setText(QStringLiteral("tune"), summary.hasTune ? QStringLiteral("1") : QStringLiteral("0"));
  picture.setText(QStringLiteral("error"), summary.error);
  QSaveFile file(fileOf(entry));
  if (file.open(QIODevice::WriteOnly) && picture.save(&file, "png")) file.commit();
}

void PreviewCache::keepOnly(const QList<SetEntry>& entries) const {
  QSet<QString> wanted;
  for (const SetEntry& entry : entries) wanted.insert(QFileInfo(fileOf(entry)).fileName());
  QDir folder(folder_);
  for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files))
    if (!wanted.contains(name)) folder.remove(name);
}
