#pragma once
// The window's own controls: the menu and abort buttons (up and down halves),
// the sound on/off icons and the small emblem.

#include <QImage>

namespace art {

QImage drawMenuButton();
QImage drawAbortButton();
QImage drawSoundIcons();
QImage drawEmblem();

}  // namespace art
