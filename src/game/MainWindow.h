#pragma once
// The main window: the board widget. It paints what the game shows through the
// board painter, maps presses to holes and buttons by the board's layout, shows
// the cursor and hint of the part under the pointer, and tells the controller
// what the player did.
#include <QCursor>
#include <QWidget>

#include "board/BoardLayout.h"
#include "board/BoardPainter.h"
#include "board/BoardState.h"

class GameController;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(GameController& controller, QWidget* parent = nullptr);

  // What the board shows now, the banner's controls included, and where it shows it.
  BoardState boardState() const;
  BoardLayout boardLayout() const { return BoardLayout(size()); }
  // The hint the player gets over a point of the window; empty where there is none.
  QString hintAt(QPoint at) const;

  // --- what the controller tells the board ---
  // A hole changed: holes are not read out, so this only repaints.
  void partChanged(const QRect& part) { update(part); }
  // A part with a value a screen reader reads changed (the score, the time, the
  // whole board): repainted and told.
  void valueChanged(const QRect& part);
  void soundIconChanged();
  void setMenuPressed(bool pressed);
  void setPlayfieldCursor(const QCursor& cursor);
  void setButtonCursor(const QCursor& cursor) { buttonCursor_ = cursor; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void pressButton(BoardArea button);
  // Tells a listening screen reader what changed on the banner.
  void tellScreenReader();
  // The cursor of the part of the board under the pointer.
  void showCursorFor(QPoint at);

  GameController& controller_;
  BoardPainter painter_;
  bool menuPressed_ = false;
  BoardArea pressed_ = BoardArea::Page;  // where the left button went down
  bool leftPressed_ = false;
  QCursor playfieldCursor_;
  QCursor buttonCursor_;
  bool shown_ = false;
};
