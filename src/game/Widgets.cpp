#include "game/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget* parent, QColor colour) : QWidget(parent) {
  setAutoFillBackground(true);
  setColour(colour);
}

void Panel::setColour(QColor colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  setPalette(p);
}

PictureBox::PictureBox(QWidget* parent, int tag) : QWidget(parent), tag_(tag) {}

void PictureBox::setPicture(const QImage* picture) {
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent* e) {
  if (!picture_ || picture_->isNull()) return;
  QPainter painter(this);
  // On a scaled screen every picture pixel becomes a whole block of screen pixels.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(e->rect().topLeft(), *picture_, e->rect());
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
  if (onMouseDown) onMouseDown(e->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  if (onMouseUp) onMouseUp();
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}
