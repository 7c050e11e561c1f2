#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "game/MainWindow.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "support/DigitChecks.h"
#include "support/WindowFixture.h"

namespace {

QImage shot(MainWindow& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }
QImage resource(const char* name) { return QImage(QStringLiteral(":/") + QLatin1String(name)).convertToFormat(QImage::Format_RGB32); }

QImage expectedHole(const QImage& countStrip, int frameLeft, const QImage& base) {
  QImage hole = blankPicture(111, 130);
  copyRect(hole, {0, 107, 111, 130}, base, {0, 0, base.width(), base.height()});
  copyRect(hole, {0, 0, 111, 107}, countStrip, {frameLeft, 0, frameLeft + 110, countStrip.height()});
  return hole;
}

// The idle board at the smallest size: the banner's pictures, the score 0000 and
// time 30, the start hole's invitation and Game Over in the others, above the rim.
TEST(MainWindow, TheIdleBoardShowsTheSetWhereTheLayoutPutsIt) {
  WindowFixture f;
  MainWindow& w = *f.window;
  const ActiveSet& set = f.game().set();
  ASSERT_EQ(w.size(), QSize(580, 474));
  EXPECT_EQ(w.minimumSize(), QSize(580, 474));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Pie Vorb Quarn, 3.40, Created by \"The Zanthorp!\""));
  const QImage board = shot(w);
  // The 594-column title overhangs both edges by 7 columns.
  EXPECT_EQ(board.copy(0, 0, 580, 31), set.title.copy(7, 0, 580, 31));
  // The score panel, 441 wide, centred at 70.
  EXPECT_EQ(board.copy(78, 32, 111, 49), set.scoreWords);
  EXPECT_TRUE(showsDigits(board.copy(189, 32, 126, 49), set.digitStrip, QStringLiteral("0000")));
  EXPECT_EQ(board.copy(337, 32, 111, 49), set.timeWords);
  EXPECT_TRUE(showsDigits(board.copy(451, 32, 60, 49), set.digitStrip, QStringLiteral("30")));
  EXPECT_EQ(board.pixel(325, 60), qRgb(0, 0, 0));  // between the score and the word Time
  // Menu button up, sound on, abort button dark.
  EXPECT_EQ(board.copy(1, 32, 50, 50), resource("MenuButton.bmp").copy(0, 0, 50, 50));
  EXPECT_EQ(board.copy(55, 47, 15, 20), resource("SoundIcon.bmp").copy(0, 0, 15, 20));
  EXPECT_EQ(board.copy(531, 31, 49, 51), resource("AbortButton.bmp").copy(0, 49, 49, 51));
  // The playfield directly under the banner, 561 wide and centred.
  const BuiltinPictures& def = builtinPictures();
  EXPECT_EQ(board.copy(10 + 224, 82 + 130, 111, 130), expectedHole(def.countdown, 448, set.holeBase));
  EXPECT_EQ(board.copy(10 + 56, 82, 111, 130), expectedHole(def.countdown, 560, set.holeBase));
  // White page between the holes.
  EXPECT_EQ(board.pixel(10 + 56 + 111, 150), qRgb(255, 255, 255));
  EXPECT_EQ(board.pixel(5, 300), qRgb(255, 255, 255));
}

TEST(MainWindow, ResizingCentresTitleScoreAndPlayfieldButNeverUnderTheBanner) {
  WindowFixture f;
  MainWindow& w = *f.window;
  const ActiveSet& set = f.game().set();
  w.resize(900, 700);
  QImage board = shot(w);
  // Title at 450 - 297, score panel at 450 - 220, playfield at 450 - 280 and
  // halfway down the space under the banner.
  EXPECT_EQ(board.copy(153, 0, 594, 31), set.title);
  EXPECT_EQ(board.pixel(152, 10), qRgb(255, 0, 0));
  EXPECT_EQ(board.copy(230 + 8, 32, 111, 49), set.scoreWords);
  EXPECT_EQ(board.copy(170 + 224, 195 + 130, 111, 130), f.game().board().hole(kStartHole));
  // Menu button on the left edge, abort button on the right edge.
  EXPECT_EQ(board.copy(1, 32, 50, 50), resource("MenuButton.bmp").copy(0, 0, 50, 50));
  EXPECT_EQ(board.copy(851, 31, 49, 51), resource("AbortButton.bmp").copy(0, 49, 49, 51));

  // Not much taller than the banner and the playfield: the playfield stays at 82.
  w.setMinimumSize(0, 0);
  w.resize(580, 300);
  board = shot(w);
  EXPECT_EQ(board.copy(10 + 56, 82, 111, 130), f.game().board().hole(1));
}

