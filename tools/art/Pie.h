#pragma once
// The cream pie the player throws, and the cream it leaves behind.

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

// A cream pie seen from the side: tin, crust rim, a heap of cream and a
// cherry. Drawn around the origin, about 44 wide at scale 1.
void drawPieSide(QPainter& p, QPointF c, double scale, double angle);

// A wobbly blob: a splat of cream with round lobes.
QPainterPath blobPath(QPointF c, double rx, double ry, int lobes, double wobble, quint32 seed);
// Fills a shape with cream, shaded towards its lower edge.
void fillCream(QPainter& p, const QPainterPath& path, double pen = 2.2);

}  // namespace art
