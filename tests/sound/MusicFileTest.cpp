// The tune's file lives in a private folder of this run, not under a fixed name
// in the shared temporary folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "sound/MusicFile.h"
#include "SoundTestSupport.h"
#include "imageset/DefaultSet.h"
#include "support/GameFixture.h"

namespace {

mode_t modeOf(const QString& path) {
  struct stat st {};
  return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}
QString canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

TEST(MusicFile, PrivateFolderPerRunAndNoPlantedLinkIsFollowed) {
  auto dir = makeScratchDir();
  const QString base = dir->path(), victim = base + "/victim.txt";
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::WriteOnly));
  v.write("keep me");
  v.close();
  ASSERT_TRUE(QFile::link(victim, base + "/~piequa7.mid"));  // planted under the old fixed name

  PrivateMusicFolder first(base), second(base);
  const QString path = first.musicFile();
  EXPECT_EQ(QFileInfo(path).fileName(), "~piequa7.mid");
  EXPECT_EQ(canonical(QFileInfo(first.folder()).absolutePath()), canonical(base));
  EXPECT_EQ(modeOf(first.folder()), mode_t(0700));
  EXPECT_EQ(first.musicFile(), path);
  EXPECT_NE(second.musicFile(), path);
  QFile tune(path);
  ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
  tune.write("MThd");
  tune.close();

  ASSERT_TRUE(QFile::link(victim, first.folder() + "/planted"));  // clean-up unlinks, never follows
  const QString folder = first.folder();
  first.remove();
  first.remove();
  EXPECT_FALSE(QFileInfo::exists(folder));
  ASSERT_TRUE(v.open(QIODevice::ReadOnly));
  EXPECT_EQ(v.readAll(), "keep me");
}

TEST(MusicFile, FoldersOfKilledCopiesGoAtStartUp) {
  auto dir = makeScratchDir();
  const QString base = dir->path();
  // A copy killed with its tune written: nothing of it ran its clean-up.
  const pid_t killed = fork();
  if (killed == 0) {
    PrivateMusicFolder folder(base);
    QFile tune(folder.musicFile());
    _exit(tune.open(QIODevice::WriteOnly) && tune.write("MThd") == 4 ? 0 : 1);
  }
  int status = 0;
  waitpid(killed, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  PrivateMusicFolder running(base);
  const QString ours = running.musicFile();
  const QString alive = base + "/pievorbquarn-1-abcdef";  // the first process never ends
  const QString other = base + "/pievorbquarn-notes";
  ASSERT_TRUE(QDir().mkpath(alive) && QDir().mkpath(other));
  chmod(QFile::encodeName(alive).constData(), 0700);
  ASSERT_EQ(QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 4);

  EXPECT_EQ(PrivateMusicFolder::removeLeftovers(base), 1);
  QStringList left = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  QStringList kept{QFileInfo(running.folder()).fileName(), "pievorbquarn-1-abcdef", "pievorbquarn-notes"};
  left.sort();
  kept.sort();
  EXPECT_EQ(left, kept);
}

TEST(MusicFile, RuntimeFolderOnlyWhenItIsOurs) {
  auto dir = makeScratchDir();
  const QString runtime = dir->path() + "/runtime", shared = dir->path() + "/shared";
  ASSERT_TRUE(QDir().mkpath(runtime) && QDir().mkpath(shared));
  const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldTmp = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(shared));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
  chmod(QFile::encodeName(runtime).constData(), 0700);
  EXPECT_EQ(PrivateMusicFolder::defaultBase(), runtime);
  chmod(QFile::encodeName(runtime).constData(), 0755);  // others may enter: not private
  EXPECT_EQ(canonical(PrivateMusicFolder::defaultBase()), canonical(shared));
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(canonical(PrivateMusicFolder::defaultBase()), canonical(shared));

  const QString path = backgroundMusicPath();  // process-wide: made once, removed at clean-up
  EXPECT_EQ(backgroundMusicPath(), path);
  const QString folder = QFileInfo(path).absolutePath();
  EXPECT_EQ(canonical(QFileInfo(folder).absolutePath()), canonical(shared));
  EXPECT_EQ(modeOf(folder), mode_t(0700));
  removeBackgroundMusicFolder();
  removeBackgroundMusicFolder();
  EXPECT_FALSE(QFileInfo::exists(folder));
  if (oldRuntime.isNull()) qunsetenv("XDG_RUNTIME_DIR"); else qputenv("XDG_RUNTIME_DIR", oldRuntime);
  if (oldTmp.isNull()) qunsetenv("TMPDIR"); else qputenv("TMPDIR", oldTmp);
}

}  // namespace

// A disk that fills up (here a file-size limit) part way through the tune leaves no
// partial tune behind, so no music starts from half a file.
TEST(MusicFile, APartlyWrittenTuneIsRemoved) {
  GameFixture f;
  LoadedSet set = builtinSet();
  set.tune = QByteArray(8 * 1024, 'x');  // within what a file keeps in its buffer until it closes
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  f.game.install(LoadedSet(set));
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(QFileInfo::exists(f.game.set().musicFile));
  EXPECT_FALSE(f.game.set().musicPresent);
  // With room again the whole tune is written.
  f.game.install(LoadedSet(set));
  EXPECT_EQ(QFileInfo(f.game.set().musicFile).size(), set.tune.size());
  EXPECT_TRUE(f.game.set().musicPresent);
}
