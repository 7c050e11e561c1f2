#include <gtest/gtest.h>

#include "imageset/FrameCopy.h"

namespace {

// A strip whose every pixel names its own coordinates, so a copy shows exactly
// which source pixel fed each destination pixel.
QImage codedStrip(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, x >> 8));
  return img;
}
int srcX(QRgb c) { return qRed(c) | (qBlue(c) << 8); }
int srcY(QRgb c) { return qGreen(c); }

TEST(FrameCopy, SameSizeCopyIsExact) {
  const QImage strip = codedStrip(300, 51);
  QImage dst = blankPicture(30, 51);
  copyRect(dst, {0, 0, 30, 51}, strip, {60, 0, 90, 51});
  for (int y = 0; y < 51; ++y)
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(srcX(dst.pixel(x, y)), 60 + x);
      ASSERT_EQ(srcY(dst.pixel(x, y)), y);
    }
}

TEST(FrameCopy, StretchOneNarrowerRepeatsOneColumnAndSqueezeDropsOneRow) {
  const QImage strip = codedStrip(672, 124);
  QImage dst = blankPicture(111, 130);
  // 110 columns stretched to 111: every source column appears, none past the rectangle.
  copyRect(dst, {0, 0, 111, 107}, strip, {448, 0, 558, 107});
  std::vector<int> seen;
  for (int x = 0; x < 111; ++x) seen.push_back(srcX(dst.pixel(x, 50)));
  EXPECT_EQ(seen.front(), 448);
  EXPECT_EQ(seen.back(), 557);
  for (int x = 1; x < 111; ++x) EXPECT_LE(seen[x] - seen[x - 1], 1);
  // 24 rows squeezed into 23: stays inside the source rows.
  copyRect(dst, {0, 107, 111, 130}, strip, {0, 100, 111, 124});
  EXPECT_EQ(srcY(dst.pixel(5, 107)), 100);
  EXPECT_LE(srcY(dst.pixel(5, 129)), 123);
  EXPECT_GE(srcY(dst.pixel(5, 129)), 122);
}

TEST(FrameCopy, SourceOutsideTheStripLeavesDestinationUnchanged) {
  // The tenth frame of a nine-frame splat strip lies wholly outside it.
  const QImage strip = codedStrip(1007, 108);
  QImage dst = blankPicture(111, 130, qRgb(1, 2, 3));
  copyRect(dst, {0, 0, 111, 107}, strip, {1008, 0, 1119, 107});
  for (int y = 0; y < 130; ++y)
    for (int x = 0; x < 111; ++x) ASSERT_EQ(dst.pixel(x, y), qRgb(1, 2, 3));

  // Partly outside: the part inside is copied, the rest keeps its pixels.
  copyRect(dst, {0, 0, 111, 107}, strip, {950, 50, 1061, 157});
  EXPECT_EQ(srcX(dst.pixel(0, 0)), 950);
  EXPECT_EQ(srcX(dst.pixel(56, 57)), 1006);
  EXPECT_EQ(dst.pixel(57, 0), qRgb(1, 2, 3));   // column 1007 does not exist
  EXPECT_EQ(dst.pixel(0, 58), qRgb(1, 2, 3));   // row 108 does not exist
  // Negative origins and destinations partly off the picture are clipped too.
  // Destination column 0 is 20 of 220 into the rectangle: source column -5 + 20 * 55 / 220 = 0.
  dst.fill(qRgb(1, 2, 3));
  copyRect(dst, {-20, -20, 200, 200}, strip, {-5, -5, 50, 50});
  EXPECT_EQ(dst.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(srcX(dst.pixel(110, 0)), (130 * 55) / 220 - 5);
}

TEST(FrameCopy, EmptyAndInvertedRectanglesCopyNothing) {
  const QImage strip = codedStrip(20, 20);
  QImage dst = blankPicture(10, 10, qRgb(9, 9, 9));
  copyRect(dst, {0, 0, 10, 10}, strip, {5, 5, 5, 15});
  copyRect(dst, {0, 0, 10, 10}, strip, {10, 0, 0, 10});
  copyRect(dst, {0, 0, 0, 10}, strip, {0, 0, 10, 10});
  copyRect(dst, {0, 0, 10, 10}, QImage(), {0, 0, 10, 10});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(dst.pixel(x, y), qRgb(9, 9, 9));
}

TEST(FrameCopy, IndexedSourcesCopyTheirColours) {
  QImage indexed(4, 1, QImage::Format_Indexed8);
  indexed.setColorCount(2);
  indexed.setColor(0, qRgb(10, 20, 30));
  indexed.setColor(1, qRgb(200, 100, 50));
  indexed.setPixel(0, 0, 0);
  indexed.setPixel(1, 0, 1);
  indexed.setPixel(2, 0, 1);
  indexed.setPixel(3, 0, 0);
  QImage dst = blankPicture(4, 1);
  copyRect(dst, {0, 0, 4, 1}, indexed, {0, 0, 4, 1});
  EXPECT_EQ(dst.pixel(1, 0), qRgb(200, 100, 50));
  EXPECT_EQ(dst.pixel(3, 0), qRgb(10, 20, 30));
}

}  // namespace
