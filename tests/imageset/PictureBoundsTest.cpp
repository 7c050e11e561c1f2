// A BMP header names its own size, and a run-length stream of a few bytes can
// name a picture of gigabytes. Each picture of a set is bounded by what its part
// of the set can use; these tests hand the loaders such pictures.
#include "SetTestSupport.h"
#include "game/SetCommands.h"
#include "imageset/BmpDecode.h"
#include "imageset/FrameCopy.h"

namespace {

const QString kDecodeFailure = QStringLiteral("Unable to read a picture of this set as a BMP file: ");

// 16384 x 8192 pixels (128 Mi) from 64 bytes: a two-colour table and a stream
// that ends the picture at once.
QByteArray pictureBomb() { return runLengthBmp(16384, 8192, QByteArray::fromHex("0001"), 2, 2); }


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
    // Top-down rows too get the bounds' own message, not whatever the decoder would say.
    EXPECT_EQ(why, kDecodeFailure + QStringLiteral("it is larger than 40 x 30 pixels.")) << size.height();
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
    const QString path = write(QStringLiteral("bomb.xet"), buildExtendedSet(p));
    loadImageSet(game, path, true);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(kDecodeFailure)) << prompts.messages[0].text.toStdString();
    EXPECT_TRUE(prompts.messages[0].text.endsWith(QStringLiteral(".\n\n") + path));
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
    expectOneRefusal(QStringLiteral("Error loading images..."));
    expectBuiltinSet();
  }

  // Either file of the bitmap pair: the built-in set, and a message naming the file.
  const QString bomb = write(QStringLiteral("bomb.bmp"), pictureBomb());
  const QString fine = write(QStringLiteral("fine.bmp"), good);
  for (const std::deque<QString>& answers : {std::deque<QString>{bomb, fine}, std::deque<QString>{fine, bomb}}) {
    prompts.messages.clear();
    installPreviousSet();
    prompts.fileAnswers = answers;
    ImageSetCommands(game).loadBitmapPair();
    expectOneRefusal(kDecodeFailure + QStringLiteral("it is larger than 1120 x 7019 pixels."), QStringLiteral("Error"),
                   bomb);
    expectBuiltinSet();
  }
}

TEST_F(SetTest, SixtyFourImageGroupsLoadAndSixtyFiveAreRefused) {
  ExtendedSetParts p;
  p.title = "Crowd";
  p.pict1Bmp = bmpBytes(indexedPicture(559, 64 * 108, qRgb(200, 10, 10)));
  loadImageSet(game, write(QStringLiteral("64.xet"), buildExtendedSet(p)), false);
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  EXPECT_EQ(game.set().groupCount(), 64);

  p.pict1Bmp = bmpBytes(indexedPicture(559, 65 * 108, qRgb(200, 10, 10)));
  const QString path = write(QStringLiteral("65.xet"), buildExtendedSet(p));
  loadImageSet(game, path, false);
  expectOneRefusal(kDecodeFailure + QStringLiteral("it is larger than 1120 x 7019 pixels."), QStringLiteral("Error"),
                 path);
  expectBuiltinSet();
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
