#pragma once
// The sound status icon's click: it mutes and unmutes the effects.
#include "sound/WaveEngine.h"

// Enabled -> Muted (silencing both effect channels; the tune plays on),
// Muted -> Enabled; Unavailable never changes. The engine's hint follows.
void toggleSound(WaveEngine& engine);
