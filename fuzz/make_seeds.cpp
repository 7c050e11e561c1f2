// Writes the harnesses' starting corpus: make_seeds FOLDER puts one folder per
// harness in FOLDER. The set files come from the tests' own builder, so a seed
// follows the format wherever the tests do; the pictures, waves, tunes and score
// files cover the variants the readers branch on.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "SetFileBuilder.h"
#include "imageset/DefaultSet.h"
#include "scores/ScoreFile.h"

namespace {

QString root;
int written = 0;

void seed(const char* harness, const QString& name, const QByteArray& bytes) {
  const QString folder = root + QLatin1Char('/') + QLatin1String(harness);
  QDir().mkpath(folder);
  if (!writeFile(folder + QLatin1Char('/') + name, bytes)) {
    std::fprintf(stderr, "make_seeds: cannot write %s/%s\n", harness, qPrintable(name));
    std::exit(1);
  }
  ++written;
}

void put16(QByteArray& b, std::uint16_t v) {
  b.append(char(v & 0xFF));
  b.append(char(v >> 8));
}
void put32(QByteArray& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

// A BMP made by hand: file header, a 40-byte (or 12-byte core) info header, a
// palette of `colours` entries and the pixel bytes as given.
QByteArray handBmp(int width, int height, int bits, std::uint32_t compression, int colours, const QByteArray& pixels,
                   bool core = false) {
  QByteArray info;
  if (core) {
    put32(info, 12);
    put16(info, std::uint16_t(width));
    put16(info, std::uint16_t(height));
    put16(info, 1);
    put16(info, std::uint16_t(bits));
  } else {
    put32(info, 40);
    put32(info, std::uint32_t(width));
    put32(info, std::uint32_t(height));
    put16(info, 1);
    put16(info, std::uint16_t(bits));
    put32(info, compression);
    put32(info, std::uint32_t(pixels.size()));
    put32(info, 2835);
    put32(info, 2835);
    put32(info, std::uint32_t(colours));
    put32(info, 0);
  }
  QByteArray palette;
  for (int i = 0; i < colours; ++i) {
    palette.append(char(i * 40)).append(char(255 - i * 30)).append(char(i * 17));
    if (!core) palette.append('\0');
  }
  QByteArray file("BM");
  const std::uint32_t offset = 14 + info.size() + palette.size();
  put32(file, offset + pixels.size());
  put32(file, 0);
  put32(file, offset);
  return file + info + palette + pixels;
}

// Run-length data for a picture of `rows` rows: runs, an absolute stretch, a
// delta jump over pixels, line ends and the end of the picture.
QByteArray rle8Rows(int rows) {
  QByteArray d;
  for (int r = 0; r < rows; ++r) {
    d.append(char(5)).append(char(1));                        // five pixels of colour 1
    d.append('\0').append(char(3)).append(char(2)).append(char(0)).append(char(3)).append('\0');  // absolute, padded
    if (r == 1) d.append('\0').append(char(2)).append(char(2)).append(char(1));  // delta 2 right, 1 down
    d.append('\0').append('\0');                              // end of line
  }
  d.append('\0').append(char(1));                             // end of picture
  return d;
}
QByteArray rle4Rows(int rows) {
  QByteArray d;
  for (int r = 0; r < rows; ++r) {
    d.append(char(6)).append(char(0x12));
    d.append('\0').append(char(4)).append(char(0x34)).append(char(0x56));
    d.append('\0').append('\0');
  }
  d.append('\0').append(char(1));
  return d;
}

QByteArray chunk(const char* id, const QByteArray& body) {
  QByteArray c(id, 4);
  put32(c, std::uint32_t(body.size()));
  c += body;
  if (body.size() % 2) c.append('\0');  // chunks are word aligned
  return c;
}

QByteArray waveFormat(std::uint16_t channels = 1, std::uint32_t rate = 11025, std::uint16_t bits = 8) {
  QByteArray f;
  put16(f, 1);
  put16(f, channels);
  put32(f, rate);
  put32(f, rate * channels * bits / 8);
  put16(f, std::uint16_t(channels * bits / 8));
  put16(f, bits);
  return f;
}
QByteArray riff(const char* kind, const QByteArray& chunks) {
  QByteArray r("RIFF");
  put32(r, std::uint32_t(4 + chunks.size()));
  return r + QByteArray(kind, 4) + chunks;
}

ExtendedSetParts textsAndTail() {
  ExtendedSetParts p = textsOnlyParts();
  p.tail = QByteArray(18, '\0');
  return p;
}

void setSeeds() {
  seed("fuzz_xet", "sample.xet", sampleSet());
  seed("fuzz_xet", "texts.xet", buildExtendedSet(textsAndTail()));
  ExtendedSetParts tiny;
  tiny.absentSize = 0;
  tiny.title = "Tiny";
  tiny.cursorIndex = 3;
  tiny.tail = QByteArray(18, 'x');
  seed("fuzz_xet", "tiny.xet", buildExtendedSet(tiny));
  ExtendedSetParts cursor = textsAndTail();
  cursor.cursorIndex = 8;
  cursor.hotX = 5;
  cursor.hotY = 7;
  cursor.planes = cursorPlanes();
  seed("fuzz_xet", "cursor.xet", buildExtendedSet(cursor));
  ExtendedSetParts pictures = textsAndTail();
  pictures.pict1Bmp = bmpBytes(indexedPicture(559, 108, qRgb(9, 9, 9)));
  pictures.pict2Bmp = bmpBytes(truePicture(60, 216, qRgb(200, 9, 9)));
  pictures.numbersBmp = handBmp(30, 4, 8, 1, 4, rle8Rows(4));
  pictures.countBmp = handBmp(16, 3, 4, 2, 16, rle4Rows(3));
  pictures.miscBmp = handBmp(8, 8, 8, 0, 2, QByteArray(64, '\1'), true);
  seed("fuzz_xet", "pictures.xet", buildExtendedSet(pictures));
  ExtendedSetParts sounds = textsAndTail();
  sounds.startup = squareWave(300, 10);
  sounds.tick = squareWave(40, 4);
  sounds.splat = squareWave(500, 30);
  sounds.gameOver = squareWave(700, 50);
  sounds.music = smallTune();
  seed("fuzz_xet", "sounds.xet", buildExtendedSet(sounds));
  ExtendedSetParts trailer = sounds;
  trailer.trailer = "--End-Of-Set-!";
  seed("fuzz_xet", "trailer.xet", buildExtendedSet(trailer));
  QByteArray huge = buildExtendedSet(textsAndTail());
  putInt32(huge, xet::pict2Size, 0x7FFFFFFF);
  seed("fuzz_xet", "huge.xet", huge);
  const QByteArray whole = buildExtendedSet(pictures);
  seed("fuzz_xet", "cut.xet", whole.left(whole.size() - 40));

  PlainSetParts plain = plainSetParts();
  plain.pict1 = bmpBytes(indexedPicture(224, 108, qRgb(200, 10, 10)));  // smaller, for quicker runs
  plain.pict2 = bmpBytes(truePicture(112, 108, qRgb(10, 200, 10)));
  seed("fuzz_set", "plain.set", buildPlainSet(plain));
  PlainSetParts runs = plain;
  runs.pict1 = handBmp(40, 6, 8, 1, 4, rle8Rows(6));
  runs.pict2 = handBmp(20, 3, 4, 0, 16, QByteArray(3 * 12, '\x21'), true);
  seed("fuzz_set", "runs.set", buildPlainSet(runs));
  QByteArray negative = buildPlainSet(plain);
  putInt32(negative, 22, -1);
  seed("fuzz_set", "negative.set", negative);
  seed("fuzz_set", "short.set", buildPlainSet(plain).left(600));
}

void bmpSeeds() {
  seed("fuzz_bmp", "indexed.bmp", bmpBytes(indexedPicture(13, 5, qRgb(1, 2, 3))));
  seed("fuzz_bmp", "true.bmp", bmpBytes(truePicture(7, 3, qRgb(100, 2, 3))));
  seed("fuzz_bmp", "rle8.bmp", handBmp(30, 4, 8, 1, 4, rle8Rows(4)));
  seed("fuzz_bmp", "rle8-topdown.bmp", handBmp(30, -4, 8, 1, 4, rle8Rows(4)));
  seed("fuzz_bmp", "rle4.bmp", handBmp(16, 3, 4, 2, 16, rle4Rows(3)));
  seed("fuzz_bmp", "core8.bmp", handBmp(8, 8, 8, 0, 2, QByteArray(64, '\1'), true));
  seed("fuzz_bmp", "core1.bmp", handBmp(20, 4, 1, 0, 2, QByteArray(16, '\x5a'), true));
  seed("fuzz_bmp", "mono.bmp", handBmp(33, 2, 1, 0, 2, QByteArray(16, '\x0f')));
  QByteArray masks;
  put32(masks, 0xF800);
  put32(masks, 0x07E0);
  put32(masks, 0x001F);
  seed("fuzz_bmp", "bitfields16.bmp", handBmp(2, 2, 16, 3, 0, masks + QByteArray(8, '\x33')));
  seed("fuzz_bmp", "rgb32.bmp", handBmp(3, 2, 32, 0, 0, QByteArray(24, '\x44')));
}

void soundSeeds() {
  const QByteArray tune = smallTune();
  seed("fuzz_midi", "tune.mid", tune);
  seed("fuzz_midi", "riff.rmi", riff("RMID", chunk("data", tune)));
  seed("fuzz_midi", "cut.mid", tune.left(tune.size() - 5));

  const QByteArray samples = squareWave(301, 7);  // an odd length, padded in the file
  seed("fuzz_wave", "plain.wav", riff("WAVE", chunk("fmt ", waveFormat()) + chunk("data", samples)));
  QByteArray info;
  info += chunk("INAM", "Pie");
  seed("fuzz_wave", "list.wav",
       riff("WAVE", chunk("fmt ", waveFormat()) + chunk("LIST", QByteArray("INFO") + info) + chunk("data", samples)));
  QByteArray fact;
  put32(fact, std::uint32_t(samples.size()));
  seed("fuzz_wave", "fact.wav", riff("WAVE", chunk("fmt ", waveFormat()) + chunk("fact", fact) + chunk("data", samples)));
  seed("fuzz_wave", "odd.wav", riff("WAVE", chunk("fmt ", waveFormat()) + chunk("junk", "abc") + chunk("data", samples)));
  seed("fuzz_wave", "stereo.wav", riff("WAVE", chunk("fmt ", waveFormat(2, 22050, 16)) + chunk("data", samples)));
  QByteArray longer = riff("WAVE", chunk("fmt ", waveFormat()) + chunk("data", samples));
  putInt32(longer, 40, 100000);  // the data chunk claims more than the file holds
  seed("fuzz_wave", "claims-more.wav", longer);
  seed("fuzz_wave", "big.wav", riff("WAVE", chunk("fmt ", waveFormat()) + chunk("data", squareWave(2500, 25))));
}

void scoreSeeds() {
  auto line = [](const QByteArray& body) { return body + lineCheck(body) + "\r\n"; };
  QByteArray board;
  board += line(scoreEntry(1200, "Ann"));
  board += line(scoreEntry(99, nameBytes(QStringLiteral("Zoë"))));
  board += line(scoreEntry(0, ""));
  board += line(scoreEntry(-5, "Below zero"));
  board += line(scoreEntry(2147483647, "Most"));
  seed("fuzz_scores", "board.sdf", board);
  QByteArray mixed = line(scoreEntry(10, "Cr")).replace("\r\n", "\r");
  mixed += line(scoreEntry(20, "Lf")).replace("\r\n", "\n");
  mixed += "0000000000000030\xD1hand-edited\r\n";
  mixed += line(scoreEntry(40, "no ending")).chopped(2);
  seed("fuzz_scores", "endings.sdf", mixed);
  seed("fuzz_scores", "nul.sdf", line(scoreEntry(5, "before")) + QByteArray(1, '\0') + line(scoreEntry(6, "after")));
  seed("fuzz_scores", "digits.sdf", line("00000000000000000000000000012\xD1long") + line("7\xD1short") + line("\xD1"));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  root = QString::fromLocal8Bit(argv[1]);
  initGameResources();
  setSeeds();
  bmpSeeds();
  soundSeeds();
  scoreSeeds();
  std::printf("make_seeds: %d files in %s\n", written, argv[1]);
  return 0;
}
