#include <gtest/gtest.h>

#include <cstring>

#include "imageset/SetHeader.h"

namespace {

std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }

TEST(SetHeader, FieldsLandAtTheirFileOffsets) {
  SetHeader h;
  h.clear();
  h.MiscPicsSize = 0x01020304;
  h.Pict2Size = -1;
  h.PageColour = colourValue(0x11, 0x22, 0x33);
  h.TitleColour = 0x00ABCDEF;
  h.GameOverSoundSize = 1000;
  h.StartupSoundSize = 7;
  h.MusicSize = 123456;
  h.Title.set(QStringLiteral("Test"));
  h.Comment.set(QStringLiteral("c"));
  h.CongratulationSuffix.set(QStringLiteral("suffix"));
  h.RatingMessages[7].set(QStringLiteral("last"));
  h.CursorIndex = 8;
  h.HotSpotX = 31;
  h.HotSpotY = 2;
  h.TickSoundMode = 5;

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
  h.Author.set(QStringLiteral("Ren\u00e9e \u20ac"));
  unsigned char raw[kSetHeaderSize];
  std::memcpy(raw, &h, sizeof raw);
  ASSERT_EQ(raw[253], 7);
  EXPECT_EQ(raw[253 + 4], 0xE9);  // é
  EXPECT_EQ(raw[253 + 7], 0x80);  // € in code page 1252
  EXPECT_EQ(h.Author.text(), QStringLiteral("Ren\u00e9e \u20ac"));

  // A character the code page lacks becomes one '?' and never shifts the rest.
  h.Email.set(QStringLiteral("a\u4e2db"));
  EXPECT_EQ(h.Email.text(), QStringLiteral("a?b"));

  // A length byte beyond the capacity reads as the capacity.
  std::memset(raw, 'x', sizeof raw);
  raw[52] = 255;
  std::memcpy(&h, raw, sizeof raw);
  EXPECT_EQ(h.Title.text().size(), 200);
  raw[1459] = 250;
  std::memcpy(&h, raw, sizeof raw);
  EXPECT_EQ(h.RatingMessages[0].text().size(), 240);

  // Over-long texts are cut to the field.
  h.Comment.set(QString(300, QLatin1Char('z')));
  EXPECT_EQ(h.Comment.length, 200);
}

TEST(SetHeader, UnassignedCodePageBytesRoundTrip) {
  QByteArray all;
  for (int b = 1; b < 256; ++b) all.append(static_cast<char>(b));
  EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

}  // namespace
