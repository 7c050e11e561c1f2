#include "Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "Drawing.h"

namespace art {

namespace {

QImage cursorCanvas() {
  QImage img(32, 32, QImage::Format_RGB32);
  img.fill(kCurClear);
  return img;
}

// Surrounds every drawn pixel with a one-pixel ring of 'halo' so the
// cursor stays visible on both light and dark backgrounds.
void addHalo(QImage& img, QRgb halo) {
  QImage src = img.copy();
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (src.pixel(x, y) != kCurClear) continue;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= 32 || ny >= 32) continue;
          QRgb c = src.pixel(nx, ny);
          if (c != kCurClear && c != halo) near = true;
        }
      if (near) img.setPixel(x, y, halo);
    }
}

QImage toCursorIndexed(const QImage& rgb) {
  QImage out(32, 32, QImage::Format_Indexed8);
  out.setColorTable({kCurBlack, kCurWhite, kCurClear, kCurInvert});
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      QRgb c = rgb.pixel(x, y) & 0xffffff;
      uchar idx = 2;
      if (c == (kCurBlack & 0xffffff))
        idx = 0;
      else if (c == (kCurWhite & 0xffffff))
        idx = 1;
      else if (c == (kCurInvert & 0xffffff))
        idx = 3;
      else if (c != (kCurClear & 0xffffff)) {
        std::fprintf(stderr, "drawart: stray cursor colour %06x\n", c);
        std::exit(1);
      }
      out.setPixel(x, y, idx);
    }
  return out;
}

// Paints cursor pixels: hard edges, square line ends, exact colours.
struct CursorPainter : QPainter {
  explicit CursorPainter(QImage* img) : QPainter(img) { setRenderHint(QPainter::Antialiasing, false); }
  void pen(QRgb c, double w = 1) { setPen(QPen(QColor(c), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)); }
  void fill(QRgb c) { setBrush(QColor(c)); }
  // One pixel, for details smaller than any shape.
  void dot(QPoint at, QRgb c) { static_cast<QImage*>(device())->setPixel(at, c); }
};

// Draws a cursor on a clear canvas and rings it with white, so every cursor
// shows on dark and light backgrounds alike.
QImage haloedCursor(const std::function<void(CursorPainter&)>& draw) {
  QImage img = cursorCanvas();
  {
    CursorPainter p(&img);
    draw(p);
  }
  addHalo(img, kCurWhite);
  return img;
}

// The same cream pie the player throws, side on: cream heap, crust, a
// ridged tin and the cherry on top.
QImage cursorPie() {
  return toCursorIndexed(haloedCursor([](CursorPainter& p) {
    p.pen(kCurBlack);
    p.fill(kCurWhite);
    QPainterPath cream;
    cream.moveTo(3, 17);
    cream.cubicTo(2, 11, 7, 9, 9, 10);
    cream.cubicTo(10, 5, 17, 4, 19, 8);
    cream.cubicTo(23, 6, 29, 9, 27, 13);
    cream.cubicTo(30, 14, 30, 17, 28, 17);
    cream.closeSubpath();
    p.drawPath(cream);
    p.drawRect(QRect(1, 16, 29, 3));
    QPolygon tin;
    tin << QPoint(3, 19) << QPoint(28, 19) << QPoint(25, 26) << QPoint(6, 26);
    p.fill(kCurBlack);
    p.drawPolygon(tin);
    p.pen(kCurWhite);
    for (int x = 8; x <= 23; x += 5) p.drawLine(QPoint(x, 21), QPoint(x, 24));
    p.pen(kCurBlack);
    p.fill(kCurBlack);
    p.drawEllipse(QRect(13, 1, 5, 5));
    p.dot(QPoint(14, 2), kCurWhite);
    // Cream swirl lines.
    p.drawLine(QPoint(8, 14), QPoint(11, 13));
    p.drawLine(QPoint(17, 12), QPoint(21, 11));
  }));
}

