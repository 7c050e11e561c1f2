#pragma once
// The readers of the two set file kinds. Each starts from the built-in set and
// installs what the file supplies; every failure is told to the player and leaves
// either the set in force before (when nothing was replaced yet) or the built-in set.
#include <QString>

class Game;
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
// A plain set's fixed part, from the end of its magic to its first picture.
constexpr int kPlainBodySize = 2540;

// Reads an extended set file (.XET) into game.set. When showAboutDialog is true a
// good load ends with the about-current-set dialog.
void loadExtendedSet(Game& game, const QString& path, bool showAboutDialog);

// Reads a plain set file (.SET) from file, already open and positioned just past
// its magic; path only goes into the set's comment. The caller closes the file.
void loadPlainSet(Game& game, QIODevice& file, const QString& path);
