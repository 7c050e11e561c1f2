#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// The folder holding the tune is made at start-up and must go at every exit,
// including Ctrl+C in the terminal.
TEST(Program, InterruptClosesTheGameAndRemovesItsTuneFolder) {
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  QProcess game;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  game.setProcessEnvironment(env);
  game.setProgram(QStringLiteral(PVQ_GAME_BINARY));
  game.start();
  ASSERT_TRUE(game.waitForStarted(10000));
  auto folders = [&] {
    return QDir(runtime.path()).entryList({QStringLiteral("pievorbquarn-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return !folders().isEmpty(); }, 20000));
  ::kill(static_cast<pid_t>(game.processId()), SIGINT);
  ASSERT_TRUE(game.waitForFinished(20000));
  EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.exitCode(), 0);
  EXPECT_TRUE(folders().isEmpty());
}

// What a normal run prints: nothing with a sound device, one line of our own
// without one (the sound library's own error lines are kept quiet).
QString stderrOfARun(const QString& audioDriver, const QString& alsaConfig) {
  QTemporaryDir runtime;
  QProcess game;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("SDL_AUDIODRIVER"), audioDriver);
  if (!alsaConfig.isEmpty()) env.insert(QStringLiteral("ALSA_CONFIG_PATH"), alsaConfig);
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  game.setProcessEnvironment(env);
  game.setProgram(QStringLiteral(PVQ_GAME_BINARY));
  game.start();
  if (!game.waitForStarted(10000)) return QStringLiteral("did not start");
  // SDL is loaded when the wave device opens, once the window is up; the open
  // itself, and any line it prints, follow within moments.
  QFile maps(QStringLiteral("/proc/%1/maps").arg(game.processId()));
  const bool sdlLoaded = QTest::qWaitFor(
      [&] {
        maps.close();
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libSDL2");
      },
      20000);
  if (!sdlLoaded) return QStringLiteral("SDL was never loaded");
  QByteArray printed;
  // With a device nothing comes, and the wait runs out.
  static_cast<void>(QTest::qWaitFor([&] { return (printed += game.readAllStandardError()).contains('\n'); }, 1000));
  ::kill(static_cast<pid_t>(game.processId()), SIGINT);
  game.waitForFinished(20000);
  return QString::fromLocal8Bit(printed + game.readAllStandardError());
}

TEST(ProgramConsole, SaysInOneLineThatThereIsNoSoundDeviceAndOtherwiseNothing) {
  EXPECT_EQ(stderrOfARun(QStringLiteral("dummy"), {}), QString());
  const QString noCard = stderrOfARun(QStringLiteral("alsa"), QStringLiteral("/dev/null"));
  EXPECT_EQ(noCard.count(QLatin1Char('\n')), 1) << noCard.toStdString();
  EXPECT_TRUE(noCard.startsWith(QStringLiteral("pievorbquarn: no sound device (ALSA"))) << noCard.toStdString();
  EXPECT_TRUE(noCard.endsWith(QStringLiteral("); playing silently\n"))) << noCard.toStdString();
}

}  // namespace
