#pragma once
// Everything a main window reads or writes at a place of its own, inside one
// scratch folder: its program and current folder, the tune it writes, and both
// score boards. Tests and the board capture tool share it.
#include <QDir>
#include <QStringList>

#include "game/GameController.h"

inline void keepFilesIn(GameDeps& deps, const QDir& dir, const QStringList& arguments, const QString& tuneName) {
  StartupPlace place;
  place.arguments = arguments;
  place.programFile = dir.filePath(QStringLiteral("pievorbquarn"));
  place.currentFolder = dir.path();
  deps.startup = place;
  deps.musicFile = dir.filePath(tuneName);
  deps.scoreProgramFolder = dir.path();
  deps.scoreUserFolder = dir.filePath(QStringLiteral("user"));
}
