#include "SetFileBuilder.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <algorithm>

ExtendedSetParts textsOnlyParts() {
  ExtendedSetParts p;
  p.pageColour = 0x00302010;
  p.titleColour = 0x00605040;
  p.title = "Own Title";
  p.author = "Own Author";
  p.email = "own@example.org";
  p.webPage = "https://example.org/own";
  p.comment = "Own comment";
  p.prefix = "You threw";
  p.suffix = "pies.";
  for (int i = 0; i < 8; ++i) p.ratings[i] = "Band " + QByteArray::number(i);
  p.cursorIndex = 5;
  p.tickMode = 4;
  return p;
}

PlainSetParts plainSetParts() {
  PlainSetParts p;
  p.title = "Plain";
  p.prefix = "Plain prefix";
  p.suffix = "Plain suffix";
  for (int i = 0; i < 8; ++i) p.ratings[i] = "Plain " + QByteArray::number(i);
  p.cursorIndex = 6;
  p.pict1 = bmpBytes(indexedPicture(559, 216, qRgb(200, 10, 10)));
  p.pict2 = bmpBytes(truePicture(1119, 216, qRgb(10, 200, 10)));
  return p;
}

void putInt32(QByteArray& bytes, int offset, std::int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
}

void putShortString(QByteArray& bytes, int offset, const QByteArray& text) {
  bytes[offset] = char(text.size());
  for (int i = 0; i < text.size(); ++i) bytes[offset + 1 + i] = text[i];
}

QByteArray buildExtendedSet(const ExtendedSetParts& p) {
  QByteArray file("eXtended Image SET");
  file.append(3391, '\0');
  auto size = [&p](const QByteArray& block) { return block.isEmpty() ? p.absentSize : std::int32_t(block.size()); };
  putInt32(file, xet::miscPicsSize, size(p.miscBmp));
  putInt32(file, xet::numbersSize, size(p.numbersBmp));
  putInt32(file, xet::countSize, size(p.countBmp));
  putInt32(file, xet::titleSize, size(p.titleBmp));
  putInt32(file, xet::pict1Size, size(p.pict1Bmp));
  putInt32(file, xet::pict2Size, size(p.pict2Bmp));
  putInt32(file, xet::pageColour, std::int32_t(p.pageColour));
  putInt32(file, xet::titleColour, std::int32_t(p.titleColour));
  putInt32(file, xet::gameOverSoundSize, size(p.gameOver));
  putInt32(file, xet::splatSoundSize, size(p.splat));
  putInt32(file, xet::tickSoundSize, size(p.tick));
  putInt32(file, xet::startupSoundSize, size(p.startup));
  putInt32(file, xet::musicSize, size(p.music));
  putShortString(file, xet::Title, p.title);
  putShortString(file, xet::Author, p.author);
  putShortString(file, xet::Email, p.email);
  putShortString(file, xet::WebPage, p.webPage);
  putShortString(file, xet::Comment, p.comment);
  putShortString(file, xet::CongratulationPrefix, p.prefix);
  putShortString(file, xet::CongratulationSuffix, p.suffix);
  for (int i = 0; i < 8; ++i) putShortString(file, xet::RatingMessages + 241 * i, p.ratings[i]);
  file[xet::cursorIndex] = char(p.cursorIndex);
  file[xet::hotSpotX] = char(p.hotX);
  file[xet::hotSpotY] = char(p.hotY);
  file[xet::tickSoundMode] = char(p.tickMode);
  file += p.planes;
  for (const QByteArray* block : {&p.miscBmp, &p.numbersBmp, &p.countBmp, &p.titleBmp, &p.pict1Bmp, &p.pict2Bmp,
                                  &p.startup, &p.tick, &p.splat, &p.gameOver, &p.music})
    file += *block;
  file += p.trailer;
  file += p.tail;
  return file;
}

QByteArray buildPlainSet(const PlainSetParts& p) {
  QByteArray file("PIEQUAR2 Image Set");
  file.append(2540, '\0');
  putInt32(file, 18, std::int32_t(p.pict1.size()));
  putInt32(file, 22, std::int32_t(p.pict2.size()));
  putShortString(file, 26, p.title);
  putShortString(file, 227, p.prefix);
  putShortString(file, 428, p.suffix);
  for (int i = 0; i < 8; ++i) putShortString(file, 629 + 241 * i, p.ratings[i]);
  file[2557] = char(p.cursorIndex);
  return file + p.pict1 + p.pict2;
}

QImage indexedPicture(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_Indexed8);
  picture.setColorTable({qRgb(0, 0, 0), colour});
  picture.fill(1);
  return picture;
}

QImage truePicture(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  return picture;
}

QByteArray pictureBytes(const QImage& picture, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format);
  return bytes;
}

QByteArray bmpBytes(const QImage& picture) { return pictureBytes(picture, "BMP"); }

QByteArray runLengthBmp(int width, int height, const QByteArray& stream, std::uint32_t declaredSize, int colours) {
  QByteArray bmp("BM");
  bmp.append(52, '\0');
  putInt32(bmp, 14, 40);
  putInt32(bmp, 18, width);
  putInt32(bmp, 22, height);
  bmp[26] = 1;
  bmp[28] = 8;
  putInt32(bmp, 30, 1);  // RLE8
  putInt32(bmp, 34, std::int32_t(declaredSize));
  putInt32(bmp, 46, colours);
  for (int i = 0; i < colours; ++i) bmp += i == 0 ? QByteArray(4, '\0') : QByteArray::fromHex("50A0F000");
  putInt32(bmp, 10, std::int32_t(bmp.size()));
  bmp += stream;
  putInt32(bmp, 2, std::int32_t(bmp.size()));
  return bmp;
}

