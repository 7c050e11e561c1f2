#include "scores/BoardText.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include "scores/ScoreFile.h"
#include "ui/Codepage.h"

QString rankText(int index) {
  const int n = index + 1;
  // Whole ordinals, so a language can write its own form of each.
  const char* ordinal = QT_TRANSLATE_NOOP("BoardText", "%1th");
  if (n % 100 < 11 || n % 100 > 19) {
    switch (n % 10) {
      case 1: ordinal = QT_TRANSLATE_NOOP("BoardText", "%1st"); break;
      case 2: ordinal = QT_TRANSLATE_NOOP("BoardText", "%1nd"); break;
      case 3: ordinal = QT_TRANSLATE_NOOP("BoardText", "%1rd"); break;
      default: break;
    }
  }
  return QCoreApplication::translate("BoardText", ordinal).arg(n);
}

QString fitText(const QString& text, int width, const QFontMetrics& metrics) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  const QString dots = QStringLiteral("...");
  QString cut = text;
  while (!cut.isEmpty() && metrics.horizontalAdvance(cut + dots) > width) cut.chop(1);
  cut += dots;
  // Only when even the dots alone are too wide.
  while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > width) cut.chop(1);
  return cut;
}

QString entryName(QByteArrayView entry) {
  const qsizetype sep = entry.indexOf(kScoreSeparator);
  return fromAnsi(sep < 0 ? entry : entry.sliced(sep + 1));
}

QString entryScore(QByteArrayView entry) {
  const qsizetype sep = entry.indexOf(kScoreSeparator);
  if (sep < 0) return {};
  QByteArrayView digits = entry.first(sep);
  while (!digits.isEmpty() && digits.front() == '0') digits = digits.sliced(1);
  return fromAnsi(digits);
}
