#include "game/Game.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <chrono>

#include "board/HolePhases.h"
#include "imageset/FrameCopy.h"
#include "imageset/SharpPictures.h"
#include "imageset/TickModes.h"
#include "ui/AppInfo.h"

double localNowDays() {
  // Days since 30 December 1899 on the local wall clock, with millisecond resolution.
  const QDateTime now = QDateTime::currentDateTime();
  const qint64 localMs = now.toMSecsSinceEpoch() + static_cast<qint64>(now.offsetFromUtc()) * 1000;
  return 25569.0 + static_cast<double>(localMs) / 86400000.0;
}

std::int64_t monotonicMicros() {
  // steady_clock reads CLOCK_MONOTONIC without a system call and never jumps
  // when the wall clock or the time zone changes.
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
constexpr int kCountFrames = 4;          // 3, 2, 1, GO
constexpr int kStepsPerCountFrame = 10;  // and per game second
constexpr int kPopChance = 90;           // a draw in 0..99 above this pops a target
constexpr int kMostBusyHoles = 10;
constexpr int kPointsPerHit = 2;
// A wake this late still counts from when the step was due: a tenth of a step,
// past the timer's whole milliseconds and a busy desktop's delays.
constexpr std::int64_t kLateWakeMicros = kStepMicros / 10;
}  // namespace

Game::Game(WavePlayer& wave, MusicPort& music, Clock clock, RandomSource* random, StepClock stepClock)
    : wave_(wave),
      music_(music),
      clock_(std::move(clock)),
      stepClock_(std::move(stepClock)),
      random_(random ? random : &ownRandom_) {
  // The holes share one blank until a frame is drawn into one of them.
  const QImage blank = blankPicture(kHoleWidth, kHoleHeight);
  board_.holes.fill(blank);
  board_.scoreDigits = blankScorePicture();
  board_.timeDigits = blankTimePicture();
}

// --- putting a set in force ---

void Game::install(LoadedSet&& loaded) {
  // A set replaced during a round ends the round, as its end would.
  setRoundRunning(false);
  state_ = GameState::Idle;
  setAnimate(false);
  replaceTune(loaded.tune);
  replaceCursor(loaded.cursor);
  setPlayfieldCursor(loaded.cursorSlot);
  board_.pageColour = loaded.playfieldColour;
  board_.titleColour = loaded.titleColour;
  static_cast<SetContent&>(set_) = std::move(loaded);
  sharpenSet(set_, pictureDensity_);
  // The title is painted as it is: kept in the drawing format, it is not converted
  // at every paint, and a palette index past a short palette shows black, as in
  // the pictures the game copies.
  set_.title = set_.title.convertToFormat(QImage::Format_RGB32);
  showFreshBoard();
  updateMainCaption();
}

void Game::playStartupSound() {
  wave_.stopWave(WaveChannel::Splat);
  playSound(SoundEffect::Startup, WaveChannel::Main);
}

void Game::installCustomCursor(const std::uint8_t* planes, std::uint8_t hotX, std::uint8_t hotY) {
  cursors_.setSetCursor(cursorFromPlanes(planes, hotX, hotY));
}

// A set dropped during a game replaces the tune under the player: the music stops
// first, or it would play on from a deleted file until the round ends. The old
// tune goes even when the new set has none.
void Game::replaceTune(const QByteArray& tune) {
  if (set_.musicPresent && music_.musicPlaying()) music_.stopMusic();
  set_.musicPresent = false;
  if (set_.musicFile.isEmpty()) return;
  QFile::remove(set_.musicFile);  // may fail; the flag tells what is there
  if (!tune.isEmpty()) {
    QFile file(set_.musicFile);
    // Not being able to write the tune is no reason to refuse the set.
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      // The bytes reach the disk at flush: a full disk shows there, not at write.
      const bool written = file.write(tune) == tune.size() && file.flush();
      file.close();
      if (!written) file.remove();
    }
  }
  set_.musicPresent = QFile::exists(set_.musicFile);
}

// The slot is emptied only while it holds the set's own cursor: the wizard's
// trial cursor there is not the set's to destroy.
void Game::replaceCursor(const std::optional<CustomCursor>& cursor) {
  if (cursors_.holdsSetCursor()) cursors_.clear(kCustomCursorSlot);
  if (cursor) installCustomCursor(cursor->planes.data(), cursor->hotX, cursor->hotY);
}

