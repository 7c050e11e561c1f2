// The moonlight set's tune: a slow, dreamy waltz in A minor. 18 bars of 3/4
// at 105.9 beats a minute last the 30.6 s of a round. Celesta lead, a flute
// in the middle, harp on the off-beats over a warm pad, fretless bass, and a
// ride cymbal instead of a drum kit.

#include <vector>

#include "midi.h"
#include "tunes.h"

using namespace midi;

namespace {

constexpr Metre kMetre{.beatsPerBar = 3, .bars = 18, .microsecondsPerBeat = 566667};  // 105.9 beats a minute
constexpr int kBar = kMetre.bar();

constexpr int kLead = 0, kHarp = 1, kPad = 2, kBass = 3, kDrums = kDrumChannel;
constexpr int kCelesta = 8, kFlute = 73, kOrchestralHarp = 46, kWarmPad = 89, kFretlessBass = 35;

constexpr int R = 0;  // rest
constexpr int D5 = 74, E5 = 76, F5 = 77, G5 = 79, Gs5 = 80, A5 = 81, B5 = 83, C6 = 84, D6 = 86;
constexpr int B4 = 71, C5 = 72;

struct Chord {
  int root;
  std::vector<int> tones;
};

const Chord kAm{45, {57, 60, 64}}, kF{41, {57, 60, 65}}, kC{48, {55, 60, 64}}, kG{43, {55, 59, 62}},
    kDm{38, {57, 62, 65}}, kE{40, {56, 59, 64}}, kEm{40, {55, 59, 64}}, kE7{40, {56, 62, 64}};

// One chord a bar; the last bar holds the final chord.
const std::vector<Chord> kHarmony = {kAm, kF,  kC, kG,  kAm, kF, kDm, kE,  kF,
                                     kG,  kEm, kAm, kDm, kG,  kC, kE7, kAm, kAm};

const std::vector<Step> kMelody = {
    // A: rising through the chord and floating down.
    {E5, 2}, {A5, 2}, {C6, 2}, {C6, 3}, {A5, 1}, {F5, 2},
    {G5, 2}, {E5, 2}, {G5, 2}, {D5, 4}, {B4, 2},
    {C5, 2}, {E5, 2}, {A5, 2}, {C6, 3}, {B5, 1}, {A5, 2},
    {F5, 2}, {A5, 2}, {D6, 2}, {Gs5, 4}, {E5, 2},
    // B: the flute answers.
    {A5, 3}, {G5, 1}, {F5, 2}, {B5, 3}, {A5, 1}, {G5, 2},
    {G5, 2}, {E5, 2}, {B5, 2}, {A5, 6},
    {D6, 3}, {C6, 1}, {A5, 2}, {B5, 3}, {A5, 1}, {G5, 2},
    {E5, 2}, {G5, 2}, {C6, 2}, {B5, 2}, {Gs5, 2}, {D6, 2},
    // Home.
    {C6, 3}, {B5, 1}, {E5, 2}, {A5, 6}};

bool inMiddle(int tick) { return tick >= 8 * kBar && tick < 16 * kBar; }

std::vector<Note> melody() {
  // Legato: each note runs almost into the next.
  return playSteps(kMelody, kLead, 10, [](int tick) { return inMiddle(tick) ? 88 : 96; });
}

std::vector<Note> accompaniment() {
  std::vector<Note> notes;
  for (std::size_t bar = 0; bar + 1 < kHarmony.size(); ++bar) {
    const Chord& chord = kHarmony[bar];
    const int start = static_cast<int>(bar) * kBar;
    add(notes, start, kBar - 20, kBass, chord.root, 84);
    add(notes, start, kBar, kPad, chord.tones[0], 52);
    add(notes, start, kBar, kPad, chord.tones[2], 52);
    if (inMiddle(start)) {
      // The harp rolls up the chord in eighths.
      for (int e = 0; e < 6; ++e)
        add(notes, start + e * kEighth, kEighth, kHarp, chord.tones[e % 3] + (e >= 3 ? 12 : 0), 58 + 4 * (e % 3));
    } else {
      // Oom-pah-pah: the harp takes beats two and three.
      for (int beat = 1; beat < 3; ++beat)
        for (int key : chord.tones) add(notes, start + beat * kBeat, kBeat - 60, kHarp, key + 12, 54);
    }
  }
  const int last = kMetre.lastBar();
  for (int key : kAm.tones) {
    add(notes, last, kBar, kHarp, key + 12, 60);
    add(notes, last, kBar, kPad, key, 56);
  }
  add(notes, last, kBar, kBass, kAm.root, 84);
  return notes;
}

std::vector<Note> percussion() {
  std::vector<Note> notes;
  for (int bar = 0; bar < kMetre.bars - 1; ++bar)
    for (int beat = 0; beat < 3; ++beat) add(notes, bar * kBar + beat * kBeat, kBeat, kDrums, kRide, beat == 0 ? 46 : 32);
  for (int bar : {0, 8, 16}) add(notes, bar * kBar, kBar, kDrums, kTriangle, 60);
  add(notes, kMetre.lastBar(), kBar, kDrums, kTriangle, 70);
  return notes;
}

}  // namespace

Song moonlightTune() {
  return {"Pies by Moonlight", kMetre, {
      {"Lead", {{kLead, kCelesta, 122, 64}}, {{8 * kBar, kLead, kFlute}, {16 * kBar, kLead, kCelesta}}, melody()},
      {"Harp, pad and bass",
       {{kHarp, kOrchestralHarp, 112, 44}, {kPad, kWarmPad, 84, 84}, {kBass, kFretlessBass, 120, 64}},
       {},
       accompaniment()},
      {"Cymbals", {{kDrums, -1, 96, 72}}, {}, percussion()},
  }};
}
