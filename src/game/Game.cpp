#include "game/Game.h"

#include <QDateTime>
#include <algorithm>
#include <chrono>

#include "imageset/FrameCopy.h"
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

Game::Game(WavePlayer& wave, MusicPort& music, Clock clock, RandomSource* random, StepClock stepClock)
    : wave_(wave),
      music_(music),
      clock_(std::move(clock)),
      stepClock_(std::move(stepClock)),
      random_(random ? random : &ownRandom_) {
  // The holes share one blank until a frame is drawn into one of them.
  const QImage blank = blankPicture(kHoleWidth, kHoleHeight);
  for (int n = 1; n <= kHoles; ++n) holes[n] = blank;
  scorePicture = blankPicture(126, 49, 0xFF000000);
  timePicture = blankPicture(60, 49, 0xFF000000);
}

void Game::setPlayfieldColour(std::uint32_t colour) {
  playfieldColour = colour;
  view_->playfieldColourChanged();
}

void Game::setPlayfieldCursor(int slot) {
  playfieldCursorSlot = slot;
  view_->playfieldCursorChanged();
}

void Game::setTitleColour(std::uint32_t colour) {
  titleColour = colour;
  view_->titleColourChanged();
}

void Game::setAnimate(bool enabled) {
  if (animateEnabled == enabled) return;
  animateEnabled = enabled;
  view_->animateChanged(enabled);
}

void Game::setAbortButtonLit(bool lit) {
  abortButtonTop = lit ? 1 : -49;
  view_->abortButtonMoved();
}

void Game::updateMainCaption() {
  const QString about = QStringLiteral("%1, %2, Created by %3")
                            .arg(QLatin1String(kAppName), QLatin1String(kAppVersion), QLatin1String(kAuthorHandle));
  caption = set.setTitle.isEmpty() ? about : set.setTitle + QStringLiteral("  (") + about + QLatin1Char(')');
  view_->captionChanged();
}

namespace {
// Digits of value left-padded with "0" to at least width characters.
QString padded(std::int32_t value, int width) {
  QString text = QString::number(value);
  while (text.size() < width) text.prepend(QLatin1Char('0'));
  return text;
}

void drawDigits(QImage& target, const QImage& digits, const QString& text, int cells) {
  for (int i = 0; i < cells && i < text.size(); ++i) {
    const int d = text.at(i).unicode() - '0';
    copyRect(target, {30 * i, 0, 30 * i + 30, 51}, digits, {30 * d, 0, 30 * d + 30, 51});
  }
}
}  // namespace

void Game::drawScore() {
  drawDigits(scorePicture, set.digitStrip, padded(score, 4), 4);
  view_->scoreChanged();
}

void Game::drawTime() {
  drawDigits(timePicture, set.digitStrip, padded(timeLeft, 2), 2);
  view_->timeChanged();
}

void Game::showIdleBoard() {
  if (set.musicPresent && music_.musicPlaying()) music_.stopMusic();
  const int countHeight = set.countStrip.height();
  // The idle frames are taken 110 columns wide and at the strip's full height. The
  // twelve holes around the start hole share one picture until a game draws in them.
  const QImage startHole = idleHolePicture({448, 0, 558, countHeight});
  const QImage otherHole = idleHolePicture({560, 0, 670, countHeight});
  for (int n = 1; n <= kHoles; ++n) {
    holes[n] = n == kStartHole ? startHole : otherHole;
    view_->holeChanged(n);
  }
}

QImage Game::idleHolePicture(const Rect& countFrame) const {
  QImage hole = blankPicture(kHoleWidth, kHoleHeight);
  copyRect(hole, {0, 107, kHoleWidth, kHoleHeight}, set.holeBase, {0, 0, set.holeBase.width(), set.holeBase.height()});
  copyRect(hole, {0, 0, kHoleWidth, 107}, set.countStrip, countFrame);
  return hole;
}

void Game::copyIntoHole(int hole, const QImage& strip, const Rect& source, int destWidth) {
  copyRect(holes[hole], {0, 0, destWidth, kFrameHeight}, strip, source);
  view_->holeChanged(hole);
}

void Game::resetBoard() {
  busyHoles = 0;
  phase.fill(0);
  score = 0;
  timeLeft = 30;
  drawScore();
  drawTime();
  countdownStepCounter = 0;
  countdownStep = 0;
  for (int n = 1; n <= kHoles; ++n) copyIntoHole(n, set.targetStrip, {0, 0, kHoleWidth, kFrameHeight}, kHoleWidth);
  secondCounter = 0;
  copyIntoHole(kStartHole, set.countStrip, {0, 0, kFrameWidth, kFrameHeight}, kHoleWidth);
}

