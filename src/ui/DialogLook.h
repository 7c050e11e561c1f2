#pragma once
// The dialogs share one look: the program's one face at its one size (see AppStyle.h)
// and a place in the middle of the screen rather than over their owner.
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QCoreApplication>

#include "ui/AppStyle.h"

// The program's face, at the application's size when that is larger. Set on each
// dialog too, so a dialog looks the same where the program's look is not in force.
inline QFont dialogFont() {
  QFont font = appstyle::appFont();
  font.setPixelSize(std::max(font.pixelSize(), QGuiApplication::font().pixelSize()));
  return font;
}

// A picture for a label on a screen of any scale: each picture pixel becomes a whole
// block of screen pixels (no blur), the label keeps the picture's size in its own pixels.
// devicePixelRatio: the screen's, e.g. the label's devicePixelRatioF().
inline QPixmap sharpPixmap(const QImage& picture, qreal devicePixelRatio) {
  const int factor = std::max(1, static_cast<int>(std::ceil(devicePixelRatio)));
  QPixmap pixmap = QPixmap::fromImage(
      factor == 1 ? picture : picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  pixmap.setDevicePixelRatio(factor);
  return pixmap;
}

// A push button at least the size its dialog names for it: the style sheet's own
// least height, put in force at every polish, would otherwise win.
class SizedButton final : public QPushButton {
 public:
  SizedButton(const QString& text, const QSize& least) : QPushButton(text), least_(least) {}
  QSize sizeHint() const override { return QPushButton::sizeHint().expandedTo(least_); }
  QSize minimumSizeHint() const override { return QPushButton::minimumSizeHint().expandedTo(least_); }

 private:
  QSize least_;
};

// A part at least least in size, more when its contents need more in the face in use.
// Call once its contents are in place.
inline void setLeastSize(QWidget* part, const QSize& least) { part->setMinimumSize(part->minimumSizeHint().expandedTo(least)); }

// A sized button added to a button box in the given role.
inline QPushButton* addButton(QDialogButtonBox& box, const QString& text, QDialogButtonBox::ButtonRole role,
                              const QSize& least) {
  auto* button = new SizedButton(text, least);
  box.addButton(button, role);
  return button;
}

// One centred default "&Ok" button that closes its dialog as accepted.
inline QDialogButtonBox* centredOkButtons(QDialog* dialog, const QSize& least) {
  auto* buttons = new QDialogButtonBox;
  addButton(*buttons, QCoreApplication::translate("DialogLook", "&Ok"), QDialogButtonBox::AcceptRole, least)->setDefault(true);
  buttons->setCenterButtons(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  return buttons;
}

inline void centreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

// A fixed-size dialog whose title bar carries only the close button, or no buttons at all.
inline Qt::WindowFlags dialogFlags(bool closeButton) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint;
  if (closeButton) flags |= Qt::WindowCloseButtonHint;
  return flags;
}
