#pragma once
// Checks for dialogs laid out by hand: in the face the program uses, every text shows
// whole and no two controls side by side share pixels.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <set>
#include <utility>

namespace layoutchecks {

inline QString describe(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  const auto* button = qobject_cast<const QAbstractButton*>(w);
  return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
         (label ? label->text() : button ? button->text() : w->objectName());
}

inline bool isControl(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty() || !label->pixmap().isNull();
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w);
}

// Whether the text of a label or button has the room it needs.
inline void expectTextFits(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty()) return;
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << describe(w).toStdString();
    } else {
      EXPECT_LE(label->sizeHint().width(), label->width()) << describe(w).toStdString();
      EXPECT_LE(label->fontMetrics().height(), label->height()) << describe(w).toStdString();
    }
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    EXPECT_LE(button->fontMetrics().horizontalAdvance(text) + 8, button->width()) << describe(w).toStdString();
  }
}

// Every control under root: its text fits, and it shares no pixel with a control beside
// it (same parent), except the pairs named in `layered`, which are drawn one over the other.
inline void expectTextsFitAndNothingOverlaps(const QWidget& root,
                                             const std::set<std::pair<const QWidget*, const QWidget*>>& layered = {}) {
  const QList<QWidget*> all = root.findChildren<QWidget*>();
  for (const QWidget* w : all) {
    if (!isControl(w)) continue;
    expectTextFits(w);
    for (const QWidget* other : all) {
      if (other <= w || other->parentWidget() != w->parentWidget() || !isControl(other)) continue;
      if (layered.count({w, other}) || layered.count({other, w})) continue;
      EXPECT_FALSE(w->geometry().intersects(other->geometry()))
          << describe(w).toStdString() << " overlaps " << describe(other).toStdString();
    }
  }
}

}  // namespace layoutchecks
