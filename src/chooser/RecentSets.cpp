#include "chooser/RecentSets.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kName = QStringLiteral("pievorbquarn");
const QString kKey = QStringLiteral("recentSets");
}  // namespace

QStringList recentSetFiles() { return QSettings(kName, kName).value(kKey).toStringList(); }

void rememberLoadedSet(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QSettings store(kName, kName);
  QStringList files = store.value(kKey).toStringList();
  files.removeAll(absolute);
  files.prepend(absolute);
  store.setValue(kKey, files.mid(0, kRecentSetCount));
}
