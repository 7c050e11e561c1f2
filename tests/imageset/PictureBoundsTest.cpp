// A BMP header names its own size, and a run-length stream of a few bytes can
// name a picture of gigabytes. Each picture of a set is bounded by what its part
// of the set can use; these tests hand the loaders such pictures.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <functional>

#include "SetTestSupport.h"
#include "game/SetCommands.h"
#include "imageset/BmpDecode.h"
#include "imageset/FrameCopy.h"

namespace {

const QString kDecodeFailure = QStringLiteral("Unable to read a picture of this set as a BMP file: ");

// 16384 x 8192 pixels (128 Mi) from 64 bytes: a two-colour table and a stream
// that ends the picture at once.
QByteArray pictureBomb() { return runLengthBmp(16384, 8192, QByteArray::fromHex("0001"), 2, 2); }

// One of the /proc/self/status sizes, in KiB.
long statusKb(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field)) return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
  return -1;
}

// How far the resident memory peaks above where it stood while work runs, in
// KiB. The work runs in a child process so that a runaway allocation cannot take
// the test run down with it; -1 when the child could not tell.
long peakGrowthKb(const std::function<void()>& work) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    long growth = -1;
    const int clearRefs = open("/proc/self/clear_refs", O_WRONLY);
    // "5" sets the peak back to the present resident size.
    if (clearRefs >= 0 && write(clearRefs, "5", 1) == 1) {
      const long before = statusKb("VmRSS:");
      work();
      growth = statusKb("VmHWM:") - before;
    }
    if (write(channel[1], &growth, sizeof growth) != sizeof growth) _exit(1);
    _exit(0);
  }
  close(channel[1]);
  long growth = -1;
  if (child < 0 || read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(channel[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return growth;
}

}  // namespace

TEST(BmpDecode, APictureMayFillItsBoundsButNotExceedThem) {
  const QByteArray end = QByteArray::fromHex("0001");
  const PictureBounds bounds{40, 30};
  QString why;
  const QImage full = decodeBmp(runLengthBmp(40, 30, end, 2), &why, bounds);
  EXPECT_EQ(full.size(), QSize(40, 30)) << why.toStdString();
  for (const QSize size : {QSize(41, 30), QSize(40, 31), QSize(40, -31)}) {
    why.clear();
    EXPECT_TRUE(decodeBmp(runLengthBmp(size.width(), size.height(), end, 2), &why, bounds).isNull()) << size.height();
    EXPECT_TRUE(why.startsWith(kDecodeFailure) && why.endsWith(QLatin1Char('.'))) << why.toStdString();
  }
  // Whole rows of pixels are bounded the same way.
  EXPECT_FALSE(decodeBmp(bmpBytes(truePicture(40, 30, qRgb(1, 2, 3))), nullptr, bounds).isNull());
  EXPECT_TRUE(decodeBmp(bmpBytes(truePicture(41, 30, qRgb(1, 2, 3))), nullptr, bounds).isNull());
  EXPECT_TRUE(decodeBmp(bmpBytes(indexedPicture(40, 31, qRgb(1, 2, 3))), nullptr, bounds).isNull());
}

TEST_F(SetTest, APictureBombInAnyPartOfASetIsRefused) {
  // Each of the six pictures of an extended set in turn.
  QByteArray ExtendedSetParts::*const parts[] = {&ExtendedSetParts::miscBmp,  &ExtendedSetParts::numbersBmp,
                                                 &ExtendedSetParts::countBmp, &ExtendedSetParts::titleBmp,
                                                 &ExtendedSetParts::pict1Bmp, &ExtendedSetParts::pict2Bmp};
  for (auto part : parts) {
    ExtendedSetParts p;
    p.title = "Bomb";
    p.*part = pictureBomb();
    prompts.messages.clear();
    loadImageSet(game, write(QStringLiteral("bomb.xet"), buildExtendedSet(p)), true);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(kDecodeFailure)) << prompts.messages[0].text.toStdString();
    EXPECT_TRUE(prompts.messages[0].text.endsWith(QLatin1Char('.')));
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error"));
    expectBuiltinSet();
  }

  // Either strip of a plain set.
  const QByteArray good = bmpBytes(indexedPicture(559, 108, qRgb(200, 10, 10)));
  for (const bool first : {true, false}) {
    PlainSetParts p;
    p.title = "Bomb";
    p.pict1 = first ? pictureBomb() : good;
    p.pict2 = first ? good : pictureBomb();
    prompts.messages.clear();
    installPreviousSet();
    loadImageSet(game, write(QStringLiteral("bomb.set"), buildPlainSet(p)), true);
    expectOneError(QStringLiteral("Error loading images..."));
    expectBuiltinSet();
  }

  // Either file of the bitmap pair: the built-in set, without a word.
  const QString bomb = write(QStringLiteral("bomb.bmp"), pictureBomb());
  const QString fine = write(QStringLiteral("fine.bmp"), good);
  prompts.messages.clear();
  for (const std::deque<QString>& answers : {std::deque<QString>{bomb, fine}, std::deque<QString>{fine, bomb}}) {
    installPreviousSet();
    prompts.fileAnswers = answers;
    ImageSetCommands(game).loadBitmapPair();
    EXPECT_TRUE(prompts.messages.isEmpty());
    expectBuiltinSet();
  }
}

