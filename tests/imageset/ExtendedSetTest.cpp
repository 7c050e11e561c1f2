#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include "SetTestSupport.h"
#include "imageset/FrameCopy.h"
#include "game/SetCommands.h"
#include "imageset/SetReaders.h"

namespace {

// A picture with a different colour in each 108-row group and each frame column band.
QImage banded(int width, int height, QImage::Format format) {
  QImage picture(width, height, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int g = 0; g * 108 < height; ++g)
    painter.fillRect(0, g * 108, width, 108, g % 2 ? QColor(0, 0, 255) : QColor(255, 0, 0));
  painter.end();
  return format == QImage::Format_Indexed8 ? picture.convertToFormat(QImage::Format_Indexed8) : picture;
}

}  // namespace

TEST_F(SetTest, SmallestAcceptedFileIs3441BytesAnd3423IsRefused) {
  ExtendedSetParts p;
  p.absentSize = 0;
  p.title = "Tiny";
  p.cursorIndex = 3;
  const QByteArray exact = buildExtendedSet(p);
  ASSERT_EQ(exact.size(), 3423);

  installPreviousSet();
  loadExtendedSet(game, write("short.xet", exact), true);
  expectOneRefusal(kTooSmall);
  expectPreviousSet();

  prompts.messages.clear();
  p.tail = QByteArray(18, 'x');
  loadExtendedSet(game, write("tiny.xet", buildExtendedSet(p)), false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Tiny"));
  EXPECT_TRUE(game.caption().startsWith(QStringLiteral("Tiny  (Pie Vorb Quarn, 3.40")));
  EXPECT_EQ(game.playfieldCursorSlot(), 3);
  EXPECT_EQ(game.set().targetStrip, reference.set().targetStrip);
  EXPECT_EQ(wave.log, (QStringList{"stop 1", "play 0"}));
  EXPECT_EQ(wave.played, &game.set().sound(SoundEffect::Startup));
  EXPECT_EQ(view.aboutShown, 0);
  EXPECT_GE(view.busyShown, 1);
  EXPECT_GE(view.eventRounds, 1);
  EXPECT_FALSE(view.busy);
}

TEST_F(SetTest, EverySizeFieldMinusOneKeepsDefaultsButOwnTextsColoursAndChoices) {
  const QByteArray file = buildExtendedSet(textsOnlyParts());
  loadExtendedSet(game, write("texts.xet", file + QByteArray(18, '\0')), true);

  EXPECT_TRUE(prompts.messages.isEmpty());
  const ActiveSet& s = game.set();
  const ActiveSet& r = reference.set();
  EXPECT_EQ(s.targetStrip, r.targetStrip);
  EXPECT_EQ(s.splatStrip, r.splatStrip);
  EXPECT_EQ(s.countStrip, r.countStrip);
  EXPECT_EQ(s.digitStrip, r.digitStrip);
  EXPECT_EQ(s.title, r.title);
  EXPECT_EQ(s.timeWords, r.timeWords);
  EXPECT_EQ(s.scoreWords, r.scoreWords);
  EXPECT_EQ(s.holeBase.height(), 24);
  EXPECT_TRUE(s.sound(SoundEffect::Startup).empty() && s.sound(SoundEffect::Tick).empty() && s.sound(SoundEffect::Splat).empty() && s.sound(SoundEffect::GameOver).empty());
  EXPECT_FALSE(s.musicPresent);

  EXPECT_EQ(colourValue(game.board().pageColour), 0x00302010u);
  EXPECT_EQ(colourValue(game.board().titleColour), 0x00605040u);
  EXPECT_EQ(game.playfieldCursorSlot(), 5);
  EXPECT_EQ(s.header.tickSoundMode, 4);
  EXPECT_EQ(s.header.author.text(), QStringLiteral("Own Author"));
  EXPECT_EQ(s.header.email.text(), QStringLiteral("own@example.org"));
  EXPECT_EQ(s.header.comment.text(), QStringLiteral("Own comment"));
  EXPECT_EQ(s.setTitle, QStringLiteral("Own Title"));
  EXPECT_EQ(s.congratulationPrefix, QStringLiteral("You threw"));
  EXPECT_EQ(s.congratulationSuffix, QStringLiteral("pies."));
  EXPECT_EQ(s.ratingMessages[0], QStringLiteral("Band 0"));
  EXPECT_EQ(s.ratingMessages[7], QStringLiteral("Band 7"));

  // A silent start-up sound is still asked for, and the dialog follows.
  EXPECT_EQ(wave.log, (QStringList{"stop 1", "play 0"}));
  EXPECT_EQ(wave.playedSamples, 0u);
  EXPECT_EQ(view.aboutShown, 1);
}

TEST_F(SetTest, CursorPlanesComeOnlyWithCursorIndex8) {
  ExtendedSetParts p = textsOnlyParts();
  p.cursorIndex = 8;
  p.hotX = 5;
  p.hotY = 7;
  p.planes = cursorPlanes();
  p.pict1Bmp = bmpBytes(indexedPicture(559, 108, qRgb(0, 200, 0)));  // lands right only after 256 plane bytes
  loadExtendedSet(game, write("cursor.xet", buildExtendedSet(p)), false);
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  ASSERT_TRUE(game.cursors().has(kCustomCursorSlot));
  EXPECT_EQ(game.cursors().get(kCustomCursorSlot)->hotSpot(), QPoint(5, 7));
  const QImage picture = game.cursors().get(kCustomCursorSlot)->pixmap().toImage();
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);  // outside clear, the square shown
  EXPECT_EQ(qAlpha(picture.pixel(16, 16)), 255);
  EXPECT_EQ(game.playfieldCursorSlot(), 8);
  EXPECT_EQ(game.set().targetStrip.pixel(50, 50), qRgb(0, 200, 0));

  // Hot-spot bytes with another cursor carry no planes.
  p.cursorIndex = 4;
  p.hotX = 9;
  p.hotY = 9;
  p.planes.clear();
  p.pict1Bmp = bmpBytes(indexedPicture(559, 108, qRgb(0, 0, 200)));
  loadExtendedSet(game, write("noplanes.xet", buildExtendedSet(p)), false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_FALSE(game.cursors().has(kCustomCursorSlot));
  EXPECT_EQ(game.playfieldCursorSlot(), 4);
  EXPECT_EQ(game.set().targetStrip.pixel(50, 50), qRgb(0, 0, 200));
}

TEST_F(SetTest, SixPicturesGoToTheirPlacesAndTwoGroupsAreKept) {
  ExtendedSetParts p = textsOnlyParts();
  QImage misc(111, 124, QImage::Format_RGB32);
  misc.fill(qRgb(10, 10, 10));
  QPainter painter(&misc);
  painter.fillRect(0, 0, 111, 49, QColor(200, 0, 0));     // Time
  painter.fillRect(0, 50, 111, 48, QColor(0, 200, 0));    // Score
  painter.fillRect(0, 100, 111, 24, QColor(0, 0, 200));   // rim
  painter.end();
  p.miscBmp = bmpBytes(misc);
  const QImage numbers = truePicture(300, 51, qRgb(1, 100, 1));
  const QImage count = indexedPicture(671, 107, qRgb(2, 2, 150));
  const QImage title = truePicture(400, 40, qRgb(250, 250, 3));
  const QImage pict1 = banded(559, 216, QImage::Format_Indexed8);
  const QImage pict2 = banded(1119, 216, QImage::Format_RGB32);
  p.numbersBmp = bmpBytes(numbers);
  p.countBmp = bmpBytes(count);
  p.titleBmp = bmpBytes(title);
  p.pict1Bmp = bmpBytes(pict1);
  p.pict2Bmp = bmpBytes(pict2);
  loadExtendedSet(game, write("pictures.xet", buildExtendedSet(p)), false);
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();

  const ActiveSet& s = game.set();
  EXPECT_EQ(s.digitStrip, gamePicture(numbers));
  EXPECT_EQ(s.countStrip, gamePicture(count));
  EXPECT_EQ(s.title, gamePicture(title));
  EXPECT_EQ(s.targetStrip, gamePicture(pict1));
  EXPECT_EQ(s.splatStrip, gamePicture(pict2));
  EXPECT_EQ(s.groupCount(), 2);
  EXPECT_EQ(s.targetStrip.pixel(60, 160), qRgb(0, 0, 255));
  EXPECT_EQ(s.timeWords.pixel(50, 25), qRgb(200, 0, 0));
  EXPECT_EQ(s.scoreWords.pixel(50, 25), qRgb(0, 200, 0));
  EXPECT_EQ(s.holeBase.size(), QSize(111, 24));
  EXPECT_EQ(s.holeBase.pixel(50, 0), qRgb(0, 0, 200));
  EXPECT_EQ(s.holeBase.pixel(50, 23), qRgb(0, 0, 200));
}

TEST_F(SetTest, SoundsAndTuneAreInstalledAndTheTuneGoesWithTheNextSet) {
  ExtendedSetParts p = textsOnlyParts();
  p.startup = squareWave(5000, 40);  // several pieces
  p.tick = QByteArray(3, char(200));
  p.splat = squareWave(1024, 8);
  p.gameOver = squareWave(1025, 10);
  p.music = smallTune();
  loadExtendedSet(game, write("sounds.xet", buildExtendedSet(p)), false);
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();

  auto bytes = [](const SoundBuffer& b) { return QByteArray(reinterpret_cast<const char*>(b.data.data()), b.data.size()); };
  EXPECT_EQ(bytes(game.set().sound(SoundEffect::Startup)), p.startup);
  EXPECT_EQ(bytes(game.set().sound(SoundEffect::Tick)), p.tick);
  EXPECT_EQ(bytes(game.set().sound(SoundEffect::Splat)), p.splat);
  EXPECT_EQ(bytes(game.set().sound(SoundEffect::GameOver)), p.gameOver);
  EXPECT_EQ(wave.played, &game.set().sound(SoundEffect::Startup));
  EXPECT_EQ(wave.playedSamples, 5000u);
  ASSERT_TRUE(game.set().musicPresent);
  QFile tune(game.set().musicFile);
  ASSERT_TRUE(tune.open(QIODevice::ReadOnly));
  EXPECT_EQ(tune.readAll(), p.music);
  tune.close();

  // A set without a tune removes the old one.
  loadExtendedSet(game, write("quiet.xet", buildExtendedSet(textsOnlyParts()) + QByteArray(18, '\0')), false);
  EXPECT_TRUE(prompts.messages.isEmpty());
  EXPECT_FALSE(game.set().musicPresent);
  EXPECT_FALSE(QFile::exists(game.set().musicFile));
}

TEST_F(SetTest, FileCutShortAnywhereLeavesTheBuiltinSet) {
  ExtendedSetParts p = textsOnlyParts();
  p.cursorIndex = 8;
  p.planes = cursorPlanes();
  p.pict1Bmp = bmpBytes(indexedPicture(559, 108, qRgb(9, 9, 9)));
  p.splat = squareWave(3000, 30);
  p.music = smallTune();
  const QByteArray whole = buildExtendedSet(p);
  const int pict1At = xet::HeaderEnd + 256;
  const int splatAt = pict1At + p.pict1Bmp.size();
  const int musicAt = splatAt + p.splat.size();
  const struct {
    const char* where;
    int length;
  } cuts[] = {
      {"in the cursor planes", xet::HeaderEnd + 40},
      {"in a picture", pict1At + int(p.pict1Bmp.size()) / 2},
      {"in a sound", splatAt + 1000},
      {"in the tune", musicAt + int(p.music.size()) - 3},
      {"in the trailer", int(whole.size()) - 4},
  };
  for (const auto& cut : cuts) {
    SCOPED_TRACE(cut.where);
    prompts.messages.clear();
    wave.log.clear();
    loadExtendedSet(game, write("cut.xet", whole.left(cut.length)), true);
    expectOneRefusal(kCutShort);
    expectBuiltinSet();
    EXPECT_FALSE(view.busy);
    EXPECT_TRUE(wave.log.isEmpty());
    EXPECT_EQ(view.aboutShown, 0);
  }
}

TEST_F(SetTest, WrongTrailerLeavesTheBuiltinSet) {
  ExtendedSetParts p = textsOnlyParts();
  p.music = smallTune();
  p.trailer = "--End-Of-Set-!";
  loadExtendedSet(game, write("trailer.xet", buildExtendedSet(p) + QByteArray(18, '\0')), false);
  expectOneRefusal(kCutShort);
  expectBuiltinSet();
}

TEST_F(SetTest, SoundsTuneAndPicturesBeyondTheirBoundsAreRefusedBeforeTheyAreRead) {
  // A minute of sound loads; a byte more in any sound, or in the tune, is refused by name.
  ExtendedSetParts p = textsOnlyParts();
  p.tick = QByteArray(kLongestSound, '\x80');
  loadExtendedSet(game, write("minute.xet", buildExtendedSet(p) + QByteArray(18, '\0')), false);
  EXPECT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  EXPECT_EQ(game.set().sound(SoundEffect::Tick).data.size(), size_t(kLongestSound));

  const struct {
    int field;
    std::int32_t size;
    QString text;
  } refusals[] = {
      {xet::startupSoundSize, kLongestSound + 1,
       "The sound startup.wav of this set takes 661501 bytes; a sound may last a minute (661500 bytes) at most."},
      {xet::tickSoundSize, 0x7FFFFFFF,
       "The sound tick.wav of this set takes 2147483647 bytes; a sound may last a minute (661500 bytes) at most."},
      {xet::splatSoundSize, kLongestSound + 1, "The sound splat.wav of this set takes 661501 bytes; a sound may last a minute (661500 bytes) at most."},
      {xet::gameOverSoundSize, kLongestSound + 1, "The sound gameover.wav of this set takes 661501 bytes; a sound may last a minute (661500 bytes) at most."},
      {xet::musicSize, kLargestTune + 1, "The tune of this set takes 4194305 bytes; a tune may take 4194304 bytes at most."},
      {xet::pict2Size, 0x7FFFFFFF,
       "Unable to read a picture of this set as a BMP file: it takes 2147483647 bytes, more than a picture of at most "
       "1120 x 7019 pixels needs."},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.field);
    prompts.messages.clear();
    QByteArray file = buildExtendedSet(textsOnlyParts()) + QByteArray(18, '\0');
    putInt32(file, r.field, r.size);
    loadExtendedSet(game, write("huge.xet", file), false);
    expectOneRefusal(r.text, QStringLiteral("Error"), dir.filePath("huge.xet"));
    expectBuiltinSet();
  }
}

