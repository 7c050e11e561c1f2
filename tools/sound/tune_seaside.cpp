// The seaside set's tune: a bouncy calypso in F major. 18 bars of 4/4 at
// 141.2 beats a minute last the 30.6 s of a round. Steel drums lead with a
// marimba in the middle, a strummed nylon guitar, acoustic bass, and congas,
// claves and a shaker.

#include <vector>

#include "midi.h"
#include "tunes.h"

using namespace midi;

namespace {

constexpr Metre kMetre{.beatsPerBar = 4, .bars = 18, .microsecondsPerBeat = 425000};  // 141.2 beats a minute
constexpr int kBar = kMetre.bar();

constexpr int kLead = 0, kGuitar = 1, kBass = 2, kDrums = kDrumChannel;
constexpr int kSteelDrums = 114, kMarimba = 12, kNylonGuitar = 24, kAcousticBass = 32;

constexpr int R = 0;  // rest
constexpr int C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, Bb5 = 82, C6 = 84, D6 = 86;

struct Chord {
  int root, fifth;
  std::vector<int> tones;
};

const Chord kF{41, 48, {60, 65, 69}}, kBb{46, 41, {58, 62, 65}}, kC7{36, 43, {58, 60, 64}};

// One chord a bar; the last bar holds the final chord.
const std::vector<Chord> kHarmony = {kF,  kC7, kC7, kF,  kF,  kBb, kC7, kF,  kBb,
                                     kF,  kC7, kF,  kBb, kF,  kC7, kF,  kC7, kF};

const std::vector<Step> kMelody = {
    // A: a skipping call on the steel drums.
    {C5, 1}, {F5, 2}, {A5, 1}, {R, 1}, {A5, 1}, {G5, 1}, {F5, 1},
    {G5, 3}, {E5, 1}, {R, 1}, {C5, 1}, {E5, 1}, {G5, 1},
    {Bb5, 2}, {A5, 1}, {G5, 2}, {E5, 1}, {C5, 2},
    {F5, 4}, {R, 2}, {C5, 1}, {E5, 1},
    {F5, 1}, {A5, 2}, {C6, 1}, {R, 1}, {C6, 1}, {A5, 1}, {F5, 1},
    {D6, 3}, {Bb5, 1}, {R, 1}, {F5, 1}, {Bb5, 1}, {D6, 1},
    {C6, 2}, {Bb5, 1}, {G5, 2}, {E5, 1}, {G5, 2},
    {F5, 4}, {R, 4},
    // B: the marimba climbs.
    {D5, 1}, {F5, 1}, {Bb5, 2}, {A5, 1}, {Bb5, 1}, {D6, 2},
    {C6, 3}, {A5, 1}, {R, 1}, {F5, 1}, {A5, 1}, {C6, 1},
    {Bb5, 2}, {G5, 1}, {E5, 2}, {G5, 1}, {Bb5, 2},
    {A5, 3}, {F5, 1}, {R, 2}, {A5, 1}, {Bb5, 1},
    // A again, louder, and the way home.
    {D6, 2}, {D6, 1}, {Bb5, 2}, {F5, 1}, {Bb5, 2},
    {C6, 2}, {C6, 1}, {A5, 2}, {F5, 1}, {A5, 2},
    {G5, 1}, {A5, 1}, {Bb5, 2}, {C6, 1}, {Bb5, 1}, {G5, 1}, {E5, 1},
    {F5, 3}, {C5, 1}, {R, 2}, {E5, 1}, {G5, 1},
    {Bb5, 1}, {A5, 1}, {G5, 1}, {E5, 1}, {C5, 2}, {E5, 1}, {G5, 1},
    {F5, 6}};

bool inMiddle(int tick) { return tick >= 8 * kBar && tick < 12 * kBar; }

std::vector<Note> melody() {
  // The marimba speaks more softly than the pans; it needs a firmer touch.
  return playSteps(kMelody, kLead, 40,
                   [](int tick) { return inMiddle(tick) ? 110 : tick >= 12 * kBar ? 104 : 96; });
}

std::vector<Note> accompaniment() {
  std::vector<Note> notes;
  // The calypso strum: one, the and of two, three, four.
  const int strums[][2] = {{0, 74}, {3, 60}, {4, 68}, {6, 60}};
  for (std::size_t bar = 0; bar + 1 < kHarmony.size(); ++bar) {
    const Chord& chord = kHarmony[bar];
    const int start = static_cast<int>(bar) * kBar;
    for (const auto& [at, velocity] : strums)
      for (std::size_t i = 0; i < chord.tones.size(); ++i)
        // A strum sweeps: each string a little after the one below.
        add(notes, start + at * kEighth + 12 * static_cast<int>(i), kEighth - 40, kGuitar, chord.tones[i], velocity);
    add(notes, start, 3 * kEighth - 30, kBass, chord.root, 92);
    add(notes, start + 3 * kEighth, kEighth - 30, kBass, chord.root, 78);
    add(notes, start + 4 * kEighth, 2 * kEighth - 30, kBass, chord.fifth, 86);
    add(notes, start + 6 * kEighth, 2 * kEighth - 30, kBass, chord.root + 12, 80);
  }
  const int last = kMetre.lastBar();
  for (int key : kF.tones) add(notes, last, 3 * kBeat, kGuitar, key, 76);
  add(notes, last, 3 * kBeat, kBass, kF.root, 92);
  return notes;
}

std::vector<Note> percussion() {
  std::vector<Note> notes;
  // A three-two clave over every two bars, in eighths.
  const int clave[] = {0, 3, 6, 10, 12};
  for (int bar = 0; bar < kMetre.bars - 1; ++bar) {
    const int start = bar * kBar;
    for (int e = 0; e < 8; ++e) add(notes, start + e * kEighth, kEighth, kDrums, kMaracas, e % 2 ? 50 : 36);
    for (int at : clave)
      if (at / 8 == bar % 2) add(notes, start + (at % 8) * kEighth, kEighth, kDrums, kClaves, 64);
    add(notes, start, kEighth, kDrums, kKick, 70);
    add(notes, start + 4 * kEighth, kEighth, kDrums, kKick, 62);
    add(notes, start + 2 * kEighth, kEighth, kDrums, kMuteConga, 56);
    add(notes, start + 3 * kEighth, kEighth, kDrums, kLowConga, 60);
    add(notes, start + 6 * kEighth, kEighth, kDrums, kOpenConga, 66);
    add(notes, start + 7 * kEighth, kEighth, kDrums, kOpenConga, 58);
  }
  for (int bar : {0, 8}) add(notes, bar * kBar, kBar, kDrums, kCrash, 64);
  addClosingHit(notes, kMetre, 72, 80);
  return notes;
}

}  // namespace

Song seasideTune() {
  return {"Pies by the Seaside", kMetre, {
      {"Lead", {{kLead, kSteelDrums, 124, 64}}, {{8 * kBar, kLead, kMarimba}, {12 * kBar, kLead, kSteelDrums}}, melody()},
      {"Guitar and bass", {{kGuitar, kNylonGuitar, 106, 40}, {kBass, kAcousticBass, 120, 64}}, {}, accompaniment()},
      {"Percussion", {{kDrums, -1, 108, 64}}, {}, percussion()},
  }};
}