TEST_F(SetTest, SixPictureBombsInAFewKilobytesAreRefusedWithoutTakingMemory) {
  ExtendedSetParts p;
  p.title = "Bombs";
  for (auto part : {&ExtendedSetParts::miscBmp, &ExtendedSetParts::numbersBmp, &ExtendedSetParts::countBmp,
                    &ExtendedSetParts::titleBmp, &ExtendedSetParts::pict1Bmp, &ExtendedSetParts::pict2Bmp})
    p.*part = pictureBomb();
  const QByteArray extended = buildExtendedSet(p);
  ASSERT_LT(extended.size(), 4000);
  PlainSetParts plain;
  plain.pict1 = pictureBomb();
  plain.pict2 = pictureBomb();
  const QString extendedPath = write(QStringLiteral("bombs.xet"), extended);
  const QString plainPath = write(QStringLiteral("bombs.set"), buildPlainSet(plain));
  const QString bomb = write(QStringLiteral("bomb.bmp"), pictureBomb());

  const long growth = peakGrowthKb([&] {
    loadImageSet(game, extendedPath, false);
    loadImageSet(game, plainPath, false);
    prompts.fileAnswers = {bomb, bomb};
    ImageSetCommands(game).loadBitmapPair();
  });
  RecordProperty("peakGrowthKb", int(growth));
  // One such picture alone would take 128 MiB before it is even converted.
  EXPECT_GE(growth, 0);
  EXPECT_LT(growth, 48 * 1024);

  loadImageSet(game, extendedPath, false);
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].text.startsWith(kDecodeFailure)) << prompts.messages[0].text.toStdString();
  expectBuiltinSet();
}

TEST_F(SetTest, ASetOfTwentyImageGroupsLoadsWhole) {
  const QImage target = indexedPicture(559, 20 * 108, qRgb(200, 10, 10));
  const QImage splat = indexedPicture(1119, 20 * 108, qRgb(10, 200, 10));
  ExtendedSetParts p;
  p.title = "Crowd";
  p.pict1Bmp = bmpBytes(target);
  p.pict2Bmp = bmpBytes(splat);
  loadImageSet(game, write(QStringLiteral("crowd.xet"), buildExtendedSet(p)), false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Crowd"));
  EXPECT_EQ(game.set().groupCount(), 20);
  EXPECT_EQ(game.set().targetStrip, gamePicture(target));
  EXPECT_EQ(game.set().splatStrip, gamePicture(splat));

  PlainSetParts plain;
  plain.title = "Plain crowd";
  plain.pict1 = p.pict1Bmp;
  plain.pict2 = p.pict2Bmp;
  loadImageSet(game, write(QStringLiteral("crowd.set"), buildPlainSet(plain)), false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Plain crowd"));
  EXPECT_EQ(game.set().groupCount(), 20);

  game.install(builtinSet());
  prompts.fileAnswers = {write(QStringLiteral("one.bmp"), p.pict1Bmp), write(QStringLiteral("two.bmp"), p.pict2Bmp)};
  ImageSetCommands(game).loadBitmapPair();
  EXPECT_EQ(game.set().groupCount(), 20);
  EXPECT_EQ(game.set().splatStrip, gamePicture(splat));
}
