#include <gtest/gtest.h>

#include <QBitmap>
#include <QFile>
#include <QTemporaryDir>

#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "support/GameFixture.h"

namespace {

TEST(DefaultSet, BuiltinPicturesHaveTheirSizes) {
  const BuiltinPictures& p = builtinPictures();
  EXPECT_EQ(p.digits.size(), QSize(300, 51));
  EXPECT_EQ(p.splat.size(), QSize(1007, 108));
  EXPECT_EQ(p.figure.size(), QSize(559, 108));
  EXPECT_EQ(p.countdown.size(), QSize(671, 107));
  EXPECT_EQ(p.misc.size(), QSize(111, 124));
  EXPECT_EQ(p.title.size(), QSize(594, 31));
  // Decoded once: the same pixels are handed out every time.
  EXPECT_EQ(builtinPictures().splat.constBits(), p.splat.constBits());
}

TEST(DefaultSet, RestoreStopsTheGameAndResetsEverything) {
  GameFixture f;
  LoadedSet loaded = builtinSet();
  loaded.tune = QByteArray("MThd");
  loaded.sound(SoundEffect::Tick).data.assign(50, 200);
  loaded.setTitle = QStringLiteral("Loaded");
  loaded.header.tickSoundMode = 4;
  loaded.header.cursorIndex = kCustomCursorSlot;
  loaded.ratingMessages[3] = QStringLiteral("changed");
  loaded.cursor = CustomCursor{{}, 3, 4};
  loaded.cursorSlot = kCustomCursorSlot;
  loaded.playfieldColour = colourFromValue(0x123456);
  loaded.titleColour = colourFromValue(0x00FF00);
  f.game.install(std::move(loaded));
  ASSERT_TRUE(f.game.set().musicPresent);
  ASSERT_TRUE(f.game.cursors().has(kCustomCursorSlot));
  f.startAndCountDown();
  f.steps(15);
  f.game.holePressed(1);
  ASSERT_EQ(f.game.state(), GameState::Playing);
  ASSERT_TRUE(f.game.stepping());

  f.sound.playing = true;  // the set's tune is playing
  f.game.install(builtinSet());

  EXPECT_FALSE(f.sound.playing);
  EXPECT_EQ(f.game.state(), GameState::Idle);
  EXPECT_FALSE(f.game.stepping());
  EXPECT_FALSE(f.game.roundRunning());
  EXPECT_EQ(f.game.score(), 0);
  EXPECT_EQ(f.game.timeLeft(), 30);
  EXPECT_TRUE(f.game.set().sound(SoundEffect::Tick).empty());
  EXPECT_FALSE(f.game.set().musicPresent);
  EXPECT_FALSE(QFile::exists(f.game.set().musicFile));
  EXPECT_FALSE(f.game.cursors().has(kCustomCursorSlot));
  EXPECT_EQ(f.game.playfieldCursorSlot(), 1);
  EXPECT_EQ(colourValue(f.game.board().pageColour), 0x00FFFFFFu);
  EXPECT_EQ(colourValue(f.game.board().titleColour), 0x000000FFu);
  EXPECT_TRUE(f.game.set().setTitle.isEmpty());
  // The header is zero but for the five descriptive texts.
  const SetHeader& h = f.game.set().header;
  EXPECT_EQ(h.cursorIndex, 0);
  EXPECT_EQ(h.tickSoundMode, 0);
  EXPECT_EQ(h.miscPicsSize, 0);
  EXPECT_EQ(h.pageColour, 0u);
  EXPECT_EQ(h.title.text(), QStringLiteral("Pie Vorb Quarn (Default)"));
  EXPECT_EQ(h.author.text(), QStringLiteral("The Zanthorp"));
  EXPECT_EQ(h.comment.text(), QStringLiteral("Pie Vorb Quarn Default Settings..."));
  EXPECT_FALSE(h.email.text().isEmpty());
  EXPECT_FALSE(h.webPage.text().isEmpty());
  EXPECT_EQ(h.congratulationPrefix.length, 0);
  EXPECT_EQ(h.ratingMessages[0].length, 0);
  EXPECT_EQ(f.game.set().congratulationPrefix,
            QStringLiteral("Congratulations, in 30 seconds you managed to throw"));
  EXPECT_EQ(f.game.set().congratulationSuffix,
            QStringLiteral("pies at Vorb Quarn.  Did you enjoy it?  Your Score Is:"));
  EXPECT_EQ(f.game.set().ratingMessages[0], QStringLiteral("Hey, you're not very good at this are you..."));
  EXPECT_EQ(f.game.set().ratingMessages[3], QStringLiteral("I bet you're having fun!"));
  EXPECT_EQ(f.game.set().ratingMessages[7], QStringLiteral("A VERY good score, keep going!"));
  EXPECT_EQ(f.game.set().holeBase.size(), QSize(111, 24));
  EXPECT_EQ(f.game.set().scoreWords.size(), QSize(111, 49));
  EXPECT_EQ(f.game.set().title.size(), QSize(594, 31));
  EXPECT_EQ(f.game.set().groupCount(), 1);
}

TEST(DefaultSet, CaptionNamesTheSetTitle) {
  GameFixture f;
  EXPECT_EQ(f.game.caption(), QStringLiteral("Pie Vorb Quarn, 3.40, Created by \"The Zanthorp!\""));
  LoadedSet titled = builtinSet();
  titled.setTitle = QStringLiteral("Test");
  f.game.install(std::move(titled));
  EXPECT_EQ(f.game.caption(), QStringLiteral("Test  (Pie Vorb Quarn, 3.40, Created by \"The Zanthorp!\")"));
}

TEST(DefaultSet, HoleBaseIsTheRimStretchedAndCutMiscKeepsRowsUnchanged) {
  GameFixture f;
  const QImage& xtras = builtinPictures().misc;
  // The built-in rim: rows 100-122 stretched to 24 rows.
  EXPECT_EQ(f.game.set().holeBase.pixel(10, 0), xtras.pixel(10, 100));
  EXPECT_EQ(f.game.set().holeBase.pixel(10, 23), xtras.pixel(10, 122));

  // A set's misc picture of the default size gives rows 100-123 unchanged, and
  // a wider one keeps its width while the words take the leftmost 111 columns.
  QImage misc(150, 124, QImage::Format_RGB32);
  for (int y = 0; y < 124; ++y)
    for (int x = 0; x < 150; ++x) misc.setPixel(x, y, qRgb(x, y, 7));
  SetContent set = builtinSet();
  set.holeBase = misc;
  cutMiscPictures(set);
  const QImage& base = set.holeBase;
  ASSERT_EQ(base.size(), QSize(150, 24));
  for (int y = 0; y < 24; ++y) EXPECT_EQ(base.pixel(149, y), qRgb(149, 100 + y, 7));
  EXPECT_EQ(set.timeWords.pixel(110, 48), qRgb(110, 48, 7));
  // Score words: 48 rows stretched to 49.
  EXPECT_EQ(set.scoreWords.pixel(0, 0), qRgb(0, 50, 7));
  EXPECT_EQ(set.scoreWords.pixel(110, 48), qRgb(110, 97, 7));
}

TEST(CursorPlanes, AndXorPairsBecomeBlackWhiteClearAndVisibleInvert) {
  // Row 0: pixel 0 AND0/XOR0 black, 1 AND0/XOR1 white, 2 AND1/XOR0 clear, 3 AND1/XOR1 invert.
  std::uint8_t planes[256] = {};
  planes[0] = 0x30;        // AND bits for pixels 2 and 3
  planes[128] = 0x50;      // XOR bits for pixels 1 and 3
  auto cursor = cursorFromPlanes(planes, 40, -3);
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->hotSpot(), QPoint(31, 0));
  // A colour picture: Wayland shows a cursor only through its pixmap.
  const QImage picture = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picture.size(), QSize(32, 32));
  EXPECT_EQ(picture.pixel(0, 0), qRgba(0, 0, 0, 255));
  EXPECT_EQ(picture.pixel(1, 0), qRgba(255, 255, 255, 255));
  EXPECT_EQ(qAlpha(picture.pixel(2, 0)), 0);
  EXPECT_EQ(picture.pixel(3, 0), qRgba(0, 0, 0, 255));  // invert shown as black
}

