#pragma once
// A set's own cursor as its author draws it: the top-left 32 x 32 pixels of a
// picture become the two planes a set file stores.
#include <QImage>
#include <array>
#include <cstdint>

constexpr int kCursorPlanesSize = 256;
using CursorPlanes = std::array<std::uint8_t, kCursorPlanesSize>;  // AND plane (0-127), XOR plane (128-255)

// Black stays black, white stays white, pure red inverts, every other colour (and
// anything beyond a smaller picture) is transparent. Colours must match exactly.
// A null image gives a wholly transparent cursor.
CursorPlanes makeCursorPlanes(const QImage& bitmap);
