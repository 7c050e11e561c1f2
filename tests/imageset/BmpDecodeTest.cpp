#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "SetFileBuilder.h"
#include "imageset/BmpDecode.h"
#include "imageset/FrameCopy.h"

namespace {

QImage checkerboard(QImage::Format format) {
  QImage picture(13, 9, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
  if (format == QImage::Format_Indexed8) return picture.convertToFormat(QImage::Format_Indexed8);
  return picture;
}

std::int32_t int32At(const QByteArray& bytes, int offset) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | std::uint8_t(bytes[offset + i]);
  return std::int32_t(v);
}

}  // namespace

TEST(BmpDecode, WholeEightAndTwentyFourBitFilesDecode) {
  for (QImage::Format format : {QImage::Format_Indexed8, QImage::Format_RGB32}) {
    const QImage source = checkerboard(format);
    const QByteArray bmp = bmpBytes(source);
    EXPECT_TRUE(bmpDataProblem(bmp, bmp.size()).isEmpty());
    QString why;
    const QImage decoded = decodeBmp(bmp, &why);
    // A palette picture stays one, at a quarter of the memory.
    EXPECT_EQ(decoded.format(), format);
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), source.convertToFormat(QImage::Format_RGB32))
        << why.toStdString();
  }
}

TEST(BmpDecode, PixelDataShorterThanTheHeaderSaysIsRefused) {
  for (QImage::Format format : {QImage::Format_Indexed8, QImage::Format_RGB32}) {
    const QByteArray bmp = bmpBytes(checkerboard(format));
    QByteArray topDown = bmp;
    putInt32(topDown, 22, -int32At(bmp, 22));
    ASSERT_FALSE(decodeBmp(topDown, nullptr).isNull());  // whole, top-down reads too
    for (const QByteArray& whole : {bmp, topDown}) {
      const QByteArray cut = whole.left(whole.size() - 1);
      EXPECT_FALSE(bmpDataProblem(cut, cut.size()).isEmpty());
      QString why;
      EXPECT_TRUE(decodeBmp(cut, &why).isNull());
      EXPECT_FALSE(why.isEmpty());
    }
  }
  // Huge dimensions with a few bytes of pixels are a short file too, not an allocation.
  QByteArray huge = bmpBytes(checkerboard(QImage::Format_RGB32));
  putInt32(huge, 18, 100000);
  putInt32(huge, 22, 100000);
  EXPECT_TRUE(decodeBmp(huge, nullptr).isNull());
  // The largest width and height a header can state: the pixel data they imply
  // does not fit in 64 bits, and must still count as missing, not wrap round.
  for (const int height : {0x7FFFFFFF, -0x7FFFFFFF}) {
    QByteArray widest = bmpBytes(checkerboard(QImage::Format_RGB32));
    putInt32(widest, 18, 0x7FFFFFFF);
    putInt32(widest, 22, height);
    widest[28] = 32;
    EXPECT_FALSE(bmpDataProblem(widest, widest.size()).isEmpty());
    EXPECT_TRUE(decodeBmp(widest, nullptr).isNull());
  }
}

TEST(BmpDecode, AnOffsetPointingIntoTheHeadersStillNeedsEveryRowAfterThem) {
  QByteArray bmp = bmpBytes(checkerboard(QImage::Format_Indexed8));
  putInt32(bmp, 10, 0);
  EXPECT_TRUE(bmpDataProblem(bmp, bmp.size()).isEmpty());
  const QByteArray cut = bmp.left(bmp.size() - 4);
  EXPECT_FALSE(bmpDataProblem(cut, cut.size()).isEmpty());
}

TEST(BmpDecode, RunLengthDataIsCheckedAgainstItsDeclaredSizeAndSkippedPixelsAreCleared) {
  // Bottom row: four pixels of index 5; top row: two, then the end of the bitmap.
  const QByteArray stream = QByteArray::fromHex("0405" "0000" "0205" "0001");
  const QByteArray bmp = runLengthBmp(4, 2, stream, std::uint32_t(stream.size()));
  QString why;
  const QImage decoded = decodeBmp(bmp, &why);
  ASSERT_FALSE(decoded.isNull()) << why.toStdString();
  const QRgb painted = qRgb(0xF0, 0xA0, 0x50);
  EXPECT_EQ(decoded.pixel(0, 1), painted);
  EXPECT_EQ(decoded.pixel(1, 0), painted);
  EXPECT_EQ(decoded.pixel(2, 0), qRgb(0, 0, 0));  // never written by the stream
  EXPECT_EQ(decoded.pixel(3, 0), qRgb(0, 0, 0));

  const QByteArray overclaiming = runLengthBmp(4, 2, stream, std::uint32_t(stream.size() + 10));
  EXPECT_FALSE(bmpDataProblem(overclaiming, overclaiming.size()).isEmpty());
  EXPECT_TRUE(decodeBmp(overclaiming, nullptr).isNull());
  EXPECT_TRUE(decodeBmp(runLengthBmp(4, 2, stream, 0), nullptr).isNull());

  // A tiny stream may claim a picture far beyond the reader's allocation limit.
  EXPECT_TRUE(decodeBmp(runLengthBmp(60000, 60000, stream, std::uint32_t(stream.size())), &why).isNull());
}

TEST(BmpDecode, LoadsAFileFromDisk) {
  const QString path = QDir::temp().filePath(QStringLiteral("pvq_bmpdecode_%1.bmp").arg(QCoreApplication::applicationPid()));
  const QImage source = checkerboard(QImage::Format_RGB32);
  ASSERT_TRUE(writeFile(path, bmpBytes(source)));
  EXPECT_EQ(loadBmpFile(path, nullptr), source);
  QFile::remove(path);
  QString why;
  EXPECT_TRUE(loadBmpFile(path, &why).isNull());
  EXPECT_FALSE(why.isEmpty());
}