QImage cursorFinger() {
  return toCursorIndexed(haloedCursor([](CursorPainter& p) {
    p.pen(kCurBlack);
    p.fill(kCurWhite);
    QPainterPath finger;
    finger.addRoundedRect(QRectF(7, 1, 6, 16), 3, 3);
    QPainterPath fist;
    fist.addRoundedRect(QRectF(7, 11, 18, 15), 4, 4);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(2, 14, 8, 6), 3, 3);
    QPainterPath cuff;
    cuff.addRect(QRectF(9, 26, 14, 4));
    QPainterPath hand = finger.united(fist).united(thumb).united(cuff);
    p.drawPath(hand);
    // Curled fingers.
    p.drawLine(QPoint(13, 13), QPoint(13, 19));
    p.drawLine(QPoint(17, 12), QPoint(17, 19));
    p.drawLine(QPoint(21, 12), QPoint(21, 19));
    p.drawLine(QPoint(9, 26), QPoint(23, 26));
  }));
}

QImage cursorCrossHair() {
  QImage img = haloedCursor([](CursorPainter& p) {
    p.pen(kCurBlack);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(5, 5, 21, 21));
    p.drawLine(QPoint(15, 1), QPoint(15, 11));
    p.drawLine(QPoint(15, 19), QPoint(15, 30));
    p.drawLine(QPoint(1, 15), QPoint(11, 15));
    p.drawLine(QPoint(19, 15), QPoint(30, 15));
  });
  // The very centre inverts, so the aim point shows on any colour.
  img.setPixel(15, 15, kCurInvert);
  return toCursorIndexed(img);
}

// Both barrels staring straight at the player, bead sight on top.
QImage cursorShotgun() {
  return toCursorIndexed(haloedCursor([](CursorPainter& p) {
    p.pen(kCurBlack);
    p.fill(kCurWhite);
    p.drawRect(QRect(13, 4, 5, 4));
    p.drawEllipse(QRect(1, 7, 15, 15));
    p.drawEllipse(QRect(15, 7, 15, 15));
    p.fill(kCurBlack);
    p.drawRect(QRect(15, 1, 1, 3));
    p.drawEllipse(QRect(5, 11, 7, 7));
    p.drawEllipse(QRect(19, 11, 7, 7));
    // A glint in each bore so they read as holes, not dots.
    p.dot(QPoint(7, 13), kCurWhite);
    p.dot(QPoint(21, 13), kCurWhite);
  }));
}

QImage cursorDart1() {
  QImage img = haloedCursor([](CursorPainter& p) {
    const int radii[] = {14, 11, 8, 5, 2};
    for (int i = 0; i < 5; ++i) {
      int r = radii[i];
      p.setPen(Qt::NoPen);
      p.fill(i % 2 ? kCurWhite : kCurBlack);
      p.drawEllipse(QRect(15 - r, 15 - r, 2 * r + 1, 2 * r + 1));
    }
  });
  img.setPixel(15, 15, kCurInvert);
  return toCursorIndexed(img);
}

QImage cursorDart2() {
  QImage img = haloedCursor([](CursorPainter& p) {
    p.pen(kCurBlack);
    p.fill(kCurWhite);
    p.drawEllipse(QRect(1, 1, 29, 29));
    // Sixteen alternating segments, the odd ones inverting the screen.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
      p.fill(i % 2 ? kCurInvert : kCurWhite);
      p.drawPie(QRect(3, 3, 25, 25), i * 360, 360);
    }
    p.pen(kCurBlack);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(3, 3, 25, 25));
    p.drawEllipse(QRect(9, 9, 13, 13));
    p.fill(kCurBlack);
    p.drawEllipse(QRect(13, 13, 5, 5));
  });
  img.setPixel(15, 15, kCurWhite);
  return toCursorIndexed(img);
}

