#pragma once
// The stretch of an input file that goes into a new set: a whole picture, a wave's
// samples, the MIDI data inside a tune file.
#include <QtGlobal>
#include <cstdint>

struct FilePart {
  qint64 at = 0;
  std::int32_t length = 0;
};
