#pragma once
// Reading the score board as the player and the disk see it: the file's bytes,
// the line a score takes in it, and how many rows the table shows.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTableView>

#include "scores/ScoreFile.h"
#include "scores/ScoreTableWindow.h"
#include "support/DialogChecks.h"

// The file's bytes, or "<missing>" when there is no file to read.
inline QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The line the board file holds for one score.
inline QByteArray fileLine(qint32 score, const QByteArray& name) {
  const QByteArray e = scoreEntry(score, name);
  return e + lineCheck(e) + "\r\n";
}

// How many scores the table shows.
inline int rows(const ScoreTableWindow& table) { return child<QTableView>(table, "table").model()->rowCount(); }
