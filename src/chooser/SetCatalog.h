#pragma once
// The set files the chooser lists: the game's own, the player's folder and the
// files loaded lately, each file once; and the player's folder's two changes,
// adding a set that reads cleanly and removing one. Every function here touches
// the disk: the chooser calls them on its workers, never on the GUI thread.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class SetOrigin { Shipped, Player, Recent };

struct SetEntry {
  QString path;  // absolute
  SetOrigin origin = SetOrigin::Recent;
  qint64 size = -1;       // -1 until the file has been looked at
  qint64 modifiedMs = 0;  // modification time, milliseconds since the epoch
  QString canonical;      // the file itself, whatever path names it; empty until looked at
};

struct SetSources {
  QString shippedFolder;  // empty when the game has none
  QString playerFolder;   // empty without a home
  QStringList recent;     // newest first
  // The running game's: the shipped sets, the player's folder, the settings.
  static SetSources ofApplication();
};

// The set files of one folder (*.xet and *.set, by name), as origin.
QList<SetEntry> listFolder(const QString& folder, SetOrigin origin);
// A file loaded lately as it is now; nothing when it is gone or no regular file.
std::optional<SetEntry> lookAtFile(const QString& path, SetOrigin origin = SetOrigin::Recent);
// Shipped sets, then the player's, then recent files not listed yet (each file
// once, by what it is, not by the path naming it); files that are gone are left out.
QList<SetEntry> joinSets(const QList<SetEntry>& folders, const QList<SetEntry>& recent);
// All of the above in one go.
QList<SetEntry> scanSets(const SetSources& sources);

// Copies a set file into folder: the bytes are copied once into a new file there,
// that copy is read like the Load command reads it, and only a clean copy gets its
// name (a name already taken gets a number); nothing is left otherwise. Returns
// the refusal, or an empty text with *added naming the copy.
QString addSetToFolder(const QString& path, const QString& folder, QString* added);

enum class RemoveOutcome { Removed, Changed, Failed };
// Deletes a set of the player's folder, only while the file still is the one the
// player saw: the same size, time and title. *error says why it failed.
RemoveOutcome removePlayerSet(const SetEntry& entry, const QString& title, QString* error);
