#pragma once
// What the table shows of a board entry.
#include <QByteArrayView>
#include <QString>

class QFontMetrics;

// "1st", "2nd", "11th", "21st" ... for the 0-based row index.
QString rankText(int index);

// text cut to fit width pixels in the given font, with "..." marking the cut.
QString fitText(const QString& text, int width, const QFontMetrics& metrics);

// The part after the first separator byte, or the whole entry when it has none.
QString entryName(QByteArrayView entry);
// The digits before the first separator without leading zeros; empty for a score of
// 0 and for an entry without a separator.
QString entryScore(QByteArrayView entry);
