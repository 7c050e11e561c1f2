// Writing and loading a 20 MB set, each against a baseline timed in the same
// run, interleaved: writing against `cp` + `sync` of the same bytes, loading
// against reading the file and decoding its pictures with QImage alone.
// Prints one line per measure: name, then the baseline's and the measure's
// times in ms, one per round.
//
//   bench_sets <scratch folder> [rounds=5]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "SetApi.h"

namespace {

// A picture that does not compress to nothing, so no layer can take a shortcut.
void writeBmp(const QString& path, int width, int height, int seed) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* row = picture.scanLine(y);
    for (int x = 0; x < width * 3; ++x) row[x] = static_cast<uchar>((x * 7 + y * 13 + seed) ^ (x >> 3));
  }
  picture.save(path, "BMP");
}

void writeWave(const QString& path, int samples) {
  QByteArray w("RIFF");
  auto le32 = [&w](quint32 v) { for (int i = 0; i < 4; ++i) w.append(char(v >> (8 * i))); };
  auto le16 = [&w](quint16 v) { w.append(char(v)); w.append(char(v >> 8)); };
  le32(36 + samples);
  w.append("WAVEfmt ");
  le32(16);
  le16(1);
  le16(1);
  le32(11025);
  le32(11025);
  le16(1);
  le16(8);
  w.append("data");
  le32(samples);
  for (int i = 0; i < samples; ++i) w.append(char(128 + (i % 64) - 32));
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(w);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <scratch folder> [rounds=5]\n", argv[0]);
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  QDir().mkpath(dir);

  setapi::Inputs in;
  in.pict1 = dir + "/pict1.bmp";
  in.pict2 = dir + "/pict2.bmp";
  in.wave = dir + "/start.wav";
  in.outFile = dir + "/bench.xet";
  // Two 9.4 MB strips (ten frames of 26 image groups, as wide as a strip may be)
  // and a 1 MB sound: a 20 MB set.
  writeBmp(in.pict1, 1119, 26 * 108, 1);
  writeBmp(in.pict2, 1119, 26 * 108, 2);
  writeWave(in.wave, 1 << 20);

  QString error;
  if (!setapi::writeSet(in, false, &error)) {
    std::fprintf(stderr, "the set writer failed: %s\n", qPrintable(error));
    return 1;
  }
  const qint64 size = QFile(in.outFile).size();
  std::printf("set_bytes %lld\n", static_cast<long long>(size));
  if (!setapi::loadSet(in.outFile)) {
    std::fprintf(stderr, "the set did not load\n");
    return 1;
  }
  const QString copy = dir + "/copy.xet";
  const std::string cpCommand =
      "cp '" + in.outFile.toStdString() + "' '" + copy.toStdString() + "' && sync '" + copy.toStdString() + "'";
  const auto spans = setapi::pictureSpans(in);
  int copies = 0;

  std::map<std::string, std::vector<double>> times;
  auto timed = [&times](const char* name, const auto& work) {
    QElapsedTimer t;
    t.start();
    work();
    times[name].push_back(t.nsecsElapsed() / 1e6);
  };
  auto copyAndSync = [&] {
    QFile::remove(copy);
    timed(copies++ % 2 ? "cp_sync2" : "cp_sync", [&] {
      if (std::system(cpCommand.c_str()) != 0) std::fprintf(stderr, "cp failed\n");
    });
  };
  // Like the copy, the set is written as a new file: removing the one before would
  // otherwise be timed on one side only.
  auto writeWith = [&](const char* name, bool dialog) {
    QFile::remove(in.outFile);
    timed(name, [&] {
      if (!setapi::writeSet(in, dialog, &error)) std::fprintf(stderr, "write: %s\n", qPrintable(error));
    });
  };
  for (int r = 0; r < rounds; ++r) {
    copyAndSync();
    writeWith("write", false);
    copyAndSync();
    writeWith("write_dialog", true);
    timed("qimage_load", [&] {
      QFile f(in.outFile);
      f.open(QIODevice::ReadOnly);
      const QByteArray all = f.readAll();
      for (const auto& [at, n] : spans) {
        QImage picture;
        picture.loadFromData(QByteArrayView(all).sliced(at, n), "BMP");
        if (picture.isNull()) std::fprintf(stderr, "QImage could not decode a picture\n");
      }
    });
    timed("load", [&] {
      if (!setapi::loadSet(in.outFile)) std::fprintf(stderr, "the set did not load\n");
    });
  }
  for (const auto& [name, list] : times) {
    std::printf("%s", name.c_str());
    for (double v : list) std::printf(" %.2f", v);
    std::printf("\n");
  }
  QFile::remove(copy);
  return 0;
}
