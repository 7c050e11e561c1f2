#pragma once
// The record that describes a set: sizes of its stored pieces, colours, texts,
// cursor choice and tick sound mode. The same 3391 bytes open every extended set
// file, so the layout is packed and little-endian and must never drift.
#include <QColor>
#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "imageset/GameNumbers.h"
#include "ui/Codepage.h"

static_assert(std::endian::native == std::endian::little, "set files are read straight into memory");


#pragma pack(push, 1)

// A length byte followed by up to N single-byte characters; bytes past the
// length mean nothing.
template <int N>
struct ShortString {
  std::uint8_t length;
  char chars[N];

  QString text() const { return fromAnsi(QByteArrayView(chars, length > N ? N : length)); }
  void set(const QString& value) {
    const QByteArray bytes = toAnsi(value.left(N));
    length = static_cast<std::uint8_t>(bytes.size() > N ? N : bytes.size());
    std::memcpy(chars, bytes.constData(), length);
  }
};

struct SetHeader {
  std::int32_t miscPicsSize;
  std::int32_t numbersSize;
  std::int32_t countSize;
  std::int32_t titleSize;
  std::int32_t pict1Size;
  std::int32_t pict2Size;
  std::uint32_t pageColour;   // 0x00BBGGRR
  std::uint32_t titleColour;  // 0x00BBGGRR
  std::int32_t gameOverSoundSize;
  std::int32_t splatSoundSize;
  std::int32_t tickSoundSize;
  std::int32_t startupSoundSize;
  std::int32_t musicSize;
  ShortString<200> title;
  ShortString<200> author;
  ShortString<200> email;
  ShortString<200> webPage;
  ShortString<200> comment;
  ShortString<200> congratulationPrefix;
  ShortString<200> congratulationSuffix;
  ShortString<240> ratingMessages[kRatingMessages];
  std::uint8_t cursorIndex;
  std::uint8_t hotSpotX;
  std::uint8_t hotSpotY;
  std::uint8_t tickSoundMode;

  void clear() { std::memset(static_cast<void*>(this), 0, sizeof(*this)); }
};

#pragma pack(pop)

constexpr int kSetHeaderSize = 3391;
static_assert(sizeof(SetHeader) == kSetHeaderSize);
static_assert(offsetof(SetHeader, pageColour) == 24);
static_assert(offsetof(SetHeader, musicSize) == 48);
static_assert(offsetof(SetHeader, title) == 52);
static_assert(offsetof(SetHeader, comment) == 856);
static_assert(offsetof(SetHeader, ratingMessages) == 1459);
static_assert(offsetof(SetHeader, cursorIndex) == 3387);
static_assert(offsetof(SetHeader, tickSoundMode) == 3390);

// A set file stores a colour in 32 bits, red in the lowest byte (0x00BBGGRR).
inline std::uint32_t colourValue(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
         (static_cast<std::uint32_t>(colour.blue()) << 16);
}
inline QColor colourFromValue(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF));
}
