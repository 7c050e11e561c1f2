#include "imageset/SetPreview.h"

#include <QPainter>
#include <cstring>

#include "imageset/CursorTable.h"
#include "imageset/FrameCopy.h"

namespace {

constexpr int kHoleWidth = 111, kHoleHeight = 130;
constexpr QPoint kPlayfield{12, 83};
// Where the holes stand in the playfield, and the two that show the set at work.
constexpr QPoint kHoles[] = {{56, 0},    {168, 0},   {280, 0},   {392, 0},   {0, 130},   {112, 130}, {224, 130},
                             {336, 130}, {448, 130}, {48, 260},  {160, 260}, {272, 260}, {384, 260}};
constexpr int kFigureHole = 6, kSplatHole = 7;
constexpr int kFigureFrame = 4, kSplatFrame = 2;

QImage hole(const LoadedSet& set, const QImage& strip, int frame) {
  QImage picture = blankPicture(kHoleWidth, kHoleHeight, headerColour(set.playfieldColour).rgb());
  copyRect(picture, {0, kFrameHeight, kHoleWidth, kHoleHeight}, set.holeBase,
           {0, 0, set.holeBase.width(), set.holeBase.height()});
  const int left = kFramePitchX * frame;
  copyRect(picture, {0, 0, kHoleWidth, kFrameHeight}, strip, {left, 0, left + kFrameWidth, kFrameHeight});
  return picture;
}

QImage digits(const LoadedSet& set, const char* text) {
  const int count = int(std::strlen(text));
  QImage picture = blankPicture(30 * count + 6, 49, qRgb(0, 0, 0));
  for (int i = 0; i < count; ++i) {
    const int d = text[i] - '0';
    copyRect(picture, {3 + 30 * i, 0, 33 + 30 * i, 49}, set.digitStrip, {30 * d, 0, 30 * d + 30, 51});
  }
  return picture;
}

QImage cursorOf(const LoadedSet& set, QPoint* hotSpot) {
  std::uint8_t planes[256];
  int hotX = 0, hotY = 0;
  if (set.cursorSlot == kCustomCursorSlot && set.cursor) {
    std::copy(set.cursor->planes.begin(), set.cursor->planes.end(), planes);
    hotX = set.cursor->hotX, hotY = set.cursor->hotY;
  } else if (!builtinCursorPlanes(set.cursorSlot, planes, &hotX, &hotY)) {
    return QImage();
  }
  *hotSpot = QPoint(hotX, hotY);
  return cursorPicture(planes);
}

}  // namespace

QColor headerColour(std::uint32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QImage drawSetPreview(const LoadedSet& set, QSize size) {
  QImage board(kBoardSize, QImage::Format_RGB32);
  board.fill(headerColour(set.playfieldColour));
  QPainter painter(&board);
  painter.fillRect(0, 0, kBoardSize.width(), 82, Qt::black);
  painter.fillRect(0, 0, kBoardSize.width(), 31, headerColour(set.titleColour));
  painter.drawImage((kBoardSize.width() - set.title.width()) / 2, 0, set.title);
  const int scoreLeft = (kBoardSize.width() - 441) / 2;
  painter.drawImage(scoreLeft + 8, 32, set.scoreWords);
  painter.drawImage(scoreLeft + 119, 32, digits(set, "0042"));
  painter.drawImage(scoreLeft + 267, 32, set.timeWords);
  painter.drawImage(scoreLeft + 381, 32, digits(set, "17"));

  const QImage empty = hole(set, set.targetStrip, 0);
  for (int n = 1; n <= 13; ++n) {
    const QImage& picture = n == kFigureHole  ? hole(set, set.targetStrip, kFigureFrame)
                            : n == kSplatHole ? hole(set, set.splatStrip, kSplatFrame)
                                              : empty;
    painter.drawImage(kPlayfield + kHoles[n - 1], picture);
  }
  painter.end();
  QImage preview = board.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // The cursor keeps more of its size than the board does, or it would be a speck.
  QPoint hotSpot;
  const QImage cursor = cursorOf(set, &hotSpot);
  if (!cursor.isNull()) {
    const double boardScale = double(size.width()) / kBoardSize.width();
    const double cursorScale = std::min(1.0, 2 * boardScale);
    const QPointF over = QPointF(kPlayfield + kHoles[kFigureHole - 1] + QPoint(kHoleWidth / 2, 50)) * boardScale;
    QPainter onPreview(&preview);
    onPreview.setRenderHint(QPainter::SmoothPixmapTransform);
    onPreview.drawImage(QRectF(over - QPointF(hotSpot) * cursorScale, QSizeF(32, 32) * cursorScale), cursor);
  }
  return preview;
}
