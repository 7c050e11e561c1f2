#include "CountDown.h"

#include <QTransform>
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

// --- the owl's night signs: italic serif letters glowing like moonlight ---

void glowSign(QPainter& p, const QString& text, const QRectF& box) {
  const Theme& t = theme();
  const QPainterPath path = fitPath(textPathIn(TypeFace::Serif, text, 120), box, true);
  const QRectF b = path.boundingRect();
  for (const auto& [width, alpha] : {std::pair{9.0, 40}, std::pair{6.0, 70}, std::pair{3.5, 120}})
    p.strokePath(path, QPen(QColor(t.antennaLight.red(), t.antennaLight.green(), t.antennaLight.blue(), alpha),
                            width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(path, QPen(t.letterEdge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, verticalGradient(b.top(), b.bottom(), {{0, t.letterTop}, {0.6, t.letterMiddle}, {1, t.letterBottom}}));
}

void nightTwinkle(QPainter& p, QPointF c, double r) {
  p.setPen(Qt::NoPen);
  p.setBrush(theme().antennaLight);
  p.drawPath(twinklePath(c, r));
}

// A crescent moon behind the numbers.
void drawCrescent(QPainter& p, QPointF c, double r) {
  QPainterPath moon;
  moon.addEllipse(ellipseRect(c, r, r));
  QPainterPath bite;
  bite.addEllipse(ellipseRect(c + QPointF(r * 0.45, -r * 0.25), r * 0.85, r * 0.85));
  moon = moon.subtracted(bite);
  p.setPen(inkPen(2.0));
  p.setBrush(radialGradient(c + QPointF(-r * 0.4, 0), r * 1.2, {{0, theme().antennaLight}, {1, theme().antenna}}));
  p.drawPath(moon);
}

// A shooting star diving down into the hole.
void drawStarArrow(QPainter& p, QPointF tip) {
  QLinearGradient trail(tip + QPointF(-6, -40), tip);
  trail.setColorAt(0, QColor(255, 250, 200, 0));
  trail.setColorAt(1, QColor(255, 240, 160, 230));
  QPainterPath tail;
  tail.moveTo(tip + QPointF(-4, 2));
  tail.lineTo(tip + QPointF(-10, -44));
  tail.lineTo(tip + QPointF(5, -1));
  tail.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(trail);
  p.drawPath(tail);
  p.setPen(inkPen(1.6));
  p.setBrush(radialGradient(tip, 8, {{0, kWhite}, {1, theme().antenna}}));
  p.drawPath(starPath(tip, 8, 3.2));
}

std::vector<QImage> owlSigns() {
  std::vector<QImage> frames;
  for (const char* n : {"3", "2", "1"})
    frames.push_back(countFrame([&](QPainter& p) {
      drawCrescent(p, QPointF(47, 38), 33);
      glowSign(p, QString::fromLatin1(n), QRectF(40, 8, 56, 62));
    }));
  frames.push_back(countFrame([](QPainter& p) {
    glowSign(p, QStringLiteral("GO!"), QRectF(6, 14, 99, 52));
    nightTwinkle(p, QPointF(12, 10), 6);
    nightTwinkle(p, QPointF(98, 8), 5);
    nightTwinkle(p, QPointF(100, 70), 4);
  }));
  frames.push_back(countFrame([](QPainter& p) {
    glowSign(p, QStringLiteral("CLICK"), QRectF(8, 3, 95, 22));
    glowSign(p, QStringLiteral("HERE TO"), QRectF(8, 27, 95, 16));
    glowSign(p, QStringLiteral("START"), QRectF(4, 47, 66, 22));
    drawStarArrow(p, QPointF(84, 80));
  }));
  frames.push_back(countFrame([](QPainter& p) {
    glowSign(p, QStringLiteral("GAME"), QRectF(8, 6, 95, 30));
    glowSign(p, QStringLiteral("OVER"), QRectF(8, 40, 95, 30));
    nightTwinkle(p, QPointF(6, 40), 4);
    nightTwinkle(p, QPointF(105, 38), 4);
  }));
  return frames;
}

// --- the crab's beach signs: black rounded letters bobbing on a wave,
// striped like a beach towel, with a white sticker edge ---

QPainterPath bobbingText(const QString& text, double size) {
  QPainterPath all;
  double x = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (text.at(i) == QLatin1Char(' ')) {
      x += size * 0.3;
      continue;
    }
    QPainterPath letter = textPathIn(TypeFace::Rounded, text.mid(i, 1), size);
    const QRectF b = letter.boundingRect();
    QTransform t;
    t.translate(x + b.width() / 2, -size * 0.35 + (i % 2 ? size * 0.06 : -size * 0.06));
    t.rotate(i % 2 ? 7 : -7);
    t.translate(-b.center().x(), -b.center().y());
    all.addPath(t.map(letter));
    x += b.width() + size * 0.05;
  }
  return all;
}

void beachSign(QPainter& p, const QString& text, const QRectF& box, double edge) {
  const Theme& t = theme();
  const QPainterPath path = fitPath(bobbingText(text, 120), box, true);
  const QRectF b = path.boundingRect();
  p.strokePath(path, QPen(t.letterEdge, edge * 2 + 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(path, QPen(kWhite, edge * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, t.letterMiddle);
  // Stripes across the letters.
  p.save();
  p.setClipPath(path);
  const double band = std::max(2.0, b.height() / 6);
  for (double y = b.top() + band; y < b.bottom(); y += 2 * band)
    p.fillRect(QRectF(b.left() - 1, y, b.width() + 2, band), t.letterTop);
  p.restore();
  p.strokePath(path, QPen(t.letterBottom, 1.0));
}

// A lifebuoy ring behind the numbers.
void drawLifebuoy(QPainter& p, QPointF c, double r) {
  QPainterPath ring;
  ring.addEllipse(ellipseRect(c, r, r));
  QPainterPath inner;
  inner.addEllipse(ellipseRect(c, r * 0.55, r * 0.55));
  ring = ring.subtracted(inner);
  p.setPen(inkPen(2.0));
  p.setBrush(kWhite);
  p.drawPath(ring);
  p.save();
  p.setClipPath(ring);
  p.setPen(Qt::NoPen);
  p.setBrush(theme().letterBottom);
  for (int k = 0; k < 4; ++k) p.drawPie(ellipseRect(c, r + 2, r + 2), (20 + k * 90) * 16, 45 * 16);
  p.restore();
  p.setPen(inkPen(2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(ring);
}

// A fat striped arrow curving down into the hole.
void drawBeachArrow(QPainter& p, QPointF tip) {
  QPainterPath arrow;
  arrow.moveTo(tip);
  arrow.lineTo(tip + QPointF(-11, -12));
  arrow.lineTo(tip + QPointF(-4, -12));
  arrow.quadTo(tip + QPointF(-6, -30), tip + QPointF(-2, -40));
  arrow.lineTo(tip + QPointF(8, -40));
  arrow.quadTo(tip + QPointF(4, -28), tip + QPointF(5, -12));
  arrow.lineTo(tip + QPointF(12, -12));
  arrow.closeSubpath();
  p.setPen(inkPen(2.0));
  p.setBrush(theme().letterMiddle);
  p.drawPath(arrow);
  p.save();
  p.setClipPath(arrow);
  for (double y = -38; y < 0; y += 8) p.fillRect(QRectF(tip.x() - 14, tip.y() + y, 28, 4), theme().letterTop);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.drawPath(arrow);
}

std::vector<QImage> crabSigns() {
  std::vector<QImage> frames;
  for (const char* n : {"3", "2", "1"})
    frames.push_back(countFrame([&](QPainter& p) {
      drawLifebuoy(p, QPointF(55, 38), 33);
      beachSign(p, QString::fromLatin1(n), QRectF(38, 14, 34, 48), 2.2);
    }));
  frames.push_back(countFrame([](QPainter& p) { beachSign(p, QStringLiteral("GO!"), QRectF(5, 8, 101, 62), 2.6); }));
  frames.push_back(countFrame([](QPainter& p) {
    beachSign(p, QStringLiteral("CLICK"), QRectF(6, 2, 99, 24), 1.6);
    beachSign(p, QStringLiteral("HERE TO"), QRectF(6, 28, 99, 17), 1.4);
    beachSign(p, QStringLiteral("START"), QRectF(3, 47, 68, 24), 1.6);
    drawBeachArrow(p, QPointF(86, 86));
  }));
  frames.push_back(countFrame([](QPainter& p) {
    beachSign(p, QStringLiteral("GAME"), QRectF(7, 4, 97, 32), 2.0);
    beachSign(p, QStringLiteral("OVER"), QRectF(7, 38, 97, 32), 2.0);
  }));
  return frames;
}

}  // namespace

QImage drawCountStrip() {
  if (theme().character == Character::Owl) return stripOf(owlSigns(), 671, 107, theme().page);
  if (theme().character == Character::Crab) return stripOf(crabSigns(), 671, 107, theme().page);
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
