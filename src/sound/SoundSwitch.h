#pragma once
// The sound status icon's logic: which of its three 15 x 20 pictures shows, its
// tool tip, and the click that mutes and unmutes the effects.
#include <QString>

#include "sound/WaveEngine.h"

struct SoundIconView {
  int offset = 0;  // top of the 15 x 60 picture inside its 15 x 20 window: 0, -20 or -40
  QString hint;
};

// The picture offset for a state.
int soundIconOffset(SoundState state);
// What the icon shows now.
SoundIconView currentSoundIcon(const WaveEngine& engine);
// Enabled -> Muted (silencing both effect channels; the tune plays on),
// Muted -> Enabled; Unavailable never changes. Returns what the icon shows next.
SoundIconView toggleSound(WaveEngine& engine);
