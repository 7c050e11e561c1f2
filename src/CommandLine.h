#pragma once
// The command line: --help, --version and the optional set file to start with.
#include <QString>
#include <QStringList>

struct CommandLine {
  int exitCode = -1;  // 0 or 2 when the program should end at once; -1 to start the game
  QString setFile;    // empty when none was given
};

// Reads the arguments before any window system is needed, so --help and
// --version work on a bare terminal. Prints help, the version or an error.
CommandLine readCommandLine(const QStringList& arguments);
