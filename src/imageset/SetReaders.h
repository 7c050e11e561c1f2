#pragma once
// The readers of the two set file kinds. Each reads a whole file into a set value
// that starts as the built-in set; none touches the set in force.
#include <QString>
#include <functional>
#include <optional>

#include "imageset/BmpDecode.h"
#include "imageset/LoadedSet.h"

class QIODevice;

// The first 18 bytes tell the kinds apart; the extended kind also ends in a trailer.
inline constexpr char kExtendedMagic[] = "eXtended Image SET";
inline constexpr char kPlainMagic[] = "PIEQUAR2 Image Set";
inline constexpr char kFirstGenerationMagic[] = "PIEQUARN Image Set";
inline constexpr char kSetTrailer[] = "--End-Of-Set--";
constexpr int kMagicSize = 18;
constexpr int kTrailerSize = 14;
// Magic, header and trailer need 3423 bytes, but shorter than this is refused.
constexpr qint64 kSmallestExtendedSet = 3441;
// The refusal of a file too small, or not openable, to be an extended set.
inline constexpr char kNotExtendedSetMessage[] = "File is corrupt or this is not an eXtended image set file...";
// A plain set's fixed part, from the end of its magic to its first picture.
constexpr int kPlainBodySize = 2540;

// The largest picture each part of a set may bring. A strip is read at most ten
// frames across (the splat plays ten, the target shows five) and holds at most
// kMostImageGroups groups; each other picture may be four times the built-in one
// each way. So the largest set takes about 64 MB as game pictures.
constexpr int kMostImageGroups = 64;
inline constexpr PictureBounds kStripBounds{10 * kFramePitchX, (kMostImageGroups + 1) * kFramePitchY - 1};
inline constexpr PictureBounds kMiscPicturesBounds{4 * 111, 4 * 124};
inline constexpr PictureBounds kDigitStripBounds{4 * 300, 4 * 51};
inline constexpr PictureBounds kCountStripBounds{4 * 671, 4 * 107};
inline constexpr PictureBounds kTitleBounds{4 * 594, 4 * 31};

// What reading a set file gives: the whole set, or the message for the player.
struct SetReadResult {
  std::optional<LoadedSet> set;  // present after a good read
  QString error;                 // why there is no set
  bool setKept = false;          // the file was refused before the set in force had to go
};

// Reads an extended set file (.XET) from its first byte. headerRead runs once the
// header is in and before the long part of the read.
SetReadResult readExtendedSet(QIODevice& file, const std::function<void()>& headerRead = {});

// Reads a plain set file (.SET) positioned just past its magic; path only goes
// into the set's comment.
SetReadResult readPlainSet(QIODevice& file, const QString& path);
