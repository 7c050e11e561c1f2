#pragma once
// The set files the chooser lists: the game's own, the player's folder and the
// files loaded lately, each file once; and the player's folder's two changes,
// adding a set that reads cleanly and removing one.
#include <QList>
#include <QString>
#include <QStringList>

enum class SetOrigin { Shipped, Player, Recent };

struct SetEntry {
  QString path;  // absolute
  SetOrigin origin = SetOrigin::Recent;
  qint64 size = 0;
  qint64 modifiedMs = 0;  // modification time, milliseconds since the epoch
};

struct SetSources {
  QString shippedFolder;  // empty when the game has none
  QString playerFolder;
  QStringList recent;     // newest first
  // The running game's: beside `default.xet`, the XDG data folder, the settings.
  static SetSources ofApplication();
};

// Shipped sets, then the player's, each folder's *.xet and *.set by name, then
// recent files not listed yet; files that are gone are left out.
QList<SetEntry> scanSets(const SetSources& sources);

// Copies a set file into folder once it has read cleanly; returns the reader's
// refusal, or an empty text with *added naming the copy. A name already taken
// by another file gets a number.
QString addSetToFolder(const QString& path, const QString& folder, QString* added);

// Deletes a set of the player's folder; the game's own and recent files elsewhere stay.
bool removePlayerSet(const SetEntry& entry);
