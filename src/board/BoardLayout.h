#pragma once
// Where everything on the board stands in a window of a given size, and what a
// point of the window is: the board's only geometry, shared by its painter and
// by the window that maps presses and cursors with it.
//
// The banner (82 rows, black) holds the title bar across the top, the menu button
// and sound icon at the left edge, the abort button at the right edge and the
// score panel in the middle. The playfield with the thirteen holes is centred
// under it, and never moves up under it.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

#include "board/BoardState.h"

// The smallest client size, which shows the whole playfield under the banner.
constexpr int kBoardWidth = 580;
constexpr int kBoardHeight = 474;

enum class BoardArea { Page, Playfield, Hole, Banner, MenuButton, SoundIcon, AbortButton };

struct BoardHit {
  BoardArea area = BoardArea::Page;
  int hole = 0;  // 1..13 for BoardArea::Hole
};

class BoardLayout {
 public:
  explicit BoardLayout(QSize size);

  QRect banner() const { return {0, 0, size_.width(), kBannerHeight}; }
  QRect titleBar() const { return {0, 0, size_.width(), kTitleHeight}; }
  QRect titlePicture() const;
  QRect menuPanel() const { return {0, kTitleHeight, 73, kBannerHeight - kTitleHeight}; }
  QRect abortPanel() const { return {size_.width() - 52, kTitleHeight, 52, kBannerHeight - kTitleHeight}; }
  QRect soundIconWindow() const { return {55, kTitleHeight + 16, 15, 20}; }
  QRect scorePanel() const;
  QRect scoreWords() const { return part(8, 111); }
  QRect scoreDigits() const { return part(119, 126); }
  QRect timeWords() const { return part(267, 111); }
  QRect timeDigits() const { return part(381, 60); }
  QRect playfield() const;
  QRect hole(int n) const;

  // Where the top-left corner of each button's two-state picture goes: the panel
  // shows the upper half (menu up, abort lit) or the lower half.
  QPoint menuPictureAt(bool pressed) const { return {1, kTitleHeight + (pressed ? -49 : 1)}; }
  QPoint abortPictureAt(bool lit) const { return {size_.width() - 49, kTitleHeight + (lit ? 1 : -49)}; }
  // The sound icon picture holds its three states one under the other.
  QPoint soundPictureAt(SoundState state) const;
  // The part of each button the player sees and can press.
  QRect menuButton(bool pressed) const;
  QRect abortButton(bool lit) const;

  BoardHit hitAt(QPoint at, const BoardState& board) const;

 private:
  static constexpr int kBannerHeight = 82;
  static constexpr int kTitleHeight = 31;
  QRect part(int left, int width) const;

  QSize size_;
};
