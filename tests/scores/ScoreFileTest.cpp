#include <gtest/gtest.h>

#include <QBuffer>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QDateTime>
#include <QElapsedTimer>
#include <csignal>
#include <dlfcn.h>
#include <map>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "scores/BoardFile.h"
#include "scores/ScoreFile.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

unsigned modeOf(const QString& path) {
  struct stat st {};
  return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QByteArray line(const QByteArray& body) { return body + lineCheck(body); }

const QByteArray Ann24 = QByteArray("0000000000000024\xD1" "Ann");

}  // namespace

TEST(lineCheck, WorkedValues) {
  // abc: low byte 0xDD, index 13 twice; empty: index 0 twice; Ann's entry: 0xA8, index 8 then 10.
  EXPECT_EQ(lineCheck("abc"), "AA");
  EXPECT_EQ(lineCheck(""), "QQ");
  EXPECT_EQ(lineCheck(Ann24), "KV");
}

TEST(scoreEntry, DigitsSeparatorName) {
  EXPECT_EQ(scoreEntry(24, "Ann"), Ann24);
  EXPECT_EQ(scoreEntry(24, "Ann").size(), 20);
  EXPECT_EQ(scoreEntry(0, "x"), QByteArray(16, '0') + '\xD1' + 'x');
  EXPECT_EQ(scoreEntry(2147483647, ""), QByteArray("0000002147483647\xD1"));
  // The name goes in unchanged, spaces and separator bytes included.
  EXPECT_EQ(scoreEntry(2, " a\xD1 "), QByteArray("0000000000000002\xD1 a\xD1 "));
}

TEST(scoreEntry, TypedNamesBecomeCodePageBytes) {
  EXPECT_EQ(nameBytes(QString::fromUtf8("Zoë Ñ €")), QByteArray("Zo\xEB \xD1 \x80"));
  // Characters the code page lacks become one '?' each, never stray bytes.
  EXPECT_EQ(nameBytes(QString::fromUtf8("Ж日😀x")), QByteArray("???x"));
  // Line ends and NUL would split or cut the stored line.
  EXPECT_EQ(nameBytes(QStringLiteral("a\r\nb") + QChar(0) + QStringLiteral("c")), QByteArray("a??b?c"));
}

// The lines of `text` read `chunk` bytes at a time.
QList<QByteArray> linesOf(QByteArrayView text, qint64 chunk) {
  QByteArray bytes = text.toByteArray();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QList<QByteArray> lines;
  EXPECT_TRUE(forEachLine(buffer, [&](QByteArrayView l) { lines.append(l.toByteArray()); }, chunk));
  return lines;
}

