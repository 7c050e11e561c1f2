#include <gtest/gtest.h>

#include <set>

#include <QTimer>

#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "support/GameFixture.h"
#include "support/WindowFixture.h"

namespace {

// Strips whose frames are flat colours, so a hole's middle pixel says which
// frame of which strip and row it shows.
QRgb frameColour(int strip, int row, int frame) { return qRgb(10 + frame * 20, 10 + row * 50, strip); }
QImage flatStrip(int strip, int frames, int rows, int height) {
  QImage img = blankPicture(112 * frames - 1, height, qRgb(255, 0, 255));
  for (int r = 0; r < rows; ++r)
    for (int k = 0; k < frames; ++k)
      for (int y = 108 * r; y < 108 * r + 107 && y < height; ++y)
        for (int x = 112 * k; x < 112 * k + 111; ++x) img.setPixel(x, y, frameColour(strip, r, k));
  return img;
}
constexpr int kTarget = 1, kSplat = 2, kCount = 3;

// A strip whose every pixel names its own column and row, so a hole tells which
// cells of a strip were copied into it.
QImage codedStrip(int width, int height) {
  QImage img = blankPicture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) img.setPixel(x, y, qRgb(y >> 3, ((y & 7) << 5) | (x >> 8), x & 0xFF));
  return img;
}
struct Cells {
  std::set<int> columns, rows;
};
// The strip cells a hole's frame area (its top 107 rows) shows.
Cells shownCells(const QImage& hole) {
  Cells cells;
  for (int y = 0; y < 107; ++y) {
    for (int x = 0; x < hole.width(); ++x) {
      const QRgb c = hole.pixel(x, y);
      cells.columns.insert(((qGreen(c) & 31) << 8) | qBlue(c));
      cells.rows.insert((qRed(c) << 3) | (qGreen(c) >> 5));
    }
  }
  return cells;
}
std::set<int> span(int from, int to) {
  std::set<int> values;
  for (int v = from; v < to; ++v) values.insert(v);
  return values;
}

// The built-in set with flat strips of `groups` image groups, its sounds and the
// tick mode; `adjust` changes anything else before it is installed.
struct PlayFixture : GameFixture {
  explicit PlayFixture(int groups = 1, int tickMode = 0, const std::function<void(LoadedSet&)>& adjust = {}) {
    LoadedSet set = builtinSet();
    set.targetStrip = flatStrip(kTarget, 5, groups, 108 * groups);
    set.splatStrip = flatStrip(kSplat, 9, groups, 108 * groups);
    set.countStrip = flatStrip(kCount, 6, 1, 107);
    for (SoundEffect effect : {SoundEffect::Tick, SoundEffect::Splat, SoundEffect::GameOver})
      set.sound(effect).data.assign(10, 200);
    set.header.tickSoundMode = static_cast<std::uint8_t>(tickMode);
    if (adjust) adjust(set);
    game.install(std::move(set));
    nameSounds();
    sound.calls.clear();
  }
  QRgb shows(int hole) const { return game.board().hole(hole).pixel(55, 53); }
  // Whether the last timer event took a step: the next is then a whole interval away.
  bool stepTaken() const { return game.microsToNextStep() == kStepMicros; }
};

TEST(PlayLoop, OnlyTheStartHoleStartsAGame) {
  PlayFixture f;
  f.game.holePressed(3);
  EXPECT_EQ(f.game.state(), GameState::Idle);
  EXPECT_FALSE(f.game.stepping());
  EXPECT_TRUE(f.sound.calls.isEmpty());

  f.startGame();
  EXPECT_EQ(f.game.state(), GameState::CountingDown);
  EXPECT_TRUE(f.game.stepping());
  EXPECT_TRUE(f.game.roundRunning());
  EXPECT_EQ(f.random.seeds, 1);
  EXPECT_EQ(f.game.score(), 0);
  EXPECT_EQ(f.game.timeLeft(), 30);
  EXPECT_EQ(f.shows(7), frameColour(kCount, 0, 0));  // the picture 3
  for (int h = 1; h <= kHoles; ++h)
    if (h != 7) { EXPECT_EQ(f.shows(h), frameColour(kTarget, 0, 0)) << h; }
  EXPECT_EQ(f.sound.calls, QStringList{"Play tick 0"});
}

