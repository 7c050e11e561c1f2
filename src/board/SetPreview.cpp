#include "board/SetPreview.h"

#include <QPainter>

#include "board/BoardLayout.h"
#include "board/BoardPainter.h"
#include "board/BoardState.h"
#include "imageset/CursorTable.h"
#include "imageset/FrameCopy.h"
#include "imageset/SharpPictures.h"

namespace {

// The two holes beside the start hole show the set at work: the figure risen
// all the way, and a pie just hitting.
constexpr int kFigureHole = 6, kSplatHole = 8;
constexpr int kFigureFrame = 4, kSplatFrame = 2;

QImage holeWith(const SetContent& set, const QImage& strip, int frame) {
  QImage hole = blankPicture(kHoleWidth, kHoleHeight);
  copyRect(hole, {0, kFrameHeight, kHoleWidth, kHoleHeight}, set.holeBase,
           {0, 0, pictureSize(set.holeBase).width(), pictureSize(set.holeBase).height()});
  const int left = kFramePitchX * frame;
  copyRect(hole, {0, 0, kHoleWidth, kFrameHeight}, strip, {left, 0, left + kFrameWidth, kFrameHeight});
  return hole;
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

// A round under way: empty holes but for the two at work, a score and time part gone.
BoardState boardAtWork(const LoadedSet& set) {
  BoardState board = idleBoard(set, set.playfieldColour, set.titleColour);
  const QImage empty = holeWith(set, set.targetStrip, 0);
  for (int n = 1; n <= kHoles; ++n) board.hole(n) = empty;
  board.hole(kFigureHole) = holeWith(set, set.targetStrip, kFigureFrame);
  board.hole(kSplatHole) = holeWith(set, set.splatStrip, kSplatFrame);
  drawScoreDigits(board.scoreDigits, set, 42);
  drawTimeDigits(board.timeDigits, set, 17);
  board.roundRunning = true;
  board.soundIcon = SoundState::Enabled;
  return board;
}

}  // namespace

QImage drawSetPreview(const LoadedSet& set, QSize size, qreal devicePixelRatio) {
  const QSize boardSize(kBoardWidth, kBoardHeight);
  const qreal dpr = std::max<qreal>(1, devicePixelRatio);
  const QSize pixels = (QSizeF(size) * dpr).toSize();
  QImage preview = BoardPainter()
                       .picture(boardSize, boardAtWork(set), set)
                       .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  preview.setDevicePixelRatio(dpr);
  // The cursor keeps more of its size than the board does, or it would be a speck.
  QPoint hotSpot;
  const QImage cursor = cursorOf(set, &hotSpot);
  if (cursor.isNull()) return preview;
  const double boardScale = double(size.width()) / boardSize.width();
  const double cursorScale = std::min(1.0, 2 * boardScale);
  // It hovers over the empty hole between the two at work, so it hides neither.
  const QRect between = BoardLayout(boardSize).hole((kFigureHole + kSplatHole) / 2);
  const QPointF over = QPointF(between.center().x(), between.top() + 45) * boardScale;
  // Enlarged by whole steps first, so a dense preview shows square cursor pixels.
  const int steps = pictureScaleFor(dpr * cursorScale);
  const QImage shown = cursor.scaled(cursor.size() * steps, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QPainter painter(&preview);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(over - QPointF(hotSpot) * cursorScale, QSizeF(32, 32) * cursorScale), shown);
  return preview;
}
