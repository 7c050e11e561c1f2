#include "chooser/SetCatalog.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "chooser/RecentSets.h"
#include "chooser/SetSummary.h"
#include "common/Files.h"
#include "common/Places.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("SetCatalog", text); }


// The regular file at path (followed through links, as a listing does) as an entry;
// by the name's own bytes, so a name in another encoding is found too.
std::optional<SetEntry> entryAt(const QString& path, SetOrigin origin) {
  const QByteArray name = encodeFileName(path);
  struct stat st {};
  if (path.isEmpty() || ::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  char* real = ::realpath(name.constData(), nullptr);
  const QString canonical = real ? decodeFileName(real) : QString();
  std::free(real);
  return SetEntry{path, origin, qint64(st.st_size),
                  qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000, canonical};
}

bool isSetFileName(const QByteArray& name) {
  const QByteArray lower = name.toLower();
  return !name.startsWith('.') && (lower.endsWith(".xet") || lower.endsWith(".set"));
}

bool writeAll(int fd, const QByteArray& bytes) {
  qsizetype put = 0;
  while (put < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + put, size_t(bytes.size() - put));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    put += n;
  }
  return true;
}

// The whole of a regular file, opened without waiting on a pipe; *error says why not.
std::optional<QByteArray> readRegularFile(const QString& path, QString* error) {
  QFile file(path);
  int why = 0;
  if (!openRegularFile(file, &why)) {
    *error = why ? systemReason(why) : tr("It is not a regular file.");
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = file.errorString();
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

SetSources SetSources::ofApplication() {
  return {places::shippedSetFolder(), places::playerSetFolder(), recentSetFiles()};
}

QList<SetEntry> listFolder(const QString& folder, SetOrigin origin) {
  QList<SetEntry> entries;
  if (folder.isEmpty()) return entries;
  // Listed by the system's own names: Qt's listing leaves out a name that is not UTF-8.
  const QString absolute = QDir(folder).absolutePath();
  DIR* listing = ::opendir(encodeFileName(absolute).constData());
  if (!listing) return entries;
  while (const dirent* item = ::readdir(listing)) {
    const QByteArray name(item->d_name);
    if (!isSetFileName(name)) continue;
    const QString path = absolute + QLatin1Char('/') + decodeFileName(name);
    if (::access(encodeFileName(path).constData(), R_OK) != 0) continue;
    if (std::optional<SetEntry> entry = entryAt(path, origin)) entries.append(*entry);
  }
  ::closedir(listing);
  std::sort(entries.begin(), entries.end(), [](const SetEntry& a, const SetEntry& b) {
    return QFileInfo(a.path).fileName().compare(QFileInfo(b.path).fileName(), Qt::CaseInsensitive) < 0;
  });
  return entries;
}

std::optional<SetEntry> lookAtFile(const QString& path, SetOrigin origin) {
  if (path.isEmpty()) return std::nullopt;
  return entryAt(QFileInfo(path).absoluteFilePath(), origin);
}

QList<SetEntry> joinSets(const QList<SetEntry>& folders, const QList<SetEntry>& recent) {
  QList<SetEntry> entries;
  QSet<QString> seen;
  for (const QList<SetEntry>* part : {&folders, &recent})
    for (const SetEntry& entry : *part) {
      const QString key = entry.canonical.isEmpty() ? entry.path : entry.canonical;
      if (seen.contains(key)) continue;
      seen.insert(key);
      entries.append(entry);
    }
  return entries;
}

QList<SetEntry> scanSets(const SetSources& sources) {
  QList<SetEntry> folders = listFolder(sources.shippedFolder, SetOrigin::Shipped);
  folders += listFolder(sources.playerFolder, SetOrigin::Player);
  QList<SetEntry> recent;
  for (const QString& path : sources.recent)
    if (std::optional<SetEntry> entry = lookAtFile(path)) recent.append(*entry);
  return joinSets(folders, recent);
}

QString addSetToFolder(const QString& path, const QString& folder, QString* added) {
  if (folder.isEmpty()) return tr("Your sets folder has no place: %1").arg(places::noHomeReason());
  const QFileInfo source(path);
  if (source.absolutePath() == QDir(folder).absolutePath()) {
    const SetReadResult read = readSetAt(path);
    if (!read.set) return read.error;
    *added = source.absoluteFilePath();
    return QString();
  }
  // The bytes are read once; what is checked is what gets the name.
  QString why;
  const std::optional<QByteArray> bytes = readRegularFile(path, &why);
  if (!bytes) return tr("The set could not be read: %1").arg(why);
  const auto copyFailed = [&](int error) {
    return tr("The set could not be copied into %1: %2").arg(QDir::toNativeSeparators(folder), systemReason(error));
  };
  std::error_code made;
  std::filesystem::create_directories(encodeFileName(folder).toStdString(), made);
  if (made) return copyFailed(made.value());
  // A hidden name the chooser never lists, made afresh (never through a link).
  QByteArray temporary = encodeFileName(folder + QStringLiteral("/.adding-XXXXXX"));
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return copyFailed(errno);
  const bool written = fchmod(fd, 0644) == 0 && writeAll(fd, *bytes) && fsync(fd) == 0;
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : writeError;
    ::unlink(temporary.constData());
    return copyFailed(error);
  }
  const QString copy = decodeFileName(temporary);
  const SetReadResult read = readSetAt(copy);
  if (!read.set) {
    ::unlink(temporary.constData());
    return read.error;
  }
  // link() never replaces a file: a name taken meanwhile by another copy of the game gets the next number.
  QString name = source.fileName();
  for (int n = 2;; ++n) {
    const QString target = QDir(folder).filePath(name);
    if (::link(temporary.constData(), encodeFileName(target).constData()) == 0) {
      ::unlink(temporary.constData());
      *added = target;
      return QString();
    }
    if (errno != EEXIST || n > 999) {
      const int error = errno;
      ::unlink(temporary.constData());
      return copyFailed(error);
    }
    name = source.completeBaseName() + QStringLiteral("-%1.").arg(n) + source.suffix();
  }
}

RemoveOutcome removePlayerSet(const SetEntry& entry, const QString& title, QString* error) {
  if (entry.origin != SetOrigin::Player) return RemoveOutcome::Failed;
  const QByteArray name = encodeFileName(entry.path);
  struct stat st {};
  if (lstat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return RemoveOutcome::Changed;
  const std::optional<SetEntry> now = lookAtFile(entry.path, entry.origin);
  if (!now || now->size != entry.size || now->modifiedMs != entry.modifiedMs) return RemoveOutcome::Changed;
  const SetSummary summary = summarizeSet(entry.path);
  const QString shown = summary.readable() && !summary.title.isEmpty() ? summary.title : shownFileName(QFileInfo(entry.path).fileName());
  if (shown != title) return RemoveOutcome::Changed;
  if (::unlink(name.constData()) != 0) {
    *error = systemReason(errno);
    return RemoveOutcome::Failed;
  }
  return RemoveOutcome::Removed;
}
