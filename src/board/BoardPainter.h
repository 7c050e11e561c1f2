#pragma once
// Draws the whole board (banner, title, buttons, sound icon, score and time,
// the holes on the page) from a BoardState and a set, into any paint device. It
// holds nothing but the built-in button pictures, so it draws a set that is not
// in force as readily as the one that is.
#include <QImage>
#include <QRect>
#include <QSize>

#include "board/BoardLayout.h"
#include "board/BoardState.h"

class QPainter;

class BoardPainter {
 public:
  BoardPainter();

  // Paints a board of the given size with painter's origin at its top-left
  // corner. Only what meets `exposed` is drawn (all of it when it is empty).
  void paint(QPainter& painter, QSize size, const BoardState& board, const SetContent& set,
             const QRect& exposed = {}) const;
  // The board as a picture, for previews.
  QImage picture(QSize size, const BoardState& board, const SetContent& set) const;

 private:
  QImage menuButton_;   // 50 x 100: up, then pressed
  QImage abortButton_;  // 50 x 100: lit, then dark
  QImage soundIcon_;    // 15 x 60: on, muted, unavailable
  // The same drawn at twice the size, for screens denser than the game's pixels.
  QImage sharpMenuButton_;
  QImage sharpAbortButton_;
  QImage sharpSoundIcon_;
};
