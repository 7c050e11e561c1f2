#pragma once
// `LinkLabel`: a label that looks and acts like a web link.
#include <QColor>
#include <QLabel>

// The address a link hands to the desktop for the given target and caption: the
// target, else the caption, without surrounding blanks and control characters. Only
// web (http, https) and mail (mailto) addresses qualify, and "www." alone stands for
// http; anything else (a program, a local file, another scheme) gives an empty text,
// because these texts come from set files anyone can write.
QString linkAddress(const QString& url, const QString& caption);

class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(QWidget* parent = nullptr);

  QString url() const { return url_; }
  void setUrl(const QString& url) { url_ = url; }
  QString caption() const { return text(); }
  void setCaption(const QString& caption) { setText(caption); }
  // The text colour while a mouse button is held down on the label.
  QColor activeColor() const { return activeColor_; }
  void setActiveColor(const QColor& color) { activeColor_ = color; }

  // Raises the click as if the player had clicked: handlers first, then the address opens.
  void click();

 Q_SIGNALS:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setTextColor(const QColor& color);

  QString url_;
  QColor activeColor_{Qt::red};
  QColor restColor_;
  bool down_ = false;
  bool leftDown_ = false;
};
