#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "board/BoardAccessible.h"
#include "support/WindowFixture.h"

namespace {

QAccessibleInterface* part(QAccessibleInterface& board, const QString& name) {
  for (int i = 0; i < board.childCount(); ++i)
    if (QAccessibleInterface* c = board.child(i); c && c->text(QAccessible::Name) == name) return c;
  ADD_FAILURE() << "no part named " << name.toStdString();
  return nullptr;
}

QAccessibleInterface* boardOf(WindowFixture& f) { return QAccessible::queryAccessibleInterface(f.window); }

// As at start-up: before any window is made, so none is read the plain way first.
const bool installed = [] {
  boardaccess::install<MainWindow>();
  return true;
}();

}  // namespace

// What a screen reader finds on the board at rest: the window's name, the two
// buttons, the sound switch and the two numbers with their values, in place.
TEST(BoardAccessible, TheBannerIsReadWithItsValues) {
  WindowFixture f;
  QAccessibleInterface* board = boardOf(f);
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->role(), QAccessible::Window);
  EXPECT_EQ(board->text(QAccessible::Name), f.window->windowTitle());
  EXPECT_FALSE(board->text(QAccessible::Name).isEmpty());
  ASSERT_EQ(board->childCount(), 5);

  QAccessibleInterface* menu = part(*board, "Menu");
  QAccessibleInterface* sound = part(*board, "Sound");
  QAccessibleInterface* score = part(*board, "Score");
  QAccessibleInterface* time = part(*board, "Time");
  QAccessibleInterface* abort = part(*board, "Abort game");
  ASSERT_TRUE(menu && sound && score && time && abort);

  EXPECT_EQ(menu->role(), QAccessible::PushButton);
  ASSERT_NE(menu->actionInterface(), nullptr);
  EXPECT_EQ(menu->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  EXPECT_EQ(menu->text(QAccessible::Description), "Click for a menu of commands/controls for this game");
  EXPECT_EQ(menu->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()).value(0), "F10");
  EXPECT_EQ(abort->role(), QAccessible::PushButton);
  EXPECT_TRUE(abort->state().disabled) << "no round runs, so the abort button does nothing";

  EXPECT_EQ(sound->role(), QAccessible::CheckBox);
  EXPECT_EQ(sound->text(QAccessible::Value), "On");
  EXPECT_TRUE(sound->state().checked);

  EXPECT_EQ(score->role(), QAccessible::StaticText);
  EXPECT_EQ(score->text(QAccessible::Value), "0000");
  ASSERT_NE(score->textInterface(), nullptr);
  EXPECT_EQ(score->textInterface()->text(0, -1), "0000");
  EXPECT_EQ(time->text(QAccessible::Value), "30");
  EXPECT_EQ(time->textInterface()->text(0, 2), "30");

  // Each part stands where the board draws it, and is found there by a pointer.
  const BoardLayout layout = f.window->boardLayout();
  const QPoint origin = f.window->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(score->rect(), layout.scoreDigits().translated(origin));
  EXPECT_EQ(time->rect(), layout.timeDigits().translated(origin));
  for (QAccessibleInterface* p : {menu, sound, score, time, abort}) {
    const QPoint centre = p->rect().center();
    EXPECT_EQ(board->childAt(centre.x(), centre.y()), p) << p->text(QAccessible::Name).toStdString();
    EXPECT_EQ(p->parent(), board);
    EXPECT_EQ(board->child(board->indexOfChild(p)), p);
  }
}

// Pressing through the screen reader does what a click does, and the reader hears
// the switch change; a board without a sound device says so.
TEST(BoardAccessible, ActionsPressAndChangesAreTold) {
  WindowFixture f;
  QAccessibleInterface* board = boardOf(f);
  ASSERT_NE(board, nullptr);
  QAccessibleInterface* menu = part(*board, "Menu");
  QAccessibleInterface* sound = part(*board, "Sound");
  ASSERT_TRUE(menu && sound);

  menu->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !f.prompts.menuPoints.isEmpty(); }, 2000)) << "the menu did not open";

  sound->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return sound->text(QAccessible::Value) == "Off"; }, 2000));
  EXPECT_FALSE(sound->state().checked);
  // The board tells of each change itself as it happens, so nothing is left
  // to tell when asked afterwards.
  EXPECT_TRUE(boardaccess::notifyChanged(f.window).empty()) << "the switch went off untold";
  f.controller->holePressed(kStartHole);
  EXPECT_TRUE(boardaccess::notifyChanged(f.window).empty()) << "the round began untold";
  QAccessibleInterface* time = part(*board, "Time");
  ASSERT_NE(time, nullptr);
  for (int step = 0; step < 100000 && time->text(QAccessible::Value) == "30"; ++step) f.steps(1);
  EXPECT_EQ(time->text(QAccessible::Value), "29");
  EXPECT_TRUE(boardaccess::notifyChanged(f.window).empty()) << "the clock ran down untold";

  WindowFixture::Options silent;
  silent.deviceOpens = false;
  WindowFixture g(silent);
  QAccessibleInterface* quiet = part(*boardOf(g), "Sound");
  ASSERT_NE(quiet, nullptr);
  EXPECT_EQ(quiet->text(QAccessible::Value), "No sound device");
  EXPECT_TRUE(quiet->state().disabled);
}