TEST(PlayLoop, CountDownShowsThreeTwoOneGoForTenStepsEachAndIgnoresClicks) {
  PlayFixture f;
  f.startGame();
  for (int picture = 0; picture < 4; ++picture) {
    for (int s = 0; s < 10; ++s) {
      EXPECT_EQ(f.shows(7), frameColour(kCount, 0, picture)) << picture << " " << s;
      for (int h = 1; h <= kHoles; ++h) f.game.holePressed(h);
      EXPECT_EQ(f.game.state(), GameState::CountingDown);
      f.step();
    }
  }
  // The fortieth step starts play with an empty start hole and the tune.
  EXPECT_EQ(f.game.state(), GameState::Playing);
  EXPECT_EQ(f.shows(7), frameColour(kTarget, 0, 0));
  EXPECT_TRUE(f.sound.calls.contains("StartMusic"));
  EXPECT_EQ(f.random.draws, 0);
}

TEST(PlayLoop, StepsFollowTheClockNotTheTimer) {
  PlayFixture f;
  f.startGame();
  f.step();
  // Timer events closer together than a step take no step.
  for (int i = 0; i < 100; ++i) {
    f.micros += kStepMicros / 200;
    f.game.stepTimerFired();
    ASSERT_FALSE(f.stepTaken()) << i;
  }
  f.micros += kStepMicros - 100 * (kStepMicros / 200);
  f.game.stepTimerFired();
  EXPECT_TRUE(f.stepTaken());
}

TEST(PlayLoop, AWholeGameIsThreeHundredPlayingSteps) {
  PlayFixture f;
  QStringList overs;
  struct View : GameView {
    QStringList* out;
    void showGameOver(const GameResult& r) override { *out << r.sentence << r.rating; }
  } view;
  view.out = &overs;
  f.game.setView(&view);
  f.random.fallback = [](int n) { return n - 1; };  // every free hole pops
  f.startAndCountDown();
  int mostTargets = 0;
  std::vector<int> drawsPerStep;
  for (int step = 1; step <= 300; ++step) {
    const int before = f.random.draws;
    f.step();
    drawsPerStep.push_back(f.random.draws - before);
    int targets = 0;
    for (int h = 1; h <= kHoles; ++h) targets += f.shows(h) != frameColour(kTarget, 0, 0);
    if (f.game.state() == GameState::Playing) mostTargets = std::max(mostTargets, targets);
    if (step == 9) { EXPECT_EQ(f.game.timeLeft(), 30); }
    if (step == 10) { EXPECT_EQ(f.game.timeLeft(), 29); }
    if (step < 300) { ASSERT_EQ(f.game.state(), GameState::Playing) << step; }
  }
  EXPECT_EQ(mostTargets, 10);
  for (int step = 1; step < 300; ++step) EXPECT_GT(drawsPerStep[step - 1], 0) << step;
  EXPECT_EQ(drawsPerStep[299], 0);  // the last step ends the game before the holes
  EXPECT_EQ(f.game.state(), GameState::Idle);
  EXPECT_FALSE(f.game.stepping());
  EXPECT_EQ(f.game.timeLeft(), 0);
  EXPECT_FALSE(f.game.roundRunning());
  EXPECT_EQ(overs.size(), 2);
  // Further timer events do nothing.
  f.steps(5);
  EXPECT_EQ(overs.size(), 2);
  // The idle board is back: click-here in 7, Game Over elsewhere.
  EXPECT_EQ(f.shows(7), frameColour(kCount, 0, 4));
  EXPECT_EQ(f.shows(1), frameColour(kCount, 0, 5));
  // The time display shows 00 with the default digits.
  QImage zero = blankPicture(30, 49, 0xFF000000);
  copyRect(zero, {0, 0, 30, 51}, f.game.set().digitStrip, {0, 0, 30, 51});
  EXPECT_EQ(f.game.board().timeDigits.copy(0, 0, 30, 49), zero);
  EXPECT_EQ(f.game.board().timeDigits.copy(30, 0, 30, 49), zero);
}

