#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

#include "CommandLine.h"
#include "board/BoardAccessible.h"
#include "common/Files.h"
#include "game/GameController.h"
#include "game/MainWindow.h"
#include "sound/MusicFile.h"
#include "ui/AppInfo.h"
#include "ui/AppStyle.h"
#include "ui/Translations.h"

namespace {
int signalPipe[2] = {-1, -1};
bool quitRequested = false;

// Ctrl+C or a polite kill closes the game the normal way, so the set's tune
// and its private folder are removed like at any other exit.
void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

void quitOnSignals(QApplication& app) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
    notifier->setEnabled(false);
    char byte;
    [[maybe_unused]] const auto n = ::read(signalPipe[0], &byte, 1);
    // This may run before the main loop starts (start-up lets pending events
    // through while it loads a set), when quit() alone would be lost.
    quitRequested = true;
    QApplication::closeAllWindows();
    QApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}
}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << decodeFileName(argv[i]);
  const CommandLine commandLine = readCommandLine(arguments);
  if (commandLine.exitCode >= 0) return commandLine.exitCode;
  if (commandLine.makesSet()) {
    // Pictures and sounds only: no window system is needed.
    QCoreApplication app(argc, argv);
    translations::install(app);
    return runMakeSet(commandLine);
  }

  QApplication app(argc, argv);
  translations::install(app);
  boardaccess::install<MainWindow>();
  // The hourglass shows until the built-in set is in place.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::setApplicationName(QLatin1String(kAppName));
  QApplication::setApplicationVersion(QLatin1String(kAppVersion));
  QApplication::setDesktopFileName(QStringLiteral("example.zanthorp.PieVorbQuarn"));  // the launcher's name
  appstyle::apply(app);
  quitOnSignals(app);
  // Tune folders of copies that were killed are of no use to anyone.
  PrivateMusicFolder::removeLeftovers();
  int result = 0;
  {
    GameDeps deps;
    deps.startup = StartupPlace::ofApplication();
    // Qt's own options are not set files.
    deps.startup->arguments = commandLine.setFile.isEmpty() ? QStringList() : QStringList{commandLine.setFile};
    GameController game{deps};
    game.window().show();
    if (!quitRequested) result = app.exec();
  }
  removeBackgroundMusicFolder();
  return result;
}
