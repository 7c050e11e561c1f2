// The tune's file lives in a private folder of this run, not under a fixed name
// in the shared temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <sys/stat.h>

#include "sound/MusicFile.h"
#include "SoundTestSupport.h"

namespace {

mode_t modeOf(const QString& path) {
  struct stat st {};
  if (lstat(QFile::encodeName(path).constData(), &st) != 0) return 0;
  return st.st_mode & 07777;
}

TEST(MusicFile, PrivateFolderPerRunAndNoPlantedLinkIsFollowed) {
  auto dir = makeScratchDir();
  const QString base = dir->path();
  // The old fixed name in the shared folder, planted as a link to a victim file.
  const QString victim = base + "/victim.txt";
  {
    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::WriteOnly));
    v.write("keep me");
  }
  ASSERT_TRUE(QFile::link(victim, base + "/~piequa7.mid"));

  PrivateMusicFolder first(base), second(base);
  const QString path = first.musicFile();
  ASSERT_FALSE(path.isEmpty());
  EXPECT_EQ(QFileInfo(path).fileName(), "~piequa7.mid");
  EXPECT_EQ(QFileInfo(path).absolutePath(), first.folder());
  EXPECT_EQ(QFileInfo(first.folder()).absolutePath(), QFileInfo(base).absoluteFilePath());
  EXPECT_EQ(modeOf(first.folder()), mode_t(0700));
  EXPECT_EQ(first.musicFile(), path);  // made once
  EXPECT_NE(second.musicFile(), path);

  QFile tune(path);
  ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
  tune.write("MThd");
  tune.close();
  // Something planted inside is unlinked at clean-up, its target left alone.
  ASSERT_TRUE(QFile::link(victim, first.folder() + "/planted"));
  const QString folder = first.folder();
  first.remove();
  first.remove();
  EXPECT_FALSE(QFileInfo::exists(folder));
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::ReadOnly));
  EXPECT_EQ(v.readAll(), "keep me");
}

TEST(MusicFile, RuntimeFolderOnlyWhenItIsOurs) {
  auto dir = makeScratchDir();
  const QString runtime = dir->path() + "/runtime";
  const QString shared = dir->path() + "/shared";
  ASSERT_TRUE(QDir().mkpath(runtime));
  ASSERT_TRUE(QDir().mkpath(shared));
  const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
  const QByteArray oldTmp = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(shared));

  chmod(QFile::encodeName(runtime).constData(), 0700);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
  EXPECT_EQ(PrivateMusicFolder::defaultBase(), runtime);
  chmod(QFile::encodeName(runtime).constData(), 0755);  // others may enter: not private
  EXPECT_EQ(QDir(PrivateMusicFolder::defaultBase()).canonicalPath(), QDir(shared).canonicalPath());
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(QDir(PrivateMusicFolder::defaultBase()).canonicalPath(), QDir(shared).canonicalPath());

  // The process-wide file follows the same rules and goes away at clean-up.
  const QString path = BackgroundMusicPath();
  EXPECT_EQ(BackgroundMusicPath(), path);
  const QString folder = QFileInfo(path).absolutePath();
  EXPECT_EQ(QDir(QFileInfo(folder).absolutePath()).canonicalPath(), QDir(shared).canonicalPath());
  EXPECT_EQ(modeOf(folder), mode_t(0700));
  RemoveBackgroundMusicFolder();
  RemoveBackgroundMusicFolder();
  EXPECT_FALSE(QFileInfo::exists(folder));

  if (oldRuntime.isNull()) qunsetenv("XDG_RUNTIME_DIR"); else qputenv("XDG_RUNTIME_DIR", oldRuntime);
  if (oldTmp.isNull()) qunsetenv("TMPDIR"); else qputenv("TMPDIR", oldTmp);
}

}  // namespace
