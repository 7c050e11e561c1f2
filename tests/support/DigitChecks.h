#pragma once
// Reading the score and time the board shows, digit by digit, against the set's
// digit picture.
#include <QImage>
#include <QString>

#include "imageset/FrameCopy.h"

// Digit d as the board shows it: its 30-column cell of the digit picture, cut to
// the 49 rows the board gives a digit.
inline QImage digitCell(const QImage& digits, int d) {
  QImage cell = blankPicture(30, 49, 0xFF000000);
  copyRect(cell, {0, 0, 30, 51}, digits, {30 * d, 0, 30 * d + 30, 51});
  return cell;
}

// Whether the picture shows these digits, one 30-column cell each from its left.
inline bool showsDigits(const QImage& picture, const QImage& digits, const QString& text) {
  for (int i = 0; i < text.size(); ++i)
    if (picture.copy(30 * i, 0, 30, 49) != digitCell(digits, text[i].unicode() - '0')) return false;
  return true;
}