TEST(ForEachLine, EveryLineEndingWhereverTheReadsSplitIt) {
  using L = QList<QByteArray>;
  // Chunks of one to four bytes put every ending, CR LF pairs included, across a boundary.
  for (qint64 chunk : {1, 2, 3, 4, 64 * 1024}) {
    SCOPED_TRACE(chunk);
    EXPECT_EQ(linesOf("a\r\nb\rc\nd", chunk), (L{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\r\n", chunk), (L{"a"}));
    EXPECT_EQ(linesOf("a\n\rb", chunk), (L{"a", "", "b"}));
    EXPECT_EQ(linesOf("\r\n\r\n", chunk), (L{"", ""}));
    EXPECT_EQ(linesOf("ab\r\r\ncd", chunk), (L{"ab", "", "cd"}));
    EXPECT_EQ(linesOf("", chunk), L{});
    // A NUL is a byte like any other: it ends neither a line nor the text.
    EXPECT_EQ(linesOf(QByteArrayView("a\r\nb\0c\r\nd", 10), chunk),
              (L{"a", QByteArray("b\0c", 3), QByteArray("d\0", 2)}));
    EXPECT_EQ(linesOf(QByteArrayView("abc\r\0\nd", 8), chunk), (L{"abc", QByteArray(1, '\0'), QByteArray("d\0", 2)}));
  }
}

TEST(SortBestFirst, ScoresThenNamesDescending) {
  QList<QByteArray> board{scoreEntry(24, "Ann"), scoreEntry(100, "Bob"), scoreEntry(2, "Cy"),
                          scoreEntry(24, "bea"), scoreEntry(24, "Carl")};
  sortBestFirst(board);
  EXPECT_EQ(board, (QList<QByteArray>{scoreEntry(100, "Bob"), scoreEntry(24, "Carl"), scoreEntry(24, "bea"),
                                      scoreEntry(24, "Ann"), scoreEntry(2, "Cy")}));
}

TEST(SortBestFirst, LocaleAwareAndNumeric) {
  // An accented letter sorts with its base letter, not after Z as its byte would.
  QList<QByteArray> board{scoreEntry(8, "Zed"), scoreEntry(8, "\xC9mile"), scoreEntry(8, "Eve")};
  sortBestFirst(board);
  EXPECT_EQ(board, (QList<QByteArray>{scoreEntry(8, "Zed"), scoreEntry(8, "Eve"), scoreEntry(8, "\xC9mile")}));

  QList<QByteArray> players{scoreEntry(8, "Player 9"), scoreEntry(8, "Player 10"), scoreEntry(8, "player 100")};
  sortBestFirst(players);
  EXPECT_EQ(players, (QList<QByteArray>{scoreEntry(8, "player 100"), scoreEntry(8, "Player 10"),
                                        scoreEntry(8, "Player 9")}));
}

TEST(SortBestFirst, ScoreRunsThenNamesMatchTheCollatorThroughout) {
  // Scores of every size and names that differ in case, accents and digits; then the
  // same with one hand-made entry among them, which the collator orders alone.
  for (const bool handMade : {false, true}) {
    QList<QByteArray> board;
    const QByteArray names[] = {"ann", "Ann", "\xC9mile", "emile", "p10", "P9", "zed", ""};
    for (int i = 0; i < 200; ++i) board.append(scoreEntry((i * 37) % 23 * (i % 3 ? 1 : 1000), names[i % 8]));
    if (handMade) board.append("no separator");
    sortBestFirst(board);
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    for (qsizetype i = 1; i < board.size(); ++i)
      EXPECT_GE(collator.compare(QString::fromLatin1(board[i - 1]), QString::fromLatin1(board[i])), 0)
          << handMade << " " << i << " " << board[i - 1].toStdString() << " / " << board[i].toStdString();
  }
}

TEST(scoreFilePath, ProgramFolderWhenWritableElseUserFolder) {
  QTemporaryDir tmp;
  const QString program = tmp.filePath("bin");
  const QString user = tmp.filePath("user");
  QDir().mkpath(program);
  EXPECT_EQ(scoreFilePath(program, user), program + "/piescore.sdf");
  EXPECT_EQ(scoreFilePath(tmp.filePath("gone"), user), user + "/piescore.sdf");
  // A file where the folder should be cannot take the scores either.
  writeAll(tmp.filePath("plain"), "x");
  EXPECT_EQ(scoreFilePath(tmp.filePath("plain"), user), user + "/piescore.sdf");
  EXPECT_EQ(scoreFilePath(QString(), user), QDir::current().filePath("piescore.sdf"));
  // Installed beside share/pievorbquarn, the writable bin folder is still not the player's.
  QDir().mkpath(tmp.filePath("share/pievorbquarn"));
  EXPECT_EQ(scoreFilePath(program, user), user + "/piescore.sdf");
}

TEST(scoreFilePath, UserFolderFollowsXdgDataHome) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/srv/data");
  EXPECT_EQ(userScoreFolder(), "/srv/data/pievorbquarn");
  qputenv("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(userScoreFolder(), QDir::homePath() + "/.local/share/pievorbquarn");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(userScoreFolder(), QDir::homePath() + "/.local/share/pievorbquarn");
  if (!saved.isEmpty()) qputenv("XDG_DATA_HOME", saved);
}

// What a power cut would leave: a file's bytes as they were at its last fsync, by inode.
// Bytes never synced are lost; a rename is kept (the folder's journal).
std::map<ino_t, QByteArray>& durable() {
  static std::map<ino_t, QByteArray> bytes;
  return bytes;
}

extern "C" int fsync(int fd) {
  static auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    QByteArray bytes(st.st_size, '\0');
    if (pread(fd, bytes.data(), size_t(bytes.size()), 0) == bytes.size()) durable()[st.st_ino] = bytes;
  }
  return real(fd);
}

QByteArray afterPowerCut(const QString& path) {
  struct stat st {};
  if (stat(QFile::encodeName(path).constData(), &st) != 0) return "no file";
  const auto kept = durable().find(st.st_ino);
  return kept == durable().end() ? QByteArray("nothing") : kept->second;
}

class ScoreBoardTest : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  QString program = tmp.filePath("bin");
  QString user = tmp.filePath("user");
  QString file = program + "/piescore.sdf";
  void SetUp() override { QDir().mkpath(program); }
};

TEST_F(ScoreBoardTest, LoadKeepsVerifiedLinesBestFirst) {
  QByteArray text;
  text += line(scoreEntry(10, "cr")) + "\r";
  text += line(scoreEntry(30, "lf")) + "\n";
  text += "\r\n";                                           // blank line
  text += scoreEntry(99, "edited") + "KV\r\n";              // wrong check
  text += line(scoreEntry(4, "X")).chopped(1) + "\r\n";     // truncated
  text += line("QQ").left(0) + "QQ\r\n";                    // the empty entry
  text += line("no separator") + "\r\n";
  text += line(scoreEntry(6, "N\xD1o")) + "\r\n";           // separator inside the name
  text += line(scoreEntry(20, "last"));                     // no line end
  writeAll(file, text);

  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries(),
            (QList<QByteArray>{"no separator", scoreEntry(30, "lf"), scoreEntry(20, "last"), scoreEntry(10, "cr"),
                               scoreEntry(6, "N\xD1o"), ""}));

  // A check character wrong in first or second place drops the line; so does a line
  // that matches but holds a NUL.
  const QByteArray good = line(scoreEntry(8, "ok"));
  QByteArray firstWrong = line(scoreEntry(7, "a")), secondWrong = line(scoreEntry(6, "b"));
  firstWrong[firstWrong.size() - 2] = firstWrong[firstWrong.size() - 2] == 'Q' ? 'W' : 'Q';
  secondWrong[secondWrong.size() - 1] = secondWrong[secondWrong.size() - 1] == 'Q' ? 'W' : 'Q';
  const QByteArray nul = QByteArray("0000000000000005\xD1n\0l", 20);
  writeAll(file, firstWrong + "\r\n" + secondWrong + "\r\n" + nul + lineCheck(nul) + "\r\n" + good + "\r\n");
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries(), QList<QByteArray>{scoreEntry(8, "ok")});
}

