// tune: composes the background tune of a shipped set and writes it as a
// Standard MIDI File to the path named on the command line.
//   pvq_tune OUTPUT.mid [moonlight | seaside]
// Without a set name it writes the game's own set's tune.
//
// The game's own tune is one round long: 15 bars of 4/4 at 117.6 beats a minute, so a
// half note lasts one game second (ten 102 ms steps) and 15 bars last the
// 30.6 s of play. Form: A (bars 1-4), A' (5-8), B (9-12), a closing phrase
// (13-14) and a final chord (15). General MIDI: square lead with vibraphone
// in B, pizzicato off-beats, finger bass, drums on channel 10.

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "midi.h"
#include "tunes.h"

using namespace midi;

namespace {

constexpr Metre kMetre{.beatsPerBar = 4, .bars = 15, .microsecondsPerBeat = 510204};  // 117.6 beats a minute
constexpr int kBar = kMetre.bar();

// Channels and General MIDI programs.
constexpr int kLead = 0, kComp = 1, kBass = 2, kDrums = kDrumChannel;
constexpr int kSquareLead = 80, kVibraphone = 11, kPizzicato = 45, kFingerBass = 33;

// Melody keys.
constexpr int R = 0;  // rest
constexpr int G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5 = 77, Fs5 = 78, G5 = 79,
              A5 = 81, B5 = 83, C6 = 84, D6 = 86, E6 = 88;

struct Chord {
  int root;                  // bass key
  std::array<int, 3> tones;  // voicing around middle C
};

constexpr Chord kC{36, {60, 64, 67}}, kAm{45, {57, 60, 64}}, kF{41, {57, 60, 65}},
    kG{43, {55, 59, 62}}, kDm{38, {57, 62, 65}}, kEm{40, {55, 59, 64}}, kD7{38, {54, 57, 60}},
    kDm7{38, {57, 60, 65}}, kG7{43, {55, 59, 65}};

// One chord per half bar, bars 1 to 14; bar 15 is the final chord.
const std::vector<Chord> kHarmony = {
    kC, kC, kAm, kAm, kF, kF, kG, kG,     // A
    kC, kC, kAm, kAm, kDm, kG, kC, kC,    // A'
    kF, kF, kG, kG, kEm, kAm, kD7, kG,    // B
    kC, kAm, kDm7, kG7};                  // closing

const std::vector<Step> kMelody = {
    // A: a skipping call and a falling answer.
    {E5, 2}, {E5, 1}, {G5, 1}, {R, 1}, {E5, 1}, {C5, 2},
    {D5, 1}, {E5, 1}, {C5, 2}, {A4, 4},
    {A4, 1}, {C5, 1}, {F5, 2}, {E5, 1}, {F5, 1}, {A5, 2},
    {G5, 3}, {F5, 1}, {E5, 2}, {D5, 2},
    // A': the call again, reaching higher, then home.
    {E5, 2}, {E5, 1}, {G5, 1}, {R, 1}, {E5, 1}, {C6, 2},
    {B5, 1}, {A5, 1}, {E5, 2}, {C5, 4},
    {D5, 1}, {F5, 1}, {A5, 2}, {G5, 1}, {F5, 1}, {D5, 2},
    {C5, 4}, {R, 2}, {A4, 1}, {B4, 1},
    // B: syncopated leaps in the upper register.
    {C6, 3}, {A5, 3}, {F5, 2},
    {D6, 3}, {B5, 3}, {G5, 2},
    {E6, 2}, {D6, 1}, {B5, 1}, {C6, 2}, {A5, 2},
    {Fs5, 1}, {A5, 1}, {C6, 2}, {B5, 1}, {A5, 1}, {G5, 2},
    // Closing: the call's rhythm climbs to the top and runs down to the cadence.
    {E5, 2}, {G5, 1}, {C6, 2}, {A5, 1}, {E5, 2},
    {F5, 1}, {A5, 1}, {D6, 2}, {B5, 1}, {G5, 1}, {F5, 1}, {D5, 1},
    // Final chord's top note.
    {C6, 6}};

bool inSectionB(int tick) { return tick >= 8 * kBar && tick < 12 * kBar; }

std::vector<Note> melody() {
  // A detached touch keeps repeated keys apart.
  return playSteps(kMelody, kLead, 30, [](int tick) { return inSectionB(tick) ? 100 : 90; });
}

std::vector<Note> accompaniment() {
  std::vector<Note> notes;
  for (std::size_t half = 0; half < kHarmony.size(); ++half) {
    const Chord& chord = kHarmony[half];
    const int start = static_cast<int>(half) * 2 * kBeat;
    const bool inB = inSectionB(start);
    for (int beat = 0; beat < 2; ++beat) {
      const int offBeat = start + beat * kBeat + kEighth;
      for (int key : chord.tones) add(notes, offBeat, kEighth / 2, kComp, key, inB ? 72 : 62);
    }
    // Bass: root and fifth in A; in B a driving octave figure.
    if (inB) {
      for (int e = 0; e < 4; ++e)
        add(notes, start + e * kEighth, kEighth - 40, kBass, chord.root + (e % 2 ? 12 : 0), 84);
    } else {
      add(notes, start, kBeat - 60, kBass, chord.root, 90);
      add(notes, start + kBeat, kBeat - 60, kBass, chord.root + 7, 76);
    }
  }
  // The final chord rings three beats; the bar's last beat is silence.
  const int last = kMetre.lastBar();
  for (int key : {60, 64, 67}) add(notes, last, 3 * kBeat, kComp, key, 60);
  add(notes, last, 3 * kBeat, kBass, kC.root, 90);
  return notes;
}

void fill(std::vector<Note>& notes, int bar, const std::vector<int>& keys) {
  // The keys fill the last beat of the bar in sixteenths, rising in strength.
  const int start = bar * kBar + 3 * kBeat;
  for (std::size_t i = 0; i < keys.size(); ++i)
    add(notes, start + static_cast<int>(i) * kEighth / 2, kEighth / 2, kDrums, keys[i],
        60 + 8 * static_cast<int>(i));
}

std::vector<Note> drums() {
  std::vector<Note> notes;
  for (int bar = 0; bar < kMetre.bars - 1; ++bar) {
    const int start = bar * kBar;
    const bool inB = inSectionB(start);
    const bool fillBar = bar == 7 || bar == 11 || bar == 13;
    for (int e = 0; e < 8; ++e) {
      const int tick = start + e * kEighth;
      if (fillBar && e >= 6) continue;
      const bool onBeat = e % 2 == 0;
      if (inB ? onBeat : e == 0 || e == 4 || e == 5) add(notes, tick, kEighth, kDrums, kKick, 80);
      if (e == 2 || e == 6) add(notes, tick, kEighth, kDrums, kSnare, 66);
      if (inB && !onBeat) add(notes, tick, kEighth, kDrums, kOpenHat, 44);
      else add(notes, tick, kEighth, kDrums, kClosedHat, onBeat ? 46 : 34);
    }
    if (bar == 0 || bar == 8) add(notes, start, kBar, kDrums, kCrash, 70);
  }
  fill(notes, 7, {kSnare, kSnare, kSnare, kSnare});
  fill(notes, 11, {kHighTom, kHighTom, kMidTom, kLowTom});
  fill(notes, 13, {kSnare, kSnare, kHighTom, kLowTom});
  addClosingHit(notes, kMetre, 76, 86);
  return notes;
}

}  // namespace

Song defaultTune() {
  return {"Pie Vorb Quarn", kMetre, {
      {"Lead",
       {{kLead, kSquareLead, 100, 64}},
       {{8 * kBar, kLead, kVibraphone}, {12 * kBar, kLead, kSquareLead}},
       melody()},
      {"Off-beats and bass", {{kComp, kPizzicato, 100, 48}, {kBass, kFingerBass, 100, 64}}, {}, accompaniment()},
      {"Drums", {{kDrums, -1, 100, 64}}, {}, drums()},
  }};
}

int main(int argc, char** argv) {
  const std::string set = argc == 3 ? argv[2] : "";
  if ((argc != 2 && argc != 3) || (argc == 3 && set != "moonlight" && set != "seaside")) {
    std::fprintf(stderr, "usage: %s OUTPUT.mid [moonlight | seaside]\n", argv[0]);
    return 2;
  }
  const Song song = set == "moonlight" ? moonlightTune() : set == "seaside" ? seasideTune() : defaultTune();
  return writeSong(song, argv[1]) ? 0 : 1;
}
