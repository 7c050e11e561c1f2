#pragma once
// The game's controller and its board on fakes: a wave device the test drives, a MIDI player that
// plays nothing, scratch folders for the program, the scores and the tune, and
// scripted prompts. Optionally the game plays through a RecordingSound instead.
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "game/GameController.h"
#include "game/MainWindow.h"
#include "sound/MidiPlayer.h"
#include "sound/SoundTestSupport.h"
#include "sound/WaveEngine.h"
#include "support/FakePrompts.h"
#include "support/FakeSound.h"
#include "support/GameFixture.h"
#include "support/ScratchPlaces.h"

class SilentMidi : public MidiPlayer {
 public:
  bool open(const QString& path, QString&) override {
    opened << path;
    return true;
  }
  void play() override { ++plays; }
  void stop() override { ++stops; }
  void close() override {}
  QStringList opened;
  int plays = 0, stops = 0;
};

struct WindowFixture {
  FakePrompts prompts;
  RecordingSound sound;
  ScriptedRandom random;  // by default no target pops
  QTemporaryDir dir;
  double now = 45000.0;
  std::int64_t micros = 0;
  FakeWaveDevice* device = nullptr;  // owned by the controller's engine
  SilentMidi* midi = nullptr;        // owned by the controller's music
  std::unique_ptr<GameController> controller;
  MainWindow* window = nullptr;  // the board, owned by the controller

  struct Options {
    bool recordSound = true;  // the game plays through `sound` rather than the engine
    bool deviceOpens = true;
    QStringList arguments;
    bool show = true;
    QString scoreProgramFolder, scoreUserFolder;  // the scratch folder when empty
  };

  WindowFixture() : WindowFixture(Options{}) {}
  explicit WindowFixture(const Options& o) {
    GameDeps deps;
    deps.makeWaveDevice = [this, o] {
      auto d = std::make_unique<FakeWaveDevice>();
      d->openSucceeds = o.deviceOpens;
      device = d.get();
      return d;
    };
    deps.makeMidiPlayer = [this] {
      auto m = std::make_unique<SilentMidi>();
      midi = m.get();
      return m;
    };
    if (o.recordSound) {
      deps.wave = &sound;
      deps.music = &sound;
    }
    deps.clock = [this] { return now; };
    deps.stepClock = [this] { return micros; };
    deps.random = &random;
    keepFilesIn(deps, QDir(dir.path()), o.arguments, QStringLiteral("~piequa7.mid"));
    if (!o.scoreProgramFolder.isEmpty()) deps.scoreProgramFolder = o.scoreProgramFolder;
    if (!o.scoreUserFolder.isEmpty()) deps.scoreUserFolder = o.scoreUserFolder;
    controller = std::make_unique<GameController>(deps);
    window = &controller->window();
    if (o.show) {
      window->show();
      // The start-up set loads once the window is on the screen.
      EXPECT_TRUE(QTest::qWaitFor([this] { return controller->startedUp(); }, 5000));
    }
    sound.startup = &game().set().sound(SoundEffect::Startup);
    sound.tick = &game().set().sound(SoundEffect::Tick);
    sound.splat = &game().set().sound(SoundEffect::Splat);
    sound.gameOver = &game().set().sound(SoundEffect::GameOver);
  }
  const Game& game() { return controller->game(); }
  QTimer* timer(const char* name) { return controller->findChild<QTimer*>(QLatin1String(name)); }
  // n step intervals pass, each with its timer event.
  void steps(int n) {
    for (int i = 0; i < n; ++i) {
      micros += kStepMicros;
      controller->stepTimerFired();
    }
  }
  // A click in the middle of a hole, as the player makes it.
  void clickHole(int hole) {
    QTest::mouseClick(window, Qt::LeftButton, {}, window->boardLayout().hole(hole).center());
  }
  // A dialog the controller made, once it has been made.
  template <class Dialog>
  Dialog* dialog() {
    return window->findChild<Dialog*>();
  }
};
