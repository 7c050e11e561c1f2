#include "ui/Codepage.h"

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F of code page 1252; the rest of the page is Latin-1. Bytes 0x81,
// 0x8D, 0x8F, 0x90 and 0x9D are unassigned; Windows maps them to the C1 controls of
// the same number, and so do we, so they round-trip. The table is the whole of the
// code page, so no converter library (and its data) is loaded for it.
constexpr std::array<char16_t, 32> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char16_t unicodeOf(unsigned char byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kHighHalf[byte - 0x80] : char16_t(byte);
}

// The byte for one UTF-16 unit, or '?' when the code page lacks it.
char byteOf(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  const auto* found = std::find(kHighHalf.begin(), kHighHalf.end(), unit);
  return found == kHighHalf.end() ? '?' : static_cast<char>(0x80 + (found - kHighHalf.begin()));
}

}  // namespace

QString fromAnsi(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (char c : bytes) *out++ = QChar(unicodeOf(static_cast<unsigned char>(c)));
  return text;
}

QByteArray toAnsi(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    // A character beyond 16 bits is one '?', not two.
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out.append('?');
      ++i;
      continue;
    }
    out.append(c.isSurrogate() ? '?' : byteOf(c.unicode()));
  }
  return out;
}
