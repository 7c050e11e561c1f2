#pragma once
// A tune as notes on General MIDI channels, and the writer that saves it as a
// Standard MIDI File (format 1): a conductor track with the metre and tempo,
// then one track per part.

#include <functional>
#include <string>
#include <vector>

namespace midi {

constexpr int kPpqn = 480;
constexpr int kBeat = kPpqn;
constexpr int kEighth = kPpqn / 2;
constexpr int kDrumChannel = 9;
// Keys of the General MIDI percussion map that the tunes play.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kLowTom = 45, kOpenHat = 46, kMidTom = 47, kCrash = 49,
              kHighTom = 50, kRide = 51, kMuteConga = 62, kOpenConga = 63, kLowConga = 64, kMaracas = 70,
              kClaves = 75, kTriangle = 81;

struct Note {
  int tick, length, channel, key, velocity;
};

// A channel's instrument (-1 keeps the drum kit), volume and pan at the start.
struct ChannelSetUp {
  int channel, program, volume, pan;
};

// An instrument change part-way through.
struct ProgramChange {
  int tick, channel, program;
};

struct Track {
  std::string name;
  std::vector<ChannelSetUp> channels;
  std::vector<ProgramChange> changes;
  std::vector<Note> notes;
};

// A tune's shape in time: whole bars of `beatsPerBar` beats at a tempo.
struct Metre {
  int beatsPerBar, bars, microsecondsPerBeat;
  constexpr int bar() const { return beatsPerBar * kBeat; }
  // Where the last bar starts: every tune ends on a chord held there.
  constexpr int lastBar() const { return (bars - 1) * bar(); }
  constexpr int end() const { return bars * bar(); }
};

struct Song {
  std::string title;
  Metre metre;
  std::vector<Track> tracks;  // every track ends with the last bar
};

// One step of a melody: a key (0 for a rest) held for some eighths.
struct Step {
  int key, eighths;
};

void add(std::vector<Note>& notes, int tick, int length, int channel, int key, int velocity);
// The closing hit on the drums: a crash that rings through the last bar over
// a kick on its first beat.
void addClosingHit(std::vector<Note>& notes, const Metre& metre, int crashVelocity, int kickVelocity);
// Plays the steps one after another on a channel from the start, each note
// `gap` ticks short of its step so repeated keys stay apart; `velocity` gives
// each note's strength from the tick it starts on.
std::vector<Note> playSteps(const std::vector<Step>& steps, int channel, int gap,
                            const std::function<int(int)>& velocity);
// False, with a message on stderr, when the file cannot be written.
bool writeSong(const Song& song, const char* path);

}  // namespace midi
