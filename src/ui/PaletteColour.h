#pragma once
// One colour of a widget's palette changed, the rest kept.
#include <QColor>
#include <QPalette>
#include <QWidget>

inline void setPaletteColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}
