#include "chooser/SetCatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "chooser/RecentSets.h"
#include "chooser/SetSummary.h"
#include "common/Files.h"
#include "imageset/SetPlaces.h"

namespace {

SetEntry entryOf(const QFileInfo& info, SetOrigin origin) {
  return {info.absoluteFilePath(), origin, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

void addFolder(QList<SetEntry>& entries, QSet<QString>& seen, const QString& folder, SetOrigin origin) {
  if (folder.isEmpty()) return;
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral("*.xet"), QStringLiteral("*.set")}, QDir::Files | QDir::Readable,
                                 QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& info : files) {
    if (!info.isFile()) continue;
    const QString key = info.canonicalFilePath();
    if (seen.contains(key)) continue;
    seen.insert(key);
    entries.append(entryOf(info, origin));
  }
}

QString freeName(const QDir& folder, const QFileInfo& source) {
  QString name = source.fileName();
  for (int n = 2; folder.exists(name); ++n)
    name = source.completeBaseName() + QStringLiteral("-%1.").arg(n) + source.suffix();
  return folder.filePath(name);
}

}  // namespace

SetSources SetSources::ofApplication() {
  return {shippedSetFolder(programFolder()), playerSetFolder(), recentSetFiles()};
}

QList<SetEntry> scanSets(const SetSources& sources) {
  QList<SetEntry> entries;
  QSet<QString> seen;
  addFolder(entries, seen, sources.shippedFolder, SetOrigin::Shipped);
  addFolder(entries, seen, sources.playerFolder, SetOrigin::Player);
  for (const QString& path : sources.recent) {
    const QFileInfo info(path);
    if (!isRegularFile(path) || seen.contains(info.canonicalFilePath())) continue;
    seen.insert(info.canonicalFilePath());
    entries.append(entryOf(info, SetOrigin::Recent));
  }
  return entries;
}

QString addSetToFolder(const QString& path, const QString& folder, QString* added) {
  const SetReadResult read = readSetAt(path);
  if (!read.set) return read.error;
  const QFileInfo source(path);
  const QDir target(folder);
  if (source.absolutePath() == target.absolutePath()) {
    *added = source.absoluteFilePath();
    return QString();
  }
  const QString copy = freeName(target, source);
  if (!QDir().mkpath(folder) || !QFile::copy(path, copy))
    return QStringLiteral("The set could not be copied into ") + QDir::toNativeSeparators(folder);
  *added = copy;
  return QString();
}

bool removePlayerSet(const SetEntry& entry) { return entry.origin == SetOrigin::Player && QFile::remove(entry.path); }