TEST(PlayLoop, AnUnhitTargetRisesStandsAndSinks) {
  PlayFixture f(2);
  f.startAndCountDown();
  // Hole 1 pops on the first playing step with group 1; nobody else pops.
  f.random.queue = {99, 1};
  int redraws = 0;
  struct View : GameView {
    int* count;
    void holeChanged(int h) override { *count += h == 1; }
  } view;
  view.count = &redraws;
  f.game.setView(&view);
  const QList<int> frames = {1, 2, 3, 4, 4, 4, 4, 3, 2, 1};
  for (int i = 0; i < frames.size(); ++i) {
    redraws = 0;
    f.step();
    EXPECT_EQ(f.shows(1), frameColour(kTarget, 1, frames[i])) << "step " << i + 1;
    const bool drawn = !(i == 4 || i == 5);  // phases 5 and 6 leave frame 4 alone
    EXPECT_EQ(redraws, drawn ? 1 : 0) << "step " << i + 1;
  }
  f.step();  // phase 11: the empty hole of the same group
  EXPECT_EQ(f.shows(1), frameColour(kTarget, 1, 0));
  const int drawsBefore = f.random.draws;
  f.step();  // phase 12
  f.step();  // phase 13: free again after this step
  // While busy, hole 1 drew no random number; the other twelve did.
  EXPECT_EQ(f.random.draws - drawsBefore, 2 * 12);
  f.random.queue = {99, 0};
  f.step();  // the fourteenth step after the pop can pop again
  EXPECT_EQ(f.shows(1), frameColour(kTarget, 0, 1));
}

TEST(PlayLoop, ATargetPopsOnlyOnADrawAboveNinety) {
  PlayFixture f;
  f.startAndCountDown();
  f.random.queue = {90};
  f.step();
  EXPECT_EQ(f.shows(1), frameColour(kTarget, 0, 0));
  f.random.queue = {91};
  f.step();
  EXPECT_EQ(f.shows(1), frameColour(kTarget, 0, 1));
  const int drawsBefore = f.random.draws;
  f.step();
  EXPECT_EQ(f.random.draws - drawsBefore, 12) << "hole 1 is busy";
}

TEST(PlayLoop, EachPhaseCopiesItsFrameOfTheStrips) {
  PlayFixture f(2, 0, [](LoadedSet& set) {
    set.targetStrip = codedStrip(559, 216);
    set.splatStrip = codedStrip(1119, 216);  // ten frames
  });
  f.startGame();
  // The empty hole at the start is the target strip's first frame, 111 columns.
  EXPECT_EQ(shownCells(f.game.board().hole(1)).columns, span(0, 111));
  EXPECT_EQ(shownCells(f.game.board().hole(1)).rows, span(0, 107));
  f.steps(40);

  // An unhit target of group 1: rising and sinking frames take 110 of a frame's
  // 111 columns, stretched over the hole; phases 5 and 6 draw nothing.
  f.random.queue = {99, 1};
  const int frames[] = {1, 2, 3, 4, -1, -1, 4, 3, 2, 1, 0};
  for (int step = 0; step < 11; ++step) {
    f.step();
    if (frames[step] < 0) continue;
    const Cells shown = shownCells(f.game.board().hole(1));
    EXPECT_EQ(shown.columns, span(112 * frames[step], 112 * frames[step] + 110)) << "step " << step + 1;
    EXPECT_EQ(shown.rows, span(108, 215)) << "step " << step + 1;
  }
  f.steps(3);  // free again

  // A hit target of group 1: ten splat frames of 111 columns, then the empty
  // hole of group 0, 110 columns.
  f.random.queue = {99, 1};
  f.step();
  f.game.holePressed(1);
  ASSERT_EQ(f.game.score(), 2);
  for (int k = 0; k < 10; ++k) {
    f.step();
    const Cells shown = shownCells(f.game.board().hole(1));
    EXPECT_EQ(shown.columns, span(112 * k, 112 * k + 111)) << "splat frame " << k;
    EXPECT_EQ(shown.rows, span(108, 215)) << "splat frame " << k;
  }
  f.step();
  EXPECT_EQ(shownCells(f.game.board().hole(1)).columns, span(0, 110));
  EXPECT_EQ(shownCells(f.game.board().hole(1)).rows, span(0, 107));
}

