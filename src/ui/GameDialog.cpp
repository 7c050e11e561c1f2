#include "ui/GameDialog.h"

#include <QShowEvent>

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
