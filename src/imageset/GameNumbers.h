#pragma once
// The game's numbers, each written here once: the frames of a set's strips, the
// holes of the board, the cuts of the misc-pictures bitmap, the score bands and
// the pace of a round. Everything else reads them from here.
#include <array>
#include <cstdint>

// --- frames in a set's strips ---
// Frames are 111 x 107 at a pitch of 112 across and 108 down (one divider
// column and row between frames).
constexpr int kFrameWidth = 111;
constexpr int kFrameHeight = 107;
constexpr int kFramePitchX = 112;
constexpr int kFramePitchY = 108;
// Rising and sinking frames and the idle frames are taken 110 of a frame's 111 columns wide.
constexpr int kRisingFrameWidth = 110;

// Targets (image groups) a strip of `rows` rows holds: one per complete 108-row
// band. A strip with no complete band holds none, and a round then always
// shows its first row.
constexpr int stripTargets(int rows) { return rows / kFramePitchY; }

// --- the misc-pictures bitmap (words Time and Score, the hole rim) ---
// A cut is (left, top)-(right, bottom), right and bottom exclusive.
struct PictureCut {
  int left, top, right, bottom;
};
// The word pictures are 111 x 49; the words are always taken from the leftmost 111 columns.
constexpr int kWordsWidth = 111;
constexpr int kWordsHeight = 49;
constexpr PictureCut kTimeWordsCut{0, 0, kWordsWidth, 49};
constexpr PictureCut kScoreWordsCut{0, 50, kWordsWidth, 98};  // 48 rows stretched to 49
// The hole rim runs from row 100 to the bottom and is kept 24 rows high; the
// built-in bitmap's is taken from rows 100 to 122, stretched to 24.
constexpr int kHoleBaseTop = 100;
constexpr int kHoleBaseRows = 24;
constexpr int kBuiltinHoleBaseBottom = 123;

// --- the board ---
constexpr int kHoles = 13;
constexpr int kStartHole = 7;
constexpr int kHoleWidth = 111;
constexpr int kHoleHeight = 130;
// Hole n's place inside the playfield at [n - 1]: rows of 4, 5 and 4, 130 apart,
// holes 112 apart; the first row starts at 56 and the last at 48.
struct HolePlace {
  int left, top;
};
constexpr std::array<HolePlace, kHoles> kHolePlaces = {{{56, 0},
                                                         {168, 0},
                                                         {280, 0},
                                                         {392, 0},
                                                         {0, 130},
                                                         {112, 130},
                                                         {224, 130},
                                                         {336, 130},
                                                         {448, 130},
                                                         {48, 260},
                                                         {160, 260},
                                                         {272, 260},
                                                         {384, 260}}};
// The score shows four digit cells, the time two.
constexpr int kScoreCells = 4;
constexpr int kTimeCells = 2;

// --- a round ---
constexpr int kRoundSeconds = 30;
// One game step at most every 1/846720 of a day (about 102 ms): ten make a game second.
constexpr double kStepDays = 1.0 / 846720.0;
// The same interval in whole microseconds, rounded up so that a step never
// comes sooner than the interval (86400e6 / 846720 = 102040.8).
constexpr std::int64_t kStepMicros = 102041;
static_assert(kStepMicros - 1 < kStepDays * 86400e6 && kStepMicros >= kStepDays * 86400e6);

// --- the end of a game ---
// A set says one rating message per score band; band n (1-based) takes final
// scores above the top of band n - 1 up to its own top, the last band the rest.
constexpr std::array<int, 7> kScoreBandTops = {5, 20, 40, 80, 130, 190, 230};
constexpr int kRatingMessages = static_cast<int>(kScoreBandTops.size()) + 1;
constexpr int scoreBand(int finalScore) {
  int band = 1;
  for (const int top : kScoreBandTops)
    if (finalScore > top) ++band;
  return band;
}
static_assert(scoreBand(5) == 1 && scoreBand(6) == 2 && scoreBand(230) == 7 && scoreBand(231) == kRatingMessages);
