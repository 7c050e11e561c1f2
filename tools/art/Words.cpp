#include "Words.h"

#include "Drawing.h"
#include "Figure.h"

namespace art {

QImage drawNumbers() {
  return paintedOn(newCanvas(300, 51, kBlack), [](QPainter& p) {
    LetterStyle s = goldStyle(2.2);
    for (int d = 0; d <= 9; ++d) {
      QPainterPath glyph = textPath(QString::number(d), 60);
      QPainterPath fitted = fitPath(glyph, QRectF(30 * d + 4, 5, 22, 39), false);
      drawLettering(p, fitted, s);
    }
  });
}

QImage drawXtras(const QImage& scene) {
  return paintedOn(newCanvas(111, 124, kBlack), [&](QPainter& p) {
    LetterStyle s = goldStyle(2.2);
    drawLettering(p, fitPath(textPath(QStringLiteral("Time"), 60), QRectF(10, 5, 91, 38), true), s);
    drawLettering(p, fitPath(textPath(QStringLiteral("Score"), 60), QRectF(5, 55, 101, 37), true), s);
    // The rim is the lower part of the very same hole scene.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(QRectF(0, 100, kFrameW, 24), scene, pixelRect(scene, QRectF(0, kFrameH, kFrameW, 24)));
  });
}

}  // namespace art
