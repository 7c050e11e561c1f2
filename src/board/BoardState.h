#pragma once
// What the main window's board shows, as a plain value: the thirteen hole
// pictures, the score and time digits, the two colours and the state of the three
// banner controls. The game keeps its own board up to date; a set that is not in
// force gets one from idleBoard, so a preview is drawn exactly as the game would.
#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "imageset/ActiveSet.h"
#include "sound/SoundPorts.h"

struct BoardState {
  std::array<QImage, kHoles> holes;  // hole n at [n - 1], each 111 x 130
  QImage scoreDigits;                // 126 x 49
  QImage timeDigits;                 // 60 x 49
  std::int32_t score = 0;                     // the number the score digits show
  std::int32_t secondsLeft = kRoundSeconds;   // the number the time digits show
  QColor pageColour = Qt::white;
  QColor titleColour = Qt::red;
  bool roundRunning = false;  // the abort button is lit
  bool menuPressed = false;
  std::optional<SoundState> soundIcon;  // hidden until the wave device has been tried

  QImage& hole(int n) { return holes[static_cast<std::size_t>(n - 1)]; }
  const QImage& hole(int n) const { return holes[static_cast<std::size_t>(n - 1)]; }
};

// A black score or time picture with no digits yet.
QImage blankScorePicture();
QImage blankTimePicture();
// Draws value into a score or time picture with the set's digit cells, padded
// with leading zeros to the picture's cells (the first cells of a longer number).
void drawScoreDigits(QImage& picture, const SetContent& set, std::int32_t score);
void drawTimeDigits(QImage& picture, const SetContent& set, std::int32_t secondsLeft);
// The start hole and the other holes at rest: the set's hole base under the
// invitation to click, and under Game Over.
QImage idleStartHole(const SetContent& set);
QImage idleOtherHole(const SetContent& set);

// The board a set shows before its first round: the idle holes, score 0000 and
// time 30, in the given colours, the abort button dark.
BoardState idleBoard(const SetContent& set, QColor pageColour, QColor titleColour);
