#pragma once
// Every place on disk the game reads or writes, one function a place, each with
// its one rule. Nothing else looks at HOME, the XDG variables, the program's
// folder or the temporary folder.
//
// Without a usable home (HOME unset, relative or "/", and no absolute XDG
// variable for the place) a place of the player's is empty: the feature that
// needs it says so (noHomeReason()) and nothing is written at the root.
#include <QString>

namespace places {

// The folder the running program is in, ending in a slash.
QString programFolder();

// share/pievorbquarn beside an installed program's bin folder (any prefix);
// empty in a build tree, where the data sits beside the program.
QString installedDataFolder(const QString& programFolder = places::programFolder());

// `default.xet`: beside the program in a build tree, in the installed data folder
// when installed. Without either, the place beside the program.
QString defaultSetPath(const QString& programFolder = places::programFolder());

// The folder holding `default.xet` and the other shipped sets; empty without one.
QString shippedSetFolder(const QString& programFolder = places::programFolder());

// $XDG_DATA_HOME/pievorbquarn, else ~/.local/share/pievorbquarn; empty without a home.
QString playerDataFolder();

// The player's own sets: the player's data folder's "sets".
QString playerSetFolder();

// The score board's folder of the player's (the board itself may live beside the
// program: see scoreFilePath); empty without a home.
QString playerScoreFolder();

// $XDG_CACHE_HOME/pievorbquarn/previews, else ~/.cache/...; empty without a home.
QString previewCacheFolder();

// $XDG_CONFIG_HOME/pievorbquarn/pievorbquarn.conf (settings, the recent sets),
// else ~/.config/...; empty without a home.
QString settingsFile();

// The set wizard's unfinished draft, in the player's data folder; empty without a home.
QString wizardDraftFile();

// Where each run makes its private tune folder: $XDG_RUNTIME_DIR when it is a
// folder of this user's that only the user may enter, else the temporary folder.
QString tuneFolderBase();

// Where a sound module is: beside the one PVQ_SOUND_MODULE names (tests and
// benchmarks), in the package's own library folder (`installedPart`, relative to
// the program's folder), or beside the program (a build tree).
QString soundModulePath(const QString& installedPart, const QString& file);

// Why a place of the player's is empty: the one text every feature gives.
QString noHomeReason();

}  // namespace places
