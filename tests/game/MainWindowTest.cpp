#include <gtest/gtest.h>

#include <QTest>

#include "game/MainWindow.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "support/WindowFixture.h"

namespace {

QImage expectedHole(const QImage& countStrip, int frameLeft, const QImage& base) {
  QImage hole = blankPicture(111, 130);
  copyRect(hole, {0, 107, 111, 130}, base, {0, 0, base.width(), base.height()});
  copyRect(hole, {0, 0, 111, 107}, countStrip, {frameLeft, 0, frameLeft + 110, countStrip.height()});
  return hole;
}

TEST(MainWindow, ComponentsStandWhereTheLayoutSays) {
  WindowFixture f;
  MainWindow& w = *f.window;
  // The whole 392-row playfield under the 82-row banner, 580 wide as the title expects.
  EXPECT_EQ(w.size(), QSize(580, 474));
  EXPECT_EQ(w.minimumSize(), QSize(580, 474));
  EXPECT_EQ(w.titleImage->size(), QSize(594, 31));
  EXPECT_EQ(w.titlePanel->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(w.menuButton->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(w.hole(5)->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(w.banner->geometry(), QRect(0, 0, kClientWidth, 82));
  EXPECT_EQ(w.titlePanel->geometry(), QRect(0, 0, kClientWidth, 31));
  EXPECT_EQ(w.menuPanel->geometry(), QRect(0, 31, 73, 51));
  EXPECT_EQ(w.abortPanel->geometry(), QRect(kClientWidth - 52, 31, 52, 51));
  EXPECT_EQ(w.soundIconPanel->geometry(), QRect(55, 16, 15, 20));
  EXPECT_EQ(w.menuButton->geometry(), QRect(1, 1, 50, 100));
  EXPECT_EQ(w.soundIcon->geometry(), QRect(0, 0, 15, 60));
  // Only the dark half shows before the first game; -45 would show the lit half's last rows.
  EXPECT_EQ(w.abortButton->geometry(), QRect(3, -49, 105, 105));
  EXPECT_EQ(w.scorePanel->size(), QSize(441, 49));
  EXPECT_EQ(w.scorePanel->y(), 32);
  EXPECT_EQ(w.scoreWords->geometry(), QRect(8, 0, 111, 49));
  EXPECT_EQ(w.scoreDigits->geometry(), QRect(119, 0, 126, 49));
  EXPECT_EQ(w.timeWords->geometry(), QRect(267, 0, 111, 49));
  EXPECT_EQ(w.timeDigits->geometry(), QRect(381, 0, 60, 49));
  EXPECT_EQ(w.playfield->size(), QSize(561, 392));
  const QList<QPoint> places = {{56, 0},    {168, 0},   {280, 0},   {392, 0},   {0, 130},
                                {112, 130}, {224, 130}, {336, 130}, {448, 130}, {48, 260},
                                {160, 260}, {272, 260}, {384, 260}};
  for (int n = 1; n <= kHoles; ++n) {
    EXPECT_EQ(w.hole(n)->geometry(), QRect(places[n - 1], QSize(111, 130))) << n;
    EXPECT_EQ(w.hole(n)->tag(), n);
  }
  EXPECT_TRUE(w.stepTimer->isSingleShot());
  EXPECT_EQ(w.stepTimer->timerType(), Qt::PreciseTimer);
  EXPECT_FALSE(w.stepTimer->isActive());
  EXPECT_EQ(w.setInfoTimer->interval(), 50);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Pie Vorb Quarn, 3.40, Created by \"The Zanthorp!\""));
  EXPECT_EQ(w.menuButton->toolTip(), QStringLiteral("Click for a menu of commands/controls for this game"));
  EXPECT_EQ(w.titleImage->cursor().shape(), Qt::ForbiddenCursor);
  EXPECT_EQ(w.scoreDigits->cursor().shape(), Qt::ForbiddenCursor);
}

TEST(MainWindow, ResizeCentresButNeverPushesThePlayfieldUnderTheBanner) {
  WindowFixture f;
  MainWindow& w = *f.window;
  // At the minimum the playfield sits directly under the banner, the title overhangs.
  EXPECT_EQ(w.playfield->y(), 82);
  EXPECT_EQ(w.playfield->x(), kClientWidth / 2 - 561 / 2);
  EXPECT_EQ(w.titleImage->x(), kClientWidth / 2 - 594 / 2);
  EXPECT_LT(w.titleImage->x(), 0);

  w.resize(900, 700);
  EXPECT_EQ(w.playfield->x(), 450 - 280);
  EXPECT_EQ(w.scorePanel->x(), 450 - 220);
  EXPECT_EQ(w.titleImage->x(), 450 - 297);
  const int above = w.playfield->y() - 82;
  const int below = 700 - (w.playfield->y() + 392);
  EXPECT_LE(std::abs(above - below), 1);
  // Menu button on the left edge, abort button on the right edge.
  EXPECT_EQ(w.menuPanel->x(), 0);
  EXPECT_EQ(w.abortPanel->x() + w.abortPanel->width(), 900);

  // A client just a little taller than the minimum keeps the playfield at 82.
  w.setMinimumSize(0, 0);
  w.resize(580, 300);
  EXPECT_EQ(w.playfield->y(), 82);
}

TEST(MainWindow, IdleBoardShowsTheInvitationAndGameOverAboveTheRim) {
  WindowFixture f;
  Game& g = f.game();
  const BuiltinPictures& def = builtinPictures();
  const QImage base = g.set.holeBase;
  EXPECT_EQ(g.holes[7], expectedHole(def.countdown, 448, base));
  for (int n = 1; n <= kHoles; ++n)
    if (n != 7) { EXPECT_EQ(g.holes[n], expectedHole(def.countdown, 560, base)) << n; }
  // The rim rows: 24 base rows squeezed into 23.
  EXPECT_EQ(g.holes[3].pixel(20, 107), base.pixel(20, 0));
  EXPECT_EQ(g.holes[3].pixel(20, 129), base.pixel(20, 22));
  // The 110 idle columns of frame 4 are stretched to 111 and never reach column 558.
  QImage marked = def.countdown.copy();
  for (int y = 0; y < marked.height(); ++y) marked.setPixel(558, y, qRgb(1, 2, 3));
  g.set.countStrip = marked;
  g.showIdleBoard();
  for (int x = 0; x < 111; ++x) ASSERT_NE(g.holes[7].pixel(x, 50), qRgb(1, 2, 3)) << x;
  // A count strip taller than 107 rows is squeezed into the idle holes.
  QImage tall(671, 214, QImage::Format_RGB32);
  tall.fill(qRgb(0, 0, 200));
  for (int y = 107; y < 214; ++y)
    for (int x = 0; x < 671; ++x) tall.setPixel(x, y, qRgb(200, 0, 0));
  g.set.countStrip = tall;
  g.showIdleBoard();
  EXPECT_EQ(g.holes[7].pixel(50, 10), qRgb(0, 0, 200));
  EXPECT_EQ(g.holes[7].pixel(50, 100), qRgb(200, 0, 0));
}

QImage digitCell(const QImage& digits, int d) {
  QImage cell = blankPicture(30, 49, 0xFF000000);
  copyRect(cell, {0, 0, 30, 51}, digits, {30 * d, 0, 30 * d + 30, 51});
  return cell;
}

TEST(MainWindow, ScoreAndTimeShowPaddedDigits) {
  WindowFixture f;
  Game& g = f.game();
  const QImage& digits = g.set.digitStrip;
  auto shows = [&](const QImage& pic, const QString& text) {
    for (int i = 0; i < text.size(); ++i)
      if (pic.copy(30 * i, 0, 30, 49) != digitCell(digits, text[i].unicode() - '0')) return false;
    return true;
  };
  const QList<std::pair<int, QString>> scores = {{0, "0000"}, {24, "0024"}, {240, "0240"}, {10000, "1000"},
                                                 {98765, "9876"}};
  for (const auto& [value, text] : scores) {
    g.score = value;
    g.drawScore();
    EXPECT_TRUE(shows(g.scorePicture, text)) << value;
    EXPECT_EQ(g.scorePicture.size(), QSize(126, 49));
    for (int y = 0; y < 49; ++y)
      for (int x = 120; x < 126; ++x) ASSERT_EQ(g.scorePicture.pixel(x, y), qRgb(0, 0, 0));
  }
  const QList<std::pair<int, QString>> times = {{30, "30"}, {9, "09"}, {0, "00"}};
  for (const auto& [value, text] : times) {
    g.timeLeft = value;
    g.drawTime();
    EXPECT_TRUE(shows(g.timePicture, text)) << value;
  }
  // The cells take the digit strip's rows 0-48; rows 49 and 50 fall outside the picture.
  EXPECT_EQ(g.timePicture.height(), 49);
}

TEST(MainWindow, AnyMouseButtonOnAStandingTargetScores) {
  WindowFixture f;
  Game& g = f.game();
  QTest::mouseClick(f.window->hole(3), Qt::LeftButton);
  EXPECT_EQ(g.state, Idle);
  QTest::mousePress(f.window->hole(7), Qt::LeftButton);
  QTest::mouseRelease(f.window->hole(7), Qt::LeftButton);
  EXPECT_EQ(g.state, CountingDown);
  EXPECT_TRUE(f.window->stepTimer->isActive());
  EXPECT_EQ(f.window->abortButton->y(), 1);
  g.state = Playing;
  g.phase[4] = 5;
  g.busyHoles = 1;
  QTest::mousePress(f.window->hole(4), Qt::RightButton);
  EXPECT_EQ(g.score, 2);
  QTest::mousePress(f.window->hole(4), Qt::MiddleButton);
  EXPECT_EQ(g.score, 2);  // now splatting
}

TEST(MainWindow, ButtonsMoveInsideTheirPanels) {
  WindowFixture f;
  QTest::mousePress(f.window->menuButton, Qt::LeftButton);
  EXPECT_EQ(f.window->menuButton->y(), -49);
  QTest::mouseRelease(f.window->menuButton, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(f.window->menuButton->y(), 1);
  f.window->game().holePressed(7);
  EXPECT_EQ(f.window->abortButton->y(), 1);
  QTest::mouseClick(f.window->abortButton, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(f.window->abortButton->y(), -49);
  EXPECT_EQ(f.window->game().state, Idle);
  EXPECT_FALSE(f.window->stepTimer->isActive());
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
  EXPECT_FALSE(f.window->soundIcon->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&f] { return f.window->startedUp(); }, 5000));
  EXPECT_EQ(f.device->opens, 1);
  EXPECT_TRUE(f.window->soundIcon->isVisible());
  EXPECT_EQ(f.window->soundIcon->y(), -40);
  f.window->aboutDialog();
  EXPECT_EQ(f.device->opens, 1);
}

}  // namespace
