#include "sound/SoundSwitch.h"

int soundIconOffset(SoundState state) {
  switch (state) {
    case SoundState::Enabled: return 0;
    case SoundState::Muted: return -20;
    case SoundState::Unavailable: return -40;
  }
  return 0;
}

SoundIconView currentSoundIcon(const WaveEngine& engine) { return {soundIconOffset(engine.soundState()), engine.soundIconHint()}; }

SoundIconView toggleSound(WaveEngine& engine) {
  switch (engine.soundState()) {
    case SoundState::Unavailable:
      break;
    case SoundState::Muted:
      engine.setSoundState(SoundState::Enabled);
      engine.setSoundIconHint(QString::fromLatin1(WaveEngine::kHintEnabled));
      break;
    case SoundState::Enabled:
      engine.setSoundState(SoundState::Muted);
      engine.setSoundIconHint(QString::fromLatin1(WaveEngine::kHintMuted));
      engine.stopWave(WaveChannel::Main);
      engine.stopWave(WaveChannel::Splat);
      break;
  }
  return currentSoundIcon(engine);
}
