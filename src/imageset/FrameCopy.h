#pragma once
// The one picture copy of the game: a source rectangle stretched (or squeezed) to
// a destination rectangle, every covered destination pixel replaced. Rectangles
// are left, top, right, bottom with right and bottom exclusive.
#include <QImage>

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// Source pixels outside src are never read: destination pixels they would feed
// keep what they had. dst must be Format_RGB32, as every picture the game draws
// into is; src may be any game picture.
//
// Rectangles are in the game's pixels. A picture drawn for a dense screen holds
// several pixels per game pixel (its device pixel ratio, a whole number); a
// copy from a denser picture first enlarges the destination to that density,
// each of its pixels becoming a square, so nothing of the source's detail is lost.
void copyRect(QImage& dst, const Rect& dstRect, const QImage& src, const Rect& srcRect);

// Picture pixels per game pixel: 1, or the whole device pixel ratio of a sharp picture.
int pictureRatio(const QImage& picture);
// A picture's size in the game's pixels.
QSize pictureSize(const QImage& picture);

// A white picture of the given size in the game's pixel format.
QImage blankPicture(int width, int height, QRgb fill = 0xFFFFFFFF);

// Pictures are kept as RGB32, or as 8-bit palette pictures (a quarter of the
// memory), so copies never convert formats.
bool isGamePictureFormat(QImage::Format format);
QImage gamePicture(const QImage& decoded);
