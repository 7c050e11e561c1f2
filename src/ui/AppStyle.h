#pragma once
// The game's one look for every window around the playfield: one friendly face at
// one size, the banner's black and orange, the page's white and a dark shade of the
// holes' rim green, carried into buttons, group titles, headers, menus and boxes.
#include <QColor>
#include <QFont>
#include <QString>

class QApplication;
class QPalette;

namespace appstyle {

// The banner and its digits.
inline const QColor kBannerBlack{0, 0, 0};
inline const QColor kDigitOrange{255, 147, 21};
inline const QColor kDigitEdge{138, 44, 0};
// The playfield's page.
inline const QColor kPageWhite{255, 255, 255};
// The holes' rim green, and the darker shade that is readable as text on the page.
inline const QColor kRimGreen{147, 207, 82};
inline const QColor kRimGreenText{46, 107, 18};
// Group box edges: the rim green darkened until it stands out from the page (3:1).
inline const QColor kRimGreenEdge{92, 150, 40};
// Warnings and the audio line: a red dark enough to read on white (4.5:1).
inline const QColor kAlertRed{200, 0, 0};
// Disabled text and its button face.
inline const QColor kDisabledText{85, 85, 85};
inline const QColor kDisabledFace{237, 237, 237};

inline constexpr int kFontPixels = 13;

// Lato (Debian's fonts-lato) for every dialog, menu and message box.
QFont appFont();
// The page-white palette with black-and-orange selections.
QPalette appPalette();
QString appStyleSheet();

// WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Puts the look in force for the whole program: font, palette, and message-box
// buttons without stock icons. The style sheet follows at useStyleSheet().
void apply(QApplication& app);
// Puts the style sheet in force, once, after apply(). The playfield needs none of
// it, and parsing it and styling through it cost a megabyte, so the first dialog,
// box, menu or tooltip brings it. Does nothing when apply() was not called.
void useStyleSheet();

}  // namespace appstyle