// A fresh score and time, drawn with the new set's digits, and the idle board.
void Game::showFreshBoard() {
  score_ = 0;
  timeLeft_ = kRoundSeconds;
  board_.scoreDigits = blankScorePicture();
  board_.timeDigits = blankTimePicture();
  view_->boardChanged();
  drawScore();
  drawTime();
  showIdleBoard();
}

void Game::setPlayfieldCursor(int slot) {
  playfieldCursorSlot_ = slot;
  view_->playfieldCursorChanged();
}

void Game::setAnimate(bool enabled) {
  if (stepping_ == enabled) return;
  stepping_ = enabled;
  view_->animateChanged(enabled);
}

void Game::setRoundRunning(bool running) {
  board_.roundRunning = running;
  wave_.keepOutputOpen(running);  // ticks and hits never wait for the output to open
  view_->boardChanged();
}

void Game::updateMainCaption() {
  const QString about = QCoreApplication::translate("Game", "%1, %2, Created by %3")
                            .arg(QLatin1String(kAppName), QLatin1String(kAppVersion), QLatin1String(kAuthorHandle));
  caption_ = set_.setTitle.isEmpty() ? about : set_.setTitle + QStringLiteral("  (") + about + QLatin1Char(')');
  view_->captionChanged();
}

// --- score, time and the idle board ---

void Game::drawScore() {
  drawScoreDigits(board_.scoreDigits, set_, score_);
  board_.score = score_;
  view_->scoreChanged();
}

void Game::drawTime() {
  drawTimeDigits(board_.timeDigits, set_, timeLeft_);
  board_.secondsLeft = timeLeft_;
  view_->timeChanged();
}

void Game::showIdleBoard() {
  if (set_.musicPresent && music_.musicPlaying()) music_.stopMusic();
  // The twelve holes around the start hole share one picture until a game draws in them.
  const QImage startHole = idleStartHole(set_);
  const QImage otherHole = idleOtherHole(set_);
  for (int n = 1; n <= kHoles; ++n) {
    board_.hole(n) = n == kStartHole ? startHole : otherHole;
    view_->holeChanged(n);
  }
}

void Game::copyIntoHole(int hole, const QImage& strip, const Rect& source) {
  copyRect(board_.hole(hole), {0, 0, kHoleWidth, kFrameHeight}, strip, source);
  view_->holeChanged(hole);
}

void Game::resetBoard() {
  busyHoles_ = 0;
  phase_.fill(holephase::kFree);
  score_ = 0;
  timeLeft_ = kRoundSeconds;
  drawScore();
  drawTime();
  countdownStepCounter_ = 0;
  countdownStep_ = 0;
  for (int n = 1; n <= kHoles; ++n) copyIntoHole(n, set_.targetStrip, {0, 0, kHoleWidth, kFrameHeight});
  secondCounter_ = 0;
  copyIntoHole(kStartHole, set_.countStrip, {0, 0, kFrameWidth, kFrameHeight});
}

// --- the play loop ---

void Game::playTick() { playSound(SoundEffect::Tick, WaveChannel::Main); }

void Game::holePressed(int hole) {
  if (hole < 1 || hole > kHoles) return;
  if (state_ == GameState::Idle) {
    if (hole != kStartHole) return;
    resetBoard();
    setAnimate(true);
    state_ = GameState::CountingDown;
    setRoundRunning(true);
    random_->seed(static_cast<std::uint64_t>(clock_() * 86400000.0));
    if (tickMode(set_.header.tickSoundMode).atStartClick) playTick();
    return;
  }
  std::uint8_t& phase = phase_[static_cast<std::size_t>(hole - 1)];
  if (state_ == GameState::Playing && isHittable(phase)) {
    phase = holephase::kHit;
    score_ += kPointsPerHit;
    playSound(SoundEffect::Splat, WaveChannel::Splat);
    drawScore();
  }
}

void Game::stepTimerFired() {
  if (!stepping_) return;
  const std::int64_t now = stepClock_();
  if (now - lastStepTime_ < kStepMicros) return;
  // A wake a little late (the timer counts whole milliseconds, and a busy
  // desktop delays it) counts from when the step was due, so the lateness does
  // not stretch the round; a later one counts from now, so late steps are never
  // caught up in a burst.
  const std::int64_t due = lastStepTime_ + kStepMicros;
  lastStepTime_ = now - due < kLateWakeMicros ? due : now;
  if (state_ == GameState::CountingDown)
    countdownTick();
  else
    playingTick();
}

