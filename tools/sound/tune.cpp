// tune: composes the built-in set's background tune and writes it as a
// Standard MIDI File (format 1) to the path named on the command line.
//
// The tune is one round long: 15 bars of 4/4 at 117.6 beats a minute, so a
// half note lasts one game second (ten 102 ms steps) and 15 bars last the
// 30.6 s of play. Form: A (bars 1-4), A' (5-8), B (9-12), a closing phrase
// (13-14) and a final chord (15). General MIDI: square lead with vibraphone
// in B, pizzicato off-beats, finger bass, drums on channel 10.

// smf.h includes glib.h inside extern "C", which C++ templates in glib reject;
// including glib.h first lets its include guard skip that second inclusion.
#include <glib.h>
#include <smf.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPpqn = 480;
constexpr int kEighth = kPpqn / 2;
constexpr int kBeat = kPpqn;
constexpr int kBar = 4 * kBeat;
constexpr int kBars = 15;
constexpr int kMicrosecondsPerBeat = 510204;  // 117.6 beats a minute

// Channels and General MIDI programs.
constexpr int kLead = 0, kComp = 1, kBass = 2, kDrums = 9;
constexpr int kSquareLead = 80, kVibraphone = 11, kPizzicato = 45, kFingerBass = 33;

// Drum keys of the General MIDI percussion map.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49;
constexpr int kLowTom = 45, kMidTom = 47, kHighTom = 50;

// Melody keys.
constexpr int R = 0;  // rest
constexpr int G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5 = 77, Fs5 = 78, G5 = 79,
              A5 = 81, B5 = 83, C6 = 84, D6 = 86, E6 = 88;

struct Note {
  int tick, length, channel, key, velocity;
};

struct Step {
  int key, eighths;
};

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

void add(std::vector<Note>& notes, int tick, int length, int channel, int key, int velocity) {
  notes.push_back({tick, length, channel, key, velocity});
}

std::vector<Note> melody() {
  std::vector<Note> notes;
  int tick = 0;
  for (const Step& step : kMelody) {
    const int length = step.eighths * kEighth;
    const bool inB = inSectionB(tick);
    // A detached touch keeps repeated keys apart.
    if (step.key != R) add(notes, tick, length - 30, kLead, step.key, inB ? 100 : 90);
    tick += length;
  }
  return notes;
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
  const int last = (kBars - 1) * kBar;
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
  for (int bar = 0; bar < kBars - 1; ++bar) {
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
  const int last = (kBars - 1) * kBar;
  add(notes, last, kBar, kDrums, kCrash, 76);
  add(notes, last, kBeat, kDrums, kKick, 86);
  return notes;
}

void addEvent(smf_track_t* track, int tick, int status, int data1, int data2) {
  smf_track_add_event_pulses(track, smf_event_new_from_bytes(status, data1, data2), tick);
}

void addMeta(smf_track_t* track, int tick, std::vector<unsigned char> bytes) {
  const int size = static_cast<int>(bytes.size());
  smf_track_add_event_pulses(track, smf_event_new_from_pointer(bytes.data(), size), tick);
}

smf_track_t* newTrack(smf_t* smf, const char* name) {
  smf_track_t* track = smf_track_new();
  smf_add_track(smf, track);
  smf_track_add_event_pulses(track, smf_event_new_textual(0x03, name), 0);
  return track;
}

// Writes the notes in time order, a note's end before another's start at the
// same tick, so a repeated key is released before it sounds again.
void writeNotes(smf_track_t* track, const std::vector<Note>& notes) {
  struct Event {
    int tick, order, status, key, velocity;
  };
  std::vector<Event> events;
  for (const Note& n : notes) {
    events.push_back({n.tick, 1, 0x90 | n.channel, n.key, n.velocity});
    events.push_back({n.tick + n.length, 0, 0x80 | n.channel, n.key, 0});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  for (const Event& e : events) addEvent(track, e.tick, e.status, e.key, e.velocity);
}

void setUpChannel(smf_track_t* track, int channel, int program, int volume, int pan) {
  if (program >= 0) addEvent(track, 0, 0xC0 | channel, program, -1);
  addEvent(track, 0, 0xB0 | channel, 7, volume);
  addEvent(track, 0, 0xB0 | channel, 10, pan);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.mid\n", argv[0]);
    return 2;
  }
  smf_t* smf = smf_new();
  if (smf_set_ppqn(smf, kPpqn) != 0) return 1;

  smf_track_t* conductor = newTrack(smf, "Pie Vorb Quarn");
  addMeta(conductor, 0, {0xFF, 0x58, 0x04, 4, 2, 24, 8});  // 4/4
  addMeta(conductor, 0, {0xFF, 0x51, 0x03, (kMicrosecondsPerBeat >> 16) & 0xFF,
                         (kMicrosecondsPerBeat >> 8) & 0xFF, kMicrosecondsPerBeat & 0xFF});

  smf_track_t* lead = newTrack(smf, "Lead");
  setUpChannel(lead, kLead, kSquareLead, 100, 64);
  addEvent(lead, 8 * kBar, 0xC0 | kLead, kVibraphone, -1);
  addEvent(lead, 12 * kBar, 0xC0 | kLead, kSquareLead, -1);
  writeNotes(lead, melody());

  smf_track_t* comp = newTrack(smf, "Off-beats and bass");
  setUpChannel(comp, kComp, kPizzicato, 100, 48);
  setUpChannel(comp, kBass, kFingerBass, 100, 64);
  writeNotes(comp, accompaniment());

  smf_track_t* kit = newTrack(smf, "Drums");
  setUpChannel(kit, kDrums, -1, 100, 64);
  writeNotes(kit, drums());

  // Every track ends together, a beat after the final chord is released.
  for (smf_track_t* track : {conductor, lead, comp, kit})
    if (smf_track_add_eot_pulses(track, kBars * kBar) != 0) return 1;

  const int status = smf_save(smf, argv[1]);
  smf_delete(smf);
  if (status != 0) std::fprintf(stderr, "tune: cannot write %s\n", argv[1]);
  return status == 0 ? 0 : 1;
}
