#include <gtest/gtest.h>

#include <cstring>

#include "imageset/SetHeader.h"

namespace {

std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }

TEST(SetHeader, FieldsLandAtTheirFileOffsets) {
  SetHeader h;
  h.clear();
  h.miscPicsSize = 0x01020304;
  h.pict2Size = -1;
  h.pageColour = colourValue(QColor(0x11, 0x22, 0x33));
  h.titleColour = 0x00ABCDEF;
  h.gameOverSoundSize = 1000;
  h.startupSoundSize = 7;
  h.musicSize = 123456;
  h.title.set(QStringLiteral("Test"));
  h.comment.set(QStringLiteral("c"));
  h.congratulationSuffix.set(QStringLiteral("suffix"));
  h.ratingMessages[7].set(QStringLiteral("last"));
  h.cursorIndex = 8;
  h.hotSpotX = 31;
  h.hotSpotY = 2;
  h.tickSoundMode = 5;

  unsigned char raw[kSetHeaderSize];
  std::memcpy(raw, &h, sizeof raw);
  EXPECT_EQ(le32(raw + 0), 0x01020304u);
  EXPECT_EQ(raw[0], 0x04);  // little-endian
  EXPECT_EQ(le32(raw + 20), 0xFFFFFFFFu);
  // Red in the lowest byte.
  EXPECT_EQ(raw[24], 0x11);
  EXPECT_EQ(raw[25], 0x22);
  EXPECT_EQ(raw[26], 0x33);
  EXPECT_EQ(raw[27], 0x00);
  EXPECT_EQ(le32(raw + 28), 0x00ABCDEFu);
  EXPECT_EQ(le32(raw + 32), 1000u);
  EXPECT_EQ(le32(raw + 44), 7u);
  EXPECT_EQ(le32(raw + 48), 123456u);
  EXPECT_EQ(raw[52], 4);
  EXPECT_EQ(std::memcmp(raw + 53, "Test", 4), 0);
  EXPECT_EQ(raw[856], 1);
  EXPECT_EQ(raw[857], 'c');
  EXPECT_EQ(raw[1258], 6);
  EXPECT_EQ(raw[1459 + 7 * 241], 4);
  EXPECT_EQ(std::memcmp(raw + 1459 + 7 * 241 + 1, "last", 4), 0);
  EXPECT_EQ(raw[3387], 8);
  EXPECT_EQ(raw[3388], 31);
  EXPECT_EQ(raw[3389], 2);
  EXPECT_EQ(raw[3390], 5);
}

TEST(SetHeader, ShortStringsAreCodePage1252AndClampedToCapacity) {
  SetHeader h;
  h.clear();
  h.author.set(QStringLiteral("Ren\u00e9e \u20ac"));
  unsigned char raw[kSetHeaderSize];
  std::memcpy(raw, &h, sizeof raw);
  ASSERT_EQ(raw[253], 7);
  EXPECT_EQ(raw[253 + 4], 0xE9);  // é
  EXPECT_EQ(raw[253 + 7], 0x80);  // € in code page 1252
  EXPECT_EQ(h.author.text(), QStringLiteral("Ren\u00e9e \u20ac"));

  // A character the code page lacks becomes one '?' and never shifts the rest.
  h.email.set(QStringLiteral("a\u4e2db"));
  EXPECT_EQ(h.email.text(), QStringLiteral("a?b"));

  // A length byte beyond the capacity reads as the capacity.
  std::memset(raw, 'x', sizeof raw);
  raw[52] = 255;
  std::memcpy(&h, raw, sizeof raw);
  EXPECT_EQ(h.title.text().size(), 200);
  raw[1459] = 250;
  std::memcpy(&h, raw, sizeof raw);
  EXPECT_EQ(h.ratingMessages[0].text().size(), 240);

  // Over-long texts are cut to the field.
  h.comment.set(QString(300, QLatin1Char('z')));
  EXPECT_EQ(h.comment.length, 200);
}

TEST(SetHeader, UnassignedCodePageBytesRoundTrip) {
  QByteArray all;
  for (int b = 1; b < 256; ++b) all.append(static_cast<char>(b));
  EXPECT_EQ(toAnsi(fromAnsi(all)), all);
  // The page's own characters, both ways; what it lacks is one '?'.
  EXPECT_EQ(fromAnsi("\x80\x92\x9F\xE9"), QStringLiteral(u"\u20AC\u2019\u0178\u00E9"));
  EXPECT_EQ(toAnsi(QStringLiteral(u"\u20AC\u2019\u0178\u00E9")), QByteArray("\x80\x92\x9F\xE9"));
  EXPECT_EQ(toAnsi(QStringLiteral(u"\u0100\u0080")), QByteArray("??"));
}

}  // namespace
