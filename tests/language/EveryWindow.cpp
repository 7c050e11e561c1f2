#include "language/EveryWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTest>

#include "about/AboutDialog.h"
#include "imageset/SetInfoDialog.h"
#include "imageset/SoundEffects.h"
#include "scores/GameOverDialog.h"
#include "scores/GameResult.h"
#include "scores/PlayerNameDialog.h"
#include "scores/ScoreTableWindow.h"
#include "wizard/CreationProgressDialog.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/ImageGroupDialog.h"

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
  look(main);
  fixture.prompts.onModal = [&look](QDialog& dialog) {
    showAndLook(dialog, look);
    return int(QDialog::Rejected);
  };
  // Every command of every menu: the dialogs they open come through onModal,
  // their boxes and file dialogs are recorded by the prompts (and cancelled).
  for (QMenu* menu : main.findChildren<QMenu*>())
    for (QAction* action : menu->actions())
      if (!action->isSeparator() && !action->menu()) action->trigger();
  // The dialogs the game opens by itself, or from inside another dialog.
  main.gameOverDialog()->setResult({42, QStringLiteral("stored sentence"), QStringLiteral("stored rating")});
  showAndLook(*main.gameOverDialog(), look);
  showAndLook(*main.playerNameDialog(), look);
  showAndLook(*main.imageGroupDialog(), look);
  showAndLook(*main.cursorSetupDialog(), look);
  // The wizard's progress while it writes a set, with its first status line.
  CreationProgressDialog progress;
  progress.drawStatus(QCoreApplication::translate("SoundEffects", kSoundEffects[0].writerStatus));
  progress.drawProgress(1, 2);
  showAndLook(progress, look);
  fixture.prompts.onModal = nullptr;
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
