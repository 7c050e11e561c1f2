#include "Pie.h"

#include <cmath>
#include <vector>

#include "Drawing.h"

namespace art {

namespace {

// The ridged tin, 'line' being the outline's width in the pie's own units.
void drawPieTin(QPainter& p, double line, double scale) {
  QPainterPath tin;
  tin.moveTo(-22, 2);
  tin.lineTo(22, 2);
  tin.lineTo(17, 12);
  tin.lineTo(-17, 12);
  tin.closeSubpath();
  p.setPen(inkPen(line));
  p.setBrush(verticalGradient(2, 12, {{0, kTin}, {1, kTinDark}}));
  p.drawPath(tin);
  p.setPen(QPen(kTinDark, 1.0 / scale));
  for (int x = -14; x <= 14; x += 7) p.drawLine(QPointF(x, 4), QPointF(x * 0.85, 11));
}

// The crust rim and the heap of cream on it.
void drawPieTop(QPainter& p, double line) {
  p.setPen(inkPen(line));
  p.setBrush(theme().crust);
  p.drawRoundedRect(QRectF(-24, -2, 48, 6), 3, 3);

  QPainterPath cream;
  cream.moveTo(-21, 0);
  cream.cubicTo(-22, -8, -14, -10, -10, -9);
  cream.cubicTo(-8, -16, 2, -18, 5, -13);
  cream.cubicTo(10, -17, 20, -12, 17, -6);
  cream.cubicTo(23, -6, 23, 0, 21, 0);
  cream.closeSubpath();
  p.setBrush(verticalGradient(-18, 0, {{0, theme().cream}, {1, theme().creamShade}}));
  p.drawPath(cream);
}

// The cherry with a glint and its stem.
void drawPieCherry(QPainter& p, double line, double scale) {
  p.setPen(inkPen(line));
  p.setBrush(theme().cherry);
  p.drawEllipse(ellipseRect(QPointF(3, -19), 4, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(ellipseRect(QPointF(1.8, -20.3), 1.3, 1.3));
  p.setPen(QPen(kInk, 1.6 / scale, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath stem;
  stem.moveTo(3, -23);
  stem.quadTo(5, -28, 9, -29);
  p.drawPath(stem);
}

}  // namespace

void drawPieSide(QPainter& p, QPointF c, double scale, double angle) {
  p.save();
  placeAt(p, c, scale, angle);
  // The outline stays as thick as elsewhere in the picture whatever the scale.
  const double line = 2.2 / scale;
  drawPieTin(p, line, scale);
  drawPieTop(p, line);
  drawPieCherry(p, line, scale);
  p.restore();
}

QPainterPath blobPath(QPointF c, double rx, double ry, int lobes, double wobble, quint32 seed) {
  Lcg rnd(seed);
  std::vector<QPointF> pts;
  for (int i = 0; i < lobes; ++i) {
    double a = 2 * M_PI * (i + rnd.range(-0.2, 0.2)) / lobes;
    double k = 1.0 + rnd.range(-wobble, wobble);
    pts.emplace_back(c.x() + std::cos(a) * rx * k, c.y() + std::sin(a) * ry * k);
  }
  QPainterPath path;
  const int n = int(pts.size());
  auto mid = [&](int i) { return (pts[i % n] + pts[(i + 1) % n]) / 2; };
  path.moveTo(mid(0));
  for (int i = 1; i <= n; ++i) {
    // Bulge each lobe outwards past its control point.
    QPointF ctl = pts[i % n] + (pts[i % n] - c) * 0.18;
    path.quadTo(ctl, mid(i));
  }
  path.closeSubpath();
  return path;
}

void fillCream(QPainter& p, const QPainterPath& path, double pen) {
  QRectF b = path.boundingRect();
  p.setPen(inkPen(pen));
  p.setBrush(verticalGradient(b.top(), b.bottom(), {{0, theme().cream}, {0.7, theme().cream}, {1, theme().creamShade}}));
  p.drawPath(path);
}

}  // namespace art
