#pragma once
// A Game on a hand-driven clock and a scripted random source, with the set's
// sounds named in the call log.
#include <QTemporaryDir>
#include <deque>
#include <functional>

#include "game/Game.h"
#include "imageset/DefaultSet.h"
#include "support/FakeSound.h"

class ScriptedRandom : public RandomSource {
 public:
  void seed(std::uint64_t) override { ++seeds; }
  int below(int n) override {
    ++draws;
    lastBound = n;
    int v = 0;
    if (!queue.empty()) {
      v = queue.front();
      queue.pop_front();
    } else if (fallback) {
      v = fallback(n);
    }
    return v % (n > 0 ? n : 1);
  }
  std::deque<int> queue;            // answers first
  std::function<int(int)> fallback;  // then this (default 0: nobody pops)
  int draws = 0;
  int seeds = 0;
  int lastBound = 0;
};

struct GameFixture {
  QTemporaryDir folder;  // for the set's tune
  RecordingSound sound;
  ScriptedRandom random;
  double now = 45000.0;  // the wall clock, in days
  std::int64_t micros = 0;  // the step clock
  Game game{sound, sound, [this] { return now; }, &random, [this] { return micros; }};

  GameFixture() {
    game.setMusicFile(folder.filePath(QStringLiteral("tune.mid")));
    game.install(builtinSet());
    nameSounds();
    sound.calls.clear();
  }
  void nameSounds() {
    sound.startup = &game.set().sound(SoundEffect::Startup);
    sound.tick = &game.set().sound(SoundEffect::Tick);
    sound.splat = &game.set().sound(SoundEffect::Splat);
    sound.gameOver = &game.set().sound(SoundEffect::GameOver);
  }
  // Lets exactly one step's interval pass and fires the timer once.
  void step() {
    now += kStepDays;
    micros += kStepMicros;
    game.stepTimerFired();
  }
  void steps(int n) {
    for (int i = 0; i < n; ++i) step();
  }
  void startGame() { game.holePressed(kStartHole); }
  // Start, then run the 40 count-down steps: the next step is playing step 1.
  void startAndCountDown() {
    startGame();
    steps(40);
  }
};
