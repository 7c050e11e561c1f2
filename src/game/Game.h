#pragma once
// The main window's state and rules without the window: the shared game state,
// the active set, the pictures the window shows, and the play loop. The window
// (MainWindow) only shows these pictures and forwards clicks and timer events, so
// tests can play whole games without a display.
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "imageset/ActiveSet.h"
#include "imageset/CursorTable.h"
#include "imageset/FrameCopy.h"
#include "scores/GameResult.h"
#include "sound/SoundPorts.h"

enum GameState : std::uint8_t { Idle = 0, Playing = 1, CountingDown = 2 };

constexpr int kHoles = 13;
constexpr int kStartHole = 7;
constexpr int kHoleWidth = 111;
constexpr int kHoleHeight = 130;
// One game step at most every 1/846720 of a day (about 102 ms): ten make a game second.
constexpr double kStepDays = 1.0 / 846720.0;
// The same interval in whole microseconds, rounded up so that a step never
// comes sooner than the interval (86400e6 / 846720 = 102040.8).
constexpr std::int64_t kStepMicros = 102041;
static_assert(kStepMicros - 1 < kStepDays * 86400e6 && kStepMicros >= kStepDays * 86400e6);

// What the game tells the window; every hook has a do-nothing default so tests
// implement only what they look at.
class GameView {
 public:
  virtual ~GameView() = default;
  virtual void holeChanged(int /*hole 1..13*/) {}
  virtual void scoreChanged() {}
  virtual void timeChanged() {}
  virtual void setPicturesChanged() {}  // title, word pictures
  virtual void playfieldColourChanged() {}
  virtual void titleColourChanged() {}
  virtual void playfieldCursorChanged() {}
  virtual void captionChanged() {}
  virtual void abortButtonMoved() {}
  virtual void animateChanged(bool /*enabled*/) {}
  // The game-over dialog, shown modally; returns when the player closed it.
  virtual void showGameOver(const GameResult& /*result*/) {}
  virtual void showCurrentSetAbout() {}
  virtual void setBusyCursor(bool /*busy*/) {}
  virtual void processPendingEvents() {}
  virtual QWidget* dialogParent() { return nullptr; }
};

// The local wall clock in days; it seeds the random source.
using Clock = std::function<double()>;
double localNowDays();
// A monotonic clock in microseconds that times the steps. Both are injected so
// tests run games in fast-forward.
using StepClock = std::function<std::int64_t()>;
std::int64_t monotonicMicros();

// Uniform integers, reseeded from the clock at each game start.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void seed(std::uint64_t value) = 0;
  virtual int below(int n) = 0;  // 0 .. n-1
};

class StdRandom final : public RandomSource {
 public:
  void seed(std::uint64_t value) override { engine_.seed(value); }
  int below(int n) override { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937_64 engine_{0x5eed};
};

class Game {
 public:
  Game(WavePlayer& wave, MusicPort& music, Clock clock = localNowDays, RandomSource* random = nullptr,
       StepClock stepClock = monotonicMicros);

  void setView(GameView* view) { view_ = view ? view : &nullView_; }
  GameView& view() { return *view_; }

  // --- shared game state ---
  std::uint8_t state = Idle;
  std::int32_t score = 0;
  std::int32_t timeLeft = 30;
  std::int32_t secondCounter = 0;
  std::array<std::uint8_t, kHoles + 1> phase{};      // 1-based
  std::array<std::uint8_t, kHoles + 1> targetRow{};  // 1-based
  std::uint8_t busyHoles = 0;
  std::uint8_t countdownStepCounter = 0;
  std::uint8_t countdownStep = 0;
  std::int64_t lastStepTime = 0;  // on the step clock; steps come no sooner than kStepMicros apart

  // --- the set in force and the cursors ---
  ActiveSet set;
  CursorTable cursors;

  // --- what the window shows ---
  std::array<QImage, kHoles + 1> holes;  // 1-based, 111 x 130 each
  QImage scorePicture;                   // `Score`, 126 x 49
  QImage timePicture;                    // `Time`, 60 x 49
  std::uint32_t playfieldColour = 0x00FFFFFF;
  std::uint32_t titleColour = 0x000000FF;
  int playfieldCursorSlot = 1;
  QString caption;
  int abortButtonTop = -45;  // the abort button: 1 lit (a game runs), -49 dark
  bool animateEnabled = false;

  // --- window operations the set code uses ---
  void setPlayfieldColour(std::uint32_t colour);
  void setPlayfieldCursor(int slot);
  void setTitleColour(std::uint32_t colour);
  void setAnimate(bool enabled);
  // The abort button lit while a round runs, dark otherwise.
  void setAbortButtonLit(bool lit);
  void updateMainCaption();

  // --- score, time and message graphics ---
  void drawScore();
  void drawTime();
  void showIdleBoard();

  // --- the play loop ---
  void holePressed(int hole);  // any button
  void stepTimerFired();
  // Microseconds until the next step is due (0 when it is due now), so the
  // window can sleep until then instead of polling.
  std::int64_t microsToNextStep() const;
  void resetBoard();
  void abortGame();
  void countdownTick();
  void playingTick();

  WavePlayer& wave() { return wave_; }
  MusicPort& music() { return music_; }
  RandomSource& random() { return *random_; }

  // The game-over texts, built the way the end of a game builds them.
  QString gameOverSentence(int finalScore) const;
  static int scoreBand(int finalScore);  // 1..8

 private:
  void copyIntoHole(int hole, const QImage& strip, const Rect& source, int destWidth);
  // A hole at rest: the set's hole base under the given frame of the count strip.
  QImage idleHolePicture(const Rect& countFrame) const;
  void endGame();

  WavePlayer& wave_;
  MusicPort& music_;
  Clock clock_;
  StepClock stepClock_;
  StdRandom ownRandom_;
  RandomSource* random_;
  GameView nullView_;
  GameView* view_ = &nullView_;
};
