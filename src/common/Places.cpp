#include "common/Places.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/Files.h"

namespace {

const QString kGame = QStringLiteral("pievorbquarn");

// A base folder by the XDG rule: the variable when it is absolute (a relative
// value is to be ignored), else `fallback` under a home that is absolute and not
// the root; empty when neither holds.
QString xdgBase(const char* variable, const QString& fallback) {
  const QString named = qEnvironmentVariable(variable);
  if (!named.isEmpty() && QDir::isAbsolutePath(named) && !QDir(named).isRoot()) return QDir::cleanPath(named);
  const QString home = qEnvironmentVariable("HOME");
  if (home.isEmpty() || QDir::isRelativePath(home) || QDir(QDir::cleanPath(home)).isRoot()) return {};
  return QDir::cleanPath(home + QLatin1Char('/') + fallback);
}

QString under(const QString& base, const QString& rest) { return base.isEmpty() ? QString() : base + rest; }

bool isOwnPrivateDir(const QByteArray& path) {
  struct stat st {};
  return !path.isEmpty() && lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & 077) == 0;
}

}  // namespace

namespace places {

QString programFolder() {
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

QString installedDataFolder(const QString& programFolder) {
  const QString folder = QDir::cleanPath(programFolder + QStringLiteral("/../share/") + kGame);
  return QFileInfo(folder).isDir() ? folder : QString();
}

QString defaultSetPath(const QString& programFolder) {
  QString folder = programFolder;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  const QString beside = folder + QStringLiteral("default.xet");
  if (isRegularFile(beside)) return beside;
  const QString data = installedDataFolder(folder);
  const QString installed = data + QStringLiteral("/default.xet");
  return !data.isEmpty() && isRegularFile(installed) ? installed : beside;
}

QString shippedSetFolder(const QString& programFolder) {
  const QString path = defaultSetPath(programFolder);
  return isRegularFile(path) ? QFileInfo(path).absolutePath() : QString();
}

QString playerDataFolder() { return under(xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share")), QLatin1Char('/') + kGame); }

QString playerSetFolder() { return under(playerDataFolder(), QStringLiteral("/sets")); }

QString playerScoreFolder() { return playerDataFolder(); }

QString previewCacheFolder() {
  return under(xdgBase("XDG_CACHE_HOME", QStringLiteral(".cache")), QLatin1Char('/') + kGame + QStringLiteral("/previews"));
}

QString settingsFile() {
  return under(xdgBase("XDG_CONFIG_HOME", QStringLiteral(".config")),
               QLatin1Char('/') + kGame + QLatin1Char('/') + kGame + QStringLiteral(".conf"));
}

QString wizardDraftFile() { return under(playerDataFolder(), QStringLiteral("/wizard-draft.pvqdraft")); }

QString tuneFolderBase() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (isOwnPrivateDir(runtime)) return QFile::decodeName(runtime);
  return QDir::tempPath();
}

QString soundModulePath(const QString& installedPart, const QString& file) {
  const QString named = qEnvironmentVariable("PVQ_SOUND_MODULE");
  if (!named.isEmpty()) return QFileInfo(named).absoluteDir().filePath(file);
  const QString program = programFolder();
  const QString installed = program + installedPart + QLatin1Char('/') + file;
  const QString beside = program + file;
  return QFileInfo::exists(installed) || !QFileInfo::exists(beside) ? installed : beside;
}

QString noHomeReason() {
  return QCoreApplication::translate("Places", "There is no home folder (HOME is not set).");
}

}  // namespace places
