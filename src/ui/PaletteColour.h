#pragma once
// Gives one role of a widget's palette a colour and keeps the others.
#include <QColor>
#include <QPalette>
#include <QWidget>

inline void setPaletteColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}
