#include "scores/ScoreFile.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <array>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "common/Places.h"
#include "scores/BoardFile.h"
#include "ui/Codepage.h"

namespace {

const char CheckAlphabet[] = "QWHRTMBXKPVF4A82";
const QString kFileName = QStringLiteral("piescore.sdf");

bool writableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

}  // namespace

namespace {

std::array<char, 2> checkChars(QByteArrayView text) {
  quint32 h = static_cast<quint32>(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const quint32 b = static_cast<unsigned char>(text[i]);
    const quint32 w = (i % 2 == 0) ? 2 : 1;  // positions count from 1, so index 0 is odd
    h += b * h * w;
  }
  return {CheckAlphabet[h % 16], CheckAlphabet[(h / 16) % 16]};
}

}  // namespace

QByteArray lineCheck(QByteArrayView text) {
  const std::array<char, 2> check = checkChars(text);
  return QByteArray(check.data(), 2);
}

QByteArray scoreEntry(qint32 score, QByteArrayView name) {
  QByteArray entry = QByteArray::number(score);
  if (entry.size() < 16) entry.prepend(QByteArray(16 - entry.size(), '0'));
  entry.append(kScoreSeparator);
  entry.append(name);
  return entry;
}

QByteArray nameBytes(const QString& typed) {
  QByteArray bytes = toAnsi(typed);
  for (char& c : bytes)
    if (c == '\r' || c == '\n' || c == '\0') c = '?';
  return bytes;
}

bool forEachLine(QIODevice& in, const std::function<void(QByteArrayView)>& line, qint64 chunkSize) {
  QByteArray chunk(chunkSize, Qt::Uninitialized);
  QByteArray carried;          // the start of a line that runs on into the next chunk
  bool overlong = false;        // the line in hand is past kLongestLine: it is skipped, not held
  bool lfEndsPrevious = false;  // the last chunk ended in CR: an LF first is part of that ending
  const auto endLine = [&](QByteArrayView piece) {
    if (overlong || carried.size() + piece.size() > kLongestLine) {
      // Nothing this long is a line of the board.
    } else if (carried.isEmpty()) {
      line(piece);
    } else {
      carried += piece;
      line(carried);
    }
    carried.clear();
    overlong = false;
  };
  for (;;) {
    const qint64 got = in.read(chunk.data(), chunkSize);
    if (got < 0) return false;
    if (got == 0) break;
    const QByteArrayView text(chunk.constData(), got);
    qsizetype start = 0;
    if (lfEndsPrevious && text[0] == '\n') start = 1;
    lfEndsPrevious = false;
    for (qsizetype i = start; i < text.size(); ++i) {
      const char c = text[i];
      if (c != '\r' && c != '\n') continue;
      endLine(text.sliced(start, i - start));
      if (c == '\r') {
        if (i + 1 < text.size()) {
          if (text[i + 1] == '\n') ++i;
        } else {
          lfEndsPrevious = true;
        }
      }
      start = i + 1;
    }
    const QByteArrayView rest = text.sliced(start);
    if (overlong || carried.size() + rest.size() > kLongestLine) {
      overlong = true;
      carried.clear();
    } else {
      carried += rest;
    }
  }
  if (overlong || !carried.isEmpty()) endLine({});
  return true;
}

std::optional<QByteArrayView> checkedEntry(QByteArrayView line) {
  const QByteArrayView body = line.size() >= 2 ? line.first(line.size() - 2) : QByteArrayView();
  // A NUL is no part of any name the game writes: such a line is damaged.
  if (line.size() != body.size() + 2 || body.contains('\0')) return std::nullopt;
  const std::array<char, 2> check = checkChars(body);
  if (line[body.size()] != check[0] || line[body.size() + 1] != check[1]) return std::nullopt;
  return body;
}

namespace {

// The score digits of an entry written by this game: its leading digits, when the
// separator follows them.
QByteArrayView leadingScore(const QByteArray& entry) {
  qsizetype i = 0;
  while (i < entry.size() && entry[i] >= '0' && entry[i] <= '9') ++i;
  if (i == 0 || i == entry.size() || entry[i] != kScoreSeparator) return {};
  return QByteArrayView(entry).first(i);
}

}  // namespace

