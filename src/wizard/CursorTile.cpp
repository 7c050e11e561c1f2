#include "wizard/CursorTile.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

CursorTile::CursorTile(int tag, QWidget* parent) : QFrame(parent), tag_(tag) {
  setFixedSize(49, 49);
  setLineWidth(2);
  setSelected(false);
}

void CursorTile::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void CursorTile::setSelected(bool selected) {
  selected_ = selected;
  setFrameStyle(QFrame::Panel | (selected ? QFrame::Sunken : QFrame::Raised));
  update();
}

void CursorTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT clicked(tag_);
}

void CursorTile::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(255, 255, 255));
  if (!picture_.isNull()) {
    const QPoint at((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
    painter.drawImage(at + (selected_ ? QPoint(1, 1) : QPoint()), picture_);
  }
  painter.end();
  QFrame::paintEvent(event);
}

QImage cursorPicture(const QCursor* cursor) {
  if (!cursor) return {};
  return cursor->pixmap().toImage();
}