TEST_F(ScoreBoardTest, ADamagedLineCostsOnlyItself) {
  // Ten entries, one byte after the third turned to NUL; then a line far too long to be
  // an entry, which is skipped without being held.
  QByteArray text;
  for (int i = 1; i <= 10; ++i) {
    text += line(scoreEntry(i, "p")) + "\r\n";
    if (i == 3) text[text.size() - 4] = '\0';
  }
  text += QByteArray(kLongestLine * 3, 'x') + "\r\n" + line(scoreEntry(11, "after")) + "\r\n";
  writeAll(file, text);
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries().size(), 10);
  EXPECT_EQ(board.entries().first(), scoreEntry(11, "after"));
  EXPECT_FALSE(board.entries().contains(scoreEntry(3, "p")));
  EXPECT_EQ(readAll(file), text) << "reading leaves the file alone";
}

TEST_F(ScoreBoardTest, NoFileMeansEmptyBoardAndSaveCreatesEmptyFile) {
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  EXPECT_TRUE(board.entries().isEmpty());
  EXPECT_FALSE(QFile::exists(file));
  ASSERT_TRUE(board.save());
  EXPECT_EQ(readAll(file), QByteArray());
}

TEST_F(ScoreBoardTest, AddScoreWritesExactLines) {
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.add("Ann", 24));
  EXPECT_EQ(readAll(file), QByteArray("0000000000000024\xD1" "AnnKV\r\n"));

  ASSERT_TRUE(board.add("Bob", 50));
  ASSERT_TRUE(board.add(QString::fromUtf8("Zoë"), 30));
  // Earlier entries best first, the newest one last, each with its check and CR LF.
  EXPECT_EQ(readAll(file), line(scoreEntry(50, "Bob")) + "\r\n" + line(Ann24) + "\r\n" +
                               line(scoreEntry(30, "Zo\xEB")) + "\r\n");
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries(), (QList<QByteArray>{scoreEntry(50, "Bob"), scoreEntry(30, "Zo\xEB"), Ann24}));
  EXPECT_FALSE(QFile::exists(user)) << "the writable program folder is used";
}

