#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>

#include "imageset/CursorTable.h"
#include "support/DialogChecks.h"
#include "support/FakePrompts.h"
#include "support/GameFixture.h"
#include "wizard/CursorSetupDialog.h"

namespace {

QImage filled(int w, int h, QRgb colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

bool allBytes(const CursorPlanes& p, int from, int to, std::uint8_t value) {
  return std::all_of(p.begin() + from, p.begin() + to, [value](std::uint8_t b) { return b == value; });
}

bool andBit(const CursorPlanes& p, int x, int y) { return p[4 * y + x / 8] & (0x80 >> (x % 8)); }
bool xorBit(const CursorPlanes& p, int x, int y) { return p[128 + 4 * y + x / 8] & (0x80 >> (x % 8)); }

}  // namespace

TEST(CursorPlanes, PlainColoursFillThePlanes) {
  const CursorPlanes black = makeCursorPlanes(filled(32, 32, qRgb(0, 0, 0)));
  EXPECT_TRUE(allBytes(black, 0, 256, 0));

  const CursorPlanes white = makeCursorPlanes(filled(32, 32, qRgb(255, 255, 255)));
  EXPECT_TRUE(allBytes(white, 0, 128, 0));
  EXPECT_TRUE(allBytes(white, 128, 256, 255));

  // Anything but the three exact colours is see-through, dark red included.
  for (QRgb c : {qRgb(128, 0, 0), qRgb(254, 0, 0), qRgb(255, 255, 254), qRgb(1, 0, 0), qRgb(0, 255, 0)}) {
    const CursorPlanes p = makeCursorPlanes(filled(32, 32, c));
    EXPECT_TRUE(allBytes(p, 0, 128, 255)) << std::hex << c;
    EXPECT_TRUE(allBytes(p, 128, 256, 0)) << std::hex << c;
  }
}

TEST(CursorPlanes, PixelsLandOnTheirBits) {
  QImage img = filled(32, 32, qRgb(255, 255, 255));
  img.setPixel(0, 0, qRgb(255, 0, 0));
  const CursorPlanes p = makeCursorPlanes(img);
  EXPECT_EQ(p[0], 128);
  EXPECT_TRUE(allBytes(p, 1, 128, 0));
  EXPECT_TRUE(allBytes(p, 128, 256, 255));

  // One black pixel at column 9, row 2 in a transparent field: byte 4*2+1, bit 6.
  QImage field = filled(32, 32, qRgb(0, 0, 255));
  field.setPixel(9, 2, qRgb(0, 0, 0));
  field.setPixel(31, 31, qRgb(255, 255, 255));
  const CursorPlanes q = makeCursorPlanes(field);
  EXPECT_EQ(q[9], 0xFF & ~0x40);
  EXPECT_EQ(q[127], 0xFE);
  EXPECT_EQ(q[128 + 127], 0x01);
  for (int i = 0; i < 128; ++i) {
    if (i != 9 && i != 127) {
      EXPECT_EQ(q[i], 0xFF) << i;
    }
    if (i != 127) {
      EXPECT_EQ(q[128 + i], 0) << i;
    }
  }
}

TEST(CursorPlanes, OnlyTheTopLeftCornerCounts) {
  const CursorPlanes small = makeCursorPlanes(filled(16, 16, qRgb(0, 0, 0)));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool inside = x < 16 && y < 16;
      EXPECT_EQ(andBit(small, x, y), !inside) << x << "," << y;
      EXPECT_FALSE(xorBit(small, x, y)) << x << "," << y;
    }

  QImage big = filled(40, 40, qRgb(0, 0, 0));
  big.fill(qRgb(9, 9, 9));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) big.setPixel(x, y, qRgb(255, 255, 255));
  const CursorPlanes p = makeCursorPlanes(big);
  EXPECT_TRUE(allBytes(p, 0, 128, 0));
  EXPECT_TRUE(allBytes(p, 128, 256, 255));

  const CursorPlanes none = makeCursorPlanes(QImage());
  EXPECT_TRUE(allBytes(none, 0, 128, 255));
  EXPECT_TRUE(allBytes(none, 128, 256, 0));
}

namespace {

class CursorSetup : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  FakePrompts fake;
  GameFixture fx;
  Game& game = fx.game;
  CursorSetupDialog dialog;
  const CursorPreview& preview = child<CursorPreview>(dialog, "preview");
  QSpinBox& hotSpotX = child<QSpinBox>(dialog, "hotSpotX");
  QSpinBox& hotSpotY = child<QSpinBox>(dialog, "hotSpotY");
  QCursor testAreaCursor() const { return child<QWidget>(dialog, "testArea").cursor(); }

  QString saveImage(const QImage& img, const QString& name, const char* format) {
    const QString path = tmp.filePath(name);
    EXPECT_TRUE(img.save(path, format));
    return path;
  }
  // A cursor in slot 8 as a loaded set would leave it.
  void installSetCursor() {
    CursorPlanes planes{};
    game.installCustomCursor(planes.data(), 3, 4);
  }
};

}  // namespace

