#include "Figure.h"

#include <algorithm>
#include <iterator>

#include "Characters.h"
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
                              {{0, theme().dirt}, {1, theme().dirtDark}}));
  p.drawPath(side);

  p.setBrush(radialGradient(kIslandCentre + QPointF(-10, -8), kIslandRx * 1.1,
                            {{0, theme().grassLight}, {0.7, theme().grass}, {1, theme().grassDark}}));
  p.drawEllipse(ellipseRect(kIslandCentre, kIslandRx, kIslandRy));
}

const QPointF kGroundSpots[] = {{10, 98}, {99, 99}, {20, 111}, {88, 112}, {55, 116}, {33, 77}, {78, 76}};

void drawGrassTufts(QPainter& p) {
  p.setPen(QPen(theme().grassDark, 1.4, Qt::SolidLine, Qt::RoundCap));
  for (const QPointF& t : kGroundSpots) {
    p.drawLine(t, t + QPointF(-2, -4));
    p.drawLine(t, t + QPointF(0, -5));
    p.drawLine(t, t + QPointF(2, -4));
  }
}

// Small dents in the dust, lit on their far rim.
void drawCraters(QPainter& p) {
  const double sizes[] = {3.2, 4.0, 2.6, 3.4, 2.4, 2.2, 2.8};
  for (std::size_t i = 0; i < std::size(kGroundSpots); ++i) {
    const QPointF c = kGroundSpots[i] + QPointF(0, -2);
    const double r = sizes[i];
    p.setPen(QPen(theme().dirtDark, 1.0));
    p.setBrush(theme().grassDark);
    p.drawEllipse(ellipseRect(c, r * 1.5, r * 0.75));
    p.setPen(QPen(theme().grassLight, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ellipseRect(c, r * 1.5, r * 0.75), 200 * 16, 140 * 16);
  }
}

// Round pebbles and a shell or two washed up on the sand.
void drawPebbles(QPainter& p) {
  const QColor stones[] = {QColor(0x9a, 0xa4, 0xb0), QColor(0xc8, 0x8c, 0x6c), QColor(0x7c, 0x8a, 0x96)};
  for (std::size_t i = 0; i < std::size(kGroundSpots); ++i) {
    const QPointF c = kGroundSpots[i] + QPointF(0, -2);
    p.setPen(inkPen(1.0));
    if (i % 3 == 2) {
      // A scallop shell: a fan with ribs.
      QPainterPath shell;
      shell.moveTo(c + QPointF(0, 2.5));
      shell.arcTo(ellipseRect(c, 4.0, 3.5), 200, -220);
      shell.closeSubpath();
      p.setBrush(QColor(0xff, 0xe4, 0xd8));
      p.drawPath(shell);
      p.setPen(QPen(QColor(0xd8, 0x8c, 0x7c), 0.8));
      for (double dx : {-2.0, 0.0, 2.0}) p.drawLine(c + QPointF(0, 2.5), c + QPointF(dx, -2.2));
    } else {
      p.setBrush(stones[i % 3]);
      p.drawEllipse(ellipseRect(c, 2.6, 1.8));
    }
  }
}

void drawGroundDetail(QPainter& p) {
  switch (theme().ground) {
    case GroundDetail::GrassTufts:
      drawGrassTufts(p);
      break;
    case GroundDetail::Craters:
      drawCraters(p);
      break;
    case GroundDetail::Pebbles:
      drawPebbles(p);
      break;
  }
}

// The dirt lip thrown up around the opening.
void drawDirtLip(QPainter& p) {
  QRectF lip = ellipseRect(kHoleCentre, kLipRx, kLipRy);
  p.setPen(inkPen(2.0));
  p.setBrush(verticalGradient(lip.top(), lip.bottom(), {{0, theme().dirtDark}, {0.45, theme().dirt}, {1, theme().dirtLight}}));
  p.drawEllipse(lip);
}

// The opening: black at the front, the far wall lit a little.
void drawOpening(QPainter& p) {
  QPainterPath hole = holeInterior();
  p.setPen(Qt::NoPen);
  p.setBrush(theme().holeDark);
  p.drawPath(hole);
  QPainterPath wall = hole.subtracted(hole.translated(0, 6));
  p.setBrush(verticalGradient(kHoleCentre.y() - kHoleRy, kHoleCentre.y() - kHoleRy + 7,
                              {{0, theme().holeWallLit}, {1, theme().holeWallDim}}));
  p.drawPath(wall);
  outlineHole(p);
}

// The grassy mound with its hole: the same in every frame and in the rim.
void drawGroundAndHole(QPainter& p, const QColor& shadow) {
  drawMoundShadow(p, shadow);
  drawMound(p);
  drawGroundDetail(p);
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
    p.setBrush(theme().skinDark);
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
  p.setBrush(linearGradient(QPointF(34, 0), QPointF(76, 0), {{0, theme().skinDark}, {0.35, theme().skin}, {1, theme().skinDark}}));
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
  p.setBrush(verticalGradient(71, 85, {{0, theme().tie}, {1, theme().tieDark}}));
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
    p.setBrush(theme().skin);
    p.drawPath(ear);
    QPainterPath inner;
    inner.moveTo(55 + side * 34, 37);
    inner.quadTo(55 + side * 47, 29, 55 + side * 48, 31);
    inner.quadTo(55 + side * 44, 42, 55 + side * 35, 48);
    inner.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(theme().blush);
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
    p.setPen(QPen(theme().skinDark, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stalk);
    QPointF bob(55 + side * 27, 7);
    p.setPen(inkPen(2.0));
    p.setBrush(radialGradient(bob + QPointF(-1.5, -1.5), 5.5, {{0, theme().antennaLight}, {1, theme().antenna}}));
    p.drawEllipse(ellipseRect(bob, 5.2, 5.2));
  }
}

// The head with the spots on its dome and blushing cheeks.
void drawHead(QPainter& p) {
  p.setPen(inkPen(2.4));
  p.setBrush(radialGradient(QPointF(45, 30), 46, {{0, theme().skinLight}, {0.55, theme().skin}, {1, theme().skinDark}}));
  p.drawPath(headPath());

  p.setPen(Qt::NoPen);
  p.setBrush(theme().spot);
  p.drawEllipse(ellipseRect(QPointF(55, 19), 5, 3.2));
  p.drawEllipse(ellipseRect(QPointF(43, 22), 2.6, 2));
  p.drawEllipse(ellipseRect(QPointF(67, 22), 3, 2.2));

  p.setBrush(QColor(theme().blush.red(), theme().blush.green(), theme().blush.blue(), 170));
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
  p.setBrush(theme().mouth);
  p.drawPath(m);
  p.save();
  p.setClipPath(m, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(theme().tongue);
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
  p.setBrush(theme().mouth);
  p.drawEllipse(ellipseRect(QPointF(56, 62), r * 0.85, r));
  p.setPen(Qt::NoPen);
  p.setBrush(theme().tongue);
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
  return paintedOn(newCanvas(kFrameW, kSceneH, theme().page),
                   [&](QPainter& p) { paintHoleScene(p, inHole, onTop, theme().shadow); });
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

void addSinkingFrames(std::vector<QImage>& frames, const std::function<void(QPainter&, int frame)>& figure,
                      const std::function<void(QPainter&, double dy)>& ground) {
  const double sink[3] = {20, 42, 64};
  for (int i = 0; i < 3; ++i) {
    const double dy = sink[i];
    frames.push_back(holeScene(
        [&](QPainter& p) {
          p.translate(0, dy);
          figure(p, i);
        },
        [&](QPainter& p) { ground(p, dy); }));
  }
}

void clipToMound(QPainter& p) {
  QPainterPath mound;
  mound.addEllipse(ellipseRect(kIslandCentre, kIslandRx - 1, kIslandRy - 1));
  p.setClipPath(mound);
}

QImage stripOf(const std::vector<QImage>& frames, int width, int height, const QColor& bg) {
  QImage strip = newCanvas(width, height, bg);
  QPainter p(&strip);
  for (size_t i = 0; i < frames.size(); ++i)
    p.drawImage(QRectF(int(i) * kPitchX, 0, kFrameW, kFrameH), frames[i],
                pixelRect(frames[i], QRectF(0, 0, kFrameW, kFrameH)));
  p.end();
  return strip;
}

SceneFn figureAt(double dy, Face face) {
  return [=](QPainter& p) {
    p.translate(0, dy);
    switch (theme().character) {
      case Character::Vorb:
        drawVorb(p, face);
        break;
      case Character::Owl:
        drawOwl(p, face);
        break;
      case Character::Crab:
        drawCrab(p, face);
        break;
    }
  };
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
  for (int k = 1; k <= 4; ++k) frames.push_back(holeScene(figureAt(kRiseDrop[k], Face::Grin)));
  return stripOf(frames, 559, 108, theme().page);
}

}  // namespace art
