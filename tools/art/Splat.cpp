#include "Splat.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "Characters.h"
#include "Drawing.h"
#include "Figure.h"
#include "Pie.h"

namespace art {

namespace {

void drawDrop(QPainter& p, QPointF c, double r, double angleDeg) {
  // A droplet with its tail pointing back towards where it came from.
  p.save();
  p.translate(c);
  p.rotate(angleDeg);
  QPainterPath d;
  d.moveTo(-r * 2.4, 0);
  d.quadTo(-r * 0.6, -r * 1.05, 0, -r);
  d.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, -180);
  d.quadTo(-r * 0.6, r * 1.05, -r * 2.4, 0);
  d.closeSubpath();
  fillCream(p, d, 1.6);
  p.restore();
}

void drawCreamEyes(QPainter& p, int mode) {
  // Eyes peeking out of the cream; mode 0 wide, 1 dazed, 2 blinking.
  if (mode == 2) {
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath a, b;
    a.moveTo(34, 38);
    a.quadTo(42, 43, 50, 38);
    b.moveTo(60, 36);
    b.quadTo(68, 41, 76, 36);
    p.drawPath(a);
    p.drawPath(b);
    return;
  }
  if (mode == 0) {
    drawEye(p, QPointF(42, 38), 9, 10, QPointF(-0.4, 0.3));
    drawEye(p, QPointF(68, 36), 10, 11, QPointF(0.5, -0.5));
  } else {
    drawEye(p, QPointF(42, 38), 9, 10, QPointF(0.6, 0.5), 0.45);
    drawEye(p, QPointF(68, 36), 10, 11, QPointF(-0.5, 0.5), 0.45);
  }
}

// Little stars circling a dazed head.
void drawStar(QPainter& p, QPointF c, double r) {
  p.setPen(inkPen(1.5));
  p.setBrush(kGold1);
  p.drawPath(starPath(c, r, r * 0.45));
}

// Cream splashed on the ground around the hole after the hit.
void drawGroundSplats(QPainter& p, int stage) {
  if (stage <= 0) return;
  p.save();
  clipToMound(p);
  const struct {
    QPointF c;
    double r;
    quint32 seed;
  } blobs[] = {
      {{14, 94}, 5.5, 11},  {{97, 92}, 6.5, 12},  {{24, 108}, 4.0, 13},
      {{86, 110}, 4.5, 14}, {{68, 112}, 3.0, 15},
  };
  int n = std::min<int>(5, 1 + stage);
  for (int i = 0; i < n; ++i) {
    QPainterPath b = blobPath(blobs[i].c, blobs[i].r * 1.3, blobs[i].r * 0.8, 7, 0.25, blobs[i].seed);
    fillCream(p, b, 1.5);
  }
  p.restore();
}

// The cream on Vorb's face from the hit onwards: one splat with drips
// hanging off its lower edge, drawn as a single shape so it reads as one mass.
QPainterPath faceSplat(double spread, double dripLen, quint32 seed) {
  QPainterPath cream = blobPath(QPointF(55, 47), 27 + spread, 22 + spread * 0.7, 9, 0.13, seed);
  if (dripLen > 0) {
    const double xs[3] = {37, 54, 71};
    const double ks[3] = {0.7, 1.0, 0.5};
    for (int i = 0; i < 3; ++i) {
      cream = cream.united(dripPath(xs[i], 58, 8 + dripLen * ks[i], 3.2, 5));
    }
  }
  QPainterPath limit;
  limit.addEllipse(ellipseRect(QPointF(55, 46), 44, 40));
  return cream.intersected(limit);
}

// Flecks of cream that landed on the dome and the ears, and a wet shine on
// the splat.
void drawFlecksAndShine(QPainter& p, quint32 seed) {
  const QPointF flecks[] = {{33, 24}, {81, 31}, {46, 17}};
  for (size_t i = 0; i < std::size(flecks); ++i)
    fillCream(p, blobPath(flecks[i], 3.2, 2.6, 5, 0.2, seed + 31 + quint32(i)), 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(ellipseRect(QPointF(39, 33), 5, 2.6));
}

// The pie's cherry, which ends up perched on his head.
void drawCherryOnHead(QPainter& p) {
  p.setPen(inkPen(1.8));
  p.setBrush(theme().cherry);
  p.drawEllipse(ellipseRect(QPointF(62, 11), 4.5, 4.3));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 210));
  p.drawEllipse(ellipseRect(QPointF(60.5, 9.5), 1.4, 1.4));
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath stem;
  stem.moveTo(62, 7);
  stem.quadTo(64, 2, 69, 2);
  p.drawPath(stem);
}

// He licks the cream off the corner of his mouth: might as well have a taste.
void drawTastingTongue(QPainter& p) {
  QPainterPath t;
  t.moveTo(55, 62);
  t.cubicTo(55, 72, 72, 74, 71, 64);
  t.cubicTo(70, 60, 62, 60, 55, 62);
  t.closeSubpath();
  p.setPen(inkPen(2.0));
  p.setBrush(theme().tongue);
  p.drawPath(t);
  p.setPen(QPen(theme().mouth, 1.2));
  p.drawLine(QPointF(61, 63), QPointF(64, 68));
}

