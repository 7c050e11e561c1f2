#include "ui/GameDialog.h"

#include <QLayout>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "ui/AppStyle.h"
#include "ui/DialogLook.h"

GameDialog::GameDialog(bool closeButton, QWidget* parent) : QDialog(parent, dialogFlags(closeButton)) {
  appstyle::useStyleSheet();
  setFont(dialogFont());
}

void GameDialog::showEvent(QShowEvent* event) {
  // QDialog places a dialog over its owner; centring comes after so it wins.
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
  aboutToShow();
}

bool GameDialog::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  // The layout has taken in what changed by now.
  if (event->type() == QEvent::LayoutRequest) fitToLayout();
  return handled;
}

void GameDialog::setDesignSize(const QSize& size) {
  // A button made the default before the layout put it in the dialog becomes the
  // dialog's own default now, the one Enter presses whatever button has the focus.
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (!button->isDefault()) continue;
    button->setDefault(false);
    button->setDefault(true);
  }
  designSize_ = size;
  if (layout()) layout()->setSizeConstraint(QLayout::SetNoConstraint);
  fitToLayout();
}

void GameDialog::fitToLayout() {
  QLayout* l = layout();
  if (!l || !designSize_.isValid()) return;
  l->activate();
  const QSize least = l->totalMinimumSize();
  const int width = std::max(designSize_.width(), least.width());
  const int height = std::max({designSize_.height(), least.height(),
                               l->hasHeightForWidth() ? l->totalHeightForWidth(width) : 0});
  if (size() == QSize(width, height) && minimumSize() == maximumSize()) return;
  setFixedSize(width, height);
  // A hidden dialog would place its parts only when shown; what they show is read before.
  l->setGeometry(rect());
}
