// Fills a .ts file with a pseudo-language: every text about 40 % longer, its
// letters accented, its placeholders (%1, %L1, %n), accelerators (&F, &&),
// markup (<b>, &amp;), line breaks and tabs left as they are. A window shown in
// it makes cut texts visible (the longer words) and texts that skip the
// translation system stand out (they keep their plain letters).
//
//   pvq_pseudo <in.ts> <out.ts>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QChar accented(QChar c) {
  static const QHash<QChar, QChar> table = [] {
    QHash<QChar, QChar> t;
    const QString plain = QStringLiteral("aeiouycnsAEIOUYCNSzZ");
    const QString marked = QStringLiteral("áéîõüýçñšÅÉÎÕÜÝÇÑŠžŽ");
    for (int i = 0; i < plain.size(); ++i) t.insert(plain[i], marked[i]);
    return t;
  }();
  return table.value(c, c);
}

bool vowel(QChar c) { return QStringLiteral("aeiouAEIOU").contains(c); }

// The length of the untouchable piece at text[i], or 0 when text[i] is plain.
qsizetype keptPiece(const QString& text, qsizetype i) {
  const QChar c = text[i];
  const qsizetype rest = text.size() - i;
  if (c == u'%' && rest > 1) {
    qsizetype j = i + 1;
    if (text[j] == u'L' && rest > 2) ++j;
    if (text[j] == u'n' || text[j].isDigit()) {
      if (text[j] == u'n') return j + 1 - i;
      while (j < text.size() && text[j].isDigit()) ++j;
      return j - i;
    }
    return 0;
  }
  if (c == u'<') {
    const qsizetype end = text.indexOf(u'>', i);
    return end < 0 ? 0 : end - i + 1;
  }
  if (c == u'&' && rest > 1) {
    if (text[i + 1] == u'&') return 2;
    // An entity: &name; or &#123;
    qsizetype j = i + 1;
    while (j < text.size() && (text[j].isLetterOrNumber() || text[j] == u'#')) ++j;
    if (j < text.size() && text[j] == u';' && j > i + 1) return j - i + 1;
    return 1;  // the accelerator mark; its letter is pseudo like any other
  }
  return 0;
}

QString pseudo(const QString& text) {
  QString out;
  int letters = 0;
  int added = 0;
  for (qsizetype i = 0; i < text.size();) {
    if (const qsizetype kept = keptPiece(text, i)) {
      out += text.mid(i, kept);
      i += kept;
      continue;
    }
    const QChar c = text[i++];
    if (!c.isLetter()) {
      out += c;
      continue;
    }
    ++letters;
    out += accented(c);
    // Doubled vowels lengthen every word, as longer languages do.
    if (vowel(c) && added * 10 < letters * 4) {
      out += accented(c.toLower());
      ++added;
    }
  }
  // Words short of vowels still grow to about 40 % more.
  while (letters > 0 && added * 10 < letters * 4) {
    out += u'ÿ';
    ++added;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    QTextStream(stderr) << "usage: pvq_pseudo <in.ts> <out.ts>\n";
    return 2;
  }
  QFile in(args[1]);
  QFile out(args[2]);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    QTextStream(stderr) << "pvq_pseudo: cannot open " << args[1] << " or " << args[2] << "\n";
    return 1;
  }
  QXmlStreamReader reader(&in);
  QXmlStreamWriter writer(&out);
  writer.setAutoFormatting(true);
  QString source;
  bool numerus = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.name() == u"message") {
      numerus = reader.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
    } else if (reader.isStartElement() && reader.name() == u"source") {
      writer.writeCurrentToken(reader);
      source = reader.readElementText();
      writer.writeCharacters(source);
      writer.writeEndElement();
      continue;
    } else if (reader.isStartElement() && reader.name() == u"translation") {
      reader.skipCurrentElement();
      writer.writeStartElement(QStringLiteral("translation"));
      if (numerus) {
        for (int form = 0; form < 2; ++form) writer.writeTextElement(QStringLiteral("numerusform"), pseudo(source));
      } else {
        writer.writeCharacters(pseudo(source));
      }
      writer.writeEndElement();
      continue;
    }
    if (reader.tokenType() == QXmlStreamReader::StartDocument) {
      writer.writeStartDocument();
      writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
      continue;
    }
    if (reader.tokenType() == QXmlStreamReader::DTD) continue;
    writer.writeCurrentToken(reader);
  }
  if (reader.hasError()) {
    QTextStream(stderr) << "pvq_pseudo: " << args[1] << ": " << reader.errorString() << "\n";
    return 1;
  }
  return 0;
}
