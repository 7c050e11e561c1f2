#pragma once
// The small dialogs share one look: the old 8-point dialog font (11 pixels high) and
// a place in the middle of the screen rather than over their owner.
//
// The dialogs are laid out to the pixel for that font's narrow letters. Where it is
// missing, a face of Arial's shape stands in, squeezed to the original's widths, so
// labels do not run into their neighbours (DejaVu Sans alone is a fifth wider).
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

inline QFont dialogFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  // The about box's failed-audio line is exactly 169 pixels wide in the original face;
  // squeeze a stand-in face to the same width so every fixed place still holds its text.
  const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Pie Vorb Quarn Audio System Failed..."));
  if (width > 169) font.setStretch(qBound(75, 100 * 169 / width, 100));
  return font;
}

// A word-wrapped label of fixed place, made taller when the stand-in face needs more
// lines or taller lines than the original.
inline void fitHeight(QLabel* label) {
  const int needed = label->heightForWidth(label->width());
  if (needed > label->height()) label->resize(label->width(), needed);
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
