#include "imageset/CursorPicture.h"

CursorPlanes makeCursorPlanes(const QImage& bitmap) {
  CursorPlanes planes{};
  std::uint8_t* andPlane = planes.data();
  std::uint8_t* xorPlane = planes.data() + 128;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      bool andBit = true;  // transparent unless the colour says otherwise
      bool xorBit = false;
      if (x < bitmap.width() && y < bitmap.height()) {
        const QRgb c = bitmap.pixel(x, y);
        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
        if (r == 0 && g == 0 && b == 0) {
          andBit = false;
        } else if (r == 255 && g == 255 && b == 255) {
          andBit = false;
          xorBit = true;
        } else if (r == 255 && g == 0 && b == 0) {
          xorBit = true;
        }
      }
      const int byte = 4 * y + x / 8;
      const std::uint8_t bit = std::uint8_t(0x80u >> (x % 8));
      if (andBit) andPlane[byte] |= bit;
      if (xorBit) xorPlane[byte] |= bit;
    }
  }
  return planes;
}
