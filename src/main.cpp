#include <QApplication>

#include "game/Pie1.h"
#include "sound/MusicFile.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The hourglass shows until the built-in set is in place.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::setApplicationName(QStringLiteral("Pie Vorb Quarn"));
  int result = 0;
  {
    TForm1 form{TForm1Deps{}};
    form.show();
    result = app.exec();
  }
  RemoveBackgroundMusicFolder();
  return result;
}
