#pragma once
// The record that describes a set: sizes of its stored pieces, colours, texts,
// cursor choice and tick sound mode. The same 3391 bytes open every extended set
// file, so the layout is packed and little-endian and must never drift.
#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "imageset/Codepage.h"

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
  std::int32_t MiscPicsSize;
  std::int32_t NumbersSize;
  std::int32_t CountSize;
  std::int32_t TitleSize;
  std::int32_t Pict1Size;
  std::int32_t Pict2Size;
  std::uint32_t PageColour;   // 0x00BBGGRR
  std::uint32_t TitleColour;  // 0x00BBGGRR
  std::int32_t GameOverSoundSize;
  std::int32_t SplatSoundSize;
  std::int32_t TickSoundSize;
  std::int32_t StartupSoundSize;
  std::int32_t MusicSize;
  ShortString<200> Title;
  ShortString<200> Author;
  ShortString<200> Email;
  ShortString<200> WebPage;
  ShortString<200> Comment;
  ShortString<200> CongratulationPrefix;
  ShortString<200> CongratulationSuffix;
  ShortString<240> RatingMessages[8];
  std::uint8_t CursorIndex;
  std::uint8_t HotSpotX;
  std::uint8_t HotSpotY;
  std::uint8_t TickSoundMode;

  void clear() { std::memset(static_cast<void*>(this), 0, sizeof(*this)); }
};

#pragma pack(pop)

constexpr int kSetHeaderSize = 3391;
static_assert(sizeof(SetHeader) == kSetHeaderSize);
static_assert(offsetof(SetHeader, PageColour) == 24);
static_assert(offsetof(SetHeader, MusicSize) == 48);
static_assert(offsetof(SetHeader, Title) == 52);
static_assert(offsetof(SetHeader, Comment) == 856);
static_assert(offsetof(SetHeader, RatingMessages) == 1459);
static_assert(offsetof(SetHeader, CursorIndex) == 3387);
static_assert(offsetof(SetHeader, TickSoundMode) == 3390);

// Colours are stored red in the lowest byte.
inline std::uint32_t colourValue(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
}
