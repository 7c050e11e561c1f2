#include "Buttons.h"

#include "Drawing.h"

namespace art {

namespace {

// The metal ring the cap sits in, lit from the upper left.
void drawBezel(QPainter& p, QPointF c, double r) {
  p.setPen(QPen(QColor(0x10, 0x10, 0x14), 1.5));
  p.setBrush(radialGradient(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4,
                            {{0, QColor(0xe8, 0xe8, 0xf0)}, {1, QColor(0x50, 0x50, 0x60)}}));
  p.drawEllipse(ellipseRect(c, r, r));
}

// The cap, 'cr' in radius: convex when up, dished and darker when pressed,
// brighter when lit.
void drawCap(QPainter& p, QPointF c, double r, double cr, QColor base, bool down, bool lit) {
  QColor hi = lit ? base.lighter(170) : base.lighter(120);
  QColor lo = down ? base.darker(260) : base.darker(lit ? 140 : 200);
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(
      radialGradient(c + (down ? QPointF(r * 0.25, r * 0.3) : QPointF(-r * 0.3, -r * 0.35)), cr * 1.5,
                     {{0, down ? base.darker(130) : hi}, {0.6, down ? base.darker(170) : base}, {1, lo}}));
  p.drawEllipse(ellipseRect(c + (down ? QPointF(0.5, 1) : QPointF()), cr, cr));
}

// A raised cap catches the light on its upper half.
void drawCapShine(QPainter& p, QPointF c, double cr, bool lit) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, lit ? 150 : 90));
  p.drawEllipse(ellipseRect(c + QPointF(-cr * 0.25, -cr * 0.5), cr * 0.5, cr * 0.25));
}

// Pushed in, the cap lies in the shadow the bezel throws across its top.
void drawBezelShadow(QPainter& p, QPointF c, double cr) {
  p.save();
  QPainterPath capPath;
  capPath.addEllipse(ellipseRect(c + QPointF(0.5, 1), cr, cr));
  p.setClipPath(capPath);
  p.setPen(QPen(QColor(0, 0, 0, 140), 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(ellipseRect(c + QPointF(1.5, 3), cr, cr));
  p.restore();
}

// A glow ring so the running state is obvious at a glance.
void drawGlowRing(QPainter& p, QPointF c, double r) {
  p.setPen(QPen(QColor(0xff, 0xd0, 0x60, 200), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(ellipseRect(c, r - 2.2, r - 2.2));
}

void roundButton(QPainter& p, QPointF c, double r, QColor base, bool down, bool lit) {
  const double cr = r - 4;
  drawBezel(p, c, r);
  drawCap(p, c, r, cr, base, down, lit);
  if (down)
    drawBezelShadow(p, c, cr);
  else
    drawCapShine(p, c, cr, lit);
  if (lit) drawGlowRing(p, c, r);
}

// A 50 x 100 button picture: the upper look in the top half, the lower
// look in the bottom half, each drawn around its own centre.
QImage twoLookButton(const std::function<void(QPainter&, QPointF centre, bool upper)>& drawLook) {
  return paintedOn(newCanvas(50, 100, kBlack), [&](QPainter& p) {
    for (int half = 0; half < 2; ++half) drawLook(p, QPointF(25, 25 + 50 * half), half == 0);
  });
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

// Up in the top half, pressed in the bottom half.
QImage drawMenuButton() {
  return twoLookButton([](QPainter& p, QPointF c, bool up) {
    const bool down = !up;
    roundButton(p, c, 22.5, QColor(0x30, 0x8c, 0xe8), down, false);
    QPainterPath t =
        fitPath(textPath(QStringLiteral("MENU"), 40), QRectF(c.x() - 14, c.y() - 5, 28, 10), true);
    t.translate(down ? QPointF(0.5, 1) : QPointF());
    p.strokePath(t, QPen(QColor(0x0c, 0x20, 0x50), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(t, down ? QColor(0xc8, 0xd8, 0xe8) : kWhite);
  });
}

// Lit (a game is running) in the top half, unlit in the bottom half.
QImage drawAbortButton() {
  return twoLookButton([](QPainter& p, QPointF c, bool lit) {
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
  });
}

QImage drawSoundIcons() {
  return paintedOn(newCanvas(15, 60, kBlack), [](QPainter& p) {
    drawSpeaker(p, QPointF(0, 0), QColor(0xf0, 0xf0, 0xf0), kGold2);
    const QColor crosses[2] = {QColor(0xff, 0x20, 0x20), QColor(0x90, 0x10, 0x10)};
    for (int i = 0; i < 2; ++i) {
      QPointF o(0, 20 * (i + 1));
      drawSpeaker(p, o, QColor(0xb0, 0xb0, 0xb8), QColor(0x80, 0x80, 0x88));
      p.setPen(QPen(crosses[i], 2.4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(o + QPointF(2, 3), o + QPointF(13, 17));
      p.drawLine(o + QPointF(13, 3), o + QPointF(2, 17));
    }
  });
}

QImage drawEmblem() {
  return paintedOn(newCanvas(32, 32, kWhite), [](QPainter& p) {
    // A pie seen from above with the word across it.
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kCrustDark);
    p.drawEllipse(QRectF(0.8, 0.8, 30.4, 30.4));
    p.setBrush(kCrust);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    p.setBrush(radialGradient(QPointF(12, 11), 16, {{0, kCream}, {1, kCreamShade}}));
    p.setPen(QPen(kCrustDark, 1.0));
    p.drawEllipse(QRectF(5, 5, 22, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(kCherry);
    p.drawEllipse(QRectF(13.5, 3.6, 5, 5));
    QPainterPath word = fitPath(textPath(QStringLiteral("Pie!"), 40), QRectF(4.5, 12, 23, 12), true);
    p.strokePath(word, QPen(kWhite, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(word, QColor(0xc0, 0x10, 0x20));
  });
}

}  // namespace art