namespace {

QCollator boardCollator() {
  QLocale locale;
  // Qt compares plain code points in the C locale (usual in containers and services),
  // which would put accented names after Z and "10" before "9"; English rules stand in.
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  return collator;
}

// Sorts order[from, to) by the collator, one sort key per entry made once.
void collate(const QList<QByteArray>& entries, const QCollator& collator, std::vector<qsizetype>& order,
             qsizetype from, qsizetype to) {
  std::vector<QCollatorSortKey> keys;
  keys.reserve(to - from);
  for (qsizetype i = from; i < to; ++i) keys.push_back(collator.sortKey(fromAnsi(entries[order[i]])));
  std::vector<qsizetype> place(to - from);
  std::iota(place.begin(), place.end(), 0);
  std::stable_sort(place.begin(), place.end(), [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
  std::vector<qsizetype> sorted;
  sorted.reserve(to - from);
  for (qsizetype p : place) sorted.push_back(order[from + p]);
  std::copy(sorted.begin(), sorted.end(), order.begin() + from);
}

// The length of the digit run every entry starts with, or 0 when they differ.
qsizetype commonScoreWidth(const QList<QByteArray>& entries) {
  const qsizetype width = entries.isEmpty() ? 0 : leadingScore(entries.first()).size();
  const bool uniform = std::all_of(entries.cbegin(), entries.cend(), [&](const QByteArray& e) {
    const QByteArrayView digits = leadingScore(e);
    return !digits.isEmpty() && digits.size() == width;
  });
  return uniform ? width : 0;
}

}  // namespace

void sortBestFirst(QList<QByteArray>& entries) {
  const QCollator collator = boardCollator();
  std::vector<qsizetype> order(entries.size());
  std::iota(order.begin(), order.end(), 0);

  // Entries this game wrote all carry sixteen digits before the separator, and the
  // collator orders digit runs of one length as plain text does; only entries with the
  // same score need it, and the sort keys of one score at a time keep a big board small.
  const qsizetype width = commonScoreWidth(entries);
  if (width == 0) {
    collate(entries, collator, order, 0, entries.size());
  } else {
    const auto score = [&](qsizetype i) { return QByteArrayView(entries[i]).first(width); };
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return score(a) < score(b); });
    for (qsizetype from = 0; from < qsizetype(order.size());) {
      qsizetype to = from + 1;
      while (to < qsizetype(order.size()) && score(order[to]) == score(order[from])) ++to;
      if (to - from > 1) collate(entries, collator, order, from, to);
      from = to;
    }
  }

  QList<QByteArray> sorted;
  sorted.reserve(entries.size());
  for (auto it = order.crbegin(); it != order.crend(); ++it) sorted.append(std::move(entries[*it]));
  entries = std::move(sorted);
}

QString userScoreFolder() { return places::playerScoreFolder(); }

namespace {

// A board the player may not write cannot take a score; anything else there that is not
// a plain file stays the board's place, so that it is refused with a reason rather than
// passed over for another board.
bool boardRefusesWrites(const QString& path) {
  struct stat st {};
  const QByteArray name = QFile::encodeName(path);
  return lstat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::access(name.constData(), W_OK) != 0;
}

}  // namespace

QString scoreFilePath(const QString& programFolder, const QString& userFolder) {
  const QString folder = programFolder.isEmpty() ? QDir::currentPath() : programFolder;
  // An installed game's program folder is the system's bin folder, shared by every
  // user; even when it happens to be writable (root), scores belong to the player.
  const bool installed = !places::installedDataFolder(folder).isEmpty();
  const QString besideProgram = QDir(folder).filePath(kFileName);
  if (!installed && writableFolder(folder) && !boardRefusesWrites(besideProgram)) return besideProgram;
  if (userFolder.isEmpty()) return {};
  return QDir(userFolder).filePath(kFileName);
}

ScoreBoard::ScoreBoard(const QString& programFolder, const QString& userFolder)
    : path_(scoreFilePath(programFolder, userFolder)),
      userFolder_(userFolder),
      installed_(!places::installedDataFolder(programFolder.isEmpty() ? QDir::currentPath() : programFolder).isEmpty()) {}

ScoreBoard ScoreBoard::forThisProgram() {
  return ScoreBoard(places::programFolder(), userScoreFolder());
}

