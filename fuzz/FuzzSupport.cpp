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
#include "game/SetInstaller.h"
#include "imageset/DefaultSet.h"

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
  game.set.musicFile = scratchPath(tuneName);
  restoreDefaultSet(game);
}

void checkGamePicture(const QImage& picture, const char* role) {
  if (picture.isNull()) return;
  char what[160];
  std::snprintf(what, sizeof what, "%s is RGB32", role);
  fuzzCheck(picture.format() == QImage::Format_RGB32, what);
  std::snprintf(what, sizeof what, "%s is at most %d frames wide, %d groups high and %lld pixels (it is %d x %d)",
                role, kMaxStripFrames, kMaxImageGroups, static_cast<long long>(kMaxPicturePixels), picture.width(),
                picture.height());
  fuzzCheck(picture.width() <= kMaxStripFrames * kFramePitchX && picture.height() <= kMaxImageGroups * kFramePitchY &&
                qint64(picture.width()) * picture.height() <= kMaxPicturePixels,
            what);
}
