#include "Buttons.h"

#include <QRadialGradient>

#include "Drawing.h"

namespace art {

namespace {

void roundButton(QPainter& p, QPointF c, double r, QColor base, bool down, bool lit) {
  // Bezel ring.
  QRadialGradient ring(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4);
  ring.setColorAt(0, QColor(0xe8, 0xe8, 0xf0));
  ring.setColorAt(1, QColor(0x50, 0x50, 0x60));
  p.setPen(QPen(QColor(0x10, 0x10, 0x14), 1.5));
  p.setBrush(ring);
  p.drawEllipse(ellipseRect(c, r, r));

  // The cap: convex when up, dished and darker when pressed.
  double cr = r - 4;
  QRadialGradient cap(c + (down ? QPointF(r * 0.25, r * 0.3) : QPointF(-r * 0.3, -r * 0.35)), cr * 1.5);
  QColor hi = lit ? base.lighter(170) : base.lighter(120);
  QColor lo = down ? base.darker(260) : base.darker(lit ? 140 : 200);
  cap.setColorAt(0, down ? base.darker(130) : hi);
  cap.setColorAt(0.6, down ? base.darker(170) : base);
  cap.setColorAt(1, lo);
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(cap);
  p.drawEllipse(ellipseRect(c + (down ? QPointF(0.5, 1) : QPointF()), cr, cr));
  if (!down) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, lit ? 150 : 90));
    p.drawEllipse(ellipseRect(c + QPointF(-cr * 0.25, -cr * 0.5), cr * 0.5, cr * 0.25));
  } else {
    // Pushed in: the bezel throws a shadow across the top of the cap.
    p.save();
    QPainterPath capPath;
    capPath.addEllipse(ellipseRect(c + QPointF(0.5, 1), cr, cr));
    p.setClipPath(capPath);
    p.setPen(QPen(QColor(0, 0, 0, 140), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ellipseRect(c + QPointF(1.5, 3), cr, cr));
    p.restore();
  }
  if (lit) {
    // A glow ring so the running state is obvious at a glance.
    p.setPen(QPen(QColor(0xff, 0xd0, 0x60, 200), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ellipseRect(c, r - 2.2, r - 2.2));
  }
}

void drawSpeaker(QPainter& p, QPointF o, QColor body, QColor waves) {
  QPainterPath s;
  s.moveTo(o + QPointF(1.5, 7));
  s.lineTo(o + QPointF(4.5, 7));
  s.lineTo(o + QPointF(8.5, 3));
  s.lineTo(o + QPointF(8.5, 17));
  s.lineTo(o + QPointF(4.5, 13));
  s.lineTo(o + QPointF(1.5, 13));
  s.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawPath(s);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(waves, 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(ellipseRect(o + QPointF(8.5, 10), 3, 3.5), -50 * 16, 100 * 16);
  p.drawArc(ellipseRect(o + QPointF(8.5, 10), 5.5, 6.5), -50 * 16, 100 * 16);
}

}  // namespace

QImage drawMenuButton() {
  QImage img = newCanvas(50, 100, kBlack);
  QPainter p;
  startPainter(p, img);
  const QColor blue(0x30, 0x8c, 0xe8);
  for (int half = 0; half < 2; ++half) {
    bool down = half == 1;
    QPointF c(25, 25 + 50 * half);
    roundButton(p, c, 22.5, blue, down, false);
    QPainterPath t =
        fitPath(textPath(QStringLiteral("MENU"), 40), QRectF(c.x() - 14, c.y() - 5, 28, 10), true);
    t.translate(down ? QPointF(0.5, 1) : QPointF());
    p.strokePath(t, QPen(QColor(0x0c, 0x20, 0x50), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(t, down ? QColor(0xc8, 0xd8, 0xe8) : kWhite);
  }
  p.end();
  return img;
}

QImage drawAbortButton() {
  QImage img = newCanvas(50, 100, kBlack);
  QPainter p;
  startPainter(p, img);
  for (int half = 0; half < 2; ++half) {
    bool lit = half == 0;
    QPointF c(25, 25 + 50 * half);
    roundButton(p, c, 22.5, lit ? QColor(0xf0, 0x28, 0x20) : QColor(0x70, 0x18, 0x18), false, lit);
    // The stop cross.
    QPainterPath x;
    const double a = 7.5;
    x.moveTo(c + QPointF(-a, -a));
    x.lineTo(c + QPointF(a, a));
    x.moveTo(c + QPointF(a, -a));
    x.lineTo(c + QPointF(-a, a));
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(lit ? QColor(0x50, 0x00, 0x00) : QColor(0x18, 0x04, 0x04), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(x);
    p.setPen(QPen(lit ? kWhite : kDimCross, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(x);
  }
  p.end();
  return img;
}

QImage drawSoundIcons() {
  QImage img = newCanvas(15, 60, kBlack);
  QPainter p;
  startPainter(p, img);
  drawSpeaker(p, QPointF(0, 0), QColor(0xf0, 0xf0, 0xf0), kGold2);
  const QColor crosses[2] = {QColor(0xff, 0x20, 0x20), QColor(0x90, 0x10, 0x10)};
  for (int i = 0; i < 2; ++i) {
    QPointF o(0, 20 * (i + 1));
    drawSpeaker(p, o, QColor(0xb0, 0xb0, 0xb8), QColor(0x80, 0x80, 0x88));
    p.setPen(QPen(crosses[i], 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o + QPointF(2, 3), o + QPointF(13, 17));
    p.drawLine(o + QPointF(13, 3), o + QPointF(2, 17));
  }
  p.end();
  return img;
}

QImage drawEmblem() {
  QImage img = newCanvas(32, 32, kWhite);
  QPainter p;
  startPainter(p, img);
  // A pie seen from above with the word across it.
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(kCrustDark);
  p.drawEllipse(QRectF(0.8, 0.8, 30.4, 30.4));
  QRadialGradient g(QPointF(12, 11), 16);
  g.setColorAt(0, kCream);
  g.setColorAt(1, kCreamShade);
  p.setBrush(kCrust);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
  p.setBrush(g);
  p.setPen(QPen(kCrustDark, 1.0));
  p.drawEllipse(QRectF(5, 5, 22, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(kCherry);
  p.drawEllipse(QRectF(13.5, 3.6, 5, 5));
  QPainterPath word = fitPath(textPath(QStringLiteral("Pie!"), 40), QRectF(4.5, 12, 23, 12), true);
  p.strokePath(word, QPen(kWhite, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(word, QColor(0xc0, 0x10, 0x20));
  p.end();
  return img;
}

}  // namespace art
