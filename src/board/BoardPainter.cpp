#include "board/BoardPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"

namespace {
QImage builtinPicture(const QString& name) {
  initGameResources();
  return gamePicture(QImage(QStringLiteral(":/") + name));
}

// The program's own pictures drawn at twice the size, for dense screens.
QImage sharpBuiltinPicture(const QString& name) {
  QImage picture = builtinPicture(QStringLiteral("2x/") + name + QStringLiteral(".png"));
  picture.setDevicePixelRatio(2);
  return picture;
}

// Qt's raster engine hands any blit of more than 96 rows to its thread pool in
// bands of 64; for pictures the size of a hole, waking the pool costs more than
// the copy, and a round repaints a hole 25 times a second. Bands of 64 rows stay
// on this thread.
constexpr int kRowsPerBlit = 64;

// A picture with its top-left corner at `at`, of which only the part inside
// `visible` shows. A picture of the game's own density is never stretched; a
// denser one fills the same game pixels with its own.
void drawPart(QPainter& painter, QPoint at, const QImage& picture, const QRect& visible) {
  const int ratio = pictureRatio(picture);
  // Screen pixels per picture pixel: at a whole number each picture pixel
  // becomes a whole block of them; otherwise (pictures at 2 on a screen at 1.5)
  // the picture is scaled smoothly.
  const qreal density = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const qreal steps = density / ratio;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, steps < 1 || std::abs(steps - std::round(steps)) > 1e-6);
  const QRect source = visible.translated(-at) & QRect(QPoint(0, 0), pictureSize(picture));
  const int rows = std::max(1, kRowsPerBlit / ratio);
  for (int top = source.top(); top <= source.bottom(); top += rows) {
    const QRect band(source.left(), top, source.width(), std::min(rows, source.bottom() + 1 - top));
    if (ratio == 1)
      painter.drawImage(band.topLeft() + at, picture, band);
    else
      painter.drawImage(QRectF(band.translated(at)), picture,
                        QRectF(band.left() * ratio, band.top() * ratio, band.width() * ratio, band.height() * ratio));
  }
}
}  // namespace

BoardPainter::BoardPainter()
    : menuButton_(builtinPicture(QStringLiteral("MenuButton.bmp"))),
      abortButton_(builtinPicture(QStringLiteral("AbortButton.bmp"))),
      soundIcon_(builtinPicture(QStringLiteral("SoundIcon.bmp"))),
      sharpMenuButton_(sharpBuiltinPicture(QStringLiteral("MenuButton"))),
      sharpAbortButton_(sharpBuiltinPicture(QStringLiteral("AbortButton"))),
      sharpSoundIcon_(sharpBuiltinPicture(QStringLiteral("SoundIcon"))) {}

void BoardPainter::paint(QPainter& painter, QSize size, const BoardState& board, const SetContent& set,
                         const QRect& exposed) const {
  const BoardLayout layout(size);
  const QRect area = exposed.isEmpty() ? QRect(QPoint(0, 0), size) : exposed;
  painter.save();
  const bool dense = painter.device() && painter.device()->devicePixelRatioF() > 1;
  const QImage& menuButton = dense ? sharpMenuButton_ : menuButton_;
  const QImage& abortButton = dense ? sharpAbortButton_ : abortButton_;
  const QImage& soundIcon = dense ? sharpSoundIcon_ : soundIcon_;
  painter.fillRect(area, board.pageColour);
  if (area.intersects(layout.banner())) {
    painter.fillRect(layout.banner() & area, Qt::black);
    painter.fillRect(layout.titleBar() & area, board.titleColour);
    drawPart(painter, layout.titlePicture().topLeft(), set.title, layout.titlePicture() & layout.titleBar() & area);
    drawPart(painter, layout.menuPictureAt(board.menuPressed), menuButton,
             layout.menuButton(board.menuPressed) & area);
    if (board.soundIcon)
      drawPart(painter, layout.soundPictureAt(*board.soundIcon), soundIcon, layout.soundIconWindow() & area);
    drawPart(painter, layout.abortPictureAt(board.roundRunning), abortButton,
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
