#pragma once
// The background tune of the active image set, played once per game from the
// end of the count-down until the game ends.
#include <QByteArray>
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
  void startMusic() override;
  // Stops and closes the player and clears the playing flag; nothing happens
  // when no tune is playing.
  void stopMusic() override;
  bool musicPlaying() const override { return playing_; }

  // Plays `midi` once through the same player, from a file of its own beside the
  // set's tune (which stays untouched). stopMusic ends it; startMusic plays the
  // set's own tune again. False, with the reason in `error`, when it cannot start.
  bool previewTune(const QByteArray& midi, QString& error);
  // Where previewTune writes its tune.
  QString previewFile() const;

  // The window that owns the error boxes (the main window).
  void setMessageParent(QWidget* parent) { parent_ = parent; }
  const QString& musicFile() const { return file_; }

 private:
  void fail(const QString& error);
  // Closes the player; a preview's file goes with it.
  void closePlayer();

  std::unique_ptr<MidiPlayer> player_;
  QString file_;
  std::function<bool()> present_;
  std::function<SoundState()> state_;
  QPointer<QWidget> parent_;
  bool playing_ = false;
  bool previewing_ = false;
};