TEST_F(SetTest, AGigabyteSparseSetIsRefusedWithoutTakingItsSize) {
  // 1 GiB on paper, a few kilobytes on the disk: a start-up sound of all of it.
  constexpr qint64 kGiB = qint64(1) << 30;
  QByteArray head = buildExtendedSet(textsOnlyParts());
  head.chop(14);
  putInt32(head, xet::startupSoundSize, std::int32_t(kGiB));
  const QString path = dir.filePath("sparse.xet");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    ASSERT_TRUE(file.resize(head.size() + kGiB));
    ASSERT_TRUE(file.seek(head.size() + kGiB));
    file.write("--End-Of-Set--");
  }
  const long growth = peakGrowthKb([&] { loadImageSet(game, path, false); });
  RecordProperty("peakGrowthKb", int(growth));
  EXPECT_GE(growth, 0);
  EXPECT_LT(growth, 16 * 1024);
  QElapsedTimer clock;
  clock.start();
  loadImageSet(game, path, false);
  EXPECT_LT(clock.elapsed(), 2000);
  expectOneRefusal("The sound startup.wav of this set takes 1073741824 bytes; a sound may last a minute (661500 bytes) "
                 "at most.",
                 QStringLiteral("Error"), path);
  expectBuiltinSet();
}

TEST_F(SetTest, MissingFileIsTooSmallAndChangesNothing) {
  installPreviousSet();
  loadExtendedSet(game, dir.filePath(QStringLiteral("nowhere.xet")), true);
  expectOneRefusal(kTooSmall);
  expectPreviousSet();
  EXPECT_EQ(view.busyShown, 0);
}

