#include <gtest/gtest.h>

#include <QBuffer>
#include <QCursor>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <vector>

#include "board/BoardPainter.h"
#include "board/BoardState.h"
#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "imageset/SharpPictures.h"
#include "SetFileBuilder.h"

namespace {

const QSize kBoard(kBoardWidth, kBoardHeight);

// The board as a screen of the given density shows it, in screen pixels.
QImage paintedBoard(const SetContent& set, qreal density) {
  const BoardState board = idleBoard(set, Qt::white, Qt::red);
  QImage image((QSizeF(kBoard) * density).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(density);
  QPainter painter(&image);
  BoardPainter().paint(painter, kBoard, board, set);
  painter.end();
  image.setDevicePixelRatio(1);
  return image;
}

QImage region(const QImage& image, const QRect& gameRect, int scale) {
  return image.copy(QRect(gameRect.topLeft() * scale, gameRect.size() * scale)).convertToFormat(QImage::Format_RGB32);
}

QImage flat(const QImage& picture, const QRect& pixels) {
  QImage copy = picture.copy(pixels).convertToFormat(QImage::Format_RGB32);
  copy.setDevicePixelRatio(1);
  return copy;
}

// A picture of the given size in which no two neighbouring pixels are alike.
QImage busyPicture(QSize size, int seed) {
  QImage picture(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) picture.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 13) & 0xFF, (x ^ y) & 0xFF));
  return picture;
}

TEST(SharpPictures, TheBuiltinBoardAtTwoIsDrawnFromItsSharpPicturesAndHalvedIsTheOneTimesBoard) {
  LoadedSet set = builtinSet();
  const QImage plain = paintedBoard(set, 1);
  sharpenSet(set, 2);
  const QImage sharp = paintedBoard(set, 2);
  const SharpPictures& art = builtinSharpPictures();
  const BoardLayout layout(kBoard);

  // The title and the score's digits are the sharp art pixel for pixel...
  const QRect title = layout.titlePicture() & layout.titleBar();
  EXPECT_EQ(region(sharp, title, 2),
            flat(art[5], QRect((title.topLeft() - layout.titlePicture().topLeft()) * 2, title.size() * 2)));
  const QRect firstDigit(layout.scoreDigits().topLeft(), QSize(30, layout.scoreDigits().height()));
  EXPECT_EQ(region(sharp, firstDigit, 2), flat(art[3], QRect(QPoint(0, 0), firstDigit.size() * 2)));
  // ...and the board is neither the 1x board doubled nor a smooth enlargement of it.
  EXPECT_NE(sharp, plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  EXPECT_NE(sharp, plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  // Halved, it is the 1x board but for the shading of its edges.
  const QImage halved = sharp.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double difference = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) {
      const QRgb a = plain.pixel(x, y), b = halved.pixel(x, y);
      difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
  EXPECT_LT(difference / (3.0 * plain.width() * plain.height()), 6.0);
}

// Everything of the board the set draws, in the game's pixels.
std::vector<QRect> setParts() {
  const BoardLayout layout(kBoard);
  std::vector<QRect> parts = {layout.titlePicture() & layout.titleBar(), layout.scoreWords(), layout.scoreDigits(),
                              layout.timeWords(), layout.timeDigits()};
  for (int n = 1; n <= kHoles; ++n) parts.push_back(layout.hole(n));
  return parts;
}

TEST(SharpPictures, APlayersSetIsEnlargedPixelForPixelAndAFractionalScreenTakesTheNextWholeStep) {
  LoadedSet set = builtinSet();
  set.targetStrip = busyPicture(set.targetStrip.size(), 1);  // no longer the built-in pictures
  set.countStrip = busyPicture(set.countStrip.size(), 2);
  const QImage plain = paintedBoard(set, 1);
  LoadedSet atTwo = set;
  sharpenSet(atTwo, 2);
  const QImage sharp = paintedBoard(atTwo, 2);
  const QImage doubled = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  for (const QRect& part : setParts()) EXPECT_EQ(region(sharp, part, 2), region(doubled, part, 2)) << part.x() << "," << part.y();
  LoadedSet atOneAndAHalf = set;
  sharpenSet(atOneAndAHalf, 1.5);
  EXPECT_EQ(pictureRatio(atOneAndAHalf.countStrip), 2);
  EXPECT_EQ(pictureSize(atOneAndAHalf.countStrip), set.countStrip.size());
  EXPECT_EQ(atOneAndAHalf.groupCount(), set.groupCount());
}

TEST(SharpPictures, ACompanionServesOnlyTheExactSetFileItWasMadeFor) {
  QTemporaryDir dir;
  const QString setFile = dir.filePath(QStringLiteral("shipped.xet"));
  const QByteArray setBytes("a shipped set's bytes");
  LoadedSet own = builtinSet();
  own.targetStrip = busyPicture(own.targetStrip.size(), 3);
  own.sourceFile = setFile;
  std::array<QByteArray, kSharpPictureCount> pngs;
  const QSize sizes[] = {own.targetStrip.size(), own.splatStrip.size(), own.countStrip.size(),
                         own.digitStrip.size(), QSize(111, 124), own.title.size()};
  for (int i = 0; i < kSharpPictureCount; ++i) pngs[i] = pictureBytes(busyPicture(sizes[i] * 2, 10 + i), "PNG");
  auto write = [](const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  };
  write(setFile, setBytes);
  write(sharpCompanionPath(setFile), packSharpCompanion(setBytes, pngs));

  LoadedSet shipped = own;
  sharpenSet(shipped, 2);
  EXPECT_EQ(flat(shipped.targetStrip, shipped.targetStrip.rect()), busyPicture(sizes[0] * 2, 10));

  // The same file edited keeps its own pictures, enlarged.
  write(setFile, setBytes + "!");
  LoadedSet edited = own;
  sharpenSet(edited, 2);
  EXPECT_EQ(flat(edited.targetStrip, edited.targetStrip.rect()),
            flat(enlargedPicture(own.targetStrip, 2), QRect(QPoint(0, 0), sizes[0] * 2)));
  // So does a companion cut short.
  write(setFile, setBytes);
  write(sharpCompanionPath(setFile), packSharpCompanion(setBytes, pngs).chopped(100));
  EXPECT_FALSE(readSharpCompanion(setFile).has_value());
}

TEST(SharpPictures, CursorsAtTwoKeepTheirLogicalSizeAndHotSpotWithSquarePixels) {
  std::uint8_t planes[256];
  int hotX = 0, hotY = 0;
  ASSERT_TRUE(builtinCursorPlanes(kPieCursorSlot, planes, &hotX, &hotY));
  const auto cursor = cursorFromPlanes(planes, hotX, hotY, 2);
  const QPixmap pixmap = cursor->pixmap();
  EXPECT_EQ(pixmap.devicePixelRatio(), 2);
  EXPECT_EQ(pixmap.size(), QSize(64, 64));
  EXPECT_EQ(cursor->hotSpot(), QPoint(hotX, hotY));
  const QImage plain = cursorPicture(planes).convertToFormat(QImage::Format_ARGB32);
  QImage doubled = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  doubled.setDevicePixelRatio(1);
  EXPECT_EQ(doubled, plain.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace
