#include "wizard/WizardParts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "ui/AppStyle.h"

namespace wizardparts {

QLabel* wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

QFrame* sunken(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return frame;
}

QLineEdit* edit(int maxLength, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaxLength(maxLength);
  return field;
}

QHBoxLayout* fileRow(const QString& caption, QLineEdit* field, QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    row->addWidget(label);
  }
  row->addWidget(field, 1);
  row->addWidget(button);
  return row;
}

int groupTopMargin(const QWidget* box, int least) {
  return least + std::max(0, box->fontMetrics().height() - QFontMetrics(appstyle::appFont()).height());
}

namespace {

// Drawn at the screen's scale, so a doubled screen shows the example's own detail.
QPixmap inStandardColours(const QImage& picture, int width, int height, int scale) {
  static const QList<QRgb> palette = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0), qRgb(0, 0, 128),   qRgb(128, 0, 128),
      qRgb(0, 128, 128),   qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  if (picture.isNull()) return {};
  const QImage small = picture.convertToFormat(QImage::Format_RGB32)
                           .scaled(width * scale, height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(small.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither));
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

}  // namespace

QLabel* examplePicture(const QImage& picture, int width, int height, QWidget* parent) {
  auto* label = new QLabel(parent);
  const int scale = std::max(1, static_cast<int>(std::ceil(label->devicePixelRatioF())));
  label->setPixmap(inStandardColours(picture, width, height, scale));
  label->setFixedSize(width, height);
  return label;
}

}  // namespace wizardparts