TEST_F(SetTest, WrongMagicOrShortHeaderAfterTheSizeTestLeaveTheBuiltinSet) {
  installPreviousSet();
  QByteArray file = buildExtendedSet(textsOnlyParts()) + QByteArray(18, '\0');
  file.replace(0, 18, "eXtended Image Set");  // one letter off
  loadExtendedSet(game, write("magic.xet", file), false);
  expectOneRefusal(QStringLiteral("This is NOT an eXtended Image Set file..."));
  expectBuiltinSet();
}

TEST_F(SetTest, UndecodablePictureRefusesTheWholeSetWithTheDecodersMessage) {
  ExtendedSetParts p = textsOnlyParts();
  p.numbersBmp = bmpBytes(truePicture(300, 51, qRgb(1, 100, 1)));
  p.countBmp = bmpBytes(indexedPicture(671, 107, qRgb(5, 5, 5)));
  const QByteArray good = bmpBytes(truePicture(400, 40, qRgb(250, 250, 3)));
  const QByteArray shortRows = good.left(good.size() - 700);  // the header still promises every row
  const QByteArray garbage = QByteArray("BM") + QByteArray(60, '\x7f');
  for (const QByteArray& broken : {shortRows, garbage}) {
    prompts.messages.clear();
    wave.log.clear();
    installPreviousSet();
    p.titleBmp = broken;  // the fourth picture, after three good ones
    p.music = smallTune();
    loadExtendedSet(game, write("broken.xet", buildExtendedSet(p)), true);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_NE(prompts.messages[0].text, kCutShort);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Error"));
    EXPECT_FALSE(view.busy);
    // Neither the file's texts, colours and pictures nor the previous set stay:
    // the built-in set is in force whole, board included.
    expectBuiltinSet();
    EXPECT_EQ(game.board().holes, reference.board().holes);
    EXPECT_EQ(game.board().scoreDigits, reference.board().scoreDigits);
    EXPECT_EQ(game.board().timeDigits, reference.board().timeDigits);
    EXPECT_TRUE(wave.log.isEmpty());
    EXPECT_EQ(view.aboutShown, 0);
  }
}
