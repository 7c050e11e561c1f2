#pragma once
// The application icon for the desktop: Vorb Quarn with a pie on the way.
// From 64 pixels up it shows him in his hole; smaller ones show only his
// face, since the scene's details turn to mush there.

#include <QImage>

namespace art {

// The icon at size x size pixels on a transparent background.
QImage drawAppIcon(int size);

}  // namespace art