TEST(CursorPlanes, ResetFreesTheSetsCursorButNotATrialCursorThatReplacedIt) {
  GameFixture f;
  std::uint8_t planes[256] = {};
  f.game.installCustomCursor(planes, 1, 2);
  f.game.install(builtinSet());
  EXPECT_FALSE(f.game.cursors().has(kCustomCursorSlot));

  f.game.installCustomCursor(planes, 1, 2);
  // Another owner takes the slot over (the set's cursor is destroyed by that).
  f.game.cursors().set(kCustomCursorSlot, cursorFromPlanes(planes, 9, 9));
  f.game.install(builtinSet());
  ASSERT_TRUE(f.game.cursors().has(kCustomCursorSlot));
  EXPECT_EQ(f.game.cursors().cursor(kCustomCursorSlot).hotSpot(), QPoint(9, 9));
}

TEST(CursorPlanes, TableOwnsOneCursorPerSlotAndEmptySlotsShowTheArrow) {
  CursorTable table;
  EXPECT_EQ(table.cursor(8).shape(), Qt::ArrowCursor);
  std::uint8_t planes[256] = {};
  table.set(8, cursorFromPlanes(planes, 0, 0));
  EXPECT_EQ(table.cursor(8).shape(), Qt::BitmapCursor);
  table.set(8, cursorFromPlanes(planes, 1, 1));  // replaces and frees the first
  EXPECT_EQ(table.cursor(8).hotSpot(), QPoint(1, 1));
  table.clear(8);
  EXPECT_FALSE(table.has(8));
  EXPECT_FALSE(table.has(0));
  EXPECT_FALSE(table.has(42));
}

TEST(CursorPlanes, BuiltinCursorsFillSlotsOneToSevenAndNine) {
  CursorTable table;
  loadBuiltinCursors(table);
  for (int slot : {1, 2, 3, 4, 5, 6, 7, 9}) EXPECT_TRUE(table.has(slot)) << slot;
  EXPECT_FALSE(table.has(8));
}

}  // namespace
