#pragma once
// The built-in set and the routines that prepare a set's pictures.
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

#include "imageset/GameNumbers.h"
#include "imageset/LoadedSet.h"

// Registers the compiled-in pictures and cursors; the library is static, so
// nothing pulls the resource data in unless someone asks for it. Idempotent.
void initGameResources();

// The six built-in pictures, decoded once from the program's resources.
struct BuiltinPictures {
  QImage digits;     // 300 x 51
  QImage splat;      // 1007 x 108
  QImage figure;     // 559 x 108
  QImage countdown;  // 671 x 107
  QImage misc;       // 111 x 124
  QImage title;      // 594 x 31
};
const BuiltinPictures& builtinPictures();

extern const std::array<const char*, kRatingMessages> kDefaultRatingMessages;
extern const char* const kDefaultCongratulationPrefix;
extern const char* const kDefaultCongratulationSuffix;

// The built-in set as a value: its pictures, texts, colours and cursor, no
// sounds and no tune. The game installs it like any set read from a file.
LoadedSet builtinSet();

// Cuts the words Score and Time and the hole rim out of the misc-pictures bitmap
// that a reader has decoded into the hole base.
void cutMiscPictures(SetContent& set);
