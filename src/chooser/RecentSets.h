#pragma once
// The last ten set files any command loaded, newest first, kept in the game's
// settings file (places::settingsFile()).
#include <QStringList>

constexpr int kRecentSetCount = 10;

QStringList recentSetFiles();
// Puts path first; an older mention of the same file goes, and the eleventh.
void rememberLoadedSet(const QString& path);
