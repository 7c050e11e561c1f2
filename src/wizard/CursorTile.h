#pragma once
// `CursorTile`: one choice on the wizard's cursor step. It draws its cursor on a
// white square, takes that cursor while the pointer is over it, and looks pressed
// while chosen.
#include <QFrame>
#include <QImage>

class QMouseEvent;
class QPaintEvent;

class CursorTile : public QFrame {
  Q_OBJECT
 public:
  // tag: the cursor choice the tile stands for (1-8).
  CursorTile(int tag, QWidget* parent);

  int tag() const { return tag_; }
  // The cursor drawn in the tile.
  const QImage& picture() const { return picture_; }
  void setPicture(const QImage& picture);
  void setSelected(bool selected);
  bool selected() const { return selected_; }

 Q_SIGNALS:
  void clicked(int tag);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int tag_;
  QImage picture_;
  bool selected_ = false;
};

// The picture a set's cursor shows; an empty picture for nullptr.
QImage cursorPicture(const QCursor* cursor);
