#pragma once
// What every harness needs: an application without a screen, a game whose sound
// goes nowhere, prompts that answer every box, a scratch folder for the files the
// readers open, and a check that stops the run with a reason the log keeps.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "game/Game.h"
#include "game/SetCommands.h"
#include "imageset/BmpDecode.h"
#include "ui/Prompts.h"

// Starts the application once (offscreen unless QT_QPA_PLATFORM says otherwise).
void startFuzzApplication();

// Aborts with the reason when cond is false: libFuzzer saves the input.
void fuzzCheck(bool cond, const char* what);

// A file of the scratch folder (in memory when /dev/shm takes files).
QString scratchPath(const QString& name);
// Replaces the file with bytes; aborts when that fails (a full disk is no finding).
void writeScratch(const QString& path, const QByteArray& bytes);

inline QByteArray fuzzBytes(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Every box is answered: messages are kept, questions get OK, file dialogs are
// cancelled, dialogs close at once. Installed for its lifetime.
class AnsweringPrompts : public Prompts {
 public:
  struct Shown {
    QString text;
    QString caption;
    BoxIcon icon;
  };
  AnsweringPrompts() { setPrompts(this); }
  ~AnsweringPrompts() override { setPrompts(nullptr); }
  void message(QWidget*, const QString& text, const QString& caption, BoxIcon icon) override;
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  QString chooseFile(QWidget*, const FileDialogRequest&) override { return {}; }
  QColor chooseColour(QWidget*, const QColor&) override { return {}; }
  int runModal(QDialog&) override;
  void popupMenu(QMenu&, const QPoint&) override {}
  void openUrl(const QString&) override {}

  QList<Shown> messages;
};

// A game whose sounds and tune go nowhere; the tune file lives in the scratch folder.
struct QuietGame {
  struct Wave : WavePlayer {
    void playWave(const SoundBuffer&, WaveChannel) override {}
    void stopWave(WaveChannel) override {}
    SoundState soundState() const override { return SoundState::Enabled; }
  } wave;
  struct Music : MusicPort {
    void startMusic() override {}
    void stopMusic() override {}
    bool musicPlaying() const override { return false; }
  } music;
  Game game{wave, music, [] { return 45000.0; }};
  // The loading commands' window side: no window, no busy cursor, no about box.
  struct Window : SetCommandsPort {
    QWidget* dialogParent() override { return nullptr; }
    void setBusyCursor(bool) override {}
    void processPendingEvents() override {}
    void showCurrentSetAbout() override {}
  } window;
  explicit QuietGame(const QString& tuneName);
};

// Every picture a reader hands the game is in a game picture format (FrameCopy.h)
// and within the bounds its part of the set allows (the readers' own limits,
// src/imageset/SetReaders.h).
void checkGamePicture(const QImage& picture, const char* role, PictureBounds bounds);
