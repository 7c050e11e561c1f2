#pragma once
// A set read from a file (or the built-in one) as a value: nothing of it is in
// force until the game installs it whole.
#include <QByteArray>
#include <QColor>
#include <array>
#include <cstdint>
#include <optional>

#include "imageset/ActiveSet.h"

// The set's own cursor: AND then XOR plane (256 bytes) and the hot spot.
struct CustomCursor {
  std::array<std::uint8_t, 256> planes{};
  std::uint8_t hotX = 0;
  std::uint8_t hotY = 0;
};

struct LoadedSet : SetContent {
  QByteArray tune;  // the background MIDI file; empty when the set has none
  QColor playfieldColour = Qt::black;
  QColor titleColour = Qt::black;
  int cursorSlot = 1;                   // the playfield cursor
  std::optional<CustomCursor> cursor;  // present when cursorSlot names the set's own
};