// A lopsided triangle with bent sides and an eye in it.
QImage cursorTriangle() {
  return toCursorIndexed(haloedCursor([](CursorPainter& p) {
    QPainterPath t;
    t.moveTo(1, 1);
    t.quadTo(16, 10, 28, 9);
    t.quadTo(15, 16, 10, 29);
    t.quadTo(10, 14, 1, 1);
    t.closeSubpath();
    p.pen(kCurBlack);
    p.fill(kCurInvert);
    p.drawPath(t);
    p.fill(kCurWhite);
    p.drawEllipse(QRect(9, 9, 7, 6));
    p.fill(kCurBlack);
    p.setPen(Qt::NoPen);
    p.drawRect(QRect(12, 11, 2, 2));
  }));
}

// A bold question mark in a dashed frame.
QImage cursorCustom() {
  QImage img = haloedCursor([](CursorPainter& p) {
    QPainterPath q = fitPath(textPath(QStringLiteral("?"), 40), QRectF(9, 4, 14, 24), true);
    p.setPen(Qt::NoPen);
    p.fill(kCurBlack);
    p.drawPath(q);
  });
  // The frame goes on after the halo, which would otherwise double it.
  for (int i = 0; i < 31; ++i) {
    QRgb c = (i / 3) % 2 ? kCurWhite : kCurBlack;
    img.setPixel(i, 0, c);
    img.setPixel(31 - i, 31, c);
    img.setPixel(0, 31 - i, c);
    img.setPixel(31, i, c);
  }
  return toCursorIndexed(img);
}

// A point 'radius' from the top left corner of the example cursor, at
// 'degrees' clockwise from the top edge.
QPoint aroundCorner(double radius, double degrees) {
  const double a = degrees * M_PI / 180;
  return QPoint(1 + int(std::lround(radius * std::cos(a))), 1 + int(std::lround(radius * std::sin(a))));
}

// A slice of pie pointing up and left with a smile in its cream; the tip is
// the hot spot, the crust is the wide end.
void drawPieSlice(CursorPainter& p) {
  QPolygon slice, crust;
  slice << QPoint(1, 1);
  for (int deg = 20; deg <= 70; deg += 10) {
    slice << aroundCorner(27, deg);
    crust << aroundCorner(27, deg);
  }
  for (int deg = 70; deg >= 20; deg -= 10) crust << aroundCorner(22, deg);
  p.pen(kCurBlack);
  p.fill(kCurWhite);
  p.drawPolygon(slice);
  p.fill(kCurBlack);
  p.drawPolygon(crust);
  // Ridges pressed into the crust.
  for (int deg = 25; deg <= 65; deg += 10) p.dot(aroundCorner(24.5, deg), kCurWhite);
  // The face.
  p.drawRect(QRect(9, 12, 1, 1));
  p.drawRect(QRect(12, 9, 1, 1));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRect(8, 8, 9, 9), -95 * 16, 100 * 16);
  // The cherry on the crust inverts whatever lies below, so it shows on any
  // colour.
  p.fill(kCurInvert);
  p.drawEllipse(QRect(19, 19, 6, 6));
}

}  // namespace

std::vector<Cursor> drawCursors() {
  return {
      {QStringLiteral("Cur1.bmp"), 15, 16, cursorPie()},
      {QStringLiteral("Cur2.bmp"), 10, 1, cursorFinger()},
      {QStringLiteral("Cur3.bmp"), 15, 15, cursorCrossHair()},
      {QStringLiteral("Cur4.bmp"), 15, 14, cursorShotgun()},
      {QStringLiteral("Cur5.bmp"), 15, 15, cursorDart1()},
      {QStringLiteral("Cur6.bmp"), 15, 15, cursorDart2()},
      {QStringLiteral("Cur7.bmp"), 1, 1, cursorTriangle()},
      {QStringLiteral("Cur9.bmp"), 15, 15, cursorCustom()},
  };
}

Cursor drawExampleCursor() {
  QImage indexed = toCursorIndexed(haloedCursor(drawPieSlice));
  // The set-up dialog reads colours, not indexes: red is what inverts there.
  indexed.setColor(3, qRgb(255, 0, 0));
  return {QStringLiteral("cursor.bmp"), 1, 1, indexed};
}

}  // namespace art
