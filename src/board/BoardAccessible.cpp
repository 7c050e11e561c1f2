#include "board/BoardAccessible.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace boardaccess {

namespace {

BoardPart partAt(int index) { return static_cast<BoardPart>(index); }

bool shows(BoardPart part, const BoardState& board) {
  return part != BoardPart::SoundSwitch || board.soundIcon.has_value();
}

// One part of the board: a button, the sound switch or a number. It holds no
// state of its own; each question is answered from the board as it is now.
class PartInterface final : public QAccessibleInterface,
                            public QAccessibleActionInterface,
                            public QAccessibleTextInterface {
  Q_DECLARE_TR_FUNCTIONS(BoardAccessible)
 public:
  PartInterface(QWidget* window, BoardPart part) : window_(window), part_(part) {}

  bool isValid() const override { return window_ && board(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return window_ ? QAccessible::queryAccessibleInterface(window_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override {
    return {};
  }

  QString text(QAccessible::Text t) const override {
    BoardInterface* b = board();
    if (!b) return {};
    switch (t) {
      case QAccessible::Name: return name();
      case QAccessible::Value: return partValue(part_, b->board());
      case QAccessible::Description: {
        const BoardState state = b->board();
        return shows(part_, state) ? b->hintAt(b->partRect(part_, state).center()) : QString();
      }
      default: return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    BoardInterface* b = board();
    if (!b) return {};
    const QRect inWindow = b->partRect(part_, b->board());
    return {window_->mapToGlobal(inWindow.topLeft()), inWindow.size()};
  }

  QAccessible::Role role() const override {
    switch (part_) {
      case BoardPart::MenuButton:
      case BoardPart::AbortButton: return QAccessible::PushButton;
      case BoardPart::SoundSwitch: return QAccessible::CheckBox;
      case BoardPart::Score:
      case BoardPart::Time: return QAccessible::StaticText;
    }
    return QAccessible::NoRole;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    BoardInterface* b = board();
    if (!b) {
      s.invalid = true;
      return s;
    }
    const BoardState shown = b->board();
    s.invisible = !window_->isVisible() || !shows(part_, shown);
    switch (part_) {
      case BoardPart::MenuButton:
        s.hasPopup = true;
        s.pressed = shown.menuPressed;
        break;
      case BoardPart::AbortButton:
        // Pressing it does something only while a round runs.
        s.disabled = !shown.roundRunning;
        break;
      case BoardPart::SoundSwitch:
        s.checkable = true;
        s.checked = shown.soundIcon == SoundState::Enabled;
        s.disabled = shown.soundIcon == SoundState::Unavailable;
        break;
      case BoardPart::Score:
      case BoardPart::Time: s.readOnly = true; break;
    }
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    const bool number = part_ == BoardPart::Score || part_ == BoardPart::Time;
    if (type == QAccessible::ActionInterface && !number) return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TextInterface && number) return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
  }

  // Actions: the buttons are pressed, the switch toggled, as a click does.
  QStringList actionNames() const override {
    return {part_ == BoardPart::SoundSwitch ? toggleAction() : pressAction()};
  }
  void doAction(const QString& action) override {
    BoardInterface* b = board();
    if (!b || !actionNames().contains(action)) return;
    const QPoint at = b->partRect(part_, b->board()).center();
    // Posted, so the screen reader's call returns before a menu or dialog opens.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QCoreApplication::postEvent(window_, new QMouseEvent(type, QPointF(at), QPointF(window_->mapToGlobal(at)),
                                                          Qt::LeftButton, held, Qt::NoModifier));
    }
  }
  // F10 and the Menu key open the command menu as a press of its button does.
  QStringList keyBindingsForAction(const QString& action) const override {
    if (part_ != BoardPart::MenuButton || action != pressAction()) return {};
    return {QKeySequence(Qt::Key_F10).toString(QKeySequence::NativeText),
            QKeySequence(Qt::Key_Menu).toString(QKeySequence::NativeText)};
  }

  // The number as text, for the score and the time.
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    const QString value = text(QAccessible::Value);
    if (startOffset < 0) startOffset = 0;
    if (endOffset < 0 || endOffset > value.size()) endOffset = static_cast<int>(value.size());
    return startOffset >= endOffset ? QString() : value.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(text(QAccessible::Value).size()); }
  QRect characterRect(int offset) const override {
    const int count = characterCount();
    if (offset < 0 || offset >= count) return {};
    const QRect whole = rect();
    return {whole.left() + whole.width() * offset / count, whole.top(), whole.width() / count, whole.height()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QRect whole = rect();
    const int count = characterCount();
    if (!whole.contains(point) || count == 0) return -1;
    return (point.x() - whole.left()) * count / whole.width();
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

 private:
  BoardInterface* board() const {
    return window_ ? dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(window_)) : nullptr;
  }
  QString name() const {
    switch (part_) {
      case BoardPart::MenuButton: return tr("Menu");
      case BoardPart::SoundSwitch: return tr("Sound");
      case BoardPart::Score: return tr("Score");
      case BoardPart::Time: return tr("Time");
      case BoardPart::AbortButton: return tr("Abort game");
    }
    return {};
  }

  QPointer<QWidget> window_;
  BoardPart part_;
};

QString digits(std::int32_t value, int cells) {
  // As the board draws them: leading zeros, the first cells of a longer number.
  return QString::number(value).rightJustified(cells, QLatin1Char('0')).left(cells);
}

}  // namespace

