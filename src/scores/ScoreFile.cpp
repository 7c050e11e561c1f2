#include "scores/ScoreFile.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>

#include "common/Files.h"
#include "ui/Codepage.h"

namespace {

const char CheckAlphabet[] = "QWHRTMBXKPVF4A82";
const QString kFileName = QStringLiteral("piescore.sdf");

bool writableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

}  // namespace

QByteArray lineCheck(QByteArrayView text) {
  quint32 h = static_cast<quint32>(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const quint32 b = static_cast<unsigned char>(text[i]);
    const quint32 w = (i % 2 == 0) ? 2 : 1;  // positions count from 1, so index 0 is odd
    h += b * h * w;
  }
  QByteArray check(2, '\0');
  check[0] = CheckAlphabet[h % 16];
  check[1] = CheckAlphabet[(h / 16) % 16];
  return check;
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

QList<QByteArray> splitLines(QByteArrayView text) {
  const qsizetype nul = text.indexOf('\0');
  if (nul >= 0) text = text.first(nul);
  QList<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(text.sliced(start, i - start).toByteArray());
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.sliced(start).toByteArray());
  return lines;
}

void sortBestFirst(QList<QByteArray>& entries) {
  QLocale locale;
  // Qt compares plain code points in the C locale (usual in containers and services),
  // which would put accented names after Z and "10" before "9"; English rules stand in.
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  QList<std::pair<QString, QByteArray>> keyed;
  keyed.reserve(entries.size());
  for (const QByteArray& e : entries) keyed.append({fromAnsi(e), e});
  std::stable_sort(keyed.begin(), keyed.end(),
                   [&](const auto& a, const auto& b) { return collator.compare(a.first, b.first) < 0; });
  entries.clear();
  for (auto it = keyed.crbegin(); it != keyed.crend(); ++it) entries.append(it->second);
}

QString userScoreFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  // The XDG rules say a relative value is to be ignored.
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/share");
  return QDir(base).filePath(QStringLiteral("pievorbquarn"));
}

QString scoreFilePath(const QString& programFolder, const QString& userFolder) {
  const QString folder = programFolder.isEmpty() ? QDir::currentPath() : programFolder;
  if (writableFolder(folder)) return QDir(folder).filePath(kFileName);
  return QDir(userFolder).filePath(kFileName);
}

ScoreBoard::ScoreBoard(const QString& programFolder, const QString& userFolder)
    : path_(scoreFilePath(programFolder, userFolder)), userPath_(QDir(userFolder).filePath(kFileName)) {}

ScoreBoard ScoreBoard::forThisProgram() {
  return ScoreBoard(QCoreApplication::applicationDirPath(), userScoreFolder());
}

bool ScoreBoard::load() {
  entries_.clear();
  readFailed_ = false;
  QFile file(path_);
  if (!file.exists()) return true;
  const bool plainFile = isRegularFile(path_);
  if (!plainFile || !file.open(QIODevice::ReadOnly)) {
    readFailed_ = true;
    lastError_ = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path_),
                                              plainFile ? file.errorString() : QStringLiteral("not a file"));
    return false;
  }
  for (const QByteArray& line : splitLines(file.readAll())) {
    const QByteArray body = line.size() >= 2 ? line.first(line.size() - 2) : QByteArray();
    if (body + lineCheck(body) == line) entries_.append(body);
  }
  sortBestFirst(entries_);
  return true;
}

bool ScoreBoard::writeTo(const QString& path) {
  // The per-user folder may not exist yet; the program's folder is never made here.
  if (path == userPath_) QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    QByteArray text;
    for (const QByteArray& e : entries_) text += e + lineCheck(e) + "\r\n";
    if (file.write(text) == text.size() && file.commit()) return true;
  }
  lastError_ = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
  return false;
}

bool ScoreBoard::save() {
  // A file we could not read may still hold scores; writing the empty list would lose them.
  if (readFailed_) return false;
  if (writeTo(path_)) return true;
  if (path_ == userPath_) return false;
  const QString firstError = lastError_;
  // The program's folder took files when we looked, but not now (full disk, made
  // read-only): keep the scores in the per-user folder from here on.
  if (!writeTo(userPath_)) {
    lastError_ = firstError + QLatin1Char('\n') + lastError_;
    return false;
  }
  path_ = userPath_;
  return true;
}

bool ScoreBoard::add(const QString& name, qint32 score) {
  if (!load()) return false;
  entries_.append(scoreEntry(score, nameBytes(name)));
  return save();
}
