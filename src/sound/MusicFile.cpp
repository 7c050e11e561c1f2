#include "sound/MusicFile.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool isOwnPrivateDir(const QByteArray& path) {
  struct stat st {};
  if (path.isEmpty() || lstat(path.constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

PrivateMusicFolder::PrivateMusicFolder(QString base) : base_(std::move(base)) {}

PrivateMusicFolder::~PrivateMusicFolder() { remove(); }

QString PrivateMusicFolder::defaultBase() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (isOwnPrivateDir(runtime)) return QFile::decodeName(runtime);
  return QDir::tempPath();
}

QString PrivateMusicFolder::musicFile() {
  if (!tried_) {
    tried_ = true;
    const QString base = base_.isEmpty() ? defaultBase() : base_;
    // mkdtemp makes a new folder of a fresh name with mode 0700; it fails rather
    // than reuse anything already there, links included.
    QByteArray pattern = QFile::encodeName(base + QStringLiteral("/pievorbquarn-XXXXXX"));
    if (mkdtemp(pattern.data())) folder_ = QFile::decodeName(pattern);
  }
  if (folder_.isEmpty()) return {};
  return folder_ + QLatin1Char('/') + QLatin1String(kFileName);
}

void PrivateMusicFolder::remove() {
  if (folder_.isEmpty()) return;
  const QByteArray folder = QFile::encodeName(folder_);
  // Only names inside our own folder are unlinked; a link is removed, never
  // followed, and nothing below a sub-folder is touched.
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
