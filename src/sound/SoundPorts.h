#pragma once
// What the game asks of the sound side. The wave engine and the background music
// implement these; the play loop's tests record the calls instead.
#include "sound/SoundBuffer.h"

enum class SoundState { Enabled, Muted, Unavailable };

// The mixer's two channels. The splat has one of its own so that a hit never cuts
// the ticking short; everything else takes turns on the main one.
enum class WaveChannel { Main = 0, Splat = 1 };  // Main: start-up, ticks, game over
inline constexpr int kWaveChannelCount = 2;
constexpr int indexOf(WaveChannel channel) { return static_cast<int>(channel); }

class WavePlayer {
 public:
  virtual ~WavePlayer() = default;
  // Restarts the sound from its beginning on the channel; ignored unless Enabled.
  virtual void playWave(const SoundBuffer& sound, WaveChannel channel) = 0;
  // Silences a channel at once; always honoured.
  virtual void stopWave(WaveChannel channel) = 0;
  // While on, the output stays open so that a sound is heard within a period
  // (a round is on); off, it may close once nothing sounds.
  virtual void keepOutputOpen(bool /*on*/) {}
  virtual SoundState soundState() const = 0;
};

class MusicPort {
 public:
  virtual ~MusicPort() = default;
  // Plays the background music file once from the start, when the set supplied a
  // tune and sound is enabled.
  virtual void startMusic() = 0;
  // Stops and closes the player and clears the playing flag.
  virtual void stopMusic() = 0;
  virtual bool musicPlaying() const = 0;
};
