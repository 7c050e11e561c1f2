#include "board/BoardPainter.h"

#include <QPainter>
#include <algorithm>

#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"

namespace {
QImage builtinPicture(const char* name) {
  initGameResources();
  return gamePicture(QImage(QStringLiteral(":/") + QLatin1String(name)));
}

// Qt's raster engine hands any blit of more than 96 rows to its thread pool in
// bands of 64; for pictures the size of a hole, waking the pool costs more than
// the copy, and a round repaints a hole 25 times a second. Bands of 64 rows stay
// on this thread.
constexpr int kRowsPerBlit = 64;

// A picture with its top-left corner at `at`, of which only the part inside
// `visible` shows; never stretched.
void drawPart(QPainter& painter, QPoint at, const QImage& picture, const QRect& visible) {
  const QRect source = visible.translated(-at) & picture.rect();
  for (int top = source.top(); top <= source.bottom(); top += kRowsPerBlit) {
    const QRect band(source.left(), top, source.width(), std::min(kRowsPerBlit, source.bottom() + 1 - top));
    painter.drawImage(band.topLeft() + at, picture, band);
  }
}
}  // namespace

BoardPainter::BoardPainter()
    : menuButton_(builtinPicture("MenuButton.bmp")),
      abortButton_(builtinPicture("AbortButton.bmp")),
      soundIcon_(builtinPicture("SoundIcon.bmp")) {}

void BoardPainter::paint(QPainter& painter, QSize size, const BoardState& board, const SetContent& set,
                         const QRect& exposed) const {
  const BoardLayout layout(size);
  const QRect area = exposed.isEmpty() ? QRect(QPoint(0, 0), size) : exposed;
  painter.save();
  // On a scaled screen every picture pixel becomes a whole block of screen pixels.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.fillRect(area, board.pageColour);
  if (area.intersects(layout.banner())) {
    painter.fillRect(layout.banner() & area, Qt::black);
    painter.fillRect(layout.titleBar() & area, board.titleColour);
    drawPart(painter, layout.titlePicture().topLeft(), set.title, layout.titlePicture() & layout.titleBar() & area);
    drawPart(painter, layout.menuPictureAt(board.menuPressed), menuButton_,
             layout.menuButton(board.menuPressed) & area);
    if (board.soundIcon)
      drawPart(painter, layout.soundPictureAt(*board.soundIcon), soundIcon_, layout.soundIconWindow() & area);
    drawPart(painter, layout.abortPictureAt(board.roundRunning), abortButton_,
             layout.abortButton(board.roundRunning) & area);
    drawPart(painter, layout.scoreWords().topLeft(), set.scoreWords, layout.scoreWords() & area);
    drawPart(painter, layout.scoreDigits().topLeft(), board.scoreDigits, layout.scoreDigits() & area);
    drawPart(painter, layout.timeWords().topLeft(), set.timeWords, layout.timeWords() & area);
    drawPart(painter, layout.timeDigits().topLeft(), board.timeDigits, layout.timeDigits() & area);
  }
  for (int n = 1; n <= kHoles; ++n) drawPart(painter, layout.hole(n).topLeft(), board.hole(n), layout.hole(n) & area);
  painter.restore();
}

QImage BoardPainter::picture(QSize size, const BoardState& board, const SetContent& set) const {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  paint(painter, size, board, set);
  return image;
}
