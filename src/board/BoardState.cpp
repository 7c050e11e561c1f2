#include "board/BoardState.h"

#include "imageset/FrameCopy.h"

namespace {
constexpr int kDigitWidth = 30;
constexpr int kDigitHeight = 51;
constexpr int kCountFrameStart = 4;  // "click here" in the count strip
constexpr int kCountFrameOver = 5;   // "Game Over"

void drawDigits(QImage& target, const QImage& digits, std::int32_t value, int cells) {
  QString text = QString::number(value);
  while (text.size() < cells) text.prepend(QLatin1Char('0'));
  for (int i = 0; i < cells; ++i) {
    const int d = text.at(i).unicode() - '0';
    copyRect(target, {kDigitWidth * i, 0, kDigitWidth * (i + 1), kDigitHeight}, digits,
             {kDigitWidth * d, 0, kDigitWidth * (d + 1), kDigitHeight});
  }
}

// The idle frames are taken as wide as a rising frame and at the strip's full height,
// over the hole base squeezed into the last 23 rows.
QImage idleHole(const SetContent& set, int countFrame) {
  QImage hole = blankPicture(kHoleWidth, kHoleHeight);
  copyRect(hole, {0, kFrameHeight, kHoleWidth, kHoleHeight}, set.holeBase,
           {0, 0, pictureSize(set.holeBase).width(), pictureSize(set.holeBase).height()});
  const int x = kFramePitchX * countFrame;
  copyRect(hole, {0, 0, kHoleWidth, kFrameHeight}, set.countStrip,
           {x, 0, x + kRisingFrameWidth, pictureSize(set.countStrip).height()});
  return hole;
}
}  // namespace

QImage blankScorePicture() { return blankPicture(126, 49, 0xFF000000); }
QImage blankTimePicture() { return blankPicture(60, 49, 0xFF000000); }

void drawScoreDigits(QImage& picture, const SetContent& set, std::int32_t score) {
  drawDigits(picture, set.digitStrip, score, kScoreCells);
}

void drawTimeDigits(QImage& picture, const SetContent& set, std::int32_t secondsLeft) {
  drawDigits(picture, set.digitStrip, secondsLeft, kTimeCells);
}

QImage idleStartHole(const SetContent& set) { return idleHole(set, kCountFrameStart); }
QImage idleOtherHole(const SetContent& set) { return idleHole(set, kCountFrameOver); }

BoardState idleBoard(const SetContent& set, QColor pageColour, QColor titleColour) {
  BoardState board;
  const QImage other = idleOtherHole(set);
  for (int n = 1; n <= kHoles; ++n) board.hole(n) = other;
  board.hole(kStartHole) = idleStartHole(set);
  board.scoreDigits = blankScorePicture();
  drawScoreDigits(board.scoreDigits, set, 0);
  board.timeDigits = blankTimePicture();
  drawTimeDigits(board.timeDigits, set, kRoundSeconds);
  board.pageColour = pageColour;
  board.titleColour = titleColour;
  return board;
}
