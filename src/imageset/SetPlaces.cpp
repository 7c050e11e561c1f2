#include "imageset/SetPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "common/Files.h"

QString programFolder() {
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

QString defaultSetPath(const QString& programFolder) {
  const QString beside = programFolder + QStringLiteral("default.xet");
  if (isRegularFile(beside)) return beside;
  const QString installed = QDir::cleanPath(programFolder + QStringLiteral("../share/pievorbquarn/default.xet"));
  return isRegularFile(installed) ? installed : beside;
}

QString shippedSetFolder(const QString& programFolder) {
  const QString path = defaultSetPath(programFolder);
  return isRegularFile(path) ? QFileInfo(path).absolutePath() : QString();
}

QString playerSetFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/pievorbquarn/sets");
}

QString previewCacheFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
         QStringLiteral("/pievorbquarn/previews");
}
