#pragma once
// The local high-score file: one entry per line, each line carrying a two-character
// check so hand-edited lines are dropped on reading. Everything here works on the
// file's own bytes (Windows code page 1252); names are decoded only for showing.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// Separates the score digits from the name (N with tilde in code page 1252).
inline constexpr char kScoreSeparator = '\xD1';

// The two check characters of a line body.
QByteArray lineCheck(QByteArrayView text);

// Sixteen (or more) digits, the separator, then the name bytes unchanged.
QByteArray scoreEntry(qint32 score, QByteArrayView name);
// The typed name in the file's code page. Characters the code page lacks become '?',
// and so do CR, LF and NUL, which would otherwise split or end the line.
QByteArray nameBytes(const QString& typed);

// The longest line an entry of this game makes, with room to spare (a name is at most
// 200 characters).
constexpr qsizetype kLongestLine = 4096;

// Hands each line of a text to `line` as the board reads them: CR, LF and CR LF each
// end a line, a last line without an ending still counts. A damaged line costs only
// itself: a NUL is a byte like any other, and a line longer than kLongestLine is
// skipped, never held whole. The text is read `chunkSize` bytes at a
// time. False when reading failed part way.
bool forEachLine(QIODevice& in, const std::function<void(QByteArrayView)>& line, qint64 chunkSize = 64 * 1024);

// The entry a file line holds: the line without its two check characters, when they
// match and the line holds no NUL.
std::optional<QByteArrayView> checkedEntry(QByteArrayView line);

// Best first: case-insensitive, locale-aware, digits compared as numbers, then reversed.
void sortBestFirst(QList<QByteArray>& entries);

// The per-user place for the file when the program's folder cannot take it:
// $XDG_DATA_HOME/pievorbquarn, else ~/.local/share/pievorbquarn; empty when there is
// no home folder.
QString userScoreFolder();
// The one place of the board, for reading and writing alike: "piescore.sdf" in
// programFolder when that folder is writable and a board already there is one the
// player may write, otherwise in userFolder. An empty programFolder means the current
// folder; empty when the board would go to userFolder and that is empty.
QString scoreFilePath(const QString& programFolder, const QString& userFolder);

// The board list and its file.
class ScoreBoard {
 public:
  // The program's folder and the per-user fallback folder; a test passes its own.
  ScoreBoard(const QString& programFolder, const QString& userFolder);
  // The folders of the running program and of the user.
  static ScoreBoard forThisProgram();

  QString filePath() const { return path_; }
  const QList<QByteArray>& entries() const { return entries_; }
  void clear() { entries_.clear(); }

  // Replaces the list with the file's verified entries, best first. False when the
  // file exists but cannot be read; the list is then empty and lastError() says why.
  bool load();
  // Writes the list back under the board's lock, merged with the file as it is now:
  // entries other copies of the game added since the last read stay, entries dropped
  // from the list (a reset) go. A file that cannot be read is never overwritten. False,
  // with the file as it was, when the list could not be written.
  bool save();
  // Under the lock: reads the file, appends the new entry last and writes it; false,
  // with the file and the list as they were, when the entry could not be saved.
  bool add(const QString& name, qint32 score);

  // The last read or save failure, for the player ("path: reason").
  QString lastError() const { return lastError_; }

 private:
  bool readFile(QList<QByteArray>& out, bool* missing = nullptr);
  bool readyToWrite();
  bool writeBoard();

  QString path_;
  QString userFolder_;
  bool installed_ = false;  // the program is installed: its folder is never the board's
  QList<QByteArray> entries_;
  QList<QByteArray> seen_;  // the file's entries as this board last read or wrote them
  QString lastError_;
};
