#include <gtest/gtest.h>

#include <QDir>
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

}  // namespace
