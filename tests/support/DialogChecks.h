#pragma once
// Reaching a window's controls the way the player does, by the text on a button, or
// by the object name the window gives a control; and checking that every text shows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <stdexcept>

#include "ui/AppStyle.h"

// The control named name under root; the test fails when there is none.
template <class T = QWidget>
T& child(const QObject& root, const char* name) {
  T* found = root.findChild<T*>(QLatin1String(name));
  if (!found) throw std::runtime_error(std::string("no control named ") + name);
  return *found;
}

// The button under root that reads text ("&Ok", with its accelerator mark).
inline QAbstractButton& button(const QWidget& root, const QString& text) {
  for (QAbstractButton* b : root.findChildren<QAbstractButton*>())
    if (b->text() == text) return *b;
  throw std::runtime_error("no button reading " + text.toStdString());
}

// Every label and button root shows has the room its text needs.
inline void expectNothingClipped(const QWidget& root) {
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&root)) continue;
    QSize need;
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
      text = label->text();
      need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->minimumSizeHint();
    } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
      text = b->text();
      need = b->minimumSizeHint();
    } else {
      continue;
    }
    EXPECT_GE(w->width(), need.width()) << text.toStdString();
    EXPECT_GE(w->height(), need.height()) << text.toStdString();
  }
}

// While it lives the application's face is pixels high, as on a desktop set to large
// text; dialogs built meanwhile take it.
class LargerFace {
 public:
  explicit LargerFace(int pixels) : old_(QApplication::font()) {
    QFont face = old_;
    face.setPixelSize(pixels);
    QApplication::setFont(face);
  }
  ~LargerFace() { QApplication::setFont(old_); }

 private:
  QFont old_;
};

// A dialog built in a larger face: in that face, no smaller than at the normal size,
// every text whole.
inline void expectGrownAndWhole(QWidget& dialog, const QSize& normal) {
  dialog.show();
  QCoreApplication::processEvents();
  EXPECT_GT(dialog.font().pixelSize(), appstyle::kFontPixels);
  EXPECT_GE(dialog.width(), normal.width());
  EXPECT_GE(dialog.height(), normal.height());
  expectNothingClipped(dialog);
}
