#pragma once
// Where set files live: the game's own sets beside `default.xet`, the player's
// sets folder, and the cache of the chooser's previews.
#include <QString>

// The program's folder, ending in a slash.
QString programFolder();

// Beside the program in a build tree; in share/pievorbquarn when installed, under
// whatever prefix. Without either, the place beside the program.
QString defaultSetPath(const QString& programFolder);

// The folder that holds `default.xet` and the other sets shipped with the game;
// empty when there is none.
QString shippedSetFolder(const QString& programFolder);

// The player's own sets: $XDG_DATA_HOME/pievorbquarn/sets.
QString playerSetFolder();

// The chooser's previews: $XDG_CACHE_HOME/pievorbquarn/previews.
QString previewCacheFolder();
