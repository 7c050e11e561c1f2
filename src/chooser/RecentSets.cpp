#include "chooser/RecentSets.h"

#include <QFileInfo>
#include <QSettings>

#include "common/Places.h"

namespace {
const QString kKey = QStringLiteral("recentSets");
}  // namespace

QStringList recentSetFiles() {
  const QString file = places::settingsFile();
  if (file.isEmpty()) return {};
  // However many another program wrote there, the chooser lists ten.
  return QSettings(file, QSettings::IniFormat).value(kKey).toStringList().mid(0, kRecentSetCount);
}

void rememberLoadedSet(const QString& path) {
  const QString file = places::settingsFile();
  if (file.isEmpty()) return;  // without a home the list is not kept
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QSettings store(file, QSettings::IniFormat);
  QStringList files = store.value(kKey).toStringList().mid(0, kRecentSetCount);
  files.removeAll(absolute);
  files.prepend(absolute);
  store.setValue(kKey, files.mid(0, kRecentSetCount));
}
