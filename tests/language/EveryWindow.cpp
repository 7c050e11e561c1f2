#include "language/EveryWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QSet>
#include <QMenu>
#include <QStackedWidget>
#include <QTest>
#include <algorithm>

#include "imageset/SoundEffects.h"
#include "wizard/CreationProgressDialog.h"

namespace {

void showAndLook(QWidget& window, const std::function<void(QWidget&)>& look) {
  const bool wasVisible = window.isVisible();
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  look(window);
  // A paged dialog: each page in turn, wherever it stands in the flow.
  for (QStackedWidget* pages : window.findChildren<QStackedWidget*>()) {
    if (!pages->isVisibleTo(&window)) continue;
    const int first = pages->currentIndex();
    for (int i = 0; i < pages->count(); ++i) {
      if (i == first) continue;
      pages->setCurrentIndex(i);
      QCoreApplication::processEvents();
      look(window);
    }
    pages->setCurrentIndex(first);
  }
  if (!wasVisible) window.hide();
}

}  // namespace

void visitEveryWindow(WindowFixture& fixture, const std::function<void(QWidget& window)>& look) {
  MainWindow& main = *fixture.window;
  QSet<QWidget*> seen;
  const auto visit = [&](QWidget& window) {
    seen.insert(&window);
    showAndLook(window, look);
  };
  look(main);
  fixture.prompts.onModal = [&](QDialog& dialog) {
    visit(dialog);
    return int(QDialog::Rejected);
  };
  // Every command of every menu: the dialogs they open come through onModal,
  // their boxes and file dialogs are recorded by the prompts (and cancelled).
  for (QMenu* menu : main.findChildren<QMenu*>())
    for (QAction* action : menu->actions())
      if (!action->isSeparator() && !action->menu()) action->trigger();
  // A round played to its end brings the game-over dialog.
  const qsizetype modals = fixture.prompts.modalTitles.size();
  fixture.controller->holePressed(kStartHole);
  for (int step = 0; step < 100000 && fixture.prompts.modalTitles.size() == modals; ++step) fixture.steps(1);
  EXPECT_GT(fixture.prompts.modalTitles.size(), modals) << "the round did not end";
  // The dialogs made meanwhile that no command showed by itself (those another
  // dialog opens from its buttons).
  std::vector<QDialog*> made;
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && !seen.contains(dialog)) made.push_back(dialog);
  // In the same order at every run, so two runs can be compared window by window.
  std::sort(made.begin(), made.end(),
            [](QDialog* a, QDialog* b) { return languagecheck::nameOf(*a) < languagecheck::nameOf(*b); });
  for (QDialog* dialog : made) visit(*dialog);
  fixture.prompts.onModal = nullptr;
  // The wizard's progress while it writes a set, with its first status line.
  CreationProgressDialog progress;
  progress.drawStatus(QCoreApplication::translate("SoundEffects", kSoundEffects[0].writerStatus));
  progress.drawProgress(1, 2);
  visit(progress);
}

std::vector<ShownText> promptAndMenuTexts(const WindowFixture& fixture) {
  std::vector<ShownText> texts;
  for (const ShownMessage& m : fixture.prompts.messages) {
    texts.push_back({QStringLiteral("message box"), m.text});
    texts.push_back({QStringLiteral("message box title"), m.caption});
  }
  for (const ShownMessage& q : fixture.prompts.questions) {
    texts.push_back({QStringLiteral("question"), q.text});
    texts.push_back({QStringLiteral("question title"), q.caption});
  }
  for (const FileDialogRequest& r : fixture.prompts.fileRequests) {
    texts.push_back({QStringLiteral("file dialog title"), r.title});
    // The filter names the kinds of file; its patterns are no words.
    const QStringList pairs = r.filter.split(u'|');
    for (int i = 0; i < pairs.size(); i += 2) texts.push_back({QStringLiteral("file dialog filter"), pairs[i]});
  }
  for (const QMenu* menu : fixture.window->findChildren<QMenu*>())
    if (!qobject_cast<const QMenu*>(menu->parent())) {
      const std::vector<ShownText> items = languagecheck::menuTexts(*menu);
      texts.insert(texts.end(), items.begin(), items.end());
    }
  return texts;
}

bool showsStoredText(const QString& where) {
  // The set's title, author, addresses, comment, sentence and rating; the player's
  // name; the chooser's list of sets.
  static const QStringList stored = {QStringLiteral("#title"), QStringLiteral("#author"), QStringLiteral("#email"), QStringLiteral("#webPage"), QStringLiteral("#comment"),
                                     QStringLiteral("#sentence"), QStringLiteral("#rating"), QStringLiteral("#authorLink"), QStringLiteral("#version"),
                                     QStringLiteral("#setList")};
  for (const QString& name : stored)
    if (where.endsWith(name)) return true;
  return false;
}
