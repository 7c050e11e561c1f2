#pragma once
// Records what the game asks of the sound side, in order.
#include <QString>
#include <QStringList>

#include "sound/SoundPorts.h"

class RecordingSound : public WavePlayer, public MusicPort {
 public:
  // Names the set's sounds in the call log; unknown buffers show as "?".
  const SoundBuffer* startup = nullptr;
  const SoundBuffer* tick = nullptr;
  const SoundBuffer* splat = nullptr;
  const SoundBuffer* gameOver = nullptr;

  void playWave(const SoundBuffer& sound, WaveChannel channel) override {
    calls << QStringLiteral("Play %1 %2").arg(name(&sound)).arg(indexOf(channel));
  }
  void stopWave(WaveChannel channel) override { calls << QStringLiteral("Stop %1").arg(indexOf(channel)); }
  SoundState soundState() const override { return state; }
  void startMusic() override {
    calls << QStringLiteral("StartMusic");
    playing = true;
  }
  void stopMusic() override {
    calls << QStringLiteral("StopMusic");
    playing = false;
  }
  bool musicPlaying() const override { return playing; }

  QStringList calls;
  SoundState state = SoundState::Enabled;
  bool playing = false;

 private:
  QString name(const SoundBuffer* b) const {
    if (b == startup) return QStringLiteral("startup");
    if (b == tick) return QStringLiteral("tick");
    if (b == splat) return QStringLiteral("splat");
    if (b == gameOver) return QStringLiteral("gameover");
    return QStringLiteral("?");
  }
};
