#pragma once
// The four sound effects of each shipped set, before mastering.

#include "synth.h"

struct EffectSet {
  synth::Wave startup, tick, splat, gameOver;
};

EffectSet defaultEffects();
EffectSet moonlightEffects();
EffectSet seasideEffects();
