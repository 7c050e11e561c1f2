#pragma once
// The two building blocks of the main window: a flat coloured panel and an image
// that shows its picture unscaled from its top-left corner.
#include <QImage>
#include <QWidget>
#include <functional>

class Panel : public QWidget {
  Q_OBJECT
 public:
  explicit Panel(QWidget* parent, QColor colour = Qt::black);
  void setColour(QColor colour);
};

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent, int tag = 0);
  // The picture is shared, not copied: the game keeps drawing into it.
  void setPicture(const QImage* picture);
  int tag() const { return tag_; }

  std::function<void(Qt::MouseButton)> onMouseDown;
  std::function<void()> onMouseUp;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  const QImage* picture_ = nullptr;
  int tag_;
  bool pressed_ = false;
};