void Game::holePressed(int hole) {
  if (hole < 1 || hole > kHoles) return;
  if (state == Idle) {
    if (hole != kStartHole) return;
    resetBoard();
    setAnimate(true);
    state = CountingDown;
    setAbortButtonLit(true);
    random_->seed(static_cast<std::uint64_t>(clock_() * 86400000.0));
    const int mode = set.header.tickSoundMode;
    if (mode == 0 || mode == 1 || mode == 3 || mode == 4) wave_.playWave(set.sound(SoundEffect::Tick), WaveChannel::Main);
    return;
  }
  if (state == Playing && phase[hole] >= 1 && phase[hole] <= 9) {
    phase[hole] = 20;
    score += 2;
    wave_.playWave(set.sound(SoundEffect::Splat), WaveChannel::Splat);
    drawScore();
  }
}

void Game::stepTimerFired() {
  if (!animateEnabled) return;
  const std::int64_t now = stepClock_();
  if (now - lastStepTime < kStepMicros) return;
  lastStepTime = now;
  if (state == CountingDown)
    countdownTick();
  else
    playingTick();
}

std::int64_t Game::microsToNextStep() const {
  return std::max<std::int64_t>(0, lastStepTime + kStepMicros - stepClock_());
}

void Game::countdownTick() {
  if (++countdownStepCounter != 10) return;
  const int s = countdownStep;
  const int m = set.header.tickSoundMode;
  if ((m < 2 && s < 3) || (m == 0 && s == 3) || ((m == 2 || m == 5) && s == 3))
    wave_.playWave(set.sound(SoundEffect::Tick), WaveChannel::Main);
  else if (m == 4 && s == 3)
    wave_.stopWave(WaveChannel::Main);
  if (s == 3) {
    state = Playing;
    music_.startMusic();
    copyIntoHole(kStartHole, set.targetStrip, {0, 0, kFrameWidth, kFrameHeight}, kHoleWidth);
  } else {
    countdownStep = static_cast<std::uint8_t>(s + 1);
    const int x = kFramePitchX * (s + 1);
    copyIntoHole(kStartHole, set.countStrip, {x, 0, x + kFrameWidth, kFrameHeight}, kHoleWidth);
  }
  countdownStepCounter = 0;
}

void Game::playingTick() {
  if (++secondCounter == 10) {
    secondCounter = 0;
    --timeLeft;
    drawTime();
    if (timeLeft == 0) {
      endGame();
      return;
    }
    const int m = set.header.tickSoundMode;
    if (m == 0 || m == 2) wave_.playWave(set.sound(SoundEffect::Tick), WaveChannel::Main);
  }
  const int groups = set.groupCount();
  for (int h = 1; h <= kHoles; ++h) {
    if (phase[h] == 0) {
      const int r = random_->below(100);
      if (r > 90 && busyHoles < 10) {
        targetRow[h] = static_cast<std::uint8_t>(groups > 0 ? random_->below(groups) : 0);
        phase[h] = 1;
        ++busyHoles;
      }
    }
    const int p = phase[h];
    if (p != 0) {
      const int top = kFramePitchY * targetRow[h];
      if (p >= 1 && p <= 4) {
        const int x = kFramePitchX * p;
        copyIntoHole(h, set.targetStrip, {x, top, x + 110, top + kFrameHeight}, kHoleWidth);
      } else if (p >= 7 && p <= 11) {
        const int x = kFramePitchX * (11 - p);
        copyIntoHole(h, set.targetStrip, {x, top, x + 110, top + kFrameHeight}, kHoleWidth);
      } else if (p >= 20 && p <= 29) {
        const int x = kFramePitchX * (p - 20);
        copyIntoHole(h, set.splatStrip, {x, top, x + kHoleWidth, top + kFrameHeight}, kHoleWidth);
      } else if (p == 30) {
        copyIntoHole(h, set.targetStrip, {0, 0, 110, kFrameHeight}, kHoleWidth);
      }
    }
    if (phase[h] == 13 || phase[h] > 30) {
      phase[h] = 0;
      --busyHoles;
    }
    if (phase[h] != 0) ++phase[h];
  }
}

int Game::scoreBand(int s) {
  if (s <= 5) return 1;
  if (s <= 20) return 2;
  if (s <= 40) return 3;
  if (s <= 80) return 4;
  if (s <= 130) return 5;
  if (s <= 190) return 6;
  if (s <= 230) return 7;
  return 8;
}

QString Game::gameOverSentence(int finalScore) const {
  return set.congratulationPrefix + QLatin1Char(' ') + QString::number(finalScore / 2) + QLatin1Char(' ') +
         set.congratulationSuffix + QString::number(finalScore);
}

void Game::endGame() {
  wave_.stopWave(WaveChannel::Splat);
  wave_.playWave(set.sound(SoundEffect::GameOver), WaveChannel::Main);
  setAbortButtonLit(false);
  setAnimate(false);
  state = Idle;
  showIdleBoard();
  view_->showGameOver({score, gameOverSentence(score), set.ratingMessages[scoreBand(score) - 1]});
}

void Game::abortGame() {
  if (abortButtonTop == -49) return;
  setAbortButtonLit(false);
  setAnimate(false);
  resetBoard();
  state = Idle;
  showIdleBoard();
}
