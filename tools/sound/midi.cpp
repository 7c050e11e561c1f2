#include "midi.h"

// smf.h includes glib.h inside extern "C", which C++ templates in glib reject;
// including glib.h first lets its include guard skip that second inclusion.
#include <glib.h>
#include <smf.h>

#include <algorithm>
#include <cstdio>

namespace midi {

namespace {

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

void setUpChannel(smf_track_t* track, const ChannelSetUp& c) {
  if (c.program >= 0) addEvent(track, 0, 0xC0 | c.channel, c.program, -1);
  addEvent(track, 0, 0xB0 | c.channel, 7, c.volume);
  addEvent(track, 0, 0xB0 | c.channel, 10, c.pan);
}

bool saveTracks(smf_t* smf, const Song& song, const char* path) {
  if (smf_set_ppqn(smf, kPpqn) != 0) return false;
  smf_track_t* conductor = newTrack(smf, song.title.c_str());
  addMeta(conductor, 0, {0xFF, 0x58, 0x04, static_cast<unsigned char>(song.metre.beatsPerBar), 2, 24, 8});
  const int tempo = song.metre.microsecondsPerBeat;
  addMeta(conductor, 0, {0xFF, 0x51, 0x03, static_cast<unsigned char>((tempo >> 16) & 0xFF),
                         static_cast<unsigned char>((tempo >> 8) & 0xFF), static_cast<unsigned char>(tempo & 0xFF)});
  std::vector<smf_track_t*> all = {conductor};
  for (const Track& part : song.tracks) {
    smf_track_t* track = newTrack(smf, part.name.c_str());
    for (const ChannelSetUp& c : part.channels) setUpChannel(track, c);
    for (const ProgramChange& c : part.changes) addEvent(track, c.tick, 0xC0 | c.channel, c.program, -1);
    writeNotes(track, part.notes);
    all.push_back(track);
  }
  // Every track ends together.
  for (smf_track_t* track : all)
    if (smf_track_add_eot_pulses(track, song.metre.end()) != 0) return false;
  return smf_save(smf, path) == 0;
}

}  // namespace

void add(std::vector<Note>& notes, int tick, int length, int channel, int key, int velocity) {
  notes.push_back({tick, length, channel, key, velocity});
}

void addClosingHit(std::vector<Note>& notes, const Metre& metre, int crashVelocity, int kickVelocity) {
  const int last = metre.lastBar();
  add(notes, last, metre.bar(), kDrumChannel, kCrash, crashVelocity);
  add(notes, last, kBeat, kDrumChannel, kKick, kickVelocity);
}

std::vector<Note> playSteps(const std::vector<Step>& steps, int channel, int gap,
                            const std::function<int(int)>& velocity) {
  std::vector<Note> notes;
  int tick = 0;
  for (const Step& step : steps) {
    const int length = step.eighths * kEighth;
    if (step.key != 0) add(notes, tick, length - gap, channel, step.key, velocity(tick));
    tick += length;
  }
  return notes;
}

bool writeSong(const Song& song, const char* path) {
  smf_t* smf = smf_new();
  const bool saved = smf && saveTracks(smf, song, path);
  if (smf) smf_delete(smf);
  if (!saved) std::fprintf(stderr, "tune: cannot write %s\n", path);
  return saved;
}

}  // namespace midi
