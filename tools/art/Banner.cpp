#include "Banner.h"

#include "Drawing.h"
#include "Pie.h"

namespace art {

QImage drawTitle() {
  return paintedOn(newCanvas(594, 31, theme().titlePanel), [](QPainter& p) {
    // A darker plate behind the lettering; the picture's edges stay the
    // panel's own colour so a wider window shows no seam.
    p.setPen(QPen(theme().bannerPlateEdge, 1.5));
    p.setBrush(theme().bannerPlate);
    p.drawRoundedRect(QRectF(112, 1.5, 370, 28), 13, 13);

    LetterStyle s = goldStyle(2.0);
    s.edge = kInk;
    s.shadowOffset = QPointF(2, 2);
    s.shadow = theme().bannerShadow;
    QPainterPath words =
        fitPath(textPath(theme().bannerText, 60), QRectF(170, 3, 254, 24), true);
    drawLettering(p, words, s);
    // A flying pie either side.
    drawPieSide(p, QPointF(140, 19), 0.62, -15);
    drawPieSide(p, QPointF(454, 19), 0.62, 15);
  });
}

}  // namespace art