QString partValue(BoardPart part, const BoardState& board) {
  switch (part) {
    case BoardPart::Score: return digits(board.score, kScoreCells);
    case BoardPart::Time: return digits(board.secondsLeft, kTimeCells);
    case BoardPart::SoundSwitch:
      if (!board.soundIcon) return {};
      switch (*board.soundIcon) {
        case SoundState::Enabled: return QCoreApplication::translate("BoardAccessible", "On");
        case SoundState::Muted: return QCoreApplication::translate("BoardAccessible", "Off");
        case SoundState::Unavailable: return QCoreApplication::translate("BoardAccessible", "No sound device");
      }
      return {};
    case BoardPart::MenuButton:
    case BoardPart::AbortButton: return {};
  }
  return {};
}

BoardInterface::BoardInterface(QWidget* window, BoardReader reader)
    : QAccessibleWidget(window, QAccessible::Window), reader_(std::move(reader)) {
  const BoardState now = reader_.state();
  for (int i = 0; i < kBoardParts; ++i) lastValues_[static_cast<std::size_t>(i)] = partValue(partAt(i), now);
  lastRunning_ = now.roundRunning;
  lastPressed_ = now.menuPressed;
}

BoardInterface::~BoardInterface() {
  for (const QAccessible::Id id : ids_)
    if (id) QAccessible::deleteAccessibleInterface(id);
}

QString BoardInterface::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    const QString title = widget()->windowTitle();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
  }
  return QAccessibleWidget::text(t);
}

QAccessibleInterface* BoardInterface::child(int index) const {
  if (index < 0 || index >= kBoardParts) return nullptr;
  QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
  if (!id) id = QAccessible::registerAccessibleInterface(new PartInterface(widget(), partAt(index)));
  return QAccessible::accessibleInterface(id);
}

int BoardInterface::indexOfChild(const QAccessibleInterface* part) const {
  for (int i = 0; i < kBoardParts; ++i) {
    const QAccessible::Id id = ids_[static_cast<std::size_t>(i)];
    if (id && QAccessible::accessibleInterface(id) == part) return i;
  }
  return -1;
}

QAccessibleInterface* BoardInterface::childAt(int x, int y) const {
  const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
  const BoardState now = board();
  for (int i = 0; i < kBoardParts; ++i)
    if (shows(partAt(i), now) && partRect(partAt(i), now).contains(at)) return child(i);
  return nullptr;
}

QRect BoardInterface::partRect(BoardPart part, const BoardState& board) const {
  const BoardLayout layout = reader_.layout();
  switch (part) {
    case BoardPart::MenuButton: return layout.menuButton(board.menuPressed);
    case BoardPart::SoundSwitch: return layout.soundIconWindow();
    case BoardPart::Score: return layout.scoreDigits();
    case BoardPart::Time: return layout.timeDigits();
    case BoardPart::AbortButton: return layout.abortButton(board.roundRunning);
  }
  return {};
}

std::vector<BoardPart> BoardInterface::announceChanges() {
  std::vector<BoardPart> told;
  const BoardState now = board();
  for (int i = 0; i < kBoardParts; ++i) {
    const BoardPart part = partAt(i);
    QString& last = lastValues_[static_cast<std::size_t>(i)];
    const QString value = partValue(part, now);
    if (value == last) continue;
    QAccessibleInterface* iface = child(i);
    if (part == BoardPart::SoundSwitch) {
      QAccessible::State changed;
      changed.checked = true;
      changed.disabled = true;
      changed.invisible = true;
      QAccessibleStateChangeEvent event(iface, changed);
      QAccessible::updateAccessibility(&event);
    } else {
      QAccessibleTextUpdateEvent event(iface, 0, last, value);
      QAccessible::updateAccessibility(&event);
    }
    QAccessibleValueChangeEvent valueEvent(iface, value);
    QAccessible::updateAccessibility(&valueEvent);
    last = value;
    told.push_back(part);
  }
  if (now.roundRunning != lastRunning_) {
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(child(static_cast<int>(BoardPart::AbortButton)), changed);
    QAccessible::updateAccessibility(&event);
    lastRunning_ = now.roundRunning;
    told.push_back(BoardPart::AbortButton);
  }
  if (now.menuPressed != lastPressed_) {
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(child(static_cast<int>(BoardPart::MenuButton)), changed);
    QAccessible::updateAccessibility(&event);
    lastPressed_ = now.menuPressed;
    told.push_back(BoardPart::MenuButton);
  }
  return told;
}

QAccessibleInterface* makeInterface(QWidget* window, BoardReader reader) {
  return new BoardInterface(window, std::move(reader));
}

std::vector<BoardPart> notifyChanged(QWidget* window) {
  if (!window) return {};
  if (auto* board = dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(window)))
    return board->announceChanges();
  return {};
}

}  // namespace boardaccess
