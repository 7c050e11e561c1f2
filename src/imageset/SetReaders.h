#pragma once
// The readers of the two set file kinds. Each reads a whole file into a set value
// that starts as the built-in set; none touches the set in force.
#include <QCoreApplication>
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
inline constexpr char kNotExtendedSetMessage[] =
    QT_TRANSLATE_NOOP("SetReaders", "File is corrupt or this is not an eXtended image set file...");
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

// The most each sound and the tune may take. A game lasts half a minute, so a minute
// of sound (unsigned 8-bit mono at 11025 Hz) is room enough for any of the four; a
// tune file of 4 MB is many times the longest song. Together with the picture bounds
// above, loading any set stays well under 300 MB.
constexpr qint64 kLongestSound = 60 * 11025;  // 661,500 bytes
constexpr qint64 kLargestTune = 4 << 20;      // 4,194,304 bytes

// The most bytes a stored BMP within bounds may take: headers and colour table, then
// four bytes a pixel (the widest rows, and more than run-length data of a picture that
// size takes), and room for what some writers put after the pixels.
constexpr qint64 pictureByteBound(PictureBounds bounds) {
  return kBmpHeadBytes + 4 * (qint64(bounds.width) + 1) * bounds.height + 64 * 1024;
}

// What a file's first 18 bytes say it is.
enum class SetKind { Extended, Plain, FirstGeneration, Unknown };

// What reading a set file gives: the whole set, or the message for the player.
struct SetReadResult {
  SetKind kind = SetKind::Unknown;
  std::optional<LoadedSet> set;  // present after a good read
  QString error;                 // why there is no set
  QString caption = QCoreApplication::translate("SetReaders", "Error");  // the title of the message box for error
  bool setKept = false;          // the file was refused before the set in force had to go
};

// Reads a set file of either kind from its first byte: the magic is read once and
// picks the reader. Neither kind of refusal throws: a lack of memory is a refusal too.
// path only goes into a plain set's comment; headerRead runs once the kind is known
// (for an extended set, once its header is in) and before the long part of the read.
SetReadResult readSetFile(QIODevice& file, const QString& path, const std::function<void()>& headerRead = {});

// Reads a file that must be an extended set (.XET), from its first byte.
SetReadResult readExtendedSet(QIODevice& file, const std::function<void()>& headerRead = {});
