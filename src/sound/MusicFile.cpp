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

PrivateMusicFolder::PrivateMusicFolder(QString base) : m_base(std::move(base)) {}

PrivateMusicFolder::~PrivateMusicFolder() { remove(); }

QString PrivateMusicFolder::defaultBase() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (isOwnPrivateDir(runtime)) return QFile::decodeName(runtime);
  return QDir::tempPath();
}

QString PrivateMusicFolder::musicFile() {
  if (!m_tried) {
    m_tried = true;
    const QString base = m_base.isEmpty() ? defaultBase() : m_base;
    // mkdtemp makes a new folder of a fresh name with mode 0700; it fails rather
    // than reuse anything already there, links included.
    QByteArray pattern = QFile::encodeName(base + QStringLiteral("/pievorbquarn-XXXXXX"));
    if (mkdtemp(pattern.data())) m_folder = QFile::decodeName(pattern);
  }
  if (m_folder.isEmpty()) return {};
  return m_folder + QLatin1Char('/') + QLatin1String(kFileName);
}

void PrivateMusicFolder::remove() {
  if (m_folder.isEmpty()) return;
  const QByteArray folder = QFile::encodeName(m_folder);
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
  m_folder.clear();
}

namespace {
std::mutex g_mutex;
PrivateMusicFolder* g_folder = nullptr;

void removeAtExit() { RemoveBackgroundMusicFolder(); }
}  // namespace

QString BackgroundMusicPath() {
  std::lock_guard lock(g_mutex);
  if (!g_folder) {
    g_folder = new PrivateMusicFolder();
    std::atexit(removeAtExit);
  }
  return g_folder->musicFile();
}

void RemoveBackgroundMusicFolder() {
  std::lock_guard lock(g_mutex);
  if (g_folder) g_folder->remove();
}
