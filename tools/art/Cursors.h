#pragma once
// The built-in cursors, stored with a fixed 4-entry palette whose index (not
// colour) carries the meaning the cursor loader needs.

#include <QImage>
#include <QString>
#include <vector>

namespace art {

// Cursor pixels are drawn in these four exact colours without
// antialiasing; the stored palette index is what carries the meaning.
inline constexpr QRgb kCurBlack = qRgb(0, 0, 0);
inline constexpr QRgb kCurWhite = qRgb(255, 255, 255);
inline constexpr QRgb kCurClear = qRgb(0, 255, 0);
inline constexpr QRgb kCurInvert = qRgb(255, 0, 255);

struct Cursor {
  QString file;
  int hotX, hotY;
  QImage img;  // Indexed8, 4 entries
};

// Every built-in cursor with its file name and hot spot.
std::vector<Cursor> drawCursors();

// A custom cursor as the cursor set-up dialog takes it: black and white are
// drawn, red inverts the screen, every other colour (here green) is clear.
Cursor drawExampleCursor();

}  // namespace art
