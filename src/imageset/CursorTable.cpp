#include "imageset/CursorTable.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

#include "imageset/SharpPictures.h"
#include <QTextStream>

#include "imageset/DefaultSet.h"

void CursorTable::set(int slot, std::unique_ptr<QCursor> cursor) {
  if (slot < 1 || slot >= kCursorSlots) return;
  slots_[slot] = std::move(cursor);
  if (slot == kCustomCursorSlot) holdsSetCursor_ = false;
}

void CursorTable::setSetCursor(std::unique_ptr<QCursor> cursor) {
  set(kCustomCursorSlot, std::move(cursor));
  holdsSetCursor_ = has(kCustomCursorSlot);
}

bool CursorTable::has(int slot) const { return get(slot) != nullptr; }

const QCursor* CursorTable::get(int slot) const {
  if (slot < 1 || slot >= kCursorSlots) return nullptr;
  return slots_[slot].get();
}

QCursor CursorTable::cursor(int slot) const {
  const QCursor* c = get(slot);
  return c ? *c : QCursor(Qt::ArrowCursor);
}

namespace {
bool bitAt(const std::uint8_t* plane, int x, int y) { return (plane[y * 4 + x / 8] >> (7 - x % 8)) & 1; }
}  // namespace

std::unique_ptr<QCursor> cursorFromPlanes(const std::uint8_t* planes, int hotX, int hotY, qreal devicePixelRatio) {
  const std::uint8_t* andPlane = planes;
  const std::uint8_t* xorPlane = planes + 128;
  // A colour picture rather than Qt's bitmap and mask pair: Wayland's Qt sends a
  // cursor's pixmap to the compositor, and a bitmap cursor has none.
  QImage picture(32, 32, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool a = bitAt(andPlane, x, y), xr = bitAt(xorPlane, x, y);
      const bool black = (!a && !xr) || (a && xr);
      const bool shown = !a || xr;
      if (shown) picture.setPixel(x, y, black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
  }
  // On a dense screen every cursor pixel becomes a square of screen pixels: the
  // cursor stays 32 x 32 in logical pixels, its hot spot where it was.
  const int scale = pictureScaleFor(devicePixelRatio);
  if (scale > 1) {
    picture = picture.scaled(32 * scale, 32 * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picture.setDevicePixelRatio(scale);
  }
  return std::make_unique<QCursor>(QPixmap::fromImage(picture), qBound(0, hotX, 31), qBound(0, hotY, 31));
}

bool planesFromIndexedPicture(const QImage& picture, std::uint8_t* planes) {
  if (picture.isNull() || picture.width() != 32 || picture.height() != 32 ||
      picture.format() != QImage::Format_Indexed8)
    return false;
  std::fill(planes, planes + 256, 0);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const int index = picture.pixelIndex(x, y);
      const bool a = index == 2 || index == 3;
      const bool xr = index == 1 || index == 3;
      const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
      if (a) planes[y * 4 + x / 8] |= bit;
      if (xr) planes[128 + y * 4 + x / 8] |= bit;
    }
  }
  return true;
}

QImage cursorPicture(const std::uint8_t* planes) {
  QImage picture(32, 32, QImage::Format_ARGB32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool a = bitAt(planes, x, y), xr = bitAt(planes + 128, x, y);
      // Inverting pixels show black, as they do on the screen.
      picture.setPixel(x, y, a && !xr ? qRgba(0, 0, 0, 0) : !a && xr ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
  }
  return picture;
}

bool builtinCursorPlanes(int slot, std::uint8_t* planes, int* hotX, int* hotY) {
  initGameResources();
  QFile list(QStringLiteral(":/cursors.txt"));
  if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&list);
  const QString wanted = QStringLiteral("Cur%1.bmp").arg(slot);
  while (!in.atEnd()) {
    // "Cur3.bmp 15 15": the slot is the digit in the name, then the hot spot.
    const QStringList f = in.readLine().simplified().split(QLatin1Char(' '));
    if (f.size() < 3 || f[0] != wanted) continue;
    *hotX = f[1].toInt();
    *hotY = f[2].toInt();
    return planesFromIndexedPicture(QImage(QStringLiteral(":/") + f[0]), planes);
  }
  return false;
}

void loadBuiltinCursors(CursorTable& table) {
  for (int slot = 1; slot < kCursorSlots; ++slot) {
    std::uint8_t planes[256];
    int hotX = 0, hotY = 0;
    if (builtinCursorPlanes(slot, planes, &hotX, &hotY)) table.set(slot, cursorFromPlanes(planes, hotX, hotY));
  }
}
