#pragma once
// Whether a file holds a tune the game can play, and where its MIDI data lies: a
// Standard MIDI File alone, or wrapped in RIFF ("RIFF", 8 bytes, "data", the data
// length, then the MIDI file). Only the MIDI data goes into a set, because that is
// what the game's player reads.
#include <QByteArray>
#include <QString>

#include "wizard/FilePart.h"

enum class TuneProblem { None, Missing, NotMidi, TooLarge };

struct TuneCheck {
  TuneProblem problem = TuneProblem::Missing;
  FilePart midi;
  bool ok() const { return problem == TuneProblem::None; }
};

TuneCheck checkTuneFile(const QString& name);

// The MIDI data a set stores for the tune in `name`: what the writer copies and the
// wizard's Play button plays. Empty, with the reason in `problem`, when it cannot be used.
QByteArray readTuneData(const QString& name, TuneProblem& problem);

// The line the sound step shows for a tune that fails; empty for one that passes.
QString tuneProblemLine(TuneProblem problem, const QString& name);
