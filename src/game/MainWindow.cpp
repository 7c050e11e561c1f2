#include "game/MainWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <utility>

#include "board/BoardAccessible.h"
#include "game/GameController.h"
#include "ui/AppInfo.h"
#include "ui/AppStyle.h"
#include "ui/DialogLook.h"

namespace {
const char* const kMenuButtonHint =
    QT_TRANSLATE_NOOP("MainWindow", "Click for a menu of commands/controls for this game");
}  // namespace

MainWindow::MainWindow(GameController& controller, QWidget* parent) : QWidget(parent), controller_(controller) {
  setWindowTitle(QLatin1String(kAppName));
  setWindowIcon(QIcon(QPixmap::fromImage(QImage(QStringLiteral(":/Emblem.bmp")))));
  QFont f = font();
  f.setPixelSize(13);
  setFont(f);
  // The board paints every pixel itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);  // for the keys that open the menu and quit
  resize(kBoardWidth, kBoardHeight);
  setMinimumSize(kBoardWidth, kBoardHeight);
  setAcceptDrops(true);
}

BoardState MainWindow::boardState() const {
  BoardState board = controller_.game().board();
  board.menuPressed = menuPressed_;
  board.soundIcon = controller_.soundIcon();
  return board;
}

void MainWindow::paintEvent(QPaintEvent* e) {
  {
    QPainter painter(this);
    const BoardState board = boardState();
    // Each changed part alone: two holes far apart in one frame would otherwise
    // repaint the whole playfield between them.
    for (const QRect& part : e->region()) painter_.paint(painter, size(), board, controller_.game().set(), part);
  }
  if (isVisible()) controller_.boardPainted();
}

QString MainWindow::hintAt(QPoint at) const {
  switch (boardLayout().hitAt(at, boardState()).area) {
    case BoardArea::MenuButton: return tr(kMenuButtonHint);
    case BoardArea::SoundIcon: return controller_.soundIconHint();
    default: return {};
  }
}

bool MainWindow::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const QString hint = hintAt(help->pos());
    if (hint.isEmpty()) {
      QToolTip::hideText();
      e->ignore();
      return true;
    }
    // Tooltips wear the dialogs' style sheet, which the first one brings.
    appstyle::useStyleSheet();
    QToolTip::showText(help->globalPos(), hint, this);
    return true;
  }
  return QWidget::event(e);
}

// Holes take a press of any button at once; the buttons act when the left button
// comes up over them again. The menu button shows its pressed half while any
// button is held on it.
void MainWindow::mousePressEvent(QMouseEvent* e) {
  const BoardHit hit = boardLayout().hitAt(e->position().toPoint(), boardState());
  pressed_ = hit.area;
  leftPressed_ = e->button() == Qt::LeftButton;
  if (hit.area == BoardArea::Hole) controller_.holePressed(hit.hole);
  if (hit.area == BoardArea::MenuButton) setMenuPressed(true);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* e) {
  const BoardArea pressed = std::exchange(pressed_, BoardArea::Page);
  const bool click = std::exchange(leftPressed_, false) && e->button() == Qt::LeftButton &&
                     boardLayout().hitAt(e->position().toPoint(), boardState()).area == pressed;
  if (pressed == BoardArea::MenuButton) setMenuPressed(false);
  if (click) pressButton(pressed);
}

void MainWindow::pressButton(BoardArea button) {
  switch (button) {
    case BoardArea::MenuButton: controller_.openCommandMenu(); break;
    case BoardArea::AbortButton: controller_.abortPressed(); break;
    case BoardArea::SoundIcon: controller_.soundIconPressed(); break;
    default: break;
  }
}

// The keyboard's way to the commands: F10 and the Menu key open the menu as a
// click on the menu button does, and Ctrl+Q asks as "&Quit..." does.
void MainWindow::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_F10 || e->key() == Qt::Key_Menu) && e->modifiers() == Qt::NoModifier)
    controller_.openCommandMenu();
  else if (e->key() == Qt::Key_Q && e->modifiers() == Qt::ControlModifier)
    controller_.quit();
  else
    QWidget::keyPressEvent(e);
}

void MainWindow::setMenuPressed(bool pressed) {
  if (menuPressed_ == pressed) return;
  menuPressed_ = pressed;
  update(boardLayout().menuPanel());
  tellScreenReader();
}

void MainWindow::valueChanged(const QRect& part) {
  update(part);
  tellScreenReader();
}

void MainWindow::soundIconChanged() {
  update(boardLayout().soundIconWindow());
  tellScreenReader();
}

// Compares a few short texts with the last ones told; Qt drops the news when no
// screen reader listens.
void MainWindow::tellScreenReader() { boardaccess::notifyChanged(this); }

void MainWindow::mouseMoveEvent(QMouseEvent* e) {
  // A held button keeps the cursor of the part it went down on.
  if (e->buttons() == Qt::NoButton) showCursorFor(e->position().toPoint());
}

void MainWindow::enterEvent(QEnterEvent* e) { showCursorFor(e->position().toPoint()); }

// The banner shows the no-drop pointer, its buttons the finger, and the rest the
// set's playfield cursor.
void MainWindow::showCursorFor(QPoint at) {
  switch (boardLayout().hitAt(at, boardState()).area) {
    case BoardArea::Banner: setCursor(Qt::ForbiddenCursor); break;
    case BoardArea::MenuButton:
    case BoardArea::SoundIcon:
    case BoardArea::AbortButton: setCursor(buttonCursor_); break;
    default: setCursor(playfieldCursor_); break;
  }
}

void MainWindow::setPlayfieldCursor(const QCursor& cursor) {
  playfieldCursor_ = cursor;
  showCursorFor(mapFromGlobal(QCursor::pos()));
}

void MainWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (std::exchange(shown_, true)) return;
  // First shown in the middle of the screen.
  centreOnScreen(this);
  controller_.boardShown();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
  QStringList paths;
  for (const QUrl& url : e->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  e->acceptProposedAction();
  if (!paths.isEmpty()) controller_.filesDropped(paths);
}
