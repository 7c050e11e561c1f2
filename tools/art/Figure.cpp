#include "Figure.h"

#include <algorithm>

#include "Drawing.h"

namespace art {

namespace {

QPainterPath holeInterior() {
  QPainterPath p;
  p.addEllipse(ellipseRect(kHoleCentre, kHoleRx, kHoleRy));
  return p;
}

// The ink rim of the opening, drawn last so nothing covers it.
void outlineHole(QPainter& p) {
  p.setPen(inkPen(2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(holeInterior());
}

// Anything coming out of the hole may be seen above the hole's middle line
// and inside the opening; the front lip hides the rest.
QPainterPath figureClip() {
  QPainterPath above;
  above.addRect(QRectF(-20, -20, kFrameW + 40, kHoleCentre.y() + 20));
  return above.united(holeInterior());
}

// Soft shadow of the mound on whatever lies below.
void drawMoundShadow(QPainter& p, const QColor& shadow) {
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(ellipseRect(kIslandCentre + QPointF(0, kIslandDepth + 3), kIslandRx - 3, kIslandRy - 2));
}

// The mound's earthy side, then its grassy top.
void drawMound(QPainter& p) {
  QPainterPath side;
  side.addEllipse(ellipseRect(kIslandCentre + QPointF(0, kIslandDepth), kIslandRx, kIslandRy));
  QPainterPath sideBand;
  sideBand.addRect(QRectF(kIslandCentre.x() - kIslandRx, kIslandCentre.y(), 2 * kIslandRx, kIslandDepth));
  side = side.united(sideBand);
  p.setPen(inkPen(2.2));
  p.setBrush(verticalGradient(kIslandCentre.y(), kIslandCentre.y() + kIslandRy + kIslandDepth,
                              {{0, kDirt}, {1, kDirtDark}}));
  p.drawPath(side);

  p.setBrush(radialGradient(kIslandCentre + QPointF(-10, -8), kIslandRx * 1.1,
                            {{0, kGrassLight}, {0.7, kGrass}, {1, kGrassDark}}));
  p.drawEllipse(ellipseRect(kIslandCentre, kIslandRx, kIslandRy));
}

void drawGrassTufts(QPainter& p) {
  p.setPen(QPen(kGrassDark, 1.4, Qt::SolidLine, Qt::RoundCap));
  const QPointF tufts[] = {{10, 98}, {99, 99}, {20, 111}, {88, 112}, {55, 116}, {33, 77}, {78, 76}};
  for (const QPointF& t : tufts) {
    p.drawLine(t, t + QPointF(-2, -4));
    p.drawLine(t, t + QPointF(0, -5));
    p.drawLine(t, t + QPointF(2, -4));
  }
}

// The dirt lip thrown up around the opening.
void drawDirtLip(QPainter& p) {
  QRectF lip = ellipseRect(kHoleCentre, kLipRx, kLipRy);
  p.setPen(inkPen(2.0));
  p.setBrush(verticalGradient(lip.top(), lip.bottom(), {{0, kDirtDark}, {0.45, kDirt}, {1, kDirtLight}}));
  p.drawEllipse(lip);
}

// The opening: black at the front, the far wall lit a little.
void drawOpening(QPainter& p) {
  QPainterPath hole = holeInterior();
  p.setPen(Qt::NoPen);
  p.setBrush(kHoleDark);
  p.drawPath(hole);
  QPainterPath wall = hole.subtracted(hole.translated(0, 6));
  p.setBrush(verticalGradient(kHoleCentre.y() - kHoleRy, kHoleCentre.y() - kHoleRy + 7,
                              {{0, QColor(0x7a, 0x4c, 0x30)}, {1, QColor(0x42, 0x2a, 0x1c)}}));
  p.drawPath(wall);
  outlineHole(p);
}

// The grassy mound with its hole: the same in every frame and in the rim.
void drawGroundAndHole(QPainter& p, const QColor& shadow) {
  drawMoundShadow(p, shadow);
  drawMound(p);
  drawGrassTufts(p);
  drawDirtLip(p);
  drawOpening(p);
}

// Whatever stands in the hole gets darker as it goes down into it.
void shadeHoleInside(QPainter& p) {
  p.save();
  p.setClipPath(holeInterior());
  p.fillRect(QRectF(0, kHoleCentre.y() - kHoleRy - 1, kFrameW, 2 * kHoleRy + 2),
             verticalGradient(kHoleCentre.y() - kHoleRy, kHoleCentre.y() + kHoleRy,
                              {{0, QColor(0x1c, 0x11, 0x0c, 40)},
                               {0.4, QColor(0x1c, 0x11, 0x0c, 190)},
                               {0.75, QColor(0x1c, 0x11, 0x0c, 240)},
                               {1, QColor(0x1c, 0x11, 0x0c, 250)}}));
  p.restore();
  outlineHole(p);
}

// The head outline: a slightly wide oval, taller eyes sit high in it.
QPainterPath headPath() {
  QPainterPath head;
  head.addEllipse(ellipseRect(QPointF(55, 44), 36, 31));
  return head;
}

}  // namespace

void drawEye(QPainter& p, QPointF c, double rx, double ry, QPointF look, double lid) {
  p.setPen(inkPen(2.0));
  p.setBrush(kWhite);
  p.drawEllipse(ellipseRect(c, rx, ry));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  QPointF pc = c + QPointF(look.x() * rx * 0.45, look.y() * ry * 0.45);
  double pr = std::min(rx, ry) * 0.48;
  p.drawEllipse(ellipseRect(pc, pr, pr * 1.1));
  p.setBrush(kWhite);
  p.drawEllipse(ellipseRect(pc + QPointF(-pr * 0.35, -pr * 0.4), pr * 0.32, pr * 0.32));
  if (lid > 0) {
    // A heavy upper lid for the dazed look.
    p.save();
    QPainterPath eye;
    eye.addEllipse(ellipseRect(c, rx, ry));
    p.setClipPath(eye, Qt::IntersectClip);
    p.setBrush(kSkinDark);
    p.setPen(inkPen(2.0));
    p.drawRect(QRectF(c.x() - rx - 2, c.y() - ry - 2, 2 * rx + 4, 2 * ry * lid + 2));
    p.restore();
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ellipseRect(c, rx, ry));
  }
}

namespace {

// Neck and the bow tie (he dresses up for his audience).
void drawNeckAndBowTie(QPainter& p) {
  QPainterPath neck;
  neck.addRoundedRect(QRectF(34, 56, 42, 100), 14, 14);
  p.setPen(inkPen(2.2));
  p.setBrush(linearGradient(QPointF(34, 0), QPointF(76, 0), {{0, kSkinDark}, {0.35, kSkin}, {1, kSkinDark}}));
  p.drawPath(neck);
  QPainterPath bow;
  bow.moveTo(55, 78);
  bow.lineTo(41, 71);
  bow.quadTo(38, 78, 41, 85);
  bow.closeSubpath();
  bow.moveTo(55, 78);
  bow.lineTo(69, 71);
  bow.quadTo(72, 78, 69, 85);
  bow.closeSubpath();
  p.setBrush(verticalGradient(71, 85, {{0, kTie}, {1, kTieDark}}));
  p.drawPath(bow);
  p.drawRoundedRect(QRectF(50.5, 74, 9, 8), 2.5, 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kWhite);
  for (QPointF dot : {QPointF(45, 76), QPointF(46, 81), QPointF(65, 76), QPointF(64, 81)})
    p.drawEllipse(ellipseRect(dot, 1.2, 1.2));
}

// Pointy ears with pink insides and an ink rim.
void drawEars(QPainter& p) {
  for (int side : {-1, 1}) {
    p.setPen(inkPen(2.2));
    QPainterPath ear;
    ear.moveTo(55 + side * 30, 34);
    ear.quadTo(55 + side * 52, 22, 55 + side * 53, 28);
    ear.quadTo(55 + side * 48, 44, 55 + side * 32, 54);
    ear.closeSubpath();
    p.setBrush(kSkin);
    p.drawPath(ear);
    QPainterPath inner;
    inner.moveTo(55 + side * 34, 37);
    inner.quadTo(55 + side * 47, 29, 55 + side * 48, 31);
    inner.quadTo(55 + side * 44, 42, 55 + side * 35, 48);
    inner.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlush);
    p.drawPath(inner);
  }
}

// Antennae with bobbles.
void drawAntennae(QPainter& p) {
  for (int side : {-1, 1}) {
    QPainterPath stalk;
    stalk.moveTo(55 + side * 12, 16);
    stalk.quadTo(55 + side * 16, 6, 55 + side * 25, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stalk);
    p.setPen(QPen(kSkinDark, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stalk);
    QPointF bob(55 + side * 27, 7);
    p.setPen(inkPen(2.0));
    p.setBrush(radialGradient(bob + QPointF(-1.5, -1.5), 5.5, {{0, kAntennaLight}, {1, kAntenna}}));
    p.drawEllipse(ellipseRect(bob, 5.2, 5.2));
  }
}

// The head with the spots on its dome and blushing cheeks.
void drawHead(QPainter& p) {
  p.setPen(inkPen(2.4));
  p.setBrush(radialGradient(QPointF(45, 30), 46, {{0, kSkinLight}, {0.55, kSkin}, {1, kSkinDark}}));
  p.drawPath(headPath());

  p.setPen(Qt::NoPen);
  p.setBrush(kSpot);
  p.drawEllipse(ellipseRect(QPointF(55, 19), 5, 3.2));
  p.drawEllipse(ellipseRect(QPointF(43, 22), 2.6, 2));
  p.drawEllipse(ellipseRect(QPointF(67, 22), 3, 2.2));

  p.setBrush(QColor(kBlush.red(), kBlush.green(), kBlush.blue(), 170));
  p.drawEllipse(ellipseRect(QPointF(30, 53), 6, 4));
  p.drawEllipse(ellipseRect(QPointF(80, 53), 6, 4));
}

// Eyes: mismatched on purpose, he is a bit goofy. The creamed faces have
// none; the cream covers them.
void drawEyes(QPainter& p, Face face) {
  switch (face) {
    case Face::Grin:
      drawEye(p, QPointF(42, 38), 10, 12, QPointF(0.5, 0.2));
      drawEye(p, QPointF(68, 36), 12, 14, QPointF(-0.3, -0.4));
      break;
    case Face::Worried:
      drawEye(p, QPointF(42, 37), 11, 13, QPointF(0.9, -0.5));
      drawEye(p, QPointF(68, 35), 13, 15, QPointF(0.9, -0.5));
      break;
    case Face::Alarmed:
      drawEye(p, QPointF(42, 36), 12, 14, QPointF(0.7, -0.3));
      drawEye(p, QPointF(68, 34), 14, 16, QPointF(0.6, -0.2));
      break;
    default:
      break;
  }
}

// Brows: raised when he sees the pie coming, higher still when it is close.
void drawBrows(QPainter& p, Face face) {
  p.setPen(QPen(kInk, 2.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (face == Face::Worried || face == Face::Alarmed) {
    double lift = face == Face::Alarmed ? 4 : 2;
    p.drawLine(QPointF(33, 22 - lift), QPointF(47, 19 - lift));
    p.drawLine(QPointF(61, 16 - lift), QPointF(76, 18 - lift));
  } else if (face == Face::Grin) {
    p.drawLine(QPointF(34, 23), QPointF(47, 22));
    p.drawLine(QPointF(61, 19), QPointF(75, 20));
  }
}

// The wide grin with its tongue and two buck teeth.
void drawGrin(QPainter& p) {
  QPainterPath m;
  m.moveTo(33, 55);
  m.quadTo(55, 58, 77, 53);
  m.quadTo(70, 74, 54, 73);
  m.quadTo(38, 72, 33, 55);
  m.closeSubpath();
  p.setPen(inkPen(2.2));
  p.setBrush(kMouth);
  p.drawPath(m);
  p.save();
  p.setClipPath(m, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(kTongue);
  p.drawEllipse(ellipseRect(QPointF(58, 72), 11, 7));
  p.setBrush(kWhite);
  p.setPen(inkPen(1.4));
  p.drawRoundedRect(QRectF(47, 54, 7, 8), 1.5, 1.5);
  p.drawRoundedRect(QRectF(54, 54, 7, 8), 1.5, 1.5);
  p.restore();
  p.setPen(inkPen(2.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(m);
}

// A round "oh" of a mouth, 'r' being its height from the middle.
void drawGaspingMouth(QPainter& p, double r) {
  p.setPen(inkPen(2.2));
  p.setBrush(kMouth);
  p.drawEllipse(ellipseRect(QPointF(56, 62), r * 0.85, r));
  p.setPen(Qt::NoPen);
  p.setBrush(kTongue);
  p.drawEllipse(ellipseRect(QPointF(56, 62 + r * 0.5), r * 0.55, r * 0.35));
}

void drawMouth(QPainter& p, Face face) {
  if (face == Face::Grin)
    drawGrin(p);
  else if (face == Face::Worried)
    drawGaspingMouth(p, 6);
  else if (face == Face::Alarmed)
    drawGaspingMouth(p, 9);
}

}  // namespace

void drawVorb(QPainter& p, Face face) {
  drawNeckAndBowTie(p);
  drawEars(p);
  drawAntennae(p);
  drawHead(p);
  drawEyes(p, face);
  drawBrows(p, face);
  drawMouth(p, face);
}

QImage holeScene(const SceneFn& inHole, const SceneFn& onTop) {
  return paintedOn(newCanvas(kFrameW, kSceneH, kWhite),
                   [&](QPainter& p) { paintHoleScene(p, inHole, onTop, kShadow); });
}

void paintHoleScene(QPainter& p, const SceneFn& inHole, const SceneFn& onTop, const QColor& shadow) {
  drawGroundAndHole(p, shadow);
  if (inHole) {
    p.save();
    p.setClipPath(figureClip());
    inHole(p);
    p.restore();
  }
  // Shaded even when empty, so the empty hole matches the busy ones.
  shadeHoleInside(p);
  if (onTop) onTop(p);
}

QImage stripOf(const std::vector<QImage>& frames, int width, int height, const QColor& bg) {
  QImage strip = newCanvas(width, height, bg);
  QPainter p(&strip);
  for (size_t i = 0; i < frames.size(); ++i)
    p.drawImage(QPoint(int(i) * kPitchX, 0), frames[i], QRect(0, 0, kFrameW, kFrameH));
  p.end();
  return strip;
}

SceneFn vorbAt(double dy, Face face) {
  return [=](QPainter& p) {
    p.translate(0, dy);
    drawVorb(p, face);
  };
}

// Rising steps: how far below full height Vorb stands in frames 1..4.
constexpr double kRiseDrop[5] = {0, 66, 43, 21, 0};

QImage drawTargetStrip() {
  std::vector<QImage> frames;
  frames.push_back(holeScene({}));
  for (int k = 1; k <= 4; ++k) frames.push_back(holeScene(vorbAt(kRiseDrop[k], Face::Grin)));
  return stripOf(frames, 559, 108, kWhite);
}

}  // namespace art
