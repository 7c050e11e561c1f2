#pragma once
// Numbered cursors shared by the whole program. The table owns each slot's
// cursor; emptying or refilling a slot destroys what it held, once.
#include <QCursor>
#include <array>
#include <cstdint>
#include <memory>

#include "imageset/SharpPictures.h"

// The slots and what each holds; a set names its playfield cursor by slot.
constexpr int kPieCursorSlot = 1;       // the built-in playfield cursor
constexpr int kFingerCursorSlot = 2;    // the main window's buttons
constexpr int kCrossHairCursorSlot = 3;  // 3 to 7: more built-in playfield cursors,
constexpr int kDartBoardCursorSlot = 5;  // among them a cross hair and a dart board
constexpr int kLastBuiltinCursorSlot = 7;
constexpr int kCustomCursorSlot = 8;    // the set's own, or the wizard's trial cursor
constexpr int kCustomSignCursorSlot = 9;  // the sign the wizard shows for "the set's own"
constexpr int kCursorSlots = 10;        // slots 1..9 are used

class CursorTable {
 public:
  void set(int slot, std::unique_ptr<QCursor> cursor);
  void clear(int slot) { set(slot, nullptr); }
  bool has(int slot) const;
  // The slot's cursor, or the arrow for an empty or unknown slot.
  QCursor cursor(int slot) const;
  const QCursor* get(int slot) const;
  // Puts the set's own cursor in its slot. Whatever else later fills or empties
  // the slot (the wizard's trial cursor) ends its hold.
  void setSetCursor(std::unique_ptr<QCursor> cursor);
  bool holdsSetCursor() const { return holdsSetCursor_; }

 private:
  std::array<std::unique_ptr<QCursor>, kCursorSlots> slots_;
  bool holdsSetCursor_ = false;
};

// A 32 x 32 cursor from an AND plane and an XOR plane (128 bytes each, rows top
// to bottom, 4 bytes a row, most significant bit leftmost) and a hot spot.
// AND 0/XOR 0 is black, 0/1 white, 1/0 transparent. 1/1 would invert the screen,
// which no colour cursor can, so those pixels are drawn black, which is what
// inverting the default white playfield looks like. On a screen denser than 1
// the picture carries that density (whole steps, no smoothing).
std::unique_ptr<QCursor> cursorFromPlanes(const std::uint8_t* planes256, int hotX, int hotY,
                                          qreal devicePixelRatio = screenDensity());

// Planes from a 32 x 32 picture whose palette indices mean 0 black, 1 white,
// 2 transparent, 3 invert (the built-in cursor pictures are stored that way).
bool planesFromIndexedPicture(const QImage& picture, std::uint8_t* planes256);

// The cursor as a picture: black, white and clear pixels, inverting ones black.
QImage cursorPicture(const std::uint8_t* planes256);

// The planes and hot spot of a built-in cursor (slots 1-7 and 9); false for any other slot.
bool builtinCursorPlanes(int slot, std::uint8_t* planes256, int* hotX, int* hotY);

// Loads the built-in cursors into slots 1-7 and 9.
void loadBuiltinCursors(CursorTable& table);
