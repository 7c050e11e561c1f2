#include <cmath>
#include <vector>

#include "Characters.h"
#include "Drawing.h"
#include "Pie.h"

// The owl of the moonlight set: a round night bird with moon-yellow eyes, a
// floppy nightcap and ear tufts. A blueberry pie falls on it out of the night
// sky like a shooting star, lands on its head tin and all, and the berry goo
// runs down its face while feathers fly.

namespace art {

namespace {

const QColor kBerry(0x4a, 0x2c, 0x8c);
const QColor kBerryLight(0x8e, 0x72, 0xe0);
const QColor kBerryDark(0x26, 0x12, 0x54);
const QColor kBeak(0xf6, 0xb0, 0x30);
const QColor kBeakDark(0xb8, 0x6c, 0x10);

QPainterPath bodyPath() {
  QPainterPath body;
  body.addEllipse(ellipseRect(QPointF(55, 60), 31, 44));
  return body;
}

// A folded wing hanging from the shoulder; 'lift' turns it up and out
// (degrees), when the owl sees trouble coming.
void drawWing(QPainter& p, int side, double lift) {
  p.save();
  p.translate(55 + side * 26, 48);
  p.rotate(-side * lift);
  QPainterPath wing;
  wing.moveTo(0, 0);
  wing.cubicTo(side * 12, 8, side * 14, 30, side * 4, 46);
  wing.cubicTo(side * 1, 38, -side * 4, 20, 0, 0);
  wing.closeSubpath();
  p.setPen(inkPen(2.2));
  p.setBrush(linearGradient(QPointF(0, 0), QPointF(side * 14, 40), {{0, theme().skin}, {1, theme().skinDark}}));
  p.drawPath(wing);
  // Flight feathers at the tip.
  p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const double y = 26 + i * 6;
    p.drawLine(QPointF(side * (9 - i * 1.5), y), QPointF(side * (4 - i), y + 6));
  }
  p.restore();
}

void drawTufts(QPainter& p) {
  for (int side : {-1, 1}) {
    QPainterPath tuft;
    tuft.moveTo(55 + side * 14, 19);
    tuft.quadTo(55 + side * 28, 10, 55 + side * 33, 1);
    tuft.quadTo(55 + side * 32, 16, 55 + side * 28, 26);
    tuft.closeSubpath();
    p.setPen(inkPen(2.0));
    p.setBrush(theme().skinDark);
    p.drawPath(tuft);
  }
}

void drawBodyAndBelly(QPainter& p) {
  p.setPen(inkPen(2.4));
  p.setBrush(radialGradient(QPointF(46, 34), 60, {{0, theme().skinLight}, {0.5, theme().skin}, {1, theme().skinDark}}));
  p.drawPath(bodyPath());
  // The pale belly with rows of little chevron feathers.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(theme().cream.red(), theme().cream.green(), theme().cream.blue(), 230));
  p.drawEllipse(ellipseRect(QPointF(55, 78), 19, 22));
  p.setPen(QPen(theme().spot.darker(130), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row < 3; ++row)
    for (int col = -1; col <= 1; ++col) {
      const QPointF c(55 + col * 8 + (row % 2) * 4, 68 + row * 7);
      if (std::abs(c.x() - 55) > 12) continue;
      QPainterPath v;
      v.moveTo(c + QPointF(-3, -1.5));
      v.lineTo(c + QPointF(0, 1.5));
      v.lineTo(c + QPointF(3, -1.5));
      p.drawPath(v);
    }
}

// The heart-shaped face disc the eyes sit in.
void drawFaceDisc(QPainter& p) {
  QPainterPath disc;
  disc.addEllipse(ellipseRect(QPointF(42, 41), 16, 15));
  QPainterPath right;
  right.addEllipse(ellipseRect(QPointF(68, 41), 16, 15));
  disc = disc.united(right);
  p.setPen(inkPen(1.8));
  p.setBrush(radialGradient(QPointF(55, 36), 34, {{0, theme().skinLight.lighter(110)}, {1, theme().skinLight}}));
  p.drawPath(disc);
}

// Big round eyes, moon-yellow; 'pupil' is the pupil's radius, small with fright.
void drawOwlEye(QPainter& p, QPointF c, double pupil, QPointF look, double lid) {
  p.setPen(inkPen(2.0));
  p.setBrush(radialGradient(c + QPointF(-2, -3), 13, {{0, theme().antennaLight}, {1, theme().antenna}}));
  p.drawEllipse(ellipseRect(c, 11, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  const QPointF pc = c + look * 4.0;
  p.drawEllipse(ellipseRect(pc, pupil, pupil));
  p.setBrush(kWhite);
  p.drawEllipse(ellipseRect(pc + QPointF(-pupil * 0.4, -pupil * 0.45), pupil * 0.35 + 0.6, pupil * 0.35 + 0.6));
  if (lid > 0) {
    p.save();
    QPainterPath eye;
    eye.addEllipse(ellipseRect(c, 11, 11));
    p.setClipPath(eye, Qt::IntersectClip);
    p.setBrush(theme().skinDark);
    p.setPen(inkPen(2.0));
    p.drawRect(QRectF(c.x() - 13, c.y() - 13, 26, 2 + 22 * lid));
    p.restore();
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ellipseRect(c, 11, 11));
  }
}

void drawBeak(QPainter& p, bool open) {
  p.setPen(inkPen(1.6));
  p.setBrush(verticalGradient(48, 62, {{0, kBeak}, {1, kBeakDark}}));
  if (!open) {
    QPainterPath beak;
    beak.moveTo(55, 47);
    beak.quadTo(61, 51, 55, 61);
    beak.quadTo(49, 51, 55, 47);
    p.drawPath(beak);
    return;
  }
  p.save();
  p.setBrush(theme().mouth);
  p.drawEllipse(ellipseRect(QPointF(55, 57), 4.5, 5));
  p.restore();
  QPainterPath upper;
  upper.moveTo(55, 46);
  upper.quadTo(62, 50, 55, 56);
  upper.quadTo(48, 50, 55, 46);
  p.drawPath(upper);
  QPainterPath lower;
  lower.moveTo(51, 60);
  lower.quadTo(55, 66, 59, 60);
  lower.closeSubpath();
  p.drawPath(lower);
}

// The nightcap flops over to one side, a bobble at its tip.
void drawNightcap(QPainter& p) {
  QPainterPath cap;
  cap.moveTo(37, 22);
  cap.cubicTo(38, 2, 62, -6, 82, 4);
  cap.quadTo(92, 10, 94, 22);
  cap.quadTo(84, 12, 74, 17);
  cap.cubicTo(72, 19, 74, 22, 74, 22);
  cap.closeSubpath();
  p.setPen(inkPen(2.0));
  p.setBrush(linearGradient(QPointF(40, 0), QPointF(90, 20), {{0, theme().tie}, {1, theme().tieDark}}));
  p.drawPath(cap);
  // Stars printed on the cloth.
  p.setPen(Qt::NoPen);
  p.setBrush(theme().antennaLight);
  for (QPointF s : {QPointF(50, 10), QPointF(66, 6), QPointF(79, 11)}) p.drawEllipse(ellipseRect(s, 1.4, 1.4));
  // The furry brim.
  p.setPen(inkPen(1.8));
  p.setBrush(kWhite);
  p.drawRoundedRect(QRectF(34, 18, 42, 8), 4, 4);
  p.setBrush(radialGradient(QPointF(93, 23), 6, {{0, kWhite}, {1, theme().antenna}}));
  p.drawEllipse(ellipseRect(QPointF(94, 25), 5, 5));
}

}  // namespace

void drawOwl(QPainter& p, Face face) {
  const double lift = face == Face::Alarmed ? 70 : face == Face::Worried ? 30 : 0;
  drawTufts(p);
  drawWing(p, -1, lift);
  drawWing(p, 1, lift);
  drawBodyAndBelly(p);
  drawFaceDisc(p);
  if (face == Face::Grin) {
    drawOwlEye(p, QPointF(42, 41), 5.5, QPointF(0.3, 0.2), 0.3);
    drawOwlEye(p, QPointF(68, 41), 5.5, QPointF(-0.3, 0.2), 0.3);
  } else if (face == Face::Worried) {
    drawOwlEye(p, QPointF(42, 41), 5, QPointF(-0.5, -0.7), 0);
    drawOwlEye(p, QPointF(68, 41), 5, QPointF(-0.6, -0.7), 0);
  } else {
    drawOwlEye(p, QPointF(42, 40), 3, QPointF(-0.3, -0.8), 0);
    drawOwlEye(p, QPointF(68, 40), 3, QPointF(-0.4, -0.8), 0);
  }
  drawBeak(p, face == Face::Alarmed);
  drawNightcap(p);
}

namespace {

// Blueberry goo: dark at the bottom, a wet highlight on top.
void fillGoo(QPainter& p, const QPainterPath& path, double pen = 2.0) {
  const QRectF b = path.boundingRect();
  p.setPen(inkPen(pen));
  p.setBrush(verticalGradient(b.top(), b.bottom(), {{0, kBerryLight}, {0.45, kBerry}, {1, kBerryDark}}));
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(ellipseRect(b.topLeft() + QPointF(b.width() * 0.3, b.height() * 0.22), b.width() * 0.08 + 1,
                            b.height() * 0.05 + 0.8));
}

// A twinkle: a four-pointed star.
void drawTwinkle(QPainter& p, QPointF c, double r, const QColor& colour) {
  p.setPen(inkPen(1.0));
  p.setBrush(colour);
  p.drawPath(twinklePath(c, r));
}

// The falling pie, its glowing trail behind it up and a little to the left.
void drawShootingPie(QPainter& p, QPointF at, double scale, double angle) {
  p.save();
  QLinearGradient trail(at + QPointF(-20, -40) * scale, at);
  trail.setColorAt(0, QColor(255, 250, 200, 0));
  trail.setColorAt(1, QColor(255, 240, 160, 200));
  QPainterPath tail;
  tail.moveTo(at + QPointF(-8, 6) * scale);
  tail.lineTo(at + QPointF(-24, -44) * scale);
  tail.lineTo(at + QPointF(6, -8) * scale);
  tail.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(trail);
  p.drawPath(tail);
  p.restore();
  drawTwinkle(p, at + QPointF(-18, -22) * scale, 3.5 * scale + 1, theme().antennaLight);
  drawTwinkle(p, at + QPointF(-10, -34) * scale, 2.5 * scale + 1, theme().antennaLight);
  drawPieSide(p, at, scale, angle);
}

// The goo that runs down from the head once the pie has landed.
QPainterPath gooOnHead(double run, quint32 seed) {
  QPainterPath goo = blobPath(QPointF(55, 22), 30, 12, 8, 0.18, seed);
  const double xs[4] = {33, 46, 63, 77};
  const double ks[4] = {0.6, 1.0, 0.8, 0.4};
  for (int i = 0; i < 4; ++i) {
    goo = goo.united(dripPath(xs[i], 24, 6 + run * ks[i], 2.8, 4));
  }
  return goo;
}

// The empty tin, upside down on the head like a hat.
void drawTinHat(QPainter& p, double tilt) {
  p.save();
  p.translate(55, 12);
  p.rotate(tilt);
  QPainterPath tin;
  tin.moveTo(-13, -8);
  tin.lineTo(13, -8);
  tin.lineTo(19, 4);
  tin.lineTo(-19, 4);
  tin.closeSubpath();
  p.setPen(inkPen(2.0));
  p.setBrush(verticalGradient(-8, 4, {{0, QColor(0xee, 0xf0, 0xf4)}, {1, QColor(0x8c, 0x92, 0xa0)}}));
  p.drawPath(tin);
  p.setPen(QPen(QColor(0x8c, 0x92, 0xa0), 1.0));
  for (int x = -9; x <= 9; x += 6) p.drawLine(QPointF(x, -6), QPointF(x * 1.3, 3));
  p.setPen(inkPen(1.8));
  p.setBrush(theme().crust);
  p.drawRoundedRect(QRectF(-21, 2, 42, 5), 2.5, 2.5);
  p.restore();
}

// Spiral eyes: the owl sees stars.
void drawDizzyEye(QPainter& p, QPointF c) {
  p.setPen(inkPen(1.8));
  p.setBrush(theme().antennaLight);
  p.drawEllipse(ellipseRect(c, 10, 10));
  QPainterPath spiral;
  for (int i = 0; i <= 40; ++i) {
    const double a = i * 0.45, r = 0.2 * i;
    const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
    if (i == 0)
      spiral.moveTo(q);
    else
      spiral.lineTo(q);
  }
  p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(spiral);
}

// A loose feather drifting, turned by 'angle'.
void drawFeather(QPainter& p, QPointF c, double angle, double size) {
  p.save();
  placeAt(p, c, size, angle);
  QPainterPath f;
  f.moveTo(0, -7);
  f.quadTo(4.5, -2, 0, 7);
  f.quadTo(-4.5, -2, 0, -7);
  p.setPen(inkPen(1.2 / size));
  p.setBrush(verticalGradient(-7, 7, {{0, theme().skinLight}, {1, theme().skin}}));
  p.drawPath(f);
  p.setPen(QPen(theme().skinDark, 0.9 / size));
  p.drawLine(QPointF(0, -5), QPointF(0, 9));
  p.restore();
}

// The owl with the pie landed on it: the tin for a hat, goo running 'run'
// pixels down its face, eyes dazed (0), spiralling (1) or shut (2).
void drawGooedOwl(QPainter& p, double run, int eyes, double tilt) {
  drawTufts(p);
  drawWing(p, -1, 12);
  drawWing(p, 1, 12);
  drawBodyAndBelly(p);
  drawFaceDisc(p);
  if (eyes == 0) {
    drawOwlEye(p, QPointF(42, 41), 4, QPointF(0.4, 0.5), 0.5);
    drawOwlEye(p, QPointF(68, 41), 4, QPointF(-0.5, 0.4), 0.5);
  } else if (eyes == 1) {
    drawDizzyEye(p, QPointF(42, 41));
    drawDizzyEye(p, QPointF(68, 41));
  } else {
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ellipseRect(QPointF(42, 40), 8, 5), 200 * 16, 140 * 16);
    p.drawArc(ellipseRect(QPointF(68, 40), 8, 5), 200 * 16, 140 * 16);
  }
  drawBeak(p, false);
  fillGoo(p, gooOnHead(run, 5));
  drawTinHat(p, tilt);
}

// Goo spattered on the moon dust, and feathers come to rest there.
void drawLanded(QPainter& p, int stage) {
  p.save();
  clipToMound(p);
  const QPointF spots[] = {{16, 100}, {93, 97}, {30, 112}, {80, 113}};
  for (int i = 0; i < std::min(4, stage); ++i)
    fillGoo(p, blobPath(spots[i], 4.5, 2.6, 6, 0.25, 40 + quint32(i)), 1.4);
  p.restore();
  if (stage >= 2) {
    drawFeather(p, QPointF(8, 104), 80, 0.9);
    drawFeather(p, QPointF(101, 106), -70, 0.9);
  }
}

void addFalling(std::vector<QImage>& frames) {
  frames.push_back(holeScene([](QPainter& p) { drawOwl(p, Face::Worried); },
                             [](QPainter& p) { drawShootingPie(p, QPointF(26, 20), 0.6, 160); }));
  frames.push_back(holeScene([](QPainter& p) { drawOwl(p, Face::Alarmed); },
                             [](QPainter& p) { drawShootingPie(p, QPointF(52, 14), 0.85, 178); }));
  // The moment it lands: goo bursting out from under the tin.
  frames.push_back(holeScene(
      [](QPainter& p) {
        drawOwl(p, Face::Alarmed);
        fillGoo(p, blobPath(QPointF(55, 16), 40, 14, 14, 0.3, 9), 2.2);
        drawTinHat(p, 0);
      },
      [](QPainter& p) {
        p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 10), QPointF(1, 4));
        p.drawLine(QPointF(102, 10), QPointF(109, 4));
        p.drawLine(QPointF(6, 26), QPointF(0, 26));
        p.drawLine(QPointF(104, 26), QPointF(110, 26));
        for (QPointF f : {QPointF(14, 40), QPointF(97, 44)}) drawFeather(p, f, f.x() < 55 ? -50 : 50, 1.0);
      }));
}

