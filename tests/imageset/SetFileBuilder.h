#pragma once
// Builds set files byte by byte at the offsets the file formats fix, without
// going through the game's own header record, so a drift in that record shows.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

// File offsets of the extended header fields the tests patch.
namespace xet {
constexpr int miscPicsSize = 18, numbersSize = 22, countSize = 26, titleSize = 30, pict1Size = 34, pict2Size = 38;
constexpr int pageColour = 42, titleColour = 46;
constexpr int gameOverSoundSize = 50, splatSoundSize = 54, tickSoundSize = 58, startupSoundSize = 62;
constexpr int musicSize = 66;
constexpr int Title = 70, Author = 271, Email = 472, WebPage = 673, Comment = 874;
constexpr int CongratulationPrefix = 1075, CongratulationSuffix = 1276, RatingMessages = 1477;
constexpr int cursorIndex = 3405, hotSpotX = 3406, hotSpotY = 3407, tickSoundMode = 3408;
constexpr int HeaderEnd = 3409;
}  // namespace xet

struct ExtendedSetParts {
  std::uint32_t pageColour = 0, titleColour = 0;
  QByteArray title, author, email, webPage, comment, prefix, suffix;
  std::array<QByteArray, 8> ratings;
  std::uint8_t cursorIndex = 0, hotX = 0, hotY = 0, tickMode = 0;
  QByteArray planes;  // written when not empty (the reader expects them only with cursor index 8)
  QByteArray miscBmp, numbersBmp, countBmp, titleBmp, pict1Bmp, pict2Bmp;  // whole BMP files
  QByteArray startup, tick, splat, gameOver;              // samples
  QByteArray music;                                       // a MIDI file
  std::int32_t absentSize = -1;                           // size field of a missing block
  QByteArray trailer = "--End-Of-Set--";
  QByteArray tail;  // bytes after the trailer
};
QByteArray buildExtendedSet(const ExtendedSetParts& parts);
// Own colours, texts, a built-in cursor and tick mode 4; no pictures or sounds.
ExtendedSetParts textsOnlyParts();

struct PlainSetParts {
  QByteArray title, prefix, suffix;
  std::array<QByteArray, 8> ratings;
  std::uint8_t cursorIndex = 1;
  QByteArray pict1, pict2;
};
QByteArray buildPlainSet(const PlainSetParts& parts);
// Own texts, cursor 6 and two strips of two image groups (palette and 24-bit).
PlainSetParts plainSetParts();

void putInt32(QByteArray& bytes, int offset, std::int32_t value);
void putShortString(QByteArray& bytes, int offset, const QByteArray& text);

// A picture filled with one colour, stored as an 8-bit palette BMP or a 24-bit BMP.
QImage indexedPicture(int width, int height, QRgb colour);
QImage truePicture(int width, int height, QRgb colour);
// The picture as a file of the given format ("BMP", "PNG") would hold it.
QByteArray pictureBytes(const QImage& picture, const char* format);
QByteArray bmpBytes(const QImage& picture);
// An 8-bit run-length BMP of the given size whose pixels are the given stream,
// declaring declaredSize bytes of it. Its colour table has `colours` entries:
// index 0 is black, every other index one colour that shows wherever the stream
// paints.
QByteArray runLengthBmp(int width, int height, const QByteArray& stream, std::uint32_t declaredSize,
                        int colours = 256);

// Planes of a 32 x 32 cursor: a black square with a white rim, transparent outside.
QByteArray cursorPlanes();
// n samples of a square wave around silence (128).
QByteArray squareWave(int n, int period);
// A tiny standard MIDI file playing a few notes.
QByteArray smallTune();

// A full sample set: own colours, a custom cursor, two image groups, four sounds
// and a tune.
QByteArray sampleSet();

bool writeFile(const QString& path, const QByteArray& bytes);
