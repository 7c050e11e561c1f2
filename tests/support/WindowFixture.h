#pragma once
// The main window on fakes: a wave device the test drives, a MIDI player that
// plays nothing, scratch folders for the program, the scores and the tune, and
// scripted prompts. Optionally the game plays through a RecordingSound instead.
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

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
  FakeWaveDevice* device = nullptr;  // owned by the window's engine
  SilentMidi* midi = nullptr;        // owned by the window's music
  std::unique_ptr<MainWindow> window;

  struct Options {
    bool recordSound = true;  // the game plays through `sound` rather than the engine
    bool deviceOpens = true;
    QStringList arguments;
    bool show = true;
  };

  WindowFixture() : WindowFixture(Options{}) {}
  explicit WindowFixture(const Options& o) {
    MainWindowDeps deps;
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
    window = std::make_unique<MainWindow>(deps);
    if (o.show) {
      window->show();
      // The start-up set loads once the window is on the screen.
      EXPECT_TRUE(QTest::qWaitFor([this] { return window->startedUp(); }, 5000));
    }
    sound.startup = &game().set().sound(SoundEffect::Startup);
    sound.tick = &game().set().sound(SoundEffect::Tick);
    sound.splat = &game().set().sound(SoundEffect::Splat);
    sound.gameOver = &game().set().sound(SoundEffect::GameOver);
  }
  Game& game() { return window->game(); }
  QTimer* timer(const char* name) { return window->findChild<QTimer*>(QLatin1String(name)); }
  // n step intervals pass, each with its timer event.
  void steps(int n) {
    for (int i = 0; i < n; ++i) {
      micros += kStepMicros;
      game().stepTimerFired();
    }
  }
};