std::int64_t Game::microsToNextStep() const {
  return std::max<std::int64_t>(0, lastStepTime_ + kStepMicros - stepClock_());
}

void Game::countdownTick() {
  if (++countdownStepCounter_ != kStepsPerCountFrame) return;
  const int s = countdownStep_;
  const bool go = s == kCountFrames - 1;
  const TickMode mode = tickMode(set_.header.tickSoundMode);
  if (go ? mode.intoPlay : mode.atCountdown)
    playTick();
  else if (go && mode.stopsIntoPlay)
    wave_.stopWave(WaveChannel::Main);
  if (go) {
    state_ = GameState::Playing;
    music_.startMusic();
    copyIntoHole(kStartHole, set_.targetStrip, {0, 0, kFrameWidth, kFrameHeight});
  } else {
    countdownStep_ = static_cast<std::uint8_t>(s + 1);
    const int x = kFramePitchX * (s + 1);
    copyIntoHole(kStartHole, set_.countStrip, {x, 0, x + kFrameWidth, kFrameHeight});
  }
  countdownStepCounter_ = 0;
}

void Game::playingTick() {
  if (++secondCounter_ == kStepsPerCountFrame) {
    secondCounter_ = 0;
    --timeLeft_;
    drawTime();
    if (timeLeft_ == 0) {
      endGame();
      return;
    }
    if (tickMode(set_.header.tickSoundMode).eachGameSecond) playTick();
  }
  const int groups = set_.groupCount();  // none: always the first row
  for (int h = 1; h <= kHoles; ++h) {
    std::uint8_t& phase = phase_[static_cast<std::size_t>(h - 1)];
    if (phase == holephase::kFree) {
      // A number is drawn for every free hole, even when no more may pop.
      const int r = random_->below(100);
      if (r > kPopChance && busyHoles_ < kMostBusyHoles) {
        targetRow_[static_cast<std::size_t>(h - 1)] = static_cast<std::uint8_t>(groups > 0 ? random_->below(groups) : 0);
        phase = holephase::kPopped;
        ++busyHoles_;
      }
    }
    if (phase != holephase::kFree) drawPhase(h, phase);
    if (endsLife(phase)) {
      phase = holephase::kFree;
      --busyHoles_;
    }
    if (phase != holephase::kFree) ++phase;
  }
}

// Rising and sinking frames take kRisingFrameWidth of a frame's columns; splat
// frames all of them; the empty hole is the target strip's first frame.
void Game::drawPhase(int hole, int phase) {
  const HolePhase what = kHolePhases[static_cast<std::size_t>(phase)];
  const int top = kFramePitchY * targetRow_[static_cast<std::size_t>(hole - 1)];
  const int x = kFramePitchX * what.frame;
  switch (what.draw) {
    case HoleDraw::Nothing: break;
    case HoleDraw::TargetFrame:
      copyIntoHole(hole, set_.targetStrip, {x, top, x + kRisingFrameWidth, top + kFrameHeight});
      break;
    case HoleDraw::SplatFrame: copyIntoHole(hole, set_.splatStrip, {x, top, x + kHoleWidth, top + kFrameHeight}); break;
    case HoleDraw::EmptyHole: copyIntoHole(hole, set_.targetStrip, {0, 0, kRisingFrameWidth, kFrameHeight}); break;
  }
}

QString Game::gameOverSentence(int finalScore) const {
  return set_.congratulationPrefix + QLatin1Char(' ') + QString::number(finalScore / kPointsPerHit) + QLatin1Char(' ') +
         set_.congratulationSuffix + QString::number(finalScore);
}

void Game::endGame() {
  wave_.stopWave(WaveChannel::Splat);
  playSound(SoundEffect::GameOver, WaveChannel::Main);
  setRoundRunning(false);
  setAnimate(false);
  state_ = GameState::Idle;
  showIdleBoard();
  view_->showGameOver({score_, gameOverSentence(score_), set_.ratingMessages[scoreBand(score_) - 1]});
}

void Game::abortGame() {
  if (!board_.roundRunning) return;
  setRoundRunning(false);
  setAnimate(false);
  resetBoard();
  state_ = GameState::Idle;
  showIdleBoard();
}
