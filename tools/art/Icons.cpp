#include "Icons.h"

#include <QPainterPath>

#include "Drawing.h"
#include "Figure.h"
#include "Pie.h"

namespace art {

namespace {

// The scene stands about 127 units tall and 111 wide; a 128-unit square
// holds it with room on the right for the flying pie.
constexpr double kSceneBox = 128;

void drawFullIcon(QPainter& p, int size) {
  p.scale(size / kSceneBox, size / kSceneBox);
  p.translate((kSceneBox - kFrameW) / 2 - 1, 0);
  paintHoleScene(
      p, vorbAt(0, Face::Worried), [](QPainter& q) { drawPieSide(q, QPointF(99, 20), 0.62, -28); },
      QColor(0, 0, 0, 70));
}

// A plain eye looking a little down and right, without the game's glint,
// which is smaller than a pixel here.
void drawEyeSimple(QPainter& p, QPointF c, double rx, double ry, double pen) {
  if (pen > 0)
    p.setPen(inkPen(pen));
  else
    p.setPen(Qt::NoPen);
  p.setBrush(kWhite);
  p.drawEllipse(ellipseRect(c, rx, ry));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(ellipseRect(c + QPointF(rx * 0.25, ry * 0.1), rx * 0.55, ry * 0.55));
}

// The teal head with its light from the upper left, as on the playfield.
void drawHead(QPainter& p, QPointF centre, double rx, double ry, double line) {
  p.setPen(inkPen(line));
  p.setBrush(radialGradient(centre + QPointF(-rx * 0.35, -ry * 0.45), rx * 1.3,
                            {{0, kSkinLight}, {0.6, kSkin}, {1, kSkinDark}}));
  p.drawEllipse(ellipseRect(centre, rx, ry));
}

// A grin as wide as 'width' whose top edge sits at 'top'.
void drawGrin(QPainter& p, QPointF top, double width, double depth, double line) {
  const double h = width / 2;
  QPainterPath mouth;
  mouth.moveTo(top.x() - h, top.y());
  mouth.quadTo(top.x(), top.y() + depth * 0.2, top.x() + h, top.y() - depth * 0.1);
  mouth.quadTo(top.x() + h * 0.6, top.y() + depth, top.x(), top.y() + depth);
  mouth.quadTo(top.x() - h * 0.7, top.y() + depth, top.x() - h, top.y());
  mouth.closeSubpath();
  p.setPen(inkPen(line));
  p.setBrush(kMouth);
  p.drawPath(mouth);
}

// Vorb's face on a 16-pixel grid: head, eyes, grin and the antennae's pink
// bobbles, with one-pixel outlines on pixel centres so they stay crisp.
void drawTinyFace(QPainter& p) {
  p.setPen(QPen(kInk, 1.0));
  p.drawLine(QPointF(4.5, 3), QPointF(5.5, 5));
  p.drawLine(QPointF(11.5, 3), QPointF(10.5, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(kAntenna);
  p.drawEllipse(ellipseRect(QPointF(3.5, 2.5), 2, 2));
  p.drawEllipse(ellipseRect(QPointF(12.5, 2.5), 2, 2));
  drawHead(p, QPointF(8, 9.5), 6.5, 5.8, 1.0);
  // No rims round the eyes: at this size they would turn the whites grey.
  drawEyeSimple(p, QPointF(5.5, 8), 2.2, 2.5, 0);
  drawEyeSimple(p, QPointF(10.5, 7.8), 2.4, 2.7, 0);
  drawGrin(p, QPointF(8, 11.6), 5.5, 2.6, 0.7);
}

// A pie side on in flat colours with thin outlines: the game's own pie
// drawing keeps its outlines too heavy at this scale.
void drawSmallPie(QPainter& p, QPointF c, double line) {
  p.setPen(inkPen(line));
  p.setBrush(kTin);
  QPainterPath tin;
  tin.moveTo(c + QPointF(-5.5, 0.5));
  tin.lineTo(c + QPointF(5.5, 0.5));
  tin.lineTo(c + QPointF(4, 3.5));
  tin.lineTo(c + QPointF(-4, 3.5));
  tin.closeSubpath();
  p.drawPath(tin);
  QPainterPath cream;
  cream.moveTo(c + QPointF(-5.5, 0.5));
  cream.cubicTo(c + QPointF(-6, -3), c + QPointF(-2, -5.5), c + QPointF(0, -4.5));
  cream.cubicTo(c + QPointF(3, -5.5), c + QPointF(6.5, -2.5), c + QPointF(5.5, 0.5));
  cream.closeSubpath();
  p.setBrush(kCream);
  p.drawPath(cream);
  p.setBrush(kCrust);
  p.drawRoundedRect(QRectF(c + QPointF(-6.5, -0.8), QSizeF(13, 2.2)), 1, 1);
  p.setBrush(kCherry);
  p.drawEllipse(ellipseRect(c + QPointF(0.5, -5.5), 1.6, 1.6));
}

// Vorb's face on a 32-unit square with ears, antennae and a pie coming in.
void drawSmallFace(QPainter& p) {
  const QPointF centre(15, 18.5);
  const double rx = 11.5, ry = 10.5, line = 1.6;

  for (int side : {-1, 1}) {
    QPainterPath stalk;
    stalk.moveTo(centre.x() + side * 4, centre.y() - ry + 1);
    stalk.quadTo(centre.x() + side * 6, 4, centre.x() + side * 9.5, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stalk);
    p.setPen(inkPen(1.2));
    p.setBrush(kAntenna);
    p.drawEllipse(ellipseRect(QPointF(centre.x() + side * 10, 4), 2.8, 2.8));
  }

  for (int side : {-1, 1}) {
    QPainterPath ear;
    ear.moveTo(centre.x() + side * 9, centre.y() - 5);
    ear.quadTo(centre.x() + side * 15, centre.y() - 10, centre.x() + side * 15.5, centre.y() - 8);
    ear.quadTo(centre.x() + side * 14, centre.y() - 1, centre.x() + side * 10, centre.y() + 3);
    ear.closeSubpath();
    p.setPen(inkPen(1.2));
    p.setBrush(kSkin);
    p.drawPath(ear);
  }

  drawHead(p, centre, rx, ry, line);
  // Big eyes, the right one a little larger as in the game.
  drawEyeSimple(p, centre + QPointF(-5, -2), 3.4, 3.9, 1.1);
  drawEyeSimple(p, centre + QPointF(5, -2.5), 3.8, 4.3, 1.1);
  drawGrin(p, centre + QPointF(0, 4.5), 13, 5, 1.2);
  drawSmallPie(p, QPointF(25, 26.5), 1.0);
}

}  // namespace

QImage drawAppIcon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p;
  startPainter(p, img);
  if (size >= 64) {
    drawFullIcon(p, size);
  } else if (size >= 24) {
    p.scale(size / 32.0, size / 32.0);
    drawSmallFace(p);
  } else {
    p.scale(size / 16.0, size / 16.0);
    drawTinyFace(p);
  }
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace art