TEST(PlayLoop, AStripWithoutACompleteGroupAlwaysUsesRowZero) {
  PlayFixture f(1, 0, [](LoadedSet& set) { set.targetStrip = flatStrip(kTarget, 5, 1, 107); });
  ASSERT_EQ(f.game.set().groupCount(), 0);
  f.startAndCountDown();
  f.random.queue = {99};
  f.step();
  // One number for hole 1 (it popped) and one for each other hole: no row was drawn.
  EXPECT_EQ(f.random.draws, 13);
  EXPECT_EQ(f.random.lastBound, 100);
  EXPECT_EQ(f.shows(1), frameColour(kTarget, 0, 1));

  PlayFixture two(2);
  two.startAndCountDown();
  two.random.queue = {99, 1};
  two.step();
  EXPECT_EQ(two.random.draws, 14);
  EXPECT_EQ(two.shows(1), frameColour(kTarget, 1, 1));
}

TEST(PlayLoop, HitsScoreOnPhasesOneToNineWithTenSplatFrames) {
  PlayFixture f;
  f.startAndCountDown();
  f.random.queue = {99};
  f.steps(9);  // frames 1,2,3,4,4,4,4,3,2: phase is now 10
  f.game.holePressed(1);
  EXPECT_EQ(f.game.score(), 0);  // the second sinking frame is out of reach

  PlayFixture g;
  g.startAndCountDown();
  g.random.queue = {99};
  g.steps(8);  // phase 9: the first sinking frame after standing
  g.sound.calls.clear();
  g.game.holePressed(1);
  EXPECT_EQ(g.game.score(), 2);
  EXPECT_EQ(g.sound.calls, QStringList{"Play splat 1"});
  g.game.holePressed(1);  // splatting: nothing more
  EXPECT_EQ(g.game.score(), 2);
  for (int k = 0; k < 10; ++k) {
    g.step();
    // The built-in-sized strip has nine frames; the tenth leaves the picture alone.
    EXPECT_EQ(g.shows(1), k < 9 ? frameColour(kSplat, 0, k) : frameColour(kSplat, 0, 8)) << k;
  }
  g.step();  // phase 30: the empty hole
  EXPECT_EQ(g.shows(1), frameColour(kTarget, 0, 0));
  int drawsBefore = g.random.draws;
  g.step();  // phase 31: still busy, freed after this step
  EXPECT_EQ(g.random.draws - drawsBefore, 12);
  drawsBefore = g.random.draws;
  g.step();
  EXPECT_EQ(g.random.draws - drawsBefore, 13);
  // A score digit changed in the display.
  QImage two = blankPicture(30, 49, 0xFF000000);
  copyRect(two, {0, 0, 30, 51}, g.game.set().digitStrip, {60, 0, 90, 51});
  EXPECT_EQ(g.game.board().scoreDigits.copy(90, 0, 30, 49), two);
}

TEST(PlayLoop, GameOverSentenceAndBands) {
  PlayFixture f;
  const std::pair<int, int> bands[] = {{0, 1},  {5, 1},   {6, 2},   {20, 2},  {21, 3}, {40, 3},
                                       {41, 4}, {130, 5}, {131, 6}, {230, 7}, {231, 8}};
  for (const auto& [score, band] : bands) EXPECT_EQ(scoreBand(score), band) << score;
  EXPECT_EQ(f.game.gameOverSentence(24),
            QStringLiteral("Congratulations, in 30 seconds you managed to throw 12 pies at Vorb Quarn.  "
                           "Did you enjoy it?  Your Score Is:24"));
  EXPECT_EQ(f.game.gameOverSentence(0),
            QStringLiteral("Congratulations, in 30 seconds you managed to throw 0 pies at Vorb Quarn.  "
                           "Did you enjoy it?  Your Score Is:0"));
}

