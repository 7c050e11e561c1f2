#include "scores/BoardText.h"

#include <QFontMetrics>

#include "ui/Codepage.h"
#include "scores/ScoreFile.h"

QString rankText(int index) {
  const int n = index + 1;
  const char* suffix = "th";
  if (n % 100 < 11 || n % 100 > 19) {
    switch (n % 10) {
      case 1: suffix = "st"; break;
      case 2: suffix = "nd"; break;
      case 3: suffix = "rd"; break;
      default: break;
    }
  }
  return QString::number(n) + QLatin1String(suffix);
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
