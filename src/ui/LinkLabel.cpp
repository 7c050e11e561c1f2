#include "ui/LinkLabel.h"

#include <QMouseEvent>
#include <QUrl>

#include "ui/PaletteColour.h"
#include "ui/Prompts.h"

namespace {

QString trimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  auto blank = [](QChar c) { return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control; };
  while (begin < end && blank(text.at(begin))) ++begin;
  while (end > begin && blank(text.at(end - 1))) --end;
  return text.mid(begin, end - begin);
}

}  // namespace

QString linkAddress(const QString& url, const QString& caption) {
  QString target = trimBlanks(url);
  if (target.isEmpty()) target = trimBlanks(caption);
  if (target.isEmpty()) return {};
  // What a browser's address bar makes of it too.
  if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) target.prepend(QLatin1String("http://"));
  const QUrl address(target, QUrl::StrictMode);
  if (!address.isValid()) return {};
  const QString scheme = address.scheme();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
    if (address.host().isEmpty()) return {};
  } else if (scheme == QLatin1String("mailto")) {
    if (address.path().isEmpty()) return {};
  } else {
    return {};
  }
  return address.toString(QUrl::FullyEncoded);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);  // shows ampersands as they are, and no markup
  setCursor(Qt::PointingHandCursor);
  QFont f;  // only the underline, so the owner's font still comes through
  f.setUnderline(true);
  setFont(f);
  setTextColor(Qt::blue);
}

void LinkLabel::setTextColor(const QColor& color) { setPaletteColour(*this, QPalette::WindowText, color); }

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) leftDown_ = true;
  if (down_) return;
  down_ = true;
  restColor_ = palette().color(QPalette::WindowText);
  setTextColor(activeColor_);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (down_ && event->buttons() == Qt::NoButton) {
    down_ = false;
    setTextColor(restColor_);
  }
  if (event->button() == Qt::LeftButton && leftDown_) {
    leftDown_ = false;
    if (rect().contains(event->position().toPoint())) click();
  }
}

void LinkLabel::click() {
  Q_EMIT clicked();
  const QString address = linkAddress(url_, text());
  if (!address.isEmpty()) prompts().openUrl(address);
}
