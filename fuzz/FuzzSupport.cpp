#include "FuzzSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "imageset/ActiveSet.h"
#include "imageset/DefaultSet.h"
#include "imageset/FrameCopy.h"

void startFuzzApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "pvq-fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  initGameResources();
}

void fuzzCheck(bool cond, const char* what) {
  if (cond) return;
  std::fprintf(stderr, "\n*** invariant broken: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

QString scratchPath(const QString& name) {
  static const std::unique_ptr<QTemporaryDir> dir = [] {
    const QString shm = QStringLiteral("/dev/shm");
    auto d = QFileInfo(shm).isWritable() ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/pvq-fuzz-XXXXXX"))
                                         : std::make_unique<QTemporaryDir>();
    fuzzCheck(d->isValid(), "the scratch folder can be made");
    return d;
  }();
  return dir->filePath(name);
}

void writeScratch(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the scratch file can be written");
}

void AnsweringPrompts::message(QWidget*, const QString& text, const QString& caption, BoxIcon icon) {
  messages.push_back({text, caption, icon});
}

int AnsweringPrompts::runModal(QDialog&) { return QDialog::Rejected; }

QuietGame::QuietGame(const QString& tuneName) {
  game.setMusicFile(scratchPath(tuneName));
  game.install(builtinSet());
}

void checkGamePicture(const QImage& picture, const char* role, PictureBounds bounds) {
  if (picture.isNull()) return;
  char what[160];
  std::snprintf(what, sizeof what, "%s is a game picture (RGB32, ARGB32 or 8-bit palette)", role);
  fuzzCheck(isGamePictureFormat(picture.format()), what);
  std::snprintf(what, sizeof what, "%s is at most %d x %d pixels (it is %d x %d)", role, bounds.width, bounds.height,
                picture.width(), picture.height());
  fuzzCheck(picture.width() <= bounds.width && picture.height() <= bounds.height, what);
}
