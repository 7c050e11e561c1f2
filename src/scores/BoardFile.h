#pragma once
// The score board's files on disk: the board itself, its lock and the temporary file a
// new board is written to. None of them is ever followed through a symbolic link or
// opened when it is anything but a regular file: a named pipe or a device would block
// the game or feed it without end. Every failure comes back as "path: reason".
#include <QByteArray>
#include <QList>
#include <QString>

// Opens the board for reading. Returns the descriptor, or -1: with *missing set when
// there is no board at all (no error then), otherwise with *error saying why.
int openBoardForReading(const QString& path, bool* missing, QString* error);

// Replaces the board with `lines` (each written as it is, with CR LF after it) in one
// step: a temporary file beside it is written, flushed to the disk and closed, each
// step checked, and only then renamed over the board. On any failure the board is left
// byte for byte as it was and *error says why. The board keeps its permissions.
bool replaceBoardFile(const QString& path, const QList<QByteArray>& lines, QString* error);

// Removes the temporary files of writes that were killed part way ("<board>.XXXXXX").
// Only under the board's lock, when no write of another copy can be under way.
void removeAbandonedTemporaries(const QString& path);

// Makes a folder and its parents; false with *error saying why (the folder first met
// that could not be made, and the system's reason).
bool makeFolder(const QString& folder, QString* error);

// Held around every read-merge-write of the board, so copies of the game running at
// once take turns. It is an advisory lock on "<board>.lock", which the system lets go
// of when its owner ends, however it ends: a killed copy leaves nothing to clear. A
// copy holding it is waited for a short while; then, as for a lock file that cannot
// be used at all (a folder, a link, a pipe, no permission), error() says why.
class BoardLock {
 public:
  explicit BoardLock(const QString& boardPath, int waitMs = kWaitMs);
  ~BoardLock();
  BoardLock(const BoardLock&) = delete;
  BoardLock& operator=(const BoardLock&) = delete;

  bool held() const { return fd_ >= 0; }
  QString error() const { return error_; }

  // Long enough for another copy's whole read-merge-write, short enough that the player
  // hears why within two seconds.
  static constexpr int kWaitMs = 1800;

 private:
  bool tryOnce();

  QString path_;
  int fd_ = -1;
  QString error_;
};
