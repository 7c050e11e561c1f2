#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SplitLines, EveryLineEnding) {
  using L = QList<QByteArray>;
  EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (L{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n"), (L{"a"}));
  EXPECT_EQ(splitLines("a\n\rb"), (L{"a", "", "b"}));
  EXPECT_EQ(splitLines("\r\n\r\n"), (L{"", ""}));
  EXPECT_EQ(splitLines(""), L{});
  EXPECT_EQ(splitLines(QByteArrayView("a\r\nb\0c\r\nd", 10)), (L{"a", "b"}));
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

  // A NUL ends the text: what follows it is not read.
  writeAll(file, line(scoreEntry(1, "a")) + "\r\n" + QByteArray(1, '\0') + line(scoreEntry(2, "b")) + "\r\n");
  ASSERT_TRUE(board.load());
  EXPECT_EQ(board.entries(), QList<QByteArray>{scoreEntry(1, "a")});
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

TEST_F(ScoreBoardTest, SaveFailureMovesToUserFolderWithTheWholeBoard) {
  writeAll(file, line(scoreEntry(40, "Old")) + "\r\n");
  ScoreBoard board(program, user);
  ASSERT_TRUE(board.load());
  // The program's folder goes away under us, as good as a full disk for the save.
  ASSERT_TRUE(QDir(program).removeRecursively());
  ASSERT_TRUE(board.save());
  EXPECT_FALSE(QFile::exists(program)) << "the program's folder is not made again";
  EXPECT_EQ(board.filePath(), user + "/piescore.sdf");
  EXPECT_EQ(readAll(user + "/piescore.sdf"), line(scoreEntry(40, "Old")) + "\r\n");
  // From now on the board lives there.
  ASSERT_TRUE(board.add("New", 8));
  EXPECT_EQ(readAll(user + "/piescore.sdf"),
            line(scoreEntry(40, "Old")) + "\r\n" + line(scoreEntry(8, "New")) + "\r\n");
}

TEST_F(ScoreBoardTest, NowhereToSaveIsReported) {
  writeAll(tmp.filePath("plain"), "x");
  ScoreBoard board(tmp.filePath("missing"), tmp.filePath("plain/sub"));
  EXPECT_FALSE(board.add("Ann", 24));
  EXPECT_TRUE(board.lastError().contains("piescore.sdf")) << board.lastError().toStdString();
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