TEST(MainWindow, APressOfAnyButtonOnAStandingTargetScores) {
  WindowFixture f;
  MainWindow& w = *f.window;
  const QPoint hole3(10 + 280 + 55, 82 + 65), hole7(10 + 224 + 55, 82 + 130 + 65), hole1(10 + 56 + 55, 82 + 65);
  QTest::mouseClick(&w, Qt::LeftButton, {}, hole3);
  EXPECT_EQ(f.game().state(), GameState::Idle);
  QTest::mousePress(&w, Qt::LeftButton, {}, hole7);
  QTest::mouseRelease(&w, Qt::LeftButton, {}, hole7);
  EXPECT_EQ(f.game().state(), GameState::CountingDown);
  EXPECT_TRUE(f.timer("stepTimer")->isActive());
  f.steps(40);
  f.random.queue = {99};  // hole 1 pops
  f.steps(3);
  QTest::mousePress(&w, Qt::RightButton, {}, hole1);
  QTest::mouseRelease(&w, Qt::RightButton, {}, hole1);
  EXPECT_EQ(f.game().score(), 2);
  EXPECT_TRUE(showsDigits(shot(w).copy(189, 32, 126, 49), f.game().set().digitStrip, QStringLiteral("0002")));
  QTest::mousePress(&w, Qt::MiddleButton, {}, hole1);
  EXPECT_EQ(f.game().score(), 2);  // now splatting
}

TEST(MainWindow, TheButtonsShowTheirStates) {
  WindowFixture f;
  MainWindow& w = *f.window;
  const QImage menu = resource("MenuButton.bmp"), abort = resource("AbortButton.bmp");
  // Held down, the menu button shows its pressed half; let go off it, it opens nothing.
  QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(25, 55));
  EXPECT_EQ(shot(w).copy(1, 31, 50, 51), menu.copy(0, 49, 50, 51));
  QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_EQ(shot(w).copy(1, 32, 50, 50), menu.copy(0, 0, 50, 50));
  EXPECT_TRUE(f.prompts.menuPoints.isEmpty());
  // A round lights the abort button; a click on it puts the round and the button out.
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(10 + 224 + 55, 82 + 130 + 65));
  EXPECT_EQ(shot(w).copy(531, 32, 49, 50), abort.copy(0, 0, 49, 50));
  EXPECT_EQ(shot(w).pixel(540, 31), qRgb(0, 0, 0));
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(555, 57));
  EXPECT_EQ(shot(w).copy(531, 31, 49, 51), abort.copy(0, 49, 49, 51));
  EXPECT_EQ(f.game().state(), GameState::Idle);
  EXPECT_FALSE(f.timer("stepTimer")->isActive());
}

TEST(MainWindow, EachPartOfTheBoardHasItsCursorAndHint) {
  WindowFixture f;
  MainWindow& w = *f.window;
  const QCursor pie = f.game().cursors().cursor(kPieCursorSlot);
  const QCursor finger = f.game().cursors().cursor(kFingerCursorSlot);
  ASSERT_EQ(pie.shape(), Qt::BitmapCursor);
  ASSERT_FALSE(pie == finger);
  const QList<std::pair<QPoint, QCursor>> places = {
      {{289, 277}, pie},    {{5, 300}, pie},     {{12, 90}, pie},      {{300, 10}, Qt::ForbiddenCursor},
      {{200, 50}, Qt::ForbiddenCursor}, {{60, 75}, Qt::ForbiddenCursor}, {{25, 55}, finger},
      {{62, 57}, finger},   {{555, 57}, finger}, {{529, 57}, Qt::ForbiddenCursor}};
  for (const auto& [at, cursor] : places) {
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &move);
    EXPECT_TRUE(w.cursor() == cursor) << at.x() << "," << at.y();
  }
  EXPECT_EQ(w.hintAt({25, 55}), QStringLiteral("Click for a menu of commands/controls for this game"));
  EXPECT_EQ(w.hintAt({62, 57}), QStringLiteral("Sound Enabled!"));
  EXPECT_TRUE(w.hintAt({289, 277}).isEmpty());
}

// Opening the device (or failing to) never holds up the first picture; the sound
// icon waits for the answer instead of guessing.
TEST(MainWindow, TheWaveDeviceOpensOnceTheWindowIsUp) {
  WindowFixture::Options o;
  o.show = false;
  o.deviceOpens = false;
  WindowFixture f(o);
  EXPECT_EQ(f.device->opens, 0);
  f.window->show();
  EXPECT_EQ(shot(*f.window).copy(55, 47, 15, 20), blankPicture(15, 20, 0xFF000000));
  ASSERT_TRUE(QTest::qWaitFor([&f] { return f.controller->startedUp(); }, 5000));
  EXPECT_EQ(f.device->opens, 1);
  EXPECT_EQ(shot(*f.window).copy(55, 47, 15, 20), resource("SoundIcon.bmp").copy(0, 40, 15, 20));
  f.controller->menuItem("aboutGame")->trigger();
  EXPECT_EQ(f.device->opens, 1);
}

}  // namespace