TEST_F(ScoreBoardTest, SaveReplacesTheFileInOneStep) {
  writeAll(file, line(Ann24) + "\r\n");
  // A second name for the old file shows whether it was rewritten in place or replaced.
  ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(tmp.filePath("old")).constData()), 0);
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.add("Bob", 2));
  EXPECT_EQ(readAll(tmp.filePath("old")), line(Ann24) + "\r\n");
  EXPECT_EQ(readAll(file), line(Ann24) + "\r\n" + line(scoreEntry(2, "Bob")) + "\r\n");
  EXPECT_EQ(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList{"piescore.sdf"});
}

TEST_F(ScoreBoardTest, UnwritableProgramFolderUsesUserFolder) {
  ScoreBoard board(tmp.filePath("missing"), user);
  EXPECT_EQ(board.filePath(), user + "/piescore.sdf");
  ASSERT_TRUE(board.add("Ann", 24));
  EXPECT_EQ(readAll(user + "/piescore.sdf"), line(Ann24) + "\r\n");
}

TEST_F(ScoreBoardTest, APowerCutAfterASaveLeavesTheNewBoard) {
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.add("Ann", 24));
  ASSERT_TRUE(board.add("Bob", 12));
  // The board the next start reads is what was on the disk: the new scores, never an empty file.
  EXPECT_EQ(afterPowerCut(file), readAll(file));
  EXPECT_EQ(afterPowerCut(file), line(Ann24) + "\r\n" + line(scoreEntry(12, "Bob")) + "\r\n");
}

TEST_F(ScoreBoardTest, SaveNeverMovesTheBoardElsewhere) {
  writeAll(file, line(scoreEntry(40, "Old")) + "\r\n");
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  // The program's folder goes away under us: the save fails and says so, and no second
  // board appears that the next run would not read.
  ASSERT_TRUE(QDir(program).removeRecursively());
  EXPECT_FALSE(board.save());
  EXPECT_TRUE(board.lastError().contains("piescore.sdf")) << board.lastError().toStdString();
  EXPECT_FALSE(QFile::exists(program)) << "the program's folder is not made again";
  EXPECT_FALSE(QFile::exists(user));
  EXPECT_EQ(board.filePath(), file);
}

TEST_F(ScoreBoardTest, TheBoardIsReadWhereItIsWritten) {
  // A board beside the program that the player may not write is not the board.
  writeAll(file, line(scoreEntry(40, "Old")) + "\r\n");
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  const bool writable = ::access(QFile::encodeName(file).constData(), W_OK) == 0;  // root writes anyway
  ScoreBoard first(program, user);
  ASSERT_TRUE(first.add("New", 8));
  ScoreBoard nextRun(program, user);
  EXPECT_EQ(nextRun.filePath(), first.filePath());
  ASSERT_TRUE(nextRun.load());
  EXPECT_TRUE(nextRun.entries().contains(scoreEntry(8, "New")));
  EXPECT_EQ(first.filePath(), writable ? file : user + "/piescore.sdf");
  EXPECT_EQ(modeOf(file), 0440u) << "the board keeps its permissions";
}

TEST_F(ScoreBoardTest, NowhereToSaveIsReportedWithItsReason) {
  writeAll(tmp.filePath("plain"), "x");
  ScoreBoard board(tmp.filePath("missing"), tmp.filePath("plain/sub"));
  EXPECT_FALSE(board.add("Ann", 24));
  EXPECT_TRUE(board.lastError().startsWith(tmp.filePath("plain/sub"))) << board.lastError().toStdString();
  EXPECT_TRUE(board.lastError().contains("Not a directory")) << board.lastError().toStdString();
}

TEST_F(ScoreBoardTest, NoHomeMeansAClearMessageAndNothingWritten) {
  const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
  qunsetenv("HOME");
  qunsetenv("XDG_DATA_HOME");
  const QString folder = userScoreFolder();
  qputenv("HOME", "/");
  const QString rootHome = userScoreFolder();
  qputenv("HOME", home);
  if (!data.isEmpty()) qputenv("XDG_DATA_HOME", data);
  EXPECT_EQ(folder, QString());
  EXPECT_EQ(rootHome, QString());

  ScoreBoard board(tmp.filePath("missing"), folder);
  EXPECT_FALSE(board.load());
  EXPECT_FALSE(board.add("Ann", 24));
  EXPECT_TRUE(board.lastError().contains("no home folder")) << board.lastError().toStdString();
  EXPECT_FALSE(QFile::exists("/piescore.sdf"));
}

