#include "SetApi.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

#include "game/Game.h"
#include "game/SetCommands.h"
#include "imageset/SetReaders.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/SetWriter.h"

namespace setapi {
namespace {

struct Silent : WriterProgress {
  void setStatus(const QString&) override {}
  void showProgress(qint64, qint64) override {}
};

SetInputs toSetInputs(const Inputs& in) {
  SetInputs s;
  s.outFile = in.outFile;
  s.pict1 = in.pict1;
  s.pict2 = in.pict2;
  s.waves[indexOf(SoundEffect::Startup)] = in.wave;
  s.name = QStringLiteral("Bench");
  return s;
}

struct NoWave : WavePlayer {
  void playWave(const SoundBuffer&, WaveChannel) override {}
  void stopWave(WaveChannel) override {}
  SoundState soundState() const override { return SoundState::Unavailable; }
};
struct NoMusic : MusicPort {
  void startMusic() override {}
  void stopMusic() override {}
  bool musicPlaying() const override { return false; }
};

}  // namespace

bool writeSet(const Inputs& in, bool withProgressWindow, QString* error) {
  const SetInputs s = toSetInputs(in);
  SetHeader header{};
  WriteOutcome outcome;
  if (!withProgressWindow) {
    Silent silent;
    outcome = writeExtendedSet(s, header, silent, {});
  } else {
    QPointer<CreationProgressDialog> progress;
    CreationProgressRelay relay(progress);
    outcome = writeExtendedSet(s, header, relay, {}, [&progress] {
      progress = new CreationProgressDialog;
      progress->show();
      progress->repaint();
    });
    if (progress) progress->finish();
    QApplication::processEvents();
  }
  if (!outcome.valid() && error) *error = writeOutcomeText(outcome);
  return outcome.valid();
}

// The loading command's window side: the benchmark has no window to talk to.
struct NoWindow : SetCommandsPort {
  QWidget* dialogParent() override { return nullptr; }
  void setBusyCursor(bool) override {}
  void processPendingEvents() override {}
  void showCurrentSetAbout() override {}
};

bool loadSet(const QString& path) {
  static NoWave wave;
  static NoMusic music;
  static Game game(wave, music);
  static NoWindow window;
  loadExtendedSet(game, window, path, false);
  return game.set().header.pict1Size > 0 && !game.set().targetStrip.isNull();
}

std::vector<std::pair<qint64, qint64>> pictureSpans(const Inputs& in) {
  // The writer puts the header, then the pictures in this order (misc, numbers,
  // count and title are not used here), then the sounds.
  qint64 at = kMagicSize + kSetHeaderSize;
  std::vector<std::pair<qint64, qint64>> spans;
  for (const QString& p : {in.pict1, in.pict2}) {
    const qint64 n = QFileInfo(p).size();
    spans.emplace_back(at, n);
    at += n;
  }
  return spans;
}

}  // namespace setapi
