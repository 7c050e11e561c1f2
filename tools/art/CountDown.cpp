#include "CountDown.h"

#include <functional>
#include <vector>

#include "Drawing.h"
#include "Figure.h"

namespace art {

namespace {

// A sign over the empty hole.
QImage countFrame(const std::function<void(QPainter&)>& sign) { return paintedOn(holeScene({}), sign); }

void bigSign(QPainter& p, const QString& text, const QRectF& box, LetterStyle s) {
  QPainterPath path = fitPath(textPath(text, 120), box, true);
  drawLettering(p, path, s);
}

LetterStyle greenStyle(double edge) {
  return {QColor(0xd8, 0xff, 0x8a), QColor(0x60, 0xe0, 0x40), QColor(0x20, 0x9a, 0x30), kInk, edge};
}

LetterStyle redStyle(double edge) {
  return {QColor(0xff, 0xa0, 0x80), QColor(0xf0, 0x40, 0x30), QColor(0xb0, 0x10, 0x28), kInk, edge};
}

LetterStyle blueStyle(double edge) {
  return {QColor(0xa8, 0xe4, 0xff), QColor(0x40, 0x9c, 0xf0), QColor(0x28, 0x50, 0xc8), kInk, edge};
}

// The signs stand out from the scene by a shadow cast down and to the right.
LetterStyle dropShadow(LetterStyle s, double offset) {
  s.shadowOffset = QPointF(offset, offset);
  return s;
}

// A cartoon glove pointing down (tilted by 'angle'), fingertip at 'tip'.
void drawPointingHand(QPainter& p, QPointF tip, double scale, double angle) {
  p.save();
  placeAt(p, tip, scale, angle);
  const double w = 2.0 / scale;
  p.setPen(inkPen(w));
  // Cuff with a stripe.
  p.setBrush(kWhite);
  p.drawRoundedRect(QRectF(-10, -47, 23, 9), 3, 3);
  p.setPen(QPen(theme().antenna, 1.6 / scale));
  p.drawLine(QPointF(-8, -42.5), QPointF(11, -42.5));
  p.setPen(inkPen(w));
  // Fist and index finger as one outline.
  QPainterPath fist;
  fist.addRoundedRect(QRectF(-11, -39, 25, 20), 8, 8);
  QPainterPath finger;
  finger.addRoundedRect(QRectF(-4.5, -24, 9, 24), 4.5, 4.5);
  p.drawPath(fist.united(finger));
  // The curled fingers.
  p.setPen(QPen(kInk, 1.4 / scale, Qt::SolidLine, Qt::RoundCap));
  for (double x : {6.0, 10.5}) {
    QPainterPath k;
    k.moveTo(x - 1, -30);
    k.quadTo(x + 1, -25, x - 1, -20);
    p.drawPath(k);
  }
  // The thumb folded across the front.
  p.setPen(inkPen(w));
  p.setBrush(kWhite);
  QPainterPath thumb;
  thumb.moveTo(-11, -33);
  thumb.quadTo(-15, -24, -7, -21);
  thumb.quadTo(-2, -20, -2, -25);
  thumb.quadTo(-3, -29, -9, -29);
  p.drawPath(thumb);
  p.restore();
}

}  // namespace

QImage drawCountStrip() {
  std::vector<QImage> frames;
  const QRectF numberBox(24, 6, 63, 66);
  const LetterStyle numbers = dropShadow(goldStyle(3.2), 3);
  for (const char* n : {"3", "2", "1"})
    frames.push_back(
        countFrame([&](QPainter& p) { bigSign(p, QString::fromLatin1(n), numberBox, numbers); }));

  const LetterStyle go = dropShadow(greenStyle(3.2), 3);
  frames.push_back(
      countFrame([&](QPainter& p) { bigSign(p, QStringLiteral("GO!"), QRectF(7, 10, 97, 58), go); }));

  const LetterStyle click = dropShadow(blueStyle(2.0), 1.5);
  frames.push_back(countFrame([&](QPainter& p) {
    bigSign(p, QStringLiteral("CLICK"), QRectF(9, 4, 93, 21), click);
    bigSign(p, QStringLiteral("HERE TO"), QRectF(9, 28, 93, 15), click);
    bigSign(p, QStringLiteral("START"), QRectF(5, 48, 64, 20), dropShadow(goldStyle(2.0), 1.5));
    drawPointingHand(p, QPointF(80, 93), 1.0, 18);
  }));

  const LetterStyle over = dropShadow(redStyle(2.6), 2);
  frames.push_back(countFrame([&](QPainter& p) {
    bigSign(p, QStringLiteral("GAME"), QRectF(10, 7, 91, 28), over);
    bigSign(p, QStringLiteral("OVER"), QRectF(10, 42, 91, 28), over);
  }));

  return stripOf(frames, 671, 107, theme().page);
}

}  // namespace art
