#pragma once
// The command line: --help, --version, --make-set and the optional set file to start with.
#include <QString>
#include <QStringList>

struct CommandLine {
  int exitCode = -1;  // 0 or 2 when the program should end at once; -1 to start the game
  QString setFile;    // empty when none was given
  // --make-set MANIFEST OUT: build a set and end, no window; both empty otherwise.
  QString makeSetManifest, makeSetOut;
  bool makesSet() const { return !makeSetManifest.isEmpty(); }
};

// Builds the set --make-set names: warnings and any refusal go to stderr. The exit code.
int runMakeSet(const CommandLine& commandLine);

// Reads the arguments before any window system is needed, so --help and
// --version work on a bare terminal. Prints help, the version or an error.
CommandLine readCommandLine(const QStringList& arguments);
