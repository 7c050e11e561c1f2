#pragma once
// What a finished game hands to the game-over dialog: the score that may go on the
// board and the two texts the dialog shows.
#include <QString>

struct GameResult {
  int score = 0;
  QString sentence;  // "Congratulations, in 30 seconds you managed to ..."
  QString rating;    // the set's remark for the score's band
};
