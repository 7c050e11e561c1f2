// The board on its own: which part a point is, where each part is drawn for any
// set and window size, the chooser's preview, and what a change repaints.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include "board/BoardLayout.h"
#include "board/BoardPainter.h"
#include "board/SetPreview.h"
#include "game/MainWindow.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"
#include "support/DigitChecks.h"
#include "support/WindowFixture.h"

namespace {

QImage flat(int w, int h, QRgb colour) { return blankPicture(w, h, colour); }

// Where hole n stands in the playfield, as the board is drawn: rows of 4, 5 and 4
// holes 112 apart, the first row from 56, the middle from 0, the last from 48.
QPoint expectedHolePlace(int n) {
  if (n <= 4) return {56 + 112 * (n - 1), 0};
  if (n <= 9) return {112 * (n - 5), 130};
  return {48 + 112 * (n - 10), 260};
}

// A board whose every part is one colour of its own.
struct MarkedBoard {
  SetContent set = builtinSet();
  BoardState board;
  static QRgb holeColour(int n) { return qRgb(10 * n, 200, 255 - 10 * n); }
  MarkedBoard() {
    set.scoreWords = flat(111, 49, qRgb(1, 100, 1));
    set.timeWords = flat(111, 49, qRgb(2, 100, 2));
    set.title = flat(594, 31, qRgb(3, 100, 3));
    for (int n = 1; n <= kHoles; ++n) board.hole(n) = flat(kHoleWidth, kHoleHeight, holeColour(n));
    board.scoreDigits = flat(126, 49, qRgb(4, 100, 4));
    board.timeDigits = flat(60, 49, qRgb(5, 100, 5));
    board.pageColour = QColor(6, 100, 6);
  }
};

bool allOf(const QImage& picture, const QRect& part, QRgb colour) {
  for (int y = part.top(); y <= part.bottom(); ++y)
    for (int x = part.left(); x <= part.right(); ++x)
      if ((picture.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) return false;
  return true;
}

}  // namespace

// Each hole is where the board puts it, at the smallest window and centred in a larger one.
TEST(BoardLayout, HolesStandInTheirRowsForEverySize) {
  for (const QSize size : {QSize(580, 474), QSize(900, 700), QSize(580, 300)}) {
    const BoardLayout layout(size);
    const QPoint field = layout.playfield().topLeft();
    EXPECT_EQ(field.x(), size.width() / 2 - 280);
    EXPECT_GE(field.y(), 82);
    for (int n = 1; n <= kHoles; ++n)
      EXPECT_EQ(layout.hole(n), QRect(field + expectedHolePlace(n), QSize(111, 130))) << "hole " << n;
  }
}

// A press on a part's first and last pixel is that part; one pixel past it is not.
TEST(BoardLayout, PressesMapToPartsAtTheirEdges) {
  const BoardLayout layout(QSize(700, 600));
  BoardState board;
  for (int n = 1; n <= kHoles; ++n) {
    const QRect hole = layout.hole(n);
    for (const QPoint at : {hole.topLeft(), hole.bottomRight(), hole.topRight(), hole.bottomLeft()}) {
      const BoardHit hit = layout.hitAt(at, board);
      EXPECT_EQ(hit.area, BoardArea::Hole) << n;
      EXPECT_EQ(hit.hole, n) << at.x() << "," << at.y();
    }
    // The gap column right of a hole and the row above the playfield's first are not holes.
    if (n != 4 && n != 9 && n != 13) {
      EXPECT_NE(layout.hitAt(hole.topRight() + QPoint(1, 0), board).hole, n);
    }
  }
  EXPECT_EQ(layout.hitAt(layout.playfield().topLeft(), board).area, BoardArea::Playfield);
  const BoardLayout smallest(QSize(580, 474));
  EXPECT_EQ(smallest.hitAt(smallest.playfield().topLeft() + QPoint(280, -1), board).area, BoardArea::Banner);
  EXPECT_EQ(layout.hitAt({0, 599}, board).area, BoardArea::Page);

  // The sound icon is a button only once it is shown.
  const QRect icon = layout.soundIconWindow();
  for (const QPoint at : {icon.topLeft(), icon.bottomRight()}) {
    EXPECT_EQ(layout.hitAt(at, board).area, BoardArea::Banner) << "hidden";
    board.soundIcon = SoundState::Muted;
    EXPECT_EQ(layout.hitAt(at, board).area, BoardArea::SoundIcon);
    board.soundIcon.reset();
  }
  board.soundIcon = SoundState::Enabled;
  EXPECT_EQ(layout.hitAt(icon.topLeft() - QPoint(1, 0), board).area, BoardArea::Banner);
  EXPECT_EQ(layout.hitAt(icon.bottomRight() + QPoint(0, 1), board).area, BoardArea::Banner);

  // The abort button reaches past its picture only while lit.
  const QRect dark = layout.abortButton(false), lit = layout.abortButton(true);
  EXPECT_EQ(layout.hitAt(dark.topLeft(), board).area, BoardArea::AbortButton);
  EXPECT_EQ(layout.hitAt(dark.topLeft() - QPoint(1, 0), board).area, BoardArea::Banner);
  board.roundRunning = true;
  EXPECT_EQ(layout.hitAt(lit.bottomLeft(), board).area, BoardArea::AbortButton);
}

// Every part is drawn where the layout says, whatever the set and the size.
TEST(BoardPainter, EachPartIsDrawnWhereTheLayoutSays) {
  const MarkedBoard marked;
  for (const QSize size : {QSize(580, 474), QSize(1000, 800)}) {
    const BoardLayout layout(size);
    const QImage picture = BoardPainter().picture(size, marked.board, marked.set).convertToFormat(QImage::Format_RGB32);
    for (int n = 1; n <= kHoles; ++n) EXPECT_TRUE(allOf(picture, layout.hole(n), MarkedBoard::holeColour(n))) << n;
    EXPECT_TRUE(allOf(picture, layout.scoreWords(), qRgb(1, 100, 1)));
    EXPECT_TRUE(allOf(picture, layout.timeWords(), qRgb(2, 100, 2)));
    EXPECT_TRUE(allOf(picture, layout.titlePicture() & QRect(QPoint(0, 0), size), qRgb(3, 100, 3)));
    EXPECT_TRUE(allOf(picture, layout.scoreDigits(), qRgb(4, 100, 4)));
    EXPECT_TRUE(allOf(picture, layout.timeDigits(), qRgb(5, 100, 5)));
    EXPECT_EQ(picture.pixel(layout.playfield().bottomLeft() + QPoint(1, -1)), qRgb(6, 100, 6));
  }
}

// The chooser's preview shows a figure risen from the figure strip beside the
// start hole and a splat from the splat strip on its other side.
TEST(SetPreview, TheHolesAtWorkComeFromTheirOwnStrips) {
  LoadedSet set = builtinSet();
  set.targetStrip = flat(559, 108, qRgb(200, 0, 0));
  set.splatStrip = flat(1007, 108, qRgb(0, 0, 200));
  const QSize size(kBoardWidth, kBoardHeight);
  const QImage preview = drawSetPreview(set, size).convertToFormat(QImage::Format_RGB32);
  const BoardLayout layout(size);
  auto frameMiddle = [&](int hole) { return layout.hole(hole).topLeft() + QPoint(55, 50); };
  EXPECT_EQ(preview.pixel(frameMiddle(6)), qRgb(200, 0, 0));
  EXPECT_EQ(preview.pixel(frameMiddle(8)), qRgb(0, 0, 200));
  EXPECT_EQ(preview.pixel(frameMiddle(1)), qRgb(200, 0, 0)) << "the empty holes show the figure strip's first frame";
}

// A change repaints its own part of the window: the time's digits when a game
// second passes, not the word Time beside them.
TEST(BoardRepaint, AGameSecondRepaintsTheTimeDigits) {
  WindowFixture f;
  struct Recorder : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
      return false;
    }
  } recorder;
  f.clickHole(kStartHole);
  f.steps(40 + 9);  // counted down, nine steps into the first game second
  QCoreApplication::processEvents();
  f.window->installEventFilter(&recorder);
  f.steps(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }, 2000));
  const BoardLayout layout = f.window->boardLayout();
  EXPECT_TRUE(recorder.painted.contains(layout.timeDigits())) << "the new time is shown";
  EXPECT_FALSE(recorder.painted.intersects(layout.timeWords())) << "the word Time is left alone";
  EXPECT_FALSE(recorder.painted.intersects(layout.scoreDigits()));
}

