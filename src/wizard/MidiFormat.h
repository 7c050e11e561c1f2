#pragma once
// Whether a file holds a tune the game can play, and where its MIDI data lies: a
// Standard MIDI File alone, or wrapped in RIFF ("RIFF", 8 bytes, "data", the data
// length, then the MIDI file). Only the MIDI data goes into a set, because that is
// what the game's player reads.
#include <QString>

#include "wizard/FilePart.h"

enum class TuneProblem { None, Missing, NotMidi, TooLarge };

struct TuneCheck {
  TuneProblem problem = TuneProblem::Missing;
  FilePart midi;
  bool ok() const { return problem == TuneProblem::None; }
};

TuneCheck checkTuneFile(const QString& name);

// The line the sound step shows for a tune that fails; empty for one that passes.
QString tuneProblemLine(TuneProblem problem, const QString& name);
