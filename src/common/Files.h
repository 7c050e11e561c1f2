#pragma once
// Questions about paths that several parts of the program ask.
#include <QString>

// True for an existing regular file. Only such a file is ever opened for reading:
// a named pipe waits for a writer that never comes, and a device never ends.
bool isRegularFile(const QString& path);

// The last part of a path: "c:/sets/tick.wav" gives "tick.wav".
QString fileNamePart(const QString& path);