TEST_F(ScoreBoardTest, UnreadableFileIsNeverOverwritten) {
  // A folder in the file's place: it exists but cannot be read as a file.
  ASSERT_TRUE(QDir().mkpath(file));
  ScoreBoard board(program, user);
  EXPECT_FALSE(board.load());
  EXPECT_FALSE(board.lastError().isEmpty());
  EXPECT_FALSE(board.save());
  EXPECT_FALSE(board.add("Ann", 24));
  EXPECT_FALSE(QFile::exists(user + "/piescore.sdf"));

  // A named pipe in the file's place: nothing writes to it, so opening it to read
  // would wait for ever. It counts as unreadable and is left alone.
  ASSERT_TRUE(QDir(file).removeRecursively());
  ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
  EXPECT_FALSE(board.load());
  EXPECT_FALSE(board.lastError().isEmpty());
  EXPECT_FALSE(board.add("Ann", 24));
  EXPECT_TRUE(QFileInfo(file).exists() && !QFileInfo(file).isFile()) << "the pipe is not replaced";
}

namespace {

// Runs `work` in a forked copy of this process and returns its exit status; the copy
// shares nothing with the test afterwards, like another copy of the game.
int inChild(const std::function<int()>& work) {
  const pid_t pid = fork();
  if (pid == 0) _exit(work());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

long peakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

TEST_F(ScoreBoardTest, JunkCostsNoMemoryAndEveryValidLineLoads) {
  // 16 MB of junk: bare line ends, then one-letter lines. Reading it must not grow the
  // process by anything like the file's size, let alone by a list of its lines.
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8 << 20, '\n'));
    f.write(QByteArray("a\n").repeated(4 << 20));
    f.write(line(scoreEntry(4, "among the junk")) + "\r\n");
  }
  const int grownMb = inChild([&] {
    ScoreBoard board(program, user);
    const long before = peakKb();
    if (!board.load() || board.entries() != QList<QByteArray>{scoreEntry(4, "among the junk")}) return 255;
    return int(qMin(254L, (peakKb() - before) / 1024));
  });
  EXPECT_LT(grownMb, 8);

  // Many valid lines, read across many chunks, all arrive in order.
  QByteArray text;
  for (int i = 0; i < 20000; ++i) text += line(scoreEntry(i, "p" + QByteArray::number(i % 7))) + "\r\n";
  writeAll(file, text);
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  ASSERT_EQ(board.entries().size(), 20000);
  EXPECT_EQ(board.entries().first(), scoreEntry(19999, "p0"));
  EXPECT_EQ(board.entries().last(), scoreEntry(0, "p0"));
}

TEST_F(ScoreBoardTest, CopiesAddingAtOnceKeepEveryEntry) {
  // Two copies of the game, each adding scores as fast as it can.
  const auto adder = [&](const char* who) {
    return [=, this] {
      ScoreBoard board(program, user);
      for (int i = 0; i < 25; ++i)
        if (!board.add(QString::fromLatin1(who), i)) return 1;
      return 0;
    };
  };
  const pid_t first = fork();
  if (first == 0) _exit(adder("First")());
  EXPECT_EQ(inChild(adder("Second")), 0);
  int status = 0;
  waitpid(first, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries().size(), 50);
  EXPECT_EQ(board.entries().count(scoreEntry(24, "First")), 1);
  EXPECT_EQ(board.entries().count(scoreEntry(24, "Second")), 1);
  EXPECT_FALSE(QFile::exists(file + ".lock"));
}

