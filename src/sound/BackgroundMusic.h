#pragma once
// The background tune of the active image set, played once per game from the
// end of the count-down until the game ends.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "sound/MidiPlayer.h"
#include "sound/SoundPorts.h"

class BackgroundMusic : public MusicPort {
 public:
  // musicPresent: whether the active set supplied a tune and `musicFile` holds it.
  // soundState: the wave engine's state; the tune only starts while Enabled.
  BackgroundMusic(std::unique_ptr<MidiPlayer> player, QString musicFile, std::function<bool()> musicPresent,
                  std::function<SoundState()> soundState);
  ~BackgroundMusic() override;

  // Opens the music file and plays it once from the start, when the set has a
  // tune and sound is Enabled. A tune that cannot be opened or played is
  // reported in an error box; the game goes on without it.
  void StartMusic() override;
  // Stops and closes the player and clears the playing flag; nothing happens
  // when no tune is playing.
  void StopMusic() override;
  bool musicPlaying() const override { return m_playing; }

  // The window that owns the error boxes (the main window).
  void setMessageParent(QWidget* parent) { m_parent = parent; }
  const QString& musicFile() const { return m_file; }

 private:
  void fail(const QString& error);

  std::unique_ptr<MidiPlayer> m_player;
  QString m_file;
  std::function<bool()> m_present;
  std::function<SoundState()> m_state;
  QPointer<QWidget> m_parent;
  bool m_playing = false;
};
