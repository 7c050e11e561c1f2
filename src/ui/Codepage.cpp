#include "ui/Codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned in the code page; Windows maps
// them to the C1 controls of the same number, and so do we, so they round-trip.
bool unassigned(ushort u) { return u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D; }
}  // namespace

QString fromAnsi(QByteArrayView bytes) {
  QStringDecoder decoder("windows-1252");
  QString text = decoder.decode(bytes);
  if (!decoder.hasError() && text.size() == bytes.size() && !text.contains(QChar::ReplacementCharacter))
    return text;
  text.clear();
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (unassigned(u)) {
      text += QChar(u);
      continue;
    }
    QStringDecoder one("windows-1252");
    const QString s = one.decode(QByteArrayView(&c, 1));
    text += (s.size() == 1 && !one.hasError()) ? s.at(0) : QChar(u);
  }
  return text;
}

QByteArray toAnsi(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    const ushort u = text.at(i).unicode();
    if (len == 1 && unassigned(u)) {
      out.append(static_cast<char>(u));
      continue;
    }
    // One code point at a time, so an unmappable one becomes exactly one '?'.
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(QStringView(text.constData() + i, len));
    if (encoder.hasError() || bytes.size() != 1 || (bytes.at(0) == '?' && u != '?'))
      out.append('?');
    else
      out.append(bytes);
    i += len - 1;
  }
  return out;
}
