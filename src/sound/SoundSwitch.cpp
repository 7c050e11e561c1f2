#include "sound/SoundSwitch.h"

void toggleSound(WaveEngine& engine) {
  switch (engine.soundState()) {
    case SoundState::Unavailable:
      break;
    case SoundState::Muted:
      engine.setSoundState(SoundState::Enabled);
      engine.setSoundIconHint(QCoreApplication::translate("WaveEngine", WaveEngine::kHintEnabled));
      break;
    case SoundState::Enabled:
      engine.setSoundState(SoundState::Muted);
      engine.setSoundIconHint(QCoreApplication::translate("WaveEngine", WaveEngine::kHintMuted));
      engine.stopWave(WaveChannel::Main);
      engine.stopWave(WaveChannel::Splat);
      break;
  }
}
