#pragma once
// When a set's tick sound plays, by its tick mode (a header byte): the wizard
// offers the modes by these captions, in this order, and the play loop follows
// the same table. Any other value never ticks. The captions are English; the wizard
// shows them through QCoreApplication::translate("TickModes", caption).
#include <QtGlobal>
#include <array>

struct TickMode {
  const char* caption;
  bool atStartClick;     // the start click
  bool atCountdown;      // the count-down steps to the pictures 2, 1 and GO
  bool intoPlay;         // the step from GO into play
  bool stopsIntoPlay;    // the step into play silences the tick instead
  bool eachGameSecond;   // each game second, 29 down to 1
};

constexpr std::array<TickMode, 6> kTickModes = {{
    {QT_TRANSLATE_NOOP("TickModes", "Play Each Second (CountDown and In-Game)"), true, true, true, false, true},
    {QT_TRANSLATE_NOOP("TickModes", "Play Each Second (CountDown)"), true, true, false, false, false},
    {QT_TRANSLATE_NOOP("TickModes", "Play Each Second (In-Game)"), false, false, true, false, true},
    {QT_TRANSLATE_NOOP("TickModes", "Play Once (CountDown and In-Game)"), true, false, false, false, false},
    {QT_TRANSLATE_NOOP("TickModes", "Play Once (CountDown)"), true, false, false, true, false},
    {QT_TRANSLATE_NOOP("TickModes", "Play Once (In-Game)"), false, false, true, false, false},
}};

// Modes by their place in the table, for code that picks one.
constexpr int kTickEachSecondMode = 0;      // the count-down ticks, then each game second
constexpr int kTickEachGameSecondMode = 2;  // only the game seconds tick
static_assert(kTickModes[kTickEachSecondMode].atCountdown && kTickModes[kTickEachSecondMode].eachGameSecond);
static_assert(!kTickModes[kTickEachGameSecondMode].atCountdown && kTickModes[kTickEachGameSecondMode].eachGameSecond);

// The mode's rules; a mode past the table never ticks.
constexpr TickMode tickMode(int mode) {
  return mode >= 0 && mode < static_cast<int>(kTickModes.size()) ? kTickModes[static_cast<std::size_t>(mode)]
                                                                  : TickMode{"", false, false, false, false, false};
}
