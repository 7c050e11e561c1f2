// pvq_sharpset: packs a shipped set's pictures drawn at twice the size (the
// PNG files the art tool writes) into the companion file beside the set,
// bound to that set file's exact bytes.
//
//   pvq_sharpset <set file> <folder of the six PNG files> <companion file>

#include <QFile>
#include <QString>
#include <cstdio>

#include "imageset/SharpPictures.h"

namespace {

bool readAll(const QString& path, QByteArray* out) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  *out = file.readAll();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: pvq_sharpset <set file> <picture folder> <companion file>\n");
    return 2;
  }
  const QString setFile = QString::fromLocal8Bit(argv[1]);
  const QString folder = QString::fromLocal8Bit(argv[2]);
  QByteArray setBytes;
  if (!readAll(setFile, &setBytes)) {
    std::fprintf(stderr, "pvq_sharpset: cannot read %s\n", argv[1]);
    return 1;
  }
  std::array<QByteArray, kSharpPictureCount> pngs;
  const char* names[] = {"figure", "splat", "countdown", "digits", "misc", "title"};
  for (int i = 0; i < kSharpPictureCount; ++i) {
    const QString path = folder + QStringLiteral("/%1.png").arg(QLatin1String(names[i]));
    if (!readAll(path, &pngs[i])) {
      std::fprintf(stderr, "pvq_sharpset: cannot read %s\n", qPrintable(path));
      return 1;
    }
  }
  QFile out(QString::fromLocal8Bit(argv[3]));
  const QByteArray bytes = packSharpCompanion(setBytes, pngs);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "pvq_sharpset: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
