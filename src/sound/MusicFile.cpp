#include "sound/MusicFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "common/Places.h"

namespace {

bool isOwnPrivateDir(const QByteArray& path) {
  struct stat st {};
  if (path.isEmpty() || lstat(path.constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

const QString kFolderPrefix = QStringLiteral("pievorbquarn-");

// Unlinks the names inside folder, then the folder. A link is removed, never followed,
// and nothing below a sub-folder is touched.
void removeFolder(const QByteArray& folder) {
  const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd >= 0) {
    if (DIR* dir = fdopendir(fd)) {
      while (dirent* entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..") continue;
        unlinkat(dirfd(dir), entry->d_name, 0);
      }
      closedir(dir);
    } else {
      ::close(fd);
    }
  }
  rmdir(folder.constData());
}

// The process a folder name "pievorbquarn-<pid>-XXXXXX" says made it; 0 for any other name.
pid_t makerOf(const QString& name) {
  static const QRegularExpression pattern(QStringLiteral("^pievorbquarn-([0-9]{1,9})-[A-Za-z0-9]{6}$"));
  const QRegularExpressionMatch match = pattern.match(name);
  return match.hasMatch() ? pid_t(match.captured(1).toInt()) : 0;
}

}  // namespace

int PrivateMusicFolder::removeLeftovers(const QString& base) {
  const QString where = base.isEmpty() ? defaultBase() : base;
  int removed = 0;
  const QStringList names = QDir(where).entryList({kFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::System | QDir::Hidden);
  for (const QString& name : names) {
    const pid_t maker = makerOf(name);
    const QByteArray folder = QFile::encodeName(where + QLatin1Char('/') + name);
    // Only folders of ours whose maker has ended; one still running keeps its tune.
    if (maker <= 0 || !isOwnPrivateDir(folder) || ::kill(maker, 0) == 0 || errno != ESRCH) continue;
    removeFolder(folder);
    ++removed;
  }
  return removed;
}

PrivateMusicFolder::PrivateMusicFolder(QString base) : base_(std::move(base)) {}

PrivateMusicFolder::~PrivateMusicFolder() { remove(); }

QString PrivateMusicFolder::defaultBase() { return places::tuneFolderBase(); }

QString PrivateMusicFolder::musicFile() {
  if (!tried_) {
    tried_ = true;
    const QString base = base_.isEmpty() ? defaultBase() : base_;
    // mkdtemp makes a new folder of a fresh name with mode 0700; it fails rather
    // than reuse anything already there, links included.
    // The name carries our process number, so a later run can tell it was left behind.
    QByteArray pattern =
        QFile::encodeName(QStringLiteral("%1/%2%3-XXXXXX").arg(base, kFolderPrefix).arg(::getpid()));
    if (mkdtemp(pattern.data())) folder_ = QFile::decodeName(pattern);
  }
  if (folder_.isEmpty()) return {};
  return folder_ + QLatin1Char('/') + QLatin1String(kFileName);
}

void PrivateMusicFolder::remove() {
  if (folder_.isEmpty()) return;
  removeFolder(QFile::encodeName(folder_));
  folder_.clear();
}

namespace {
std::mutex g_mutex;
PrivateMusicFolder* g_folder = nullptr;

void removeAtExit() { removeBackgroundMusicFolder(); }
}  // namespace

QString backgroundMusicPath() {
  std::lock_guard lock(g_mutex);
  if (!g_folder) {
    g_folder = new PrivateMusicFolder();
    std::atexit(removeAtExit);
  }
  return g_folder->musicFile();
}

void removeBackgroundMusicFolder() {
  std::lock_guard lock(g_mutex);
  if (g_folder) g_folder->remove();
}
