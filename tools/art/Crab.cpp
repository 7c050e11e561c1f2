#include <cmath>
#include <vector>

#include "Characters.h"
#include "Drawing.h"
#include "Pie.h"

// The crab of the seaside set: a wide shell, eyes on stalks and two big
// claws. A lemon meringue pie comes skimming in flat from the left like a
// thrown plate, lands on its shell and spreads into a meringue pancake, and
// the crab blows bubbles as it sinks.

namespace art {

namespace {

const QColor kMeringue(0xff, 0xfc, 0xee);
const QColor kToasted(0xd8, 0x94, 0x40);
const QColor kWater(0xb8, 0xe8, 0xff);

QPainterPath shellPath() {
  QPainterPath shell;
  shell.moveTo(17, 74);
  shell.cubicTo(14, 50, 32, 38, 55, 38);
  shell.cubicTo(78, 38, 96, 50, 93, 74);
  shell.cubicTo(92, 92, 18, 92, 17, 74);
  shell.closeSubpath();
  return shell;
}

// One little leg poking out from under the shell.
void drawLeg(QPainter& p, QPointF from, int side, double drop) {
  QPainterPath leg;
  leg.moveTo(from);
  leg.quadTo(from + QPointF(side * 9, -6), from + QPointF(side * 13, drop));
  p.setPen(QPen(kInk, 5.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(leg);
  p.setPen(QPen(theme().skinDark, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(leg);
}

// An arm from the shell's side up to a claw at 'tip'; 'open' (degrees) parts
// the pincers.
void drawClaw(QPainter& p, int side, QPointF tip, double open) {
  const QPointF shoulder(55 + side * 34, 64);
  QPainterPath arm;
  arm.moveTo(shoulder);
  arm.quadTo(QPointF(shoulder.x() + side * 8, tip.y() + 22), tip + QPointF(0, 10));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 7.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arm);
  p.setPen(QPen(theme().skinDark, 4.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arm);

  p.save();
  p.translate(tip + QPointF(0, 6));
  p.rotate(side * 12);
  p.setPen(inkPen(2.0));
  // The lower, fixed jaw: a fat mitten.
  QPainterPath lower;
  lower.moveTo(-9, 4);
  lower.cubicTo(-12, -8, -6, -18, 1, -16);
  lower.quadTo(-1, -6, 9, -4);
  lower.cubicTo(10, 4, 4, 10, -2, 10);
  lower.cubicTo(-6, 10, -9, 8, -9, 4);
  lower.closeSubpath();
  p.setBrush(radialGradient(QPointF(-4, -2), 14, {{0, theme().skinLight}, {0.6, theme().skin}, {1, theme().skinDark}}));
  p.drawPath(lower);
  // The upper jaw turns about its hinge.
  p.translate(7, -3);
  p.rotate(-open);
  QPainterPath upper;
  upper.moveTo(0, 0);
  upper.cubicTo(2, -10, -2, -18, -6, -19);
  upper.quadTo(-3, -10, -4, -1);
  upper.closeSubpath();
  p.setBrush(theme().skin);
  p.drawPath(upper);
  p.restore();
}

void drawEyeStalks(QPainter& p, double lean, double height, QPointF look, double lid) {
  for (int side : {-1, 1}) {
    const QPointF base(55 + side * 10, 44);
    const QPointF top(55 + side * (14 + lean), 44 - height);
    p.setPen(QPen(kInk, 6.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, top);
    p.setPen(QPen(theme().skin, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, top);
    drawEye(p, top + QPointF(0, -3), 8, 9, look, lid);
  }
}

void drawShell(QPainter& p) {
  p.setPen(inkPen(2.4));
  p.setBrush(radialGradient(QPointF(44, 46), 56, {{0, theme().skinLight}, {0.5, theme().skin}, {1, theme().skinDark}}));
  p.drawPath(shellPath());
  // Bumps along the shell's brow and a few freckles.
  p.setPen(QPen(theme().skinDark, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (double x : {30.0, 42.0, 68.0, 80.0}) p.drawArc(ellipseRect(QPointF(x, 48), 4, 3), 20 * 16, 140 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(theme().spot);
  for (QPointF s : {QPointF(28, 60), QPointF(84, 62), QPointF(24, 70), QPointF(88, 71)})
    p.drawEllipse(ellipseRect(s, 2.2, 1.6));
  p.setBrush(QColor(theme().blush.red(), theme().blush.green(), theme().blush.blue(), 160));
  p.drawEllipse(ellipseRect(QPointF(35, 65), 5, 3));
  p.drawEllipse(ellipseRect(QPointF(75, 65), 5, 3));
}

void drawCrabMouth(QPainter& p, Face face) {
  p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
  if (face == Face::Grin) {
    QPainterPath m;
    m.moveTo(42, 62);
    m.quadTo(55, 74, 68, 62);
    m.quadTo(55, 67, 42, 62);
    p.setBrush(theme().mouth);
    p.drawPath(m);
  } else if (face == Face::Worried) {
    // A wobbly line.
    QPainterPath m;
    m.moveTo(45, 66);
    m.quadTo(48, 62, 51, 66);
    m.quadTo(55, 70, 59, 66);
    m.quadTo(62, 62, 65, 66);
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
  } else {
    p.setBrush(theme().mouth);
    p.drawEllipse(ellipseRect(QPointF(55, 66), 5, 6));
  }
}

}  // namespace

void drawCrab(QPainter& p, Face face) {
  for (int side : {-1, 1})
    for (int i = 0; i < 3; ++i) drawLeg(p, QPointF(55 + side * 30, 72 + i * 5), side, 8 + i * 2);
  if (face == Face::Grin) {
    drawClaw(p, -1, QPointF(12, 30), 25);
    drawClaw(p, 1, QPointF(98, 30), 25);
  } else if (face == Face::Worried) {
    drawClaw(p, -1, QPointF(22, 28), 4);
    drawClaw(p, 1, QPointF(88, 30), 4);
  } else {
    drawClaw(p, -1, QPointF(10, 16), 45);
    drawClaw(p, 1, QPointF(100, 16), 45);
  }
  drawShell(p);
  if (face == Face::Grin)
    drawEyeStalks(p, 0, 22, QPointF(0.3, 0.3), 0);
  else if (face == Face::Worried)
    drawEyeStalks(p, -3, 22, QPointF(-0.9, -0.3), 0);
  else
    drawEyeStalks(p, 2, 30, QPointF(-0.8, -0.2), 0);
  drawCrabMouth(p, face);
}

namespace {

// The pie seen skimming flat: an oval of meringue on its tin, speed lines behind.
void drawSkimmingPie(QPainter& p, QPointF at, double scale, double tilt) {
  p.save();
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const double y = at.y() - 5 * scale + i * 5 * scale;
    p.drawLine(QPointF(at.x() - 28 * scale - i * 4, y), QPointF(at.x() - 48 * scale - i * 8, y));
  }
  placeAt(p, at, scale, tilt);
  p.setPen(inkPen(2.0 / scale));
  p.setBrush(verticalGradient(-2, 10, {{0, QColor(0xc8, 0xcc, 0xd4)}, {1, QColor(0x8c, 0x92, 0xa0)}}));
  p.drawEllipse(ellipseRect(QPointF(0, 3), 26, 9));
  p.setBrush(theme().crust);
  p.drawEllipse(ellipseRect(QPointF(0, 0), 24, 8));
  p.setBrush(radialGradient(QPointF(-6, -4), 24, {{0, kMeringue}, {1, theme().creamShade}}));
  QPainterPath top;
  top.addEllipse(ellipseRect(QPointF(0, -1), 20, 6.5));
  p.drawPath(top);
  // Toasted peaks.
  p.setPen(inkPen(1.2 / scale));
  for (QPointF c : {QPointF(-9, -3), QPointF(0, -4.5), QPointF(9, -3), QPointF(-3, 1), QPointF(6, 1)}) {
    QPainterPath peak;
    peak.moveTo(c + QPointF(-3.5, 1.5));
    peak.quadTo(c + QPointF(-1, -1), c + QPointF(0.5, -5));
    peak.quadTo(c + QPointF(1, -1), c + QPointF(3.5, 1.5));
    peak.closeSubpath();
    p.setBrush(verticalGradient(c.y() - 5, c.y() + 1.5, {{0, kToasted}, {0.5, kMeringue}, {1, kMeringue}}));
    p.drawPath(peak);
  }
  p.restore();
}

// The meringue pancake on the shell, its edges sliding 'slide' pixels down.
QPainterPath meringueOnShell(double slide, quint32 seed) {
  QPainterPath m = blobPath(QPointF(55, 47), 36, 11, 10, 0.16, seed);
  const double xs[5] = {24, 38, 55, 72, 86};
  const double ks[5] = {1.0, 0.5, 0.7, 0.4, 0.9};
  for (int i = 0; i < 5; ++i) {
    m = m.united(dripPath(xs[i], 50, 4 + slide * ks[i], 3.0, 4.5));
  }
  return m;
}

void fillMeringue(QPainter& p, const QPainterPath& path, double pen = 2.0) {
  const QRectF b = path.boundingRect();
  p.setPen(inkPen(pen));
  p.setBrush(verticalGradient(b.top(), b.bottom(), {{0, kMeringue}, {0.5, theme().cream}, {1, theme().creamShade}}));
  p.drawPath(path);
}

void drawBubble(QPainter& p, QPointF c, double r) {
  p.setPen(QPen(QColor(0x2a, 0x6e, 0xa0), 1.2));
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawEllipse(ellipseRect(c, r, r));
  p.setPen(Qt::NoPen);
  p.setBrush(kWhite);
  p.drawEllipse(ellipseRect(c + QPointF(-r * 0.35, -r * 0.35), r * 0.3, r * 0.3));
}

// A splash of sea water thrown up.
void drawSplash(QPainter& p, QPointF c, double r, double angle) {
  p.save();
  placeAt(p, c, 1.0, angle);
  QPainterPath d;
  d.moveTo(0, -r * 2.2);
  d.quadTo(r, -r * 0.4, r, 0.2 * r);
  d.arcTo(QRectF(-r, -r * 0.8, 2 * r, 2 * r), 0, -180);
  d.quadTo(-r, -r * 0.4, 0, -r * 2.2);
  p.setPen(QPen(QColor(0x2a, 0x6e, 0xa0), 1.3));
  p.setBrush(kWater);
  p.drawPath(d);
  p.restore();
}

// The crab under the meringue: stalks bent, eyes dazed (0), drooping (1) or
// shut (2), claws drooping.
void drawMeringuedCrab(QPainter& p, double slide, int eyes) {
  for (int side : {-1, 1})
    for (int i = 0; i < 3; ++i) drawLeg(p, QPointF(55 + side * 30, 72 + i * 5), side, 10 + i * 2);
  drawClaw(p, -1, QPointF(8, 52), 10);
  drawClaw(p, 1, QPointF(102, 54), 10);
  drawShell(p);
  if (eyes == 2) {
    drawEyeStalks(p, 10, 16, QPointF(0, 0), 0.9);
  } else if (eyes == 1) {
    drawEyeStalks(p, 8, 18, QPointF(0, 0.7), 0.35);
  } else {
    drawEyeStalks(p, 6, 20, QPointF(0.4, 0.5), 0.5);
  }
  fillMeringue(p, meringueOnShell(slide, 17));
  drawCrabMouth(p, Face::Alarmed);
}

// Blobs of meringue on the sand and the empty tin lying there.
void drawOnSand(QPainter& p, int stage) {
  p.save();
  clipToMound(p);
  const QPointF spots[] = {{14, 97}, {96, 95}, {27, 111}, {84, 112}};
  for (int i = 0; i < std::min(4, stage); ++i)
    fillMeringue(p, blobPath(spots[i], 5.0, 2.8, 6, 0.3, 60 + quint32(i)), 1.4);
  p.restore();
}

void drawTinLying(QPainter& p, QPointF at, double angle) {
  p.save();
  placeAt(p, at, 0.5, angle);
  p.setPen(inkPen(4.0));
  p.setBrush(verticalGradient(-6, 6, {{0, QColor(0xee, 0xf0, 0xf4)}, {1, QColor(0x8c, 0x92, 0xa0)}}));
  p.drawEllipse(ellipseRect(QPointF(0, 0), 24, 9));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x8c, 0x92, 0xa0), 2.0));
  p.drawEllipse(ellipseRect(QPointF(0, 0), 16, 6));
  p.restore();
}

void addSkimmingIn(std::vector<QImage>& frames) {
  frames.push_back(holeScene([](QPainter& p) { drawCrab(p, Face::Worried); },
                             [](QPainter& p) { drawSkimmingPie(p, QPointF(-2, 22), 0.5, 8); }));
  frames.push_back(holeScene([](QPainter& p) { drawCrab(p, Face::Alarmed); },
                             [](QPainter& p) { drawSkimmingPie(p, QPointF(26, 34), 0.8, 12); }));
  // The hit: meringue bursting out sideways over the shell.
  frames.push_back(holeScene(
      [](QPainter& p) {
        drawCrab(p, Face::Alarmed);
        fillMeringue(p, blobPath(QPointF(55, 48), 48, 14, 16, 0.32, 3), 2.2);
      },
      [](QPainter& p) {
        drawSplash(p, QPointF(6, 40), 3.5, -60);
        drawSplash(p, QPointF(104, 38), 3.5, 60);
        drawSplash(p, QPointF(20, 18), 3.0, -30);
        drawSplash(p, QPointF(92, 16), 3.0, 30);
      }));
}

void addMeringued(std::vector<QImage>& frames) {
  frames.push_back(holeScene([](QPainter& p) { drawMeringuedCrab(p, 2, 0); },
                             [](QPainter& p) {
                               drawTinLying(p, QPointF(96, 14), 50);
                               drawSplash(p, QPointF(8, 60), 3.0, -40);
                               drawSplash(p, QPointF(12, 40), 2.5, -20);
                             }));
  frames.push_back(holeScene([](QPainter& p) { drawMeringuedCrab(p, 8, 1); },
                             [](QPainter& p) {
                               drawTinLying(p, QPointF(100, 88), 10);
                               drawOnSand(p, 2);
                               drawBubble(p, QPointF(62, 24), 3);
                             }));
  frames.push_back(holeScene([](QPainter& p) { drawMeringuedCrab(p, 14, 1); },
                             [](QPainter& p) {
                               drawTinLying(p, QPointF(100, 92), 0);
                               drawOnSand(p, 4);
                               drawBubble(p, QPointF(60, 22), 3);
                               drawBubble(p, QPointF(66, 12), 4);
                               drawBubble(p, QPointF(58, 4), 2.5);
                             }));
}

void addSinking(std::vector<QImage>& frames) {
  addSinkingFrames(
      frames, [](QPainter& p, int) { drawMeringuedCrab(p, 16, 2); },
      [](QPainter& p, double dy) {
        drawTinLying(p, QPointF(100, 92), 0);
        drawOnSand(p, 4);
        drawBubble(p, QPointF(58, 40 + dy * 0.6), 3);
        drawBubble(p, QPointF(64, 30 + dy * 0.6), 2.2);
      });
}

}  // namespace

QImage drawCrabSplatStrip() {
  std::vector<QImage> frames;
  addSkimmingIn(frames);
  addMeringued(frames);
  addSinking(frames);
  return stripOf(frames, 1007, 108, theme().page);
}

}  // namespace art
