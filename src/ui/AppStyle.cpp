#include "ui/AppStyle.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <cmath>

namespace appstyle {

namespace {

// Message-box and button-box buttons carry words only, and stand in one order on
// every desktop: a reset at the left, then the accepting button before the others.
class GameStyle final : public QProxyStyle {
 public:
  GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    if (hint == SH_DialogButtonLayout) return QDialogButtonBox::WinLayout;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

double luminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QString hex(const QColor& c) { return c.name(QColor::HexRgb); }

// Set by apply(); the sheet itself waits for the first window that wears it.
bool sheetPending = false;

}  // namespace

QFont appFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kFontPixels);
  return font;
}

QPalette appPalette() {
  QPalette p;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool off = group == QPalette::Disabled;
    const QColor text = off ? kDisabledText : Qt::black;
    p.setColor(group, QPalette::Window, kPageWhite);
    p.setColor(group, QPalette::WindowText, text);
    p.setColor(group, QPalette::Base, off ? kDisabledFace : kPageWhite);
    p.setColor(group, QPalette::AlternateBase, QColor(255, 244, 222));
    p.setColor(group, QPalette::Text, text);
    p.setColor(group, QPalette::PlaceholderText, kDisabledText);
    p.setColor(group, QPalette::Button, off ? kDisabledFace : kDigitOrange);
    p.setColor(group, QPalette::ButtonText, text);
    p.setColor(group, QPalette::BrightText, kDigitOrange);
    p.setColor(group, QPalette::Highlight, kBannerBlack);
    p.setColor(group, QPalette::HighlightedText, kDigitOrange);
    p.setColor(group, QPalette::ToolTipBase, QColor(255, 244, 166));
    p.setColor(group, QPalette::ToolTipText, Qt::black);
    p.setColor(group, QPalette::Link, QColor(0, 0, 255));
    // Bevels need a light edge that shows on the white page.
    p.setColor(group, QPalette::Light, QColor(200, 200, 200));
    p.setColor(group, QPalette::Midlight, QColor(235, 235, 235));
    p.setColor(group, QPalette::Mid, QColor(160, 160, 160));
    p.setColor(group, QPalette::Dark, QColor(110, 110, 110));
    p.setColor(group, QPalette::Shadow, Qt::black);
  }
  return p;
}

QString appStyleSheet() {
  return QStringLiteral(R"(
QDialog, QMessageBox { background: %3; }
QPushButton {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffc46b, stop:1 %2);
  color: black; border: 1px solid %4; border-radius: 5px; padding: 2px 8px; min-height: 17px;
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffd699, stop:1 #ffa436); }
QPushButton:pressed { background: %2; border-color: %1; }
QPushButton:default { border: 2px solid %1; }
QPushButton:focus { border: 2px solid %5; }
QPushButton:disabled { background: %7; color: %6; border-color: #a0a0a0; }
QGroupBox { border: 1px solid %8; border-radius: 5px; margin-top: 8px; padding-top: 2px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px;
                   color: %5; font-weight: bold; }
QHeaderView::section { background: %1; color: %2; border: none; border-right: 1px solid #555555; padding: 0 4px; }
QMenu { background: %3; border: 2px solid %1; padding: 3px; }
QMenu::item { padding: 4px 28px 4px 18px; color: black; }
QMenu::item:selected { background: %1; color: %2; }
QMenu::item:disabled { color: %6; }
QMenu::separator { height: 2px; background: %2; margin: 3px 6px; }
QToolTip { background: #fff4a6; color: black; border: 1px solid %4; }
QLabel#pageTitle { background: %1; color: %2; font-weight: bold; border: none; border-radius: 4px; }
)")
      .arg(hex(kBannerBlack), hex(kDigitOrange), hex(kPageWhite), hex(kDigitEdge), hex(kRimGreenText),
           hex(kDisabledText), hex(kDisabledFace), hex(kRimGreenEdge));
}

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void apply(QApplication&) {
  QApplication::setStyle(new GameStyle);
  QApplication::setFont(appFont());
  QApplication::setPalette(appPalette());
  sheetPending = true;
}

void useStyleSheet() {
  if (!sheetPending) return;
  sheetPending = false;
  qApp->setStyleSheet(appStyleSheet());
}

}  // namespace appstyle