void addGooed(std::vector<QImage>& frames) {
  frames.push_back(holeScene([](QPainter& p) { drawGooedOwl(p, 4, 0, -6); },
                             [](QPainter& p) {
                               drawFeather(p, QPointF(10, 22), -30, 1.0);
                               drawFeather(p, QPointF(100, 16), 40, 1.0);
                               drawFeather(p, QPointF(18, 60), 70, 0.9);
                               drawFeather(p, QPointF(95, 58), -60, 0.9);
                             }));
  frames.push_back(holeScene([](QPainter& p) { drawGooedOwl(p, 10, 1, -10); },
                             [](QPainter& p) {
                               drawFeather(p, QPointF(8, 50), 10, 1.0);
                               drawFeather(p, QPointF(103, 44), -20, 1.0);
                               drawLanded(p, 1);
                             }));
  frames.push_back(holeScene([](QPainter& p) { drawGooedOwl(p, 16, 1, -14); },
                             [](QPainter& p) {
                               drawLanded(p, 3);
                               drawTwinkle(p, QPointF(14, 12), 5, theme().antennaLight);
                               drawTwinkle(p, QPointF(97, 10), 4, theme().antennaLight);
                               drawTwinkle(p, QPointF(104, 32), 3.5, theme().antennaLight);
                             }));
}

void addSinking(std::vector<QImage>& frames) {
  addSinkingFrames(
      frames, [](QPainter& p, int) { drawGooedOwl(p, 18, 2, -14); }, [](QPainter& p, double) { drawLanded(p, 4); });
}

}  // namespace

QImage drawOwlSplatStrip() {
  std::vector<QImage> frames;
  addFalling(frames);
  addGooed(frames);
  addSinking(frames);
  return stripOf(frames, 1007, 108, theme().page);
}

}  // namespace art