TEST(BoardState, ScoreAndTimeShowPaddedDigits) {
  const SetContent set = builtinSet();
  const QImage& digits = set.digitStrip;
  const QList<std::pair<int, QString>> scores = {{0, "0000"}, {24, "0024"}, {240, "0240"}, {10000, "1000"},
                                                 {98765, "9876"}};
  for (const auto& [value, text] : scores) {
    QImage picture = blankScorePicture();
    drawScoreDigits(picture, set, value);
    EXPECT_TRUE(showsDigits(picture, digits, text)) << value;
    // The six columns right of the fourth cell stay black.
    for (int y = 0; y < 49; ++y)
      for (int x = 120; x < 126; ++x) ASSERT_EQ(picture.pixel(x, y), qRgb(0, 0, 0));
  }
  for (const auto& [value, text] : QList<std::pair<int, QString>>{{30, "30"}, {9, "09"}, {0, "00"}}) {
    QImage picture = blankTimePicture();
    drawTimeDigits(picture, set, value);
    EXPECT_TRUE(showsDigits(picture, digits, text)) << value;
  }
}

TEST(BoardState, TheIdleHolesTake110ColumnsAndTheStripsWholeHeight) {
  SetContent set = builtinSet();
  QImage marked = set.countStrip.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < marked.height(); ++y) marked.setPixel(558, y, qRgb(1, 2, 3));
  set.countStrip = marked;
  for (int x = 0; x < 111; ++x) ASSERT_NE(idleStartHole(set).pixel(x, 50), qRgb(1, 2, 3)) << x;
  // A count strip taller than 107 rows is squeezed into the idle holes.
  QImage tall(671, 214, QImage::Format_RGB32);
  tall.fill(qRgb(0, 0, 200));
  for (int y = 107; y < 214; ++y)
    for (int x = 0; x < 671; ++x) tall.setPixel(x, y, qRgb(200, 0, 0));
  set.countStrip = tall;
  EXPECT_EQ(idleStartHole(set).pixel(50, 10), qRgb(0, 0, 200));
  EXPECT_EQ(idleStartHole(set).pixel(50, 100), qRgb(200, 0, 0));
  // The rim: 24 base rows squeezed into 23.
  const QImage hole = idleOtherHole(set);
  EXPECT_EQ(hole.pixel(20, 107), set.holeBase.pixel(20, 0));
  EXPECT_EQ(hole.pixel(20, 129), set.holeBase.pixel(20, 22));
}

