#pragma once
// Whether a file is a wave the game can play (PCM, mono, 8-bit, 11025 Hz) and where
// its samples lie.
#include <QString>

#include "wizard/FilePart.h"

enum class WaveProblem { None, Missing, NotWave, WrongFormat, TooLong };

struct WaveCheck {
  WaveProblem problem = WaveProblem::Missing;
  FilePart samples;  // what the set holds of the file; never past its end
  bool ok() const { return problem == WaveProblem::None; }
};

WaveCheck checkWaveFile(const QString& name);

// The line the sound step shows for a wave that fails; empty for one that passes.
QString waveProblemLine(WaveProblem problem, const QString& name);