TEST(PlayLoop, EndOfGameOrderAndRating) {
  PlayFixture f;
  QStringList seen;
  struct View : GameView {
    QStringList* out;
    Game* g;
    RecordingSound* s;
    void showGameOver(const GameResult& result) override {
      *out = s->calls;
      *out << result.sentence << result.rating << QString::number(g->state() == GameState::Idle)
           << QString::number(g->roundRunning()) << QString::number(g->stepping())
           << QString::number(g->board().hole(kStartHole).pixel(55, 53))
           << QString::number(result.score);
    }
  } view;
  view.out = &seen;
  view.g = &f.game;
  view.s = &f.sound;
  f.game.setView(&view);
  f.random.queue = {};
  f.startAndCountDown();
  f.random.queue = {99};
  f.steps(3);
  f.game.holePressed(1);
  f.steps(297);
  // Sounds first, then (when the dialog opens) an idle, stopped board.
  ASSERT_GE(seen.size(), 9);
  const int n = seen.size() - 1;
  EXPECT_EQ(seen[n - 8], "Stop 1");
  EXPECT_EQ(seen[n - 7], "Play gameover 0");
  EXPECT_TRUE(seen[n - 6].endsWith("throw 1 pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:2"));
  EXPECT_EQ(seen[n - 5], "Hey, you're not very good at this are you...");
  EXPECT_EQ(seen[n - 4], "1") << "idle";
  EXPECT_EQ(seen[n - 3], "0") << "abort button dark";
  EXPECT_EQ(seen[n - 2], "0") << "no more steps";
  EXPECT_EQ(seen[n - 1], QString::number(frameColour(kCount, 0, 4)));
  EXPECT_EQ(seen[n], "2") << "the score offered to the high-score table";
}

// Tick calls for a tick mode through a whole game, with the music and the end left out.
QStringList ticksFor(int mode) {
  PlayFixture f(1, mode);
  f.startAndCountDown();
  QStringList countdown = f.sound.calls;
  countdown.removeAll("StartMusic");
  f.sound.calls.clear();
  f.steps(299);
  QStringList play = f.sound.calls;
  f.sound.calls.clear();
  f.step();
  return QStringList{countdown.join(","), QString::number(play.count("Play tick 0")), play.filter("Stop").join(","),
                     f.sound.calls.filter("tick").join(",")};
}

TEST(PlayLoop, TickSoundModes) {
  // Start click + pictures 2,1,GO | step into play ; seconds 29..1 ; stops ; at the end.
  EXPECT_EQ(ticksFor(0), (QStringList{"Play tick 0,Play tick 0,Play tick 0,Play tick 0,Play tick 0", "29", "", ""}));
  EXPECT_EQ(ticksFor(1), (QStringList{"Play tick 0,Play tick 0,Play tick 0,Play tick 0", "0", "", ""}));
  EXPECT_EQ(ticksFor(2), (QStringList{"Play tick 0", "29", "", ""}));
  EXPECT_EQ(ticksFor(3), (QStringList{"Play tick 0", "0", "", ""}));
  EXPECT_EQ(ticksFor(4), (QStringList{"Play tick 0,Stop 0", "0", "", ""}));
  EXPECT_EQ(ticksFor(5), (QStringList{"Play tick 0", "0", "", ""}));
  EXPECT_EQ(ticksFor(6), (QStringList{"", "0", "", ""}));
}

TEST(PlayLoop, TickModesDifferInWhereTheTickFalls) {
  // Mode 2 ticks only on the step into play, mode 3 only on the start click.
  PlayFixture two(1, 2);
  two.startGame();
  EXPECT_TRUE(two.sound.calls.isEmpty());
  two.steps(40);
  EXPECT_EQ(two.sound.calls, (QStringList{"Play tick 0", "StartMusic"}));
  PlayFixture three(1, 3);
  three.startGame();
  EXPECT_EQ(three.sound.calls, QStringList{"Play tick 0"});
}

TEST(PlayLoop, AbortReturnsToIdleWithoutADialog) {
  PlayFixture f(1, 0, [](LoadedSet& set) { set.tune = QByteArray("MThd tune"); });
  int dialogs = 0;
  struct View : GameView {
    int* n;
    void showGameOver(const GameResult&) override { ++*n; }
  } view;
  view.n = &dialogs;
  f.game.setView(&view);
  // Before the first game the abort button changes nothing.
  const QImage idle7 = f.game.board().hole(kStartHole);
  f.game.abortGame();
  EXPECT_EQ(f.game.board().hole(kStartHole), idle7);
  EXPECT_EQ(f.game.state(), GameState::Idle);

  f.startGame();
  f.steps(15);
  f.game.abortGame();
  EXPECT_EQ(f.game.state(), GameState::Idle);
  EXPECT_FALSE(f.game.stepping());
  EXPECT_FALSE(f.game.roundRunning());
  EXPECT_EQ(f.shows(7), frameColour(kCount, 0, 4));

  f.startAndCountDown();
  f.random.queue = {99};
  f.steps(3);
  f.game.holePressed(1);
  ASSERT_EQ(f.game.score(), 2);
  f.sound.calls.clear();
  f.game.abortGame();
  EXPECT_EQ(f.game.score(), 0);
  EXPECT_EQ(f.game.timeLeft(), 30);
  EXPECT_EQ(f.game.state(), GameState::Idle);
  EXPECT_FALSE(f.sound.calls.contains("Stop 0"));  // sounds play on
  EXPECT_TRUE(f.sound.calls.contains("StopMusic"));
  const int calls = f.sound.calls.size();
  f.game.abortGame();  // a second abort does nothing
  EXPECT_EQ(f.sound.calls.size(), calls);
  EXPECT_EQ(dialogs, 0);
}