QByteArray cursorPlanes() {
  QByteArray planes(256, '\0');
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool inside = x >= 8 && x < 24 && y >= 8 && y < 24;
      const bool rim = inside && (x == 8 || x == 23 || y == 8 || y == 23);
      const char bit = char(0x80 >> (x % 8));
      if (!inside) planes[y * 4 + x / 8] = char(planes[y * 4 + x / 8] | bit);        // AND 1: clear
      if (rim) planes[128 + y * 4 + x / 8] = char(planes[128 + y * 4 + x / 8] | bit);  // XOR 1: white
    }
  }
  return planes;
}

QByteArray squareWave(int n, int period) {
  QByteArray samples(n, '\0');
  for (int i = 0; i < n; ++i) samples[i] = char((i / (period / 2)) % 2 ? 96 : 160);
  return samples;
}

QByteArray smallTune() {
  QByteArray track;
  const int notes[] = {60, 64, 67, 72, 67, 64, 60};
  for (int note : notes) {
    track += QByteArray::fromHex("00") + char(0x90) + char(note) + char(100);  // on at once
    track += QByteArray::fromHex("8360") + char(0x80) + char(note) + char(0);  // off 480 ticks later
  }
  track += QByteArray::fromHex("00FF2F00");
  QByteArray file = QByteArray::fromHex("4D546864000000060000000101E0");  // MThd, format 0, 1 track, 480/quarter
  file += "MTrk";
  QByteArray length(4, '\0');
  for (int i = 0; i < 4; ++i) length[i] = char((track.size() >> (24 - 8 * i)) & 0xFF);
  return file + length + track;
}

namespace {

// Frames of `groups` rows at 112 x 108 pitch: a disc of the group's colour whose
// height follows the frame number.
QImage framesPicture(int frames, int groups, const std::array<QColor, 2>& colours, bool splat) {
  QImage picture(frames * 112 - 1, groups * 108, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  for (int g = 0; g < groups; ++g) {
    for (int k = 0; k < frames; ++k) {
      const QRect frame(112 * k, 108 * g, 111, 107);
      painter.setClipRect(frame);
      painter.fillRect(frame, QColor(70, 40, 20));
      painter.setBrush(colours[g % 2]);
      painter.setPen(Qt::NoPen);
      if (splat) {
        painter.setBrush(k < 5 ? QColor(250, 250, 240) : colours[g % 2]);
        painter.drawEllipse(frame.center(), 20 + 3 * k, 16 + 2 * k);
      } else {
        const int rise = k * 22;
        painter.drawEllipse(QRect(frame.left() + 20, frame.bottom() - rise, 70, 70));
      }
    }
  }
  return picture;
}

QImage textPicture(int width, int height, const QStringList& cells, int cellWidth, QColor ink, QColor paper) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(paper);
  QPainter painter(&picture);
  QFont font;
  font.setPixelSize(std::min(28, height * 2 / 3));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(ink);
  for (int i = 0; i < cells.size(); ++i)
    painter.drawText(QRect(i * cellWidth, 0, cellWidth - 1, height), Qt::AlignCenter, cells[i]);
  return picture;
}

}  // namespace

QByteArray sampleSet() {
  ExtendedSetParts p;
  p.pageColour = 0x00704020;   // a dark blue page (blue 0x70, green 0x40, red 0x20)
  p.titleColour = 0x0000C0FF;  // orange behind the title
  p.title = "Sample Set";
  p.author = "A Tester";
  p.email = "tester@example.org";
  p.webPage = "https://example.org/sample";
  p.comment = "A hand-made set: two groups, four sounds, a tune and a square cursor.";
  p.prefix = "In half a minute you threw";
  p.suffix = "pies. Score:";
  for (int i = 0; i < 8; ++i) p.ratings[i] = "Sample rating " + QByteArray::number(i + 1);
  p.cursorIndex = 8;
  p.hotX = 15;
  p.hotY = 15;
  p.tickMode = 2;
  p.planes = cursorPlanes();

  QImage misc(111, 124, QImage::Format_RGB32);
  misc.fill(QColor(30, 30, 60));
  {
    QPainter painter(&misc);
    QFont font;
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 220, 0));
    painter.drawText(QRect(0, 0, 111, 49), Qt::AlignCenter, QStringLiteral("TIME"));
    painter.drawText(QRect(0, 50, 111, 48), Qt::AlignCenter, QStringLiteral("SCORE"));
    painter.fillRect(QRect(0, 100, 111, 24), QColor(0, 160, 60));
  }
  p.miscBmp = bmpBytes(misc);
  QStringList digits;
  for (int d = 0; d < 10; ++d) digits << QString::number(d);
  p.numbersBmp = bmpBytes(textPicture(300, 51, digits, 30, QColor(0, 255, 128), Qt::black).convertToFormat(
      QImage::Format_Indexed8));
  p.countBmp = bmpBytes(textPicture(671, 107, {"3", "2", "1", "GO", "Click!", "Over"}, 112, Qt::white,
                                    QColor(90, 0, 90)));
  p.titleBmp = bmpBytes(textPicture(594, 31, {"Sample Set for Pie Vorb Quarn"}, 594, Qt::white, QColor(0, 90, 0)));
  const std::array<QColor, 2> groupColours{QColor(230, 60, 60), QColor(60, 200, 230)};
  p.pict1Bmp = bmpBytes(framesPicture(5, 2, groupColours, false));
  p.pict2Bmp = bmpBytes(framesPicture(10, 2, groupColours, true));

  p.startup = squareWave(11025 / 2, 50);
  p.tick = squareWave(800, 20);
  p.splat = squareWave(3000, 120);
  p.gameOver = squareWave(11025, 200);
  p.music = smallTune();
  return buildExtendedSet(p);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
