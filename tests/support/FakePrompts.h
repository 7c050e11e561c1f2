#pragma once
// Answers the game's modal prompts from a script and remembers what was asked.
#include <QDialog>
#include <QWindow>
#include <QMenu>
#include <QPoint>
#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "ui/Prompts.h"

struct ShownMessage {
  QString text;
  QString caption;
  BoxIcon icon;
  QWidget* parent = nullptr;
  bool parentOnScreen = false;  // the parent's window was showing when the box came up
};

class FakePrompts : public Prompts {
 public:
  FakePrompts() { setPrompts(this); }
  ~FakePrompts() override { setPrompts(nullptr); }

  void message(QWidget* parent, const QString& text, const QString& caption, BoxIcon icon) override {
    const bool onScreen = parent && parent->isVisible() && parent->window()->windowHandle() &&
                          parent->window()->windowHandle()->isExposed();
    messages.push_back({text, caption, icon, parent, onScreen});
  }
  bool confirm(QWidget*, const QString& text, const QString& caption) override {
    questions.push_back({text, caption, BoxIcon::Question});
    if (confirmAnswers.empty()) return false;
    const bool a = confirmAnswers.front();
    confirmAnswers.pop_front();
    return a;
  }
  QString chooseFile(QWidget*, const FileDialogRequest& r) override {
    fileRequests.push_back(r);
    if (fileAnswers.empty()) return {};
    const QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
  }
  QColor chooseColour(QWidget*, const QColor& initial) override {
    offeredColours.push_back(initial);
    if (colourAnswers.empty()) return {};
    const QColor a = colourAnswers.front();
    colourAnswers.pop_front();
    return a;
  }
  // By default a dialog is "shown" without a modal loop and closes with Rejected;
  // a test sets onModal to inspect or drive it.
  int runModal(QDialog& dialog) override {
    modalTitles.push_back(dialog.windowTitle());
    if (onModal) return onModal(dialog);
    return QDialog::Rejected;
  }
  // A menu "pops up" without a loop; onMenu may trigger one of its actions.
  void popupMenu(QMenu& menu, const QPoint& at) override {
    menuPoints.push_back(at);
    if (onMenu) onMenu(menu);
  }
  void openUrl(const QString& address) override { openedUrls.push_back(address); }

  QList<ShownMessage> messages;
  QList<ShownMessage> questions;
  std::deque<bool> confirmAnswers;
  QList<FileDialogRequest> fileRequests;
  std::deque<QString> fileAnswers;
  QList<QColor> offeredColours;
  std::deque<QColor> colourAnswers;  // none left: cancelled
  QStringList modalTitles;
  std::function<int(QDialog&)> onModal;
  QStringList openedUrls;
  QList<QPoint> menuPoints;
  std::function<void(QMenu&)> onMenu;
};
