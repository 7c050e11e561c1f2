#pragma once
// The small dialogs share one look: an 8-point sans-serif dialog font (11 pixels high)
// and a place in the middle of the screen rather than over their owner.
//
// The dialogs are laid out to the pixel for a narrow face. When none of the narrow
// faces is installed, the face found is squeezed to their widths, so labels do not
// run into their neighbours (DejaVu Sans alone is a fifth wider).
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
  // The about box's failed-audio line is 169 pixels wide in the narrow faces; squeezing
  // any other face to the same width keeps every fixed place big enough for its text.
  const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Pie Vorb Quarn Audio System Failed..."));
  if (width > 169) font.setStretch(qBound(75, 100 * 169 / width, 100));
  return font;
}

// A word-wrapped label of fixed place, made taller when the face found needs more
// lines or taller lines than the place allows.
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