TEST_F(ScoreBoardTest, APlayerWhoMayNotWriteBesideTheProgramKeepsScoresInTheirFolder) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to play an ordinary player";
  // The program's folder and its board belong to root; the player is someone else.
  writeAll(file, line(scoreEntry(40, "Root")) + "\r\n");
  ASSERT_EQ(chmod(QFile::encodeName(program).constData(), 0755), 0);
  ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0644), 0);
  ASSERT_TRUE(QDir().mkpath(user));
  ASSERT_EQ(chmod(QFile::encodeName(user).constData(), 0777), 0);
  ASSERT_EQ(chmod(QFile::encodeName(tmp.path()).constData(), 0755), 0);
  const int status = inChild([&] {
    if (setgid(65534) != 0 || setuid(65534) != 0) return 2;
    ScoreBoard board(program, user);
    return board.add("Ann", 24) ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(readAll(user + "/piescore.sdf"), line(Ann24) + "\r\n");
  EXPECT_EQ(readAll(file), line(scoreEntry(40, "Root")) + "\r\n");
}

// Forks a copy of the game that takes the board's lock, keeps it holdMs, then runs
// `then` (still holding it) and ends. Returns once the copy holds the lock; -1 when it
// could not take it.
pid_t holdLockInChild(const QString& board, int holdMs, const std::function<int()>& then = {}) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    BoardLock lock(board);
    const char byte = lock.held() ? 1 : 0;
    if (write(ready[1], &byte, 1) != 1 || !byte) _exit(1);
    usleep(useconds_t(holdMs) * 1000);
    _exit(then ? then() : 0);
  }
  char byte = 0;
  const bool held = read(ready[0], &byte, 1) == 1 && byte == 1;
  close(ready[0]);
  close(ready[1]);
  return held ? pid : -1;
}

// A copy that dies holding the lock, without letting go of it.
int lockAndDie(const QString& board) {
  return inChild([&] {
    BoardLock lock(board);
    if (!lock.held()) return 1;
    _exit(0);  // no unlock: the lock file stays behind
    return 0;
  });
}

