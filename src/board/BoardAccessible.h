#pragma once
// The board as a screen reader sees it. The main window paints its banner
// controls itself, so without this it is one blank pane: here it is a window
// whose name is its caption, with five parts read from what the board shows:
// the menu button and the abort button (push buttons that can be pressed), the
// sound switch (its state as its value: on, off, no sound device), and the score
// and the time (texts whose values are the digits shown). The holes are left out.
//
// The window needs only boardState(), boardLayout() and hintAt(QPoint) and to
// be a QWidget; install<Window>() makes every such window readable.
#include <QAccessible>
#include <QAccessibleWidget>
#include <array>
#include <functional>
#include <vector>

#include "board/BoardLayout.h"
#include "board/BoardState.h"

namespace boardaccess {

enum class BoardPart { MenuButton, SoundSwitch, Score, Time, AbortButton };
inline constexpr int kBoardParts = 5;

// What the accessible board reads from its window.
struct BoardReader {
  std::function<BoardState()> state;
  std::function<BoardLayout()> layout;
  std::function<QString(QPoint)> hint;
};

// The value a part shows, as text ("0000", "30", "On"); empty for the buttons.
QString partValue(BoardPart part, const BoardState& board);

class BoardInterface : public QAccessibleWidget {
 public:
  BoardInterface(QWidget* window, BoardReader reader);
  ~BoardInterface() override;

  QString text(QAccessible::Text t) const override;
  int childCount() const override { return kBoardParts; }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

  // What the parts read; the parts ask through these.
  BoardState board() const { return reader_.state(); }
  QRect partRect(BoardPart part, const BoardState& board) const;  // in the window's coordinates
  QString hintAt(QPoint at) const { return reader_.hint(at); }

  // Tells the screen reader what changed since the last call; returns the parts told of.
  std::vector<BoardPart> announceChanges();

 private:
  BoardReader reader_;
  mutable std::array<QAccessible::Id, kBoardParts> ids_{};
  std::array<QString, kBoardParts> lastValues_;
  bool lastRunning_ = false;
  bool lastPressed_ = false;
};

QAccessibleInterface* makeInterface(QWidget* window, BoardReader reader);

template <class Window>
QAccessibleInterface* factory(const QString&, QObject* object) {
  auto* window = qobject_cast<Window*>(object);
  if (!window) return nullptr;
  return makeInterface(window, {[window] { return window->boardState(); },
                                [window] { return window->boardLayout(); },
                                [window](QPoint at) { return window->hintAt(at); }});
}

// Makes every Window (the game's main window) readable by screen readers.
template <class Window>
void install() {
  QAccessible::installFactory(&factory<Window>);
}

// The window calls this when its score, time, sound or buttons change, so a
// screen reader hears the new value. It compares five short texts with the
// last ones told, so calling it at every change of the board costs little.
// Returns the parts whose change was told.
std::vector<BoardPart> notifyChanged(QWidget* window);

}  // namespace boardaccess
