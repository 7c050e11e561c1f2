#include "board/BoardLayout.h"

namespace {
constexpr int kTitleWidth = 594;
constexpr int kScorePanelWidth = 441;
constexpr int kPlayfieldWidth = 561;
constexpr int kPlayfieldHeight = 392;
constexpr int kButtonWidth = 50, kButtonHeight = 100;
constexpr int kAbortButtonSide = 105;  // the abort button's window reaches past its panel
}  // namespace

BoardLayout::BoardLayout(QSize size) : size_(size) {}

QRect BoardLayout::titlePicture() const { return {size_.width() / 2 - kTitleWidth / 2, 0, kTitleWidth, kTitleHeight}; }

QRect BoardLayout::scorePanel() const {
  return {size_.width() / 2 - kScorePanelWidth / 2, kTitleHeight + 1, kScorePanelWidth, 49};
}

QRect BoardLayout::part(int left, int width) const {
  const QRect panel = scorePanel();
  return {panel.left() + left, panel.top(), width, panel.height()};
}

QRect BoardLayout::playfield() const {
  // Centred in the space under the banner, but never up under it.
  int top = (size_.height() - kBannerHeight) / 2 + kBannerHeight - kPlayfieldHeight / 2;
  if (top < kBannerHeight) top = kBannerHeight;
  return {size_.width() / 2 - kPlayfieldWidth / 2, top, kPlayfieldWidth, kPlayfieldHeight};
}

QRect BoardLayout::hole(int n) const {
  const HolePlace place = kHolePlaces[static_cast<std::size_t>(n - 1)];
  return {playfield().topLeft() + QPoint(place.left, place.top), QSize(kHoleWidth, kHoleHeight)};
}

QPoint BoardLayout::soundPictureAt(SoundState state) const {
  const int row = state == SoundState::Muted ? 1 : state == SoundState::Unavailable ? 2 : 0;
  return soundIconWindow().topLeft() - QPoint(0, 20 * row);
}

QRect BoardLayout::menuButton(bool pressed) const {
  return QRect(menuPictureAt(pressed), QSize(kButtonWidth, kButtonHeight)) & menuPanel();
}

QRect BoardLayout::abortButton(bool lit) const {
  return QRect(abortPictureAt(lit), QSize(kAbortButtonSide, kAbortButtonSide)) & abortPanel();
}

BoardHit BoardLayout::hitAt(QPoint at, const BoardState& board) const {
  if (banner().contains(at)) {
    if (menuButton(board.menuPressed).contains(at)) return {BoardArea::MenuButton};
    if (board.soundIcon && soundIconWindow().contains(at)) return {BoardArea::SoundIcon};
    if (abortButton(board.roundRunning).contains(at)) return {BoardArea::AbortButton};
    return {BoardArea::Banner};
  }
  for (int n = 1; n <= kHoles; ++n)
    if (hole(n).contains(at)) return {BoardArea::Hole, n};
  return {playfield().contains(at) ? BoardArea::Playfield : BoardArea::Page};
}
