#include "sound/SoundSwitch.h"

int StatOffset(SoundState state) {
  switch (state) {
    case SoundState::Enabled: return 0;
    case SoundState::Muted: return -20;
    case SoundState::Unavailable: return -40;
  }
  return 0;
}

StatView CurrentStat(const WaveEngine& engine) { return {StatOffset(engine.soundState()), engine.statHint()}; }

StatView StatClick(WaveEngine& engine) {
  switch (engine.soundState()) {
    case SoundState::Unavailable:
      break;
    case SoundState::Muted:
      engine.setSoundState(SoundState::Enabled);
      engine.setStatHint(QString::fromLatin1(WaveEngine::kHintEnabled));
      break;
    case SoundState::Enabled:
      engine.setSoundState(SoundState::Muted);
      engine.setStatHint(QString::fromLatin1(WaveEngine::kHintMuted));
      engine.StopWave(0);
      engine.StopWave(1);
      break;
  }
  return CurrentStat(engine);
}
