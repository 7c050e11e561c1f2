#pragma once
// The dialogs share one look: the program's one face at its one size (see AppStyle.h)
// and a place in the middle of the screen rather than over their owner.
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <QLabel>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/AppStyle.h"

// Set on each dialog too, so a dialog looks the same where the program's look is not in force.
inline QFont dialogFont() { return appstyle::appFont(); }

// A word-wrapped label of fixed place, made taller when the face found needs more
// lines or taller lines than the place allows.
inline void fitHeight(QLabel* label) {
  const int needed = label->heightForWidth(label->width());
  if (needed > label->height()) label->resize(label->width(), needed);
}

// A picture for a label on a screen of any scale: each picture pixel becomes a whole
// block of screen pixels (no blur), the label keeps the picture's size in its own pixels.
// devicePixelRatio: the screen's, e.g. the label's devicePixelRatioF().
inline QPixmap sharpPixmap(const QImage& picture, qreal devicePixelRatio) {
  const int factor = std::max(1, static_cast<int>(std::ceil(devicePixelRatio)));
  QPixmap pixmap = QPixmap::fromImage(
      factor == 1 ? picture : picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  pixmap.setDevicePixelRatio(factor);
  return pixmap;
}

inline void centreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

// A fixed-size dialog whose title bar carries only the close button, or no buttons at all.
inline Qt::WindowFlags dialogFlags(bool closeButton) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint;
  if (closeButton) flags |= Qt::WindowCloseButtonHint;
  return flags;
}
