// The start-up baseline: the least a Qt Widgets program does to put a window of
// the game's size on screen, built with the same flags as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(580, 474);
  window.show();
  return app.exec();
}