TEST(PlayLoop, WallClockJumpsNeitherEndTheGameNorAddSteps) {
  PlayFixture f;
  f.startAndCountDown();
  f.steps(100);
  EXPECT_EQ(f.game.timeLeft(), 20);
  f.now -= 1.0 / 24;  // one hour back
  f.game.stepTimerFired();
  f.now += 2.0 / 24;  // and two forward
  f.game.stepTimerFired();
  EXPECT_EQ(f.game.timeLeft(), 20);
  int steps = 0;
  while (f.game.state() == GameState::Playing && steps < 1000) {
    f.step();
    ++steps;
  }
  EXPECT_EQ(steps, 200);
}

// --- step timing: the step clock, the interval's two sides, the window's timer ---

TEST(StepTiming, AStepNeedsAtLeastOneEightHundredFortySixThousandSevenHundredTwentiethOfADay) {
  // 86400e6 us / 846720 = 102040.8 us: 102040 is too soon, 102041 is enough.
  PlayFixture f;
  f.startGame();
  f.micros = 5'000'000;
  f.game.stepTimerFired();  // the first step comes at once
  ASSERT_TRUE(f.stepTaken());
  for (int i = 2; i <= 4; ++i) {
    const std::int64_t last = f.micros;
    f.micros = last + 102040;
    f.game.stepTimerFired();
    EXPECT_FALSE(f.stepTaken()) << "a step came at 102040 us";
    f.micros = last + 102041;
    f.game.stepTimerFired();
    EXPECT_TRUE(f.stepTaken()) << "no step at 102041 us";
  }
}

TEST(StepTiming, TheIntervalRunsFromTheStepActuallyTakenAndTheWallClockDoesNotCount) {
  PlayFixture f;
  f.startGame();
  f.micros = 1'000'000;
  f.game.stepTimerFired();
  EXPECT_EQ(f.game.microsToNextStep(), 102041);
  f.micros += 2'000;
  EXPECT_EQ(f.game.microsToNextStep(), 100041);
  f.now += 1.0;  // a day on the wall clock moves no step
  f.game.stepTimerFired();
  EXPECT_EQ(f.game.microsToNextStep(), 100041);
  // A step taken late counts from when it was taken: the one after still
  // waits a whole interval, so late steps are never caught up in a burst.
  f.micros += 150'000;
  EXPECT_EQ(f.game.microsToNextStep(), 0);
  f.game.stepTimerFired();
  EXPECT_TRUE(f.stepTaken());
  f.micros += 1;
  f.game.stepTimerFired();
  EXPECT_EQ(f.game.microsToNextStep(), 102040) << "one step, not a burst";
}

TEST(StepTiming, TheWindowWakesOncePerStepAtTheDueMillisecond) {
  WindowFixture f;
  Game& g = f.game();
  QTimer* timer = f.timer("stepTimer");
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  EXPECT_FALSE(timer->isActive());
  f.micros = 10'000'000;
  g.holePressed(kStartHole);
  // Long after any step, the first is due at once.
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->remainingTime(), 0);
  f.window->stepTimerFired();
  EXPECT_EQ(g.microsToNextStep(), kStepMicros);
  // Set for the last whole millisecond before the next step, not every millisecond.
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 102);
  // A wake before the step is due takes no step and waits for the rest.
  f.micros += 60'000;
  f.window->stepTimerFired();
  EXPECT_EQ(timer->interval(), 42);
  f.micros += 42'041;
  f.window->stepTimerFired();
  EXPECT_EQ(g.microsToNextStep(), kStepMicros);
  g.abortGame();
  EXPECT_FALSE(timer->isActive());
}

}  // namespace
