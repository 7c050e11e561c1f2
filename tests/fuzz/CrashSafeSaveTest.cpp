// Saves killed at random moments: a child process saves the score board or
// writes a set and is killed (SIGKILL) somewhere between starting and finishing.
// Afterwards the file is byte for byte the old one or the new one, never a mix,
// and whatever the killed save left behind (a lock, a temporary file) does not
// stop the next save.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "SetFileBuilder.h"
#include "scores/ScoreFile.h"
#include "wizard/SetWriter.h"

namespace {

constexpr int kRounds = 100;

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs work in a child process; with a kill delay the child is killed after that
// many microseconds (or has finished by then). True when the child finished and
// reported success.
bool inChild(const std::function<bool()>& work, long killAfterMicroseconds = -1) {
  const pid_t pid = fork();
  if (pid == 0) _exit(work() ? 0 : 1);
  if (pid < 0) return false;
  if (killAfterMicroseconds >= 0) {
    usleep(useconds_t(killAfterMicroseconds));
    kill(pid, SIGKILL);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class KilledSave : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString base = qEnvironmentVariable("PVQ_TEST_TMP");
    if (!base.isEmpty()) QDir().mkpath(base);
    dir = std::make_unique<QTemporaryDir>(base.isEmpty() ? QDir::tempPath() + QStringLiteral("/pvq-XXXXXX")
                                                         : base + QStringLiteral("/crashsafe-XXXXXX"));
    ASSERT_TRUE(dir->isValid());
    const unsigned seed = std::random_device{}();
    random.seed(seed);
    RecordProperty("seed", int(seed));
    std::printf("kill moments drawn with seed %u\n", seed);
  }

  // The median time a child takes for the whole save, in microseconds: kills are
  // drawn from a little beyond it, so some land before, most during and some after.
  long measure(const std::function<void()>& reset, const std::function<bool()>& save) {
    std::vector<long> took;
    for (int i = 0; i < 5; ++i) {
      reset();
      QElapsedTimer timer;
      timer.start();
      EXPECT_TRUE(inChild(save));
      took.push_back(long(timer.nsecsElapsed() / 1000));
    }
    std::sort(took.begin(), took.end());
    return took[took.size() / 2];
  }

  // kRounds saves killed at random moments; each leaves old or new, and the rounds
  // show both (so kills did land before and after the replacement).
  void killRounds(const QString& path, const QByteArray& oldBytes, const QByteArray& newBytes,
                  const std::function<void()>& reset, const std::function<bool()>& save,
                  const std::function<void()>& afterRound = {}) {
    ASSERT_NE(oldBytes, newBytes);
    const long span = measure(reset, save) * 5 / 4 + 1;
    std::uniform_int_distribution<long> moment(0, span);
    int keptOld = 0, gotNew = 0;
    for (int round = 0; round < kRounds; ++round) {
      reset();
      const long at = moment(random);
      inChild(save, at);
      const QByteArray now = contents(path);
      const bool isOld = now == oldBytes, isNew = now == newBytes;
      ASSERT_TRUE(isOld || isNew) << "round " << round << ", killed after " << at << " of " << span
                                  << " us: the file holds " << now.size() << " bytes, old " << oldBytes.size()
                                  << ", new " << newBytes.size();
      keptOld += isOld;
      gotNew += isNew;
      if (afterRound) afterRound();
    }
    std::printf("%d rounds over %ld us: %d kept the old file, %d the new\n", kRounds, span, keptOld, gotNew);
    EXPECT_GT(keptOld, 0);
    EXPECT_GT(gotNew, 0);
  }

  std::unique_ptr<QTemporaryDir> dir;
  std::mt19937 random;
};

QByteArray boardText(int entries) {
  QByteArray text;
  for (int i = 0; i < entries; ++i) {
    const QByteArray e = scoreEntry(100000 - i * 7, "Player " + QByteArray::number(i));
    text += e + lineCheck(e) + "\r\n";
  }
  return text;
}

TEST_F(KilledSave, ScoreBoardIsAlwaysTheOldOrTheNewAndTheNextSaveGoesThrough) {
  const QString folder = dir->path();
  const QString path = ScoreBoard(folder, folder).filePath();
  const QByteArray oldBytes = boardText(400);
  auto reset = [&] { ASSERT_TRUE(writeFile(path, oldBytes)); };
  auto save = [&] { return ScoreBoard(folder, folder).add(QStringLiteral("Newcomer"), 4242); };

  reset();
  ASSERT_TRUE(save());
  const QByteArray newBytes = contents(path);
  ASSERT_TRUE(newBytes.contains("Newcomer"));

  int round = 0;
  killRounds(path, oldBytes, newBytes, reset, save, [&] {
    // Whatever the killed save held must not keep the next one waiting.
    if (++round % 10) return;
    QElapsedTimer timer;
    timer.start();
    ScoreBoard next(folder, folder);
    EXPECT_TRUE(next.add(QStringLiteral("After"), 1)) << next.lastError().toStdString();
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(contents(path).contains("After"));
    // What killed saves left half written goes with the next save.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"piescore.sdf"});
  });
}

struct SilentProgress : WriterProgress {
  void setStatus(const QString&) override {}
  void showProgress(qint64, qint64) override {}
};

// Fails while the writer empties its output before writing the new set; passes
// once the new set replaces the old file in one step.
TEST_F(KilledSave, WrittenSetIsAlwaysTheOldOrTheNew) {
  auto file = [&](const char* name, const QByteArray& bytes) {
    const QString p = dir->filePath(QString::fromLatin1(name));
    EXPECT_TRUE(writeFile(p, bytes));
    return p;
  };
  SetInputs in;
  in.pict1 = file("pict1.bmp", bmpBytes(indexedPicture(224, 108, qRgb(200, 0, 0))));
  in.pict2 = file("pict2.bmp", bmpBytes(truePicture(224, 108, qRgb(0, 0, 200))));
  in.outFile = dir->filePath(QStringLiteral("out.xet"));
  auto write = [&](const QString& name) {
    SetInputs named = in;
    named.name = name;
    SetHeader header{};
    SilentProgress progress;
    return writeExtendedSet(named, header, progress, [] { return std::array<std::uint8_t, kCursorPlanesSize>{}; })
        .valid();
  };
  ASSERT_TRUE(write(QStringLiteral("Old set")));
  const QByteArray oldBytes = contents(in.outFile);
  ASSERT_TRUE(write(QStringLiteral("New set")));
  const QByteArray newBytes = contents(in.outFile);

  killRounds(
      in.outFile, oldBytes, newBytes, [&] { ASSERT_TRUE(writeFile(in.outFile, oldBytes)); },
      [&] { return write(QStringLiteral("New set")); });
}

}  // namespace