// Vorb under the cream: 'spread' widens the splat, 'eyes' is a
// drawCreamEyes mode, 'dripLen' lengthens the drips.
void drawCreamedVorb(QPainter& p, double spread, int eyes, bool tongue, double dripLen, quint32 seed) {
  drawVorb(p, Face::Creamed);
  fillCream(p, faceSplat(spread, dripLen, seed), 2.2);
  drawFlecksAndShine(p, seed);
  drawCherryOnHead(p);
  drawCreamEyes(p, eyes);
  if (tongue) drawTastingTongue(p);
}

// Cream droplets flying off, each as {x, y, radius, heading in degrees}.
void drawDrops(QPainter& p, std::initializer_list<std::array<double, 4>> drops) {
  for (const auto& d : drops) drawDrop(p, QPointF(d[0], d[1]), d[2], d[3]);
}

// The moment of impact: the tin face on, cream squirting out round it.
void drawImpact(QPainter& p) {
  fillCream(p, blobPath(QPointF(58, 42), 36, 30, 16, 0.22, 7), 2.2);
  QRectF tin = ellipseRect(QPointF(58, 42), 27, 25);
  p.setPen(inkPen(2.4));
  p.setBrush(radialGradient(tin.center() + QPointF(-6, -6), 30,
                            {{0, QColor(0xee, 0xf0, 0xf4)}, {0.6, kTin}, {1, kTinDark}}));
  p.drawEllipse(tin);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kTinDark, 1.3));
  p.drawEllipse(ellipseRect(QPointF(58, 42), 20, 18.5));
  p.drawEllipse(ellipseRect(QPointF(58, 42), 13, 12));
  // Impact lines.
  p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(96, 12), QPointF(104, 5));
  p.drawLine(QPointF(100, 30), QPointF(109, 28));
  p.drawLine(QPointF(86, 6), QPointF(90, 0));
  p.drawLine(QPointF(16, 14), QPointF(9, 7));
  p.drawLine(QPointF(12, 34), QPointF(3, 32));
}

// Frames 0-2: the pie flies in from the upper right and hits.
void addPieFlyingIn(std::vector<QImage>& frames) {
  frames.push_back(
      holeScene(vorbAt(0, Face::Worried), [](QPainter& p) { drawPieSide(p, QPointF(96, 14), 0.42, -25); }));
  frames.push_back(
      holeScene(vorbAt(0, Face::Alarmed), [](QPainter& p) { drawPieSide(p, QPointF(80, 26), 0.72, -35); }));
  frames.push_back(holeScene(vorbAt(0, Face::Alarmed), drawImpact));
}

// Frames 3-5: the splat. The cream flies off, lands round the hole and the
// empty tin drops; he ends up dazed, tasting it.
void addSplat(std::vector<QImage>& frames) {
  frames.push_back(holeScene([](QPainter& p) { drawCreamedVorb(p, 7, 0, false, 0, 21); },
                             [](QPainter& p) {
                               drawDrops(p, {{10, 16, 4.0, 200},
                                             {100, 14, 4.5, -20},
                                             {8, 50, 3.5, 170},
                                             {103, 48, 3.8, 10},
                                             {28, 3, 3.2, 240},
                                             {84, 3, 3.4, -60},
                                             {55, 2, 3.0, -90}});
                               drawPieSide(p, QPointF(94, 72), 0.5, 160);
                             }));
  frames.push_back(holeScene(
      [](QPainter& p) { drawCreamedVorb(p, 5, 1, false, 4, 21); },
      [](QPainter& p) {
        drawDrops(p, {{5, 28, 3.2, 200}, {105, 26, 3.5, -20}, {4, 66, 3.0, 160}, {106, 62, 3.0, 20}});
        drawGroundSplats(p, 1);
        drawPieSide(p, QPointF(97, 86), 0.5, 175);
      }));
  frames.push_back(holeScene([](QPainter& p) { drawCreamedVorb(p, 5, 2, true, 9, 21); },
                             [](QPainter& p) {
                               drawGroundSplats(p, 3);
                               drawPieSide(p, QPointF(99, 92), 0.5, 180);
                               drawStar(p, QPointF(14, 12), 6);
                               drawStar(p, QPointF(97, 8), 5);
                               drawStar(p, QPointF(104, 30), 4);
                             }));
}

// Frames 6-8: he sinks back, dripping.
void addSinking(std::vector<QImage>& frames) {
  addSinkingFrames(
      frames, [](QPainter& p, int frame) { drawCreamedVorb(p, 5, frame == 0 ? 1 : 2, false, 12, 21); },
      [](QPainter& p, double) {
        drawGroundSplats(p, 4);
        drawPieSide(p, QPointF(99, 92), 0.5, 180);
      });
}

}  // namespace

QImage drawSplatStrip() {
  if (theme().character == Character::Owl) return drawOwlSplatStrip();
  if (theme().character == Character::Crab) return drawCrabSplatStrip();
  std::vector<QImage> frames;
  addPieFlyingIn(frames);
  addSplat(frames);
  addSinking(frames);
  return stripOf(frames, 1007, 108, theme().page);
}

}  // namespace art