namespace {

// The file's entries now, less those this copy dropped, plus those it added, since it
// last read the file (`seen`).
QList<QByteArray> merged(QList<QByteArray> current, const QList<QByteArray>& seen, const QList<QByteArray>& mine) {
  if (mine.constData() == seen.constData() && mine.size() == seen.size()) return current;
  QHash<QByteArray, qsizetype> balance;  // > 0: dropped here, < 0: added here
  for (const QByteArray& e : seen) ++balance[e];
  for (const QByteArray& e : mine) --balance[e];
  QList<QByteArray> result;
  result.reserve(current.size());
  for (QByteArray& e : current) {
    const auto it = balance.find(e);
    if (it != balance.end() && *it > 0) {
      --*it;
      continue;
    }
    result.append(std::move(e));
  }
  for (const QByteArray& e : mine) {
    const auto it = balance.find(e);
    if (it != balance.end() && *it < 0) {
      ++*it;
      result.append(e);
    }
  }
  return result;
}

// An installed game never keeps the board beside the program, writable or not.
QString noPlace(bool installed) {
  return installed ? QCoreApplication::translate("ScoreBoard",
                                                 "The scores have no place to be kept: there is no home folder "
                                                 "(HOME is not set).")
                   : QCoreApplication::translate("ScoreBoard",
                                                 "The scores have no place to be kept: the program's folder cannot "
                                                 "be written, and there is no home folder (HOME is not set).");
}

}  // namespace

bool ScoreBoard::load() {
  entries_.clear();
  seen_.clear();
  if (!readFile(entries_)) return false;
  seen_ = entries_;
  return true;
}

bool ScoreBoard::readFile(QList<QByteArray>& out, bool* missing) {
  out.clear();
  if (path_.isEmpty()) {
    lastError_ = noPlace(installed_);
    return false;
  }
  bool absent = false;
  const int fd = openBoardForReading(path_, &absent, &lastError_);
  if (missing) *missing = absent;
  if (fd < 0) return absent;
  QFile file;
  file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
  // Only lines that pass their check are kept, so a file of junk costs no memory.
  const bool read = forEachLine(file, [&out](QByteArrayView line) {
    if (const auto entry = checkedEntry(line)) out.append(entry->toByteArray());
  });
  if (!read) {
    out.clear();
    lastError_ = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path_), file.errorString());
    return false;
  }
  sortBestFirst(out);
  return true;
}

bool ScoreBoard::writeBoard() {
  QList<QByteArray> lines;
  lines.reserve(entries_.size());
  for (const QByteArray& e : entries_) lines.append(e + lineCheck(e));
  removeAbandonedTemporaries(path_);
  if (!replaceBoardFile(path_, lines, &lastError_)) return false;
  seen_ = entries_;
  return true;
}

bool ScoreBoard::readyToWrite() {
  if (path_.isEmpty()) {
    lastError_ = noPlace(installed_);
    return false;
  }
  // The per-user folder may not exist yet; the program's folder is never made here.
  const QString folder = QFileInfo(path_).absolutePath();
  return folder != QDir(userFolder_).absolutePath() || makeFolder(folder, &lastError_);
}

bool ScoreBoard::save() {
  if (!readyToWrite()) return false;
  const BoardLock lock(path_);
  if (!lock.held()) {
    lastError_ = lock.error();
    return false;
  }
  // What other copies of the game wrote since this one read the file stays. A file we
  // cannot read may still hold scores, so it is never overwritten; one that went away
  // (with its folder, say) is no news, and the list is kept whole.
  QList<QByteArray> current;
  bool missing = false;
  if (!readFile(current, &missing)) return false;
  entries_ = merged(missing ? seen_ : std::move(current), seen_, entries_);
  return writeBoard();
}

bool ScoreBoard::add(const QString& name, qint32 score) {
  if (!readyToWrite()) return false;
  const BoardLock lock(path_);
  if (!lock.held()) {
    lastError_ = lock.error();
    return false;
  }
  if (!load()) return false;
  entries_.append(scoreEntry(score, nameBytes(name)));
  if (writeBoard()) return true;
  entries_.removeLast();  // the list stays what the file holds
  return false;
}
