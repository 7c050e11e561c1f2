#pragma once
// The game's state and rules without a window: the set in force, the board it
// shows and the play loop. The controller forwards presses and timer events and
// the board widget only paints, so tests can play whole games without a display.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "board/BoardState.h"
#include "imageset/ActiveSet.h"
#include "imageset/CursorTable.h"
#include "imageset/FrameCopy.h"
#include "imageset/LoadedSet.h"
#include "scores/GameResult.h"
#include "sound/SoundPorts.h"

enum class GameState : std::uint8_t { Idle, Playing, CountingDown };

// What the game tells the program around it: which parts of the board changed,
// the cursor and caption, whether steps are wanted, and the end of a round. Every
// hook has a do-nothing default so tests implement only what they look at.
class GameView {
 public:
  virtual ~GameView() = default;
  virtual void holeChanged(int /*hole 1..13*/) {}
  virtual void scoreChanged() {}
  virtual void timeChanged() {}
  virtual void boardChanged() {}  // anything else: colours, set pictures, the abort button
  virtual void playfieldCursorChanged() {}
  virtual void captionChanged() {}
  virtual void animateChanged(bool /*enabled*/) {}
  // The game-over dialog, shown modally; returns when the player closed it.
  virtual void showGameOver(const GameResult& /*result*/) {}
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
  // A set just loaded greets the player: the splat channel goes quiet and the
  // set's start-up sound plays.
  void playStartupSound();
  // Where a set's tune is written while the set is in force; none when empty.
  void setMusicFile(const QString& path) { set_.musicFile = path; }
  // The density of the screen the board is on: above 1 a set is put in force with
  // pictures drawn for it (the game's pixels stay the same).
  void setPictureDensity(qreal density) { pictureDensity_ = density; }

  // --- putting a set in force ---
  // Ends any round (its abort button goes out) and its tune, replaces the set in
  // force by `set` whole (pictures, sounds, texts, colours, cursor), writes the
  // set's tune to the music file (or leaves none) and shows a fresh idle board.
  void install(LoadedSet&& set);
  // Makes the set's own cursor from its planes (AND then XOR, 256 bytes) and hot
  // spot, and puts it in its slot.
  void installCustomCursor(const std::uint8_t* planes256, std::uint8_t hotX, std::uint8_t hotY);

  // --- what the window shows ---
  const BoardState& board() const { return board_; }
  const ActiveSet& set() const { return set_; }
  CursorTable& cursors() { return cursors_; }
  const CursorTable& cursors() const { return cursors_; }
  int playfieldCursorSlot() const { return playfieldCursorSlot_; }
  const QString& caption() const { return caption_; }
  GameState state() const { return state_; }
  std::int32_t score() const { return score_; }
  std::int32_t timeLeft() const { return timeLeft_; }
  // A round is counting down or playing: the abort button is lit and ends it.
  bool roundRunning() const { return board_.roundRunning; }
  // The step timer is wanted.
  bool stepping() const { return stepping_; }

  // --- the play loop ---
  void holePressed(int hole);  // any button
  void stepTimerFired();
  // Microseconds until the next step is due (0 when it is due now), so the
  // step timer can wake then instead of polling.
  std::int64_t microsToNextStep() const;
  void abortGame();

  // The game-over texts, built the way the end of a game builds them.
  QString gameOverSentence(int finalScore) const;

 private:
  void setPlayfieldCursor(int slot);
  void setAnimate(bool enabled);
  void setRoundRunning(bool running);
  void updateMainCaption();
  void drawScore();
  void drawTime();
  void showIdleBoard();
  void resetBoard();
  void countdownTick();
  void playingTick();
  void drawPhase(int hole, int phase);
  void endGame();
  void playTick();
  void copyIntoHole(int hole, const QImage& strip, const Rect& source);
  void playSound(SoundEffect effect, WaveChannel channel) { wave_.playWave(set_.sound(effect), channel); }
  void replaceTune(const QByteArray& tune);
  void replaceCursor(const std::optional<CustomCursor>& cursor);
  void showFreshBoard();

  WavePlayer& wave_;
  MusicPort& music_;
  Clock clock_;
  StepClock stepClock_;
  StdRandom ownRandom_;
  RandomSource* random_;
  GameView nullView_;
  GameView* view_ = &nullView_;

  ActiveSet set_;
  CursorTable cursors_;
  BoardState board_;
  int playfieldCursorSlot_ = kPieCursorSlot;
  QString caption_;
  bool stepping_ = false;

  GameState state_ = GameState::Idle;
  std::int32_t score_ = 0;
  std::int32_t timeLeft_ = kRoundSeconds;
  std::int32_t secondCounter_ = 0;
  std::array<std::uint8_t, kHoles> phase_{};      // hole n at [n - 1]
  std::array<std::uint8_t, kHoles> targetRow_{};  // likewise
  std::uint8_t busyHoles_ = 0;
  std::uint8_t countdownStepCounter_ = 0;
  std::uint8_t countdownStep_ = 0;
  std::int64_t lastStepTime_ = 0;  // when the last step was due, on the step clock; steps are due kStepMicros apart
  qreal pictureDensity_ = 1;
};
