#pragma once
// Putting a set in force. Every change of set ends here, so a set is always in
// force whole: the built-in one or one read completely from a file.
#include <cstdint>

#include "imageset/LoadedSet.h"

class Game;

// Stops any game (its abort button goes out) and its tune, replaces the set in
// force by `set` (pictures, sounds, texts, colours, cursor), writes the set's tune
// to the music file (or leaves none) and shows the idle board.
void installSet(Game& game, LoadedSet&& set);

// installSet with the built-in set.
void restoreDefaultSet(Game& game);

// Creates the set's own cursor from its planes (AND then XOR, 256 bytes) and hot
// spot, and puts it in slot 8.
void installCustomCursor(Game& game, const std::uint8_t* planes256, std::uint8_t hotX, std::uint8_t hotY);