TEST_F(CursorSetup, LoadsBitmapsAndShowsOtherPicturesAsTransparent) {
  const QString white = saveImage(filled(32, 32, qRgb(255, 255, 255)), "white.bmp", "BMP");
  ASSERT_TRUE(dialog.loadCursorPicture(white));
  EXPECT_TRUE(preview.isBitmap());
  EXPECT_TRUE(allBytes(dialog.cursorPlanes(), 128, 256, 255));

  // A missing file or one that is no bitmap keeps what was there.
  EXPECT_FALSE(dialog.loadCursorPicture(tmp.filePath("gone.bmp")));
  QFile junk(tmp.filePath("junk.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("BMnot really a bitmap at all");
  junk.close();
  EXPECT_FALSE(dialog.loadCursorPicture(junk.fileName()));
  EXPECT_TRUE(allBytes(dialog.cursorPlanes(), 128, 256, 255));

  // Another kind of picture is shown, but makes no cursor pixels.
  const QString png = saveImage(filled(32, 32, qRgb(255, 255, 255)), "white.png", "PNG");
  ASSERT_TRUE(dialog.loadCursorPicture(png));
  EXPECT_FALSE(preview.isBitmap());
  EXPECT_FALSE(preview.picture().isNull());
  EXPECT_TRUE(allBytes(dialog.cursorPlanes(), 0, 128, 255));
  EXPECT_TRUE(allBytes(dialog.cursorPlanes(), 128, 256, 0));

  // The extension decides the kind: bitmap bytes under a .png name do not load.
  QFile::copy(white, tmp.filePath("bitmap.png"));
  EXPECT_FALSE(dialog.loadCursorPicture(tmp.filePath("bitmap.png")));
}

// The set in force keeps its own cursor whatever the dialog does; the dialog gives
// its cursor back to the wizard.
TEST_F(CursorSetup, TriesItsCursorWithoutTouchingTheGamesAndGivesItBack) {
  ASSERT_TRUE(dialog.loadCursorPicture(saveImage(filled(32, 32, qRgb(0, 0, 0)), "black.bmp", "BMP")));
  installSetCursor();
  const QCursor* setCursor = game.cursors().get(kCustomCursorSlot);
  ASSERT_NE(setCursor, nullptr);
  EXPECT_EQ(dialog.trialCursor(), nullptr);

  for (int round = 0; round < 2; ++round) {
    dialog.show();
    ASSERT_NE(dialog.trialCursor(), nullptr) << round;
    EXPECT_EQ(game.cursors().get(kCustomCursorSlot), setCursor);
    EXPECT_TRUE(game.cursors().holdsSetCursor());
    EXPECT_EQ(testAreaCursor().shape(), Qt::BitmapCursor);
    EXPECT_NE(child<QWidget>(dialog, "normalCursor").cursor().shape(), Qt::BitmapCursor);
    hotSpotX.setValue(6 + round);
    EXPECT_EQ(dialog.trialCursor()->hotSpot(), QPoint(6 + round, 0));

    button(dialog, "&Ok").click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.trialCursor(), nullptr);
    EXPECT_NE(testAreaCursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(game.cursors().get(kCustomCursorSlot), setCursor);
    const SetCursor given = dialog.cursor();
    EXPECT_EQ(given.hotSpot, QPoint(6 + round, 0));
    EXPECT_TRUE(allBytes(given.planes, 0, 128, 0)) << "black is drawn";
  }
}

TEST_F(CursorSetup, HotSpotChangesRebuildOnlyWhileShown) {
  ASSERT_TRUE(dialog.loadCursorPicture(saveImage(filled(32, 32, qRgb(255, 255, 255)), "white.bmp", "BMP")));
  hotSpotX.setValue(5);
  hotSpotX.setValue(0);
  EXPECT_EQ(dialog.trialCursor(), nullptr);

  dialog.show();
  ASSERT_NE(dialog.trialCursor(), nullptr);
  EXPECT_EQ(dialog.trialCursor()->hotSpot(), QPoint(0, 0));
  hotSpotX.setValue(31);
  EXPECT_EQ(dialog.trialCursor()->hotSpot(), QPoint(31, 0));
  EXPECT_EQ(testAreaCursor().hotSpot(), QPoint(31, 0));
  hotSpotY.setValue(17);
  EXPECT_EQ(dialog.trialCursor()->hotSpot(), QPoint(31, 17));
  dialog.hide();

  // The values stay for the wizard and the next showing.
  EXPECT_EQ(dialog.cursor().hotSpot, QPoint(31, 17));
  dialog.show();
  EXPECT_EQ(dialog.trialCursor()->hotSpot(), QPoint(31, 17));
  dialog.hide();
  dialog.setHotSpot({40, -2});
  EXPECT_EQ(dialog.hotSpot(), QPoint(31, 0));
}

TEST_F(CursorSetup, TypedHotSpotSettlesWithinRange) {
  QSpinBox* x = &hotSpotX;
  EXPECT_EQ(x->minimum(), 0);
  EXPECT_EQ(x->maximum(), 31);
  x->stepBy(-1);
  EXPECT_EQ(x->value(), 0);
  x->setValue(31);
  x->stepBy(1);
  EXPECT_EQ(x->value(), 31);

  const auto typeAndLeave = [](QSpinBox* box, const QString& text) {
    box->findChild<QLineEdit*>()->setText(text);
    box->interpretText();
    return box->value();
  };
  EXPECT_EQ(typeAndLeave(x, "12"), 12);
  EXPECT_EQ(typeAndLeave(x, "45"), 31);
  EXPECT_EQ(typeAndLeave(x, "-3"), 0);
  x->setValue(9);
  EXPECT_EQ(typeAndLeave(x, ""), 0);
  EXPECT_EQ(typeAndLeave(&hotSpotY, "99999999999"), 31);
}

// A hot spot set for one set is gone when the next wizard opens; the writer takes
// what the fields hold.
TEST_F(CursorSetup, HotSpotResetsToTheCorner) {
  hotSpotX.setValue(7);
  hotSpotY.setValue(9);
  EXPECT_EQ(dialog.hotSpot(), QPoint(7, 9));
  dialog.resetHotSpot();
  EXPECT_EQ(dialog.hotSpot(), QPoint(0, 0));
}
