#include "scores/BoardFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <cerrno>
#include <filesystem>

#include "common/Files.h"

namespace {

QString failure(const QString& path, const QString& reason) {
  return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString reasonFor(int error) {
  if (error == ELOOP) return QCoreApplication::translate("BoardFile", "it is a symbolic link, which is not followed");
  return systemReason(error);
}

QString notAFile() { return QCoreApplication::translate("BoardFile", "it is not a regular file"); }

// Opens path with flags, never through a link and never waiting on a pipe or device;
// -1 with *error set unless the only trouble is that nothing is there.
int openPlainFile(const QString& path, int flags, bool* missing, QString* error) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  // A pipe or device is refused before it is opened at all: opening some devices does things.
  if (lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    *error = failure(path, S_ISLNK(st.st_mode) ? reasonFor(ELOOP) : notAFile());
    return -1;
  }
  const int fd = ::open(name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    // A path through something that is no folder cannot hold a board either.
    if (missing && (errno == ENOENT || errno == ENOTDIR)) {
      *missing = true;
    } else {
      *error = failure(path, reasonFor(errno));
    }
    return -1;
  }
  // What was looked at may have been swapped since; the open file is what counts.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    *error = failure(path, notAFile());
    return -1;
  }
  return fd;
}

bool writeWhole(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += n;
  }
  return true;
}

// The lines as the board file holds them, in pieces of about 64 KB.
bool writeLines(int fd, const QList<QByteArray>& lines) {
  QByteArray piece;
  for (const QByteArray& line : lines) {
    piece += line;
    piece += "\r\n";
    if (piece.size() >= 64 * 1024) {
      if (!writeWhole(fd, piece)) return false;
      piece.clear();
    }
  }
  return writeWhole(fd, piece);
}

// The permissions the new board takes: the old board's, else those of a new file.
mode_t boardMode(const QByteArray& name) {
  struct stat st {};
  if (lstat(name.constData(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

int openBoardForReading(const QString& path, bool* missing, QString* error) {
  *missing = false;
  return openPlainFile(path, O_RDONLY, missing, error);
}

bool replaceBoardFile(const QString& path, const QList<QByteArray>& lines, QString* error) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    *error = failure(path, S_ISLNK(st.st_mode) ? reasonFor(ELOOP) : notAFile());
    return false;
  }
  // mkstemp makes a new file of a fresh name, never through a link.
  QByteArray temporary = name + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    *error = failure(path, reasonFor(errno));
    return false;
  }
  const bool written = fchmod(fd, boardMode(name)) == 0 && writeLines(fd, lines) && fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  const int closeError = errno;
  if (!written || !closed || ::rename(temporary.constData(), name.constData()) != 0) {
    const int why = !written ? writeError : !closed ? closeError : errno;
    ::unlink(temporary.constData());
    *error = failure(path, reasonFor(why));
    return false;
  }
  return true;
}

void removeAbandonedTemporaries(const QString& path) {
  const QFileInfo board(path);
  const QString pattern = QRegularExpression::escape(board.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}");
  const QRegularExpression temporary(QRegularExpression::anchoredPattern(pattern));
  const QDir folder = board.absoluteDir();
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    const QByteArray file = QFile::encodeName(folder.filePath(name));
    struct stat st {};
    // unlink removes a link itself, never what it points to.
    if (temporary.match(name).hasMatch() && lstat(file.constData(), &st) == 0 && S_ISREG(st.st_mode))
      ::unlink(file.constData());
  }
}

bool makeFolder(const QString& folder, QString* error) {
  std::error_code code;
  const std::filesystem::path path(QFile::encodeName(folder).toStdString());
  std::filesystem::create_directories(path, code);
  if (!code) return true;
  // Name the first part that is missing, which is the one that could not be made.
  std::filesystem::path first = path;
  while (first.has_parent_path() && first.parent_path() != first &&
         !std::filesystem::exists(first.parent_path()))
    first = first.parent_path();
  *error = failure(QFile::decodeName(QByteArray::fromStdString(first.string())),
                   QString::fromLocal8Bit(code.message().c_str()));
  return false;
}

BoardLock::BoardLock(const QString& boardPath, int waitMs) : path_(boardPath + QStringLiteral(".lock")) {
  const QDeadlineTimer deadline(waitMs);
  while (!tryOnce() && error_.isEmpty()) {
    if (deadline.hasExpired()) {
      error_ = failure(path_, QCoreApplication::translate("BoardFile", "in use by another copy of the game"));
      return;
    }
    QThread::msleep(20);
  }
}

BoardLock::~BoardLock() {
  if (fd_ < 0) return;
  // Removed while still held: a copy that opened it meanwhile finds it gone once it
  // gets its turn, and starts again on a new one.
  ::unlink(QFile::encodeName(path_).constData());
  ::close(fd_);
}

bool BoardLock::tryOnce() {
  const int fd = openPlainFile(path_, O_RDWR | O_CREAT, nullptr, &error_);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK) error_ = failure(path_, reasonFor(errno));
    ::close(fd);
    return false;
  }
  // The holder before us may have removed the file after we opened it.
  struct stat held {}, named {};
  if (fstat(fd, &held) != 0 || lstat(QFile::encodeName(path_).constData(), &named) != 0 ||
      held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}
