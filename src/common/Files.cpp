#include "common/Files.h"

#include <QFileInfo>

bool isRegularFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

QString fileNamePart(const QString& path) { return QFileInfo(path).fileName(); }