TEST_F(ScoreBoardTest, ALockLeftByAKilledCopyIsTakenOver) {
  ASSERT_EQ(lockAndDie(file), 0);
  ASSERT_TRUE(QFile::exists(file + ".lock"));
  ScoreBoard board(program, user);
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(board.add("Ann", 24));
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(readAll(file), line(Ann24) + "\r\n");
  EXPECT_FALSE(QFile::exists(file + ".lock"));

  // Whatever a lock file left behind says (a copy on another host, a pid now running
  // something else), no one holds it.
  writeAll(file + ".lock", "4242\nelsewhere\npievorbquarn\n");
  writeAll(file + ".lock.rmlock", "");
  clock.restart();
  ASSERT_TRUE(board.add("Bob", 12));
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(ScoreBoardTest, AnAddWaitsForACopyHoldingTheLock) {
  writeAll(file, line(scoreEntry(30, "Old")) + "\r\n");
  // Another copy holds the lock for 1.5 s and adds Bob's 12 in that time.
  const pid_t holder = holdLockInChild(file, 1500, [&] {
    QString error;
    const QList<QByteArray> lines{line(scoreEntry(30, "Old")), line(scoreEntry(12, "Bob"))};
    return replaceBoardFile(file, lines, &error) ? 0 : 2;
  });
  ASSERT_GT(holder, 0);
  ScoreBoard board(program, user);
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(board.add("Ann", 24)) << board.lastError().toStdString();
  EXPECT_GE(clock.elapsed(), 1000);
  int status = 0;
  waitpid(holder, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries(), (QList<QByteArray>{scoreEntry(30, "Old"), Ann24, scoreEntry(12, "Bob")}));
}

TEST_F(ScoreBoardTest, ALockThatCannotBeTakenSaysWhyWithinTwoSeconds) {
  writeAll(file, line(Ann24) + "\r\n");
  const QString lock = file + ".lock";
  const QByteArray lockName = QFile::encodeName(lock);
  const struct {
    std::function<void()> make;
    const char* reason;
  } cases[] = {
      // A pipe would block an open for ever.
      {[&] { ASSERT_EQ(mkfifo(lockName.constData(), 0600), 0); }, "not a regular file"},
      {[&] { ASSERT_TRUE(QDir().mkpath(lock)); }, "not a regular file"},
      {[&] { ASSERT_EQ(symlink("/nowhere/at/all", lockName.constData()), 0); }, "symbolic link"},
      {[&] { ASSERT_EQ(symlink(QFile::encodeName(tmp.filePath("elsewhere")).constData(), lockName.constData()), 0); },
       "symbolic link"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    c.make();
    ScoreBoard board(program, user);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(board.add("Bob", 12));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(board.lastError().startsWith(lock + ": ")) << board.lastError().toStdString();
    EXPECT_TRUE(board.lastError().contains(c.reason)) << board.lastError().toStdString();
    EXPECT_EQ(readAll(file), line(Ann24) + "\r\n");
    EXPECT_FALSE(QFile::exists(tmp.filePath("elsewhere"))) << "the link is not followed";
    ASSERT_EQ(::remove(lockName.constData()), 0);
  }

  // A live copy that keeps it: the reason comes within two seconds.
  const pid_t holder = holdLockInChild(file, 4000);
  ASSERT_GT(holder, 0);
  ScoreBoard board(program, user);
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(board.add("Bob", 12));
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_EQ(board.lastError(), lock + ": in use by another copy of the game");
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
}

TEST_F(ScoreBoardTest, ABoardThatIsALinkIsNeverFollowed) {
  const QString other = tmp.filePath("notes.txt");
  const QByteArray text = "Fifty-four bytes of someone's own text, not a board.\r\n";
  writeAll(other, text);
  ASSERT_TRUE(QFile::setPermissions(other, QFileDevice::ReadOwner));
  ASSERT_EQ(symlink(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()), 0);
  ScoreBoard board(program, user);
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(board.load());
  EXPECT_TRUE(board.lastError().contains("symbolic link")) << board.lastError().toStdString();
  EXPECT_FALSE(board.add("Ann", 24));
  EXPECT_FALSE(board.save());
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_EQ(readAll(other), text);
  EXPECT_EQ(modeOf(other), 0400u);
  EXPECT_TRUE(QFileInfo(file).isSymLink());
}

TEST_F(ScoreBoardTest, AFullDiskLeavesTheBoardByteForByteAndSaysSo) {
  // Files may grow to 16 bytes only, as good as a full disk for a new board.
  const QByteArray text = line(scoreEntry(30, "Old")) + "\r\n" + line(scoreEntry(20, "Older")) + "\r\n";
  writeAll(file, text);
  const int result = inChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    ScoreBoard board(program, user);
    if (board.add("Ann", 24)) return 1;
    if (board.lastError() != file + ": File too large") return 2;
    // The list stays what the file holds.
    return board.entries().size() == 2 ? 0 : 3;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(readAll(file), text);
  EXPECT_EQ(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList{"piescore.sdf"});
}

TEST_F(ScoreBoardTest, EveryEntryIsWrittenOnceWhateverSavesTwice) {
  ScoreBoard first(program, user), second(program, user);
  ASSERT_TRUE(first.add("First", 10));
  ASSERT_TRUE(second.add("Second", 20));
  ASSERT_TRUE(first.save());
  ASSERT_TRUE(second.save());
  ASSERT_TRUE(first.save());
  EXPECT_EQ(readAll(file), line(scoreEntry(20, "Second")) + "\r\n" + line(scoreEntry(10, "First")) + "\r\n");
}

TEST_F(ScoreBoardTest, SavingMergesWithWhatOthersWroteMeanwhile) {
  writeAll(file, line(scoreEntry(40, "Old")) + "\r\n" + line(scoreEntry(30, "Gone")) + "\r\n");
  ScoreBoard viewer(program, user);
  ASSERT_TRUE(viewer.load());
  ScoreBoard other(program, user);
  ASSERT_TRUE(other.add("New", 8));

  // Writing back the list read earlier keeps the other copy's entry.
  ASSERT_TRUE(viewer.save());
  EXPECT_EQ(readAll(file), line(scoreEntry(40, "Old")) + "\r\n" + line(scoreEntry(30, "Gone")) + "\r\n" +
                               line(scoreEntry(8, "New")) + "\r\n");

  // Emptying removes what this copy showed; an entry added after that stays too.
  ASSERT_TRUE(viewer.load());
  viewer.clear();
  ASSERT_TRUE(other.add("Later", 2));
  ASSERT_TRUE(viewer.save());
  EXPECT_EQ(readAll(file), line(scoreEntry(2, "Later")) + "\r\n");
  ASSERT_TRUE(viewer.load());
  viewer.clear();
  ASSERT_TRUE(viewer.save());
  EXPECT_EQ(readAll(file), QByteArray());
}
