#pragma once
// Questions about paths that several parts of the program ask.
#include <QByteArray>
#include <QString>

class QFile;

// True for an existing regular file. Only such a file is ever opened for reading:
// a named pipe waits for a writer that never comes, and a device never ends.
bool isRegularFile(const QString& path);

// The last part of a path: "c:/sets/tick.wav" gives "tick.wav".
QString fileNamePart(const QString& path);

// A file name as the system holds it, made text without loss: the bytes that are not
// UTF-8 (a name written in another encoding) become U+DC80..U+DCFF, which
// encodeFileName turns back into the very same bytes. Qt's own names drop them.
QString decodeFileName(const QByteArray& name);
QByteArray encodeFileName(const QString& name);
// The name as it may be shown: each byte that is not UTF-8 as U+FFFD.
QString shownFileName(const QString& name);

// Opens file's name for reading when it names a regular file, by the name's own bytes
// and without waiting on a pipe. On failure systemError, when given, holds the
// system's error number, or 0 when the name is there but is not a regular file.
bool openRegularFile(QFile& file, int* systemError = nullptr);

// The system's words for an error number, for the player.
QString systemReason(int error);
