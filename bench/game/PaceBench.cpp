// How fast a real game runs and what it costs: a whole game in the real main
// window, on whatever display Qt is given (run it under a real X server), with
// the step timer and the step clock doing their job. The
// pace is compared with the floor of 300 steps x 1/846720 day (30.61 s), the
// CPU with an idle window measured in the same run.
#include <sys/resource.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "game/GameController.h"
#include "game/MainWindow.h"
#include "ui/Prompts.h"

namespace {

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The game-over dialog would wait for a player; here it closes at once.
class NoPlayer : public Prompts {
 public:
  void message(QWidget*, const QString&, const QString&, BoxIcon) override {}
  bool confirm(QWidget*, const QString&, const QString&) override { return false; }
  QString chooseFile(QWidget*, const FileDialogRequest&) override { return {}; }
  QColor chooseColour(QWidget*, const QColor&) override { return {}; }
  int runModal(QDialog&) override { return QDialog::Accepted; }
  void popupMenu(QMenu&, const QPoint&) override {}
  void openUrl(const QString&) override {}
};

void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  NoPlayer noPlayer;
  setPrompts(&noPlayer);
  GameController controller{GameDeps{}};
  MainWindow& form = controller.window();
  form.show();
  runFor(500);

  // Baseline: the same window idle, for ten seconds.
  const double idleCpu0 = cpuSeconds();
  QElapsedTimer idleWall;
  idleWall.start();
  runFor(10000);
  const double idleCpu = (cpuSeconds() - idleCpu0) / (idleWall.nsecsElapsed() / 1e9);

  const Game& game = controller.game();
  controller.holePressed(kStartHole);
  QElapsedTimer wall;
  double playStartWall = 0, playStartCpu = 0, playEndWall = 0, playEndCpu = 0;
  int steps = 0;
  wall.start();
  QEventLoop loop;
  QTimer watch;
  watch.setTimerType(Qt::PreciseTimer);
  // Polled faster than the game steps, so the edges are found within a millisecond.
  watch.setInterval(1);
  // A step sets the next one a whole interval away.
  std::int64_t lastDue = 0;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (game.state() == GameState::Playing && playStartWall == 0) {
      playStartWall = wall.nsecsElapsed() / 1e9;
      playStartCpu = cpuSeconds();
    }
    const std::int64_t due = game.microsToNextStep();
    if (game.state() == GameState::Playing && due > lastDue) ++steps;
    lastDue = due;
    if (game.state() == GameState::Idle && playStartWall > 0) {
      playEndWall = wall.nsecsElapsed() / 1e9;
      playEndCpu = cpuSeconds();
      loop.quit();
    }
  });
  watch.start();
  loop.exec();

  const double floor = 300.0 * 86400.0 / 846720.0;
  const double playWall = playEndWall - playStartWall;
  const double playCpu = (playEndCpu - playStartCpu) / playWall;
  std::printf("Playing: %.3f s wall for 300 steps; floor %.3f s; ratio %.4f (1.0 is the floor, never below)\n",
              playWall, floor, playWall / floor);
  std::printf("Per step: %.2f ms against %.2f ms\n", playWall * 1000 / 300, floor * 1000 / 300);
  std::printf("CPU while playing: %.1f%% of a core; idle window: %.1f%%; ratio %.1f\n", playCpu * 100,
              idleCpu * 100, idleCpu > 0 ? playCpu / idleCpu : 0.0);
  std::printf("(the watcher's own 1 ms poll counts in both figures while playing)\n");
  (void)steps;
  setPrompts(nullptr);
  return 0;
}
