#pragma once
// The small dialogs share one look: the old 8-point dialog font (11 pixels high) and
// a place in the middle of the screen rather than over their owner.
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

inline QFont dialogFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
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
