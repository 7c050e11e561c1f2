#include "Drawing.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace art {

namespace {

QString letteringFamily = QStringLiteral("DejaVu Sans");
QString serifFamily = QStringLiteral("DejaVu Serif");
QString roundedFamily = QStringLiteral("Lato");
int scale = 1;

QString loadFont(const char* file, const QString& fallback) {
  const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
  if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
    return QFontDatabase::applicationFontFamilies(id).first();
  std::fprintf(stderr, "drawart: %s not found, some signs will use a fallback font\n", file);
  return fallback;
}

void put16(QByteArray& b, int v) {
  b.append(char(v & 0xff));
  b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, qint64 v) {
  for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}

// Builds the 8-bit file by hand: Qt's own BMP writer picks the bit depth from
// the colour count, but the loaders want 8-bit files whose palette holds
// exactly the entries written.
bool writeBmp8(const QString& path, const QImage& img) {
  if (img.format() != QImage::Format_Indexed8 || img.colorCount() < 1 || img.colorCount() > 256) return false;
  const int w = img.width(), h = img.height();
  const int stride = (w + 3) & ~3;
  const int colours = img.colorCount();
  const qint64 offBits = 14 + 40 + 4 * colours;
  const qint64 fileSize = offBits + qint64(stride) * h;
  QByteArray b;
  b.reserve(int(fileSize));
  b.append("BM");
  put32(b, fileSize);
  put32(b, 0);
  put32(b, offBits);
  put32(b, 40);
  put32(b, w);
  put32(b, h);  // positive: rows stored bottom-up
  put16(b, 1);
  put16(b, 8);
  put32(b, 0);  // BI_RGB
  put32(b, qint64(stride) * h);
  put32(b, 2835);  // 72 dpi
  put32(b, 2835);
  put32(b, colours);
  put32(b, colours);
  for (QRgb c : img.colorTable()) {
    b.append(char(qBlue(c)));
    b.append(char(qGreen(c)));
    b.append(char(qRed(c)));
    b.append(char(0));
  }
  for (int y = h - 1; y >= 0; --y) {
    b.append(reinterpret_cast<const char*>(img.constScanLine(y)), w);
    b.append(QByteArray(stride - w, '\0'));
  }
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(b) == b.size();
}

// One colour of the pictures and how many pixels show it.
struct ColourCount {
  QRgb colour;
  qint64 pixels;
};

int channel(QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); }

// A box of the median cut: some colours, how many pixels they cover, and the
// channel (red, green or blue) along which they spread the widest.
struct ColourBox {
  std::vector<ColourCount> entries;
  qint64 total = 0;
  int widest = 0;
  int range = 0;

  void measure() {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    total = 0;
    for (const ColourCount& x : entries) {
      for (int k = 0; k < 3; ++k) {
        lo[k] = std::min(lo[k], channel(x.colour, k));
        hi[k] = std::max(hi[k], channel(x.colour, k));
      }
      total += x.pixels;
    }
    range = -1;
    for (int k = 0; k < 3; ++k)
      if (hi[k] - lo[k] > range) {
        range = hi[k] - lo[k];
        widest = k;
      }
  }
};

// Every colour the pictures use but the reserved ones, in a fixed order:
// QHash order changes from run to run, and the palette must not.
std::vector<ColourCount> colourCounts(const std::vector<const QImage*>& images,
                                      const std::vector<QRgb>& reserved) {
  QHash<QRgb, qint64> counts;
  for (const QImage* img : images)
    for (int y = 0; y < img->height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(img->constScanLine(y));
      for (int x = 0; x < img->width(); ++x) counts[line[x] | 0xff000000u] += 1;
    }
  for (QRgb r : reserved) counts.remove(r | 0xff000000u);
  std::vector<ColourCount> all;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) all.push_back({it.key(), it.value()});
  std::sort(all.begin(), all.end(),
            [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });
  return all;
}

// The box whose split lowers the error most: wide and well used. -1 when
// every box holds a single colour.
int boxToSplit(const std::vector<ColourBox>& boxes) {
  int best = -1;
  double bestScore = 0;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].entries.size() < 2) continue;
    double score = double(boxes[i].range) * std::sqrt(double(boxes[i].total));
    if (score > bestScore) {
      bestScore = score;
      best = int(i);
    }
  }
  return best;
}

// Cuts the box along its widest channel where half its pixels lie on each
// side; keeps the lower half and returns the upper one.
ColourBox splitAtMedian(ColourBox& box) {
  const int k = box.widest;
  std::sort(box.entries.begin(), box.entries.end(), [k](const ColourCount& a, const ColourCount& b) {
    return channel(a.colour, k) != channel(b.colour, k) ? channel(a.colour, k) < channel(b.colour, k)
                                                        : a.colour < b.colour;
  });
  qint64 half = box.total / 2, acc = 0;
  size_t cut = 1;
  for (size_t i = 0; i < box.entries.size() - 1; ++i) {
    acc += box.entries[i].pixels;
    cut = i + 1;
    if (acc >= half) break;
  }
  ColourBox upper;
  upper.entries.assign(box.entries.begin() + cut, box.entries.end());
  box.entries.resize(cut);
  box.measure();
  upper.measure();
  return upper;
}

// The palette entry for a box: a flat colour that covers most of it is kept
// exactly, otherwise the pixel-weighted mean.
QRgb representative(const ColourBox& box) {
  const ColourCount& top =
      *std::max_element(box.entries.begin(), box.entries.end(),
                        [](const ColourCount& a, const ColourCount& b) { return a.pixels < b.pixels; });
  if (top.pixels * 2 >= box.total) return top.colour | 0xff000000u;
  double r = 0, g = 0, bl = 0;
  for (const ColourCount& x : box.entries) {
    r += double(qRed(x.colour)) * double(x.pixels);
    g += double(qGreen(x.colour)) * double(x.pixels);
    bl += double(qBlue(x.colour)) * double(x.pixels);
  }
  double t = double(box.total);
  return qRgb(int(std::lround(r / t)), int(std::lround(g / t)), int(std::lround(bl / t)));
}

}  // namespace

std::vector<QColor> flatColours() {
  const Theme& t = theme();
  return {kBlack,       kWhite,       t.titlePanel, kInk,        t.grassLight,   t.grass,        t.grassDark,
          t.dirtLight,  t.dirt,       t.dirtDark,   t.holeDark,  t.shadow,       t.skin,         t.skinLight,
          t.skinDark,   t.spot,       t.blush,      t.antenna,   t.mouth,        t.tongue,       t.tie,
          t.cream,      t.creamShade, t.crust,      t.crustDark, kTin,           kTinDark,       t.cherry,
          t.letterTop,  t.letterMiddle, t.letterBottom, t.letterEdge, kDimCross, t.page};
}

QPen inkPen(double w) { return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

int artScale() { return scale; }
void setArtScale(int s) { scale = s; }

QImage newCanvas(int w, int h, const QColor& fill) {
  QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(scale);
  img.fill(fill);
  return img;
}

QRectF pixelRect(const QImage& img, const QRectF& gameRect) {
  const double r = img.devicePixelRatio();
  return QRectF(gameRect.topLeft() * r, gameRect.size() * r);
}

void startPainter(QPainter& p, QImage& img) {
  p.begin(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QRectF ellipseRect(QPointF c, double rx, double ry) { return QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry); }

QPainterPath dripPath(double x, double top, double len, double r, double halfWidth) {
  QPainterPath d;
  d.moveTo(x - halfWidth, top);
  d.quadTo(x - r, top + len * 0.5, x - r, top + len);
  d.arcTo(QRectF(x - r, top + len - r, 2 * r, 2 * r), 180, 180);
  d.quadTo(x + r, top + len * 0.5, x + halfWidth, top);
  d.closeSubpath();
  return d;
}

QPainterPath twinklePath(QPointF c, double r) {
  QPainterPath s;
  s.moveTo(c + QPointF(0, -r));
  s.quadTo(c, c + QPointF(r, 0));
  s.quadTo(c, c + QPointF(0, r));
  s.quadTo(c, c + QPointF(-r, 0));
  s.quadTo(c, c + QPointF(0, -r));
  return s;
}

QPainterPath starPath(QPointF c, double outer, double inner) {
  QPainterPath s;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, r = (i % 2) ? inner : outer;
    const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
    if (i == 0)
      s.moveTo(q);
    else
      s.lineTo(q);
  }
  s.closeSubpath();
  return s;
}

void placeAt(QPainter& p, QPointF at, double scale, double angle) {
  p.translate(at);
  p.rotate(angle);
  p.scale(scale, scale);
}

QImage paintedOn(QImage img, const std::function<void(QPainter&)>& paint) {
  QPainter p;
  startPainter(p, img);
  paint(p);
  p.end();
  return img;
}

QLinearGradient linearGradient(QPointF from, QPointF to, GradientStops stops) {
  QLinearGradient g(from, to);
  for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
  return g;
}

QLinearGradient verticalGradient(double top, double bottom, GradientStops stops) {
  return linearGradient(QPointF(0, top), QPointF(0, bottom), stops);
}

QRadialGradient radialGradient(QPointF centre, double radius, GradientStops stops) {
  QRadialGradient g(centre, radius);
  for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
  return g;
}

void loadLetteringFont() {
  int fontId = QFontDatabase::addApplicationFont(
      QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
  if (fontId >= 0 && !QFontDatabase::applicationFontFamilies(fontId).isEmpty())
    letteringFamily = QFontDatabase::applicationFontFamilies(fontId).first();
  else
    std::fprintf(stderr, "drawart: DejaVu Sans Bold not found, lettering will use a fallback font\n");
  serifFamily = loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf", serifFamily);
  roundedFamily = loadFont("/usr/share/fonts/truetype/lato/Lato-Black.ttf", roundedFamily);
}

QPainterPath textPathIn(TypeFace face, const QString& text, double pixelSize) {
  if (face == TypeFace::Game) return textPath(text, pixelSize);
  QFont f(face == TypeFace::Serif ? serifFamily : roundedFamily);
  f.setBold(true);
  f.setItalic(face == TypeFace::Serif);
  if (face == TypeFace::Rounded) f.setWeight(QFont::Black);
  f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
  f.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(0, 0, f, text);
  return path;
}

QPainterPath textPath(const QString& text, double pixelSize, double stretch) {
  QFont f(letteringFamily);
  f.setBold(true);
  f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
  f.setStretch(int(stretch));
  f.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(0, 0, f, text);
  return path;
}

// Scales and moves a path so its bounding box fills the box, optionally
// keeping its proportions (then it is centred in the box).
QPainterPath fitPath(const QPainterPath& path, const QRectF& box, bool keepAspect) {
  QRectF b = path.boundingRect();
  double sx = box.width() / b.width();
  double sy = box.height() / b.height();
  if (keepAspect) sx = sy = std::min(sx, sy);
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(sx, sy);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(path);
}

void drawLettering(QPainter& p, const QPainterPath& path, const LetterStyle& s) {
  QRectF b = path.boundingRect();
  if (!s.shadowOffset.isNull()) {
    QPainterPath sh = path.translated(s.shadowOffset);
    p.strokePath(sh, QPen(s.shadow, s.edgeWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(sh, s.shadow);
  }
  p.strokePath(path, QPen(s.edge, s.edgeWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, verticalGradient(b.top(), b.bottom(), {{0.0, s.top}, {0.5, s.middle}, {1.0, s.bottom}}));
  if (s.highlight) {
    // A light sheen on the upper third reads as "glossy arcade sign".
    p.save();
    p.setClipPath(path);
    QPainterPath sheen;
    sheen.addRect(QRectF(b.left() - 2, b.top() - 2, b.width() + 4, b.height() * 0.28 + 2));
    p.fillPath(sheen, QColor(255, 255, 255, 90));
    p.restore();
  }
}

LetterStyle goldStyle(double edge) {
  const Theme& t = theme();
  return {t.letterTop, t.letterMiddle, t.letterBottom, t.letterEdge, edge};
}

std::vector<QRgb> buildPalette(const std::vector<const QImage*>& images, const std::vector<QRgb>& reserved) {
  std::vector<ColourBox> boxes(1);
  boxes[0].entries = colourCounts(images, reserved);
  boxes[0].measure();
  const int want = 256 - int(reserved.size());
  while (int(boxes.size()) < want) {
    const int worst = boxToSplit(boxes);
    if (worst < 0) break;
    ColourBox other = splitAtMedian(boxes[worst]);
    boxes.push_back(std::move(other));
  }

  std::vector<QRgb> pal;
  for (QRgb r : reserved) pal.push_back(r | 0xff000000u);
  for (const ColourBox& b : boxes)
    if (!b.entries.empty()) pal.push_back(representative(b));
  return pal;
}

QImage quantise(const QImage& img, const std::vector<QRgb>& pal, QHash<QRgb, uchar>& cache) {
  QImage out(img.size(), QImage::Format_Indexed8);
  out.setColorTable(QList<QRgb>(pal.begin(), pal.end()));
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    uchar* dst = out.scanLine(y);
    for (int x = 0; x < img.width(); ++x) {
      QRgb c = line[x] | 0xff000000u;
      auto it = cache.constFind(c);
      if (it != cache.constEnd()) {
        dst[x] = *it;
        continue;
      }
      int best = 0;
      long bestD = LONG_MAX;
      for (size_t i = 0; i < pal.size(); ++i) {
        long dr = qRed(c) - qRed(pal[i]), dg = qGreen(c) - qGreen(pal[i]), db = qBlue(c) - qBlue(pal[i]);
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestD) {
          bestD = d;
          best = int(i);
        }
      }
      cache.insert(c, uchar(best));
      dst[x] = uchar(best);
    }
  }
  return out;
}

void PictureWriter::fail(const QString& msg) {
  std::fprintf(stderr, "drawart: %s\n", qPrintable(msg));
  failed_ = true;
}

void PictureWriter::write(const QString& name, const QImage& img, QSize expected) {
  checkSize(name, img, expected);
  const QString path = dir_.filePath(name);
  if (!writeBmp8(path, img)) {
    fail(QStringLiteral("cannot write %1").arg(path));
    return;
  }
  checkHeader(path, name, img);
  checkLoadsBack(path, name, img, expected);
  std::printf("  %-16s %4dx%-4d %3d colours\n", qPrintable(name), img.width(), img.height(),
              int(img.colorCount()));
}

void PictureWriter::writePng(const QString& name, const QImage& img, QSize expected) {
  checkSize(name, img, expected);
  const QString path = dir_.filePath(name);
  if (!img.save(path, "PNG", 0)) {
    fail(QStringLiteral("cannot write %1").arg(path));
    return;
  }
  QImage back(path);
  if (back.size() != expected || back.convertToFormat(QImage::Format_RGB32) != img.convertToFormat(QImage::Format_RGB32))
    fail(QStringLiteral("%1 does not load back with the same pixels").arg(name));
  std::printf("  %-16s %4dx%-4d %3d colours\n", qPrintable(name), img.width(), img.height(), int(img.colorCount()));
}

void PictureWriter::checkSize(const QString& name, const QImage& img, QSize expected) {
  if (img.size() != expected)
    fail(QStringLiteral("%1 drawn at %2x%3, expected %4x%5")
             .arg(name)
             .arg(img.width())
             .arg(img.height())
             .arg(expected.width())
             .arg(expected.height()));
}

// The file must say 8 bits a pixel and hold exactly the palette's entries.
void PictureWriter::checkHeader(const QString& path, const QString& name, const QImage& img) {
  QFile raw(path);
  if (!raw.open(QIODevice::ReadOnly)) return;
  const QByteArray head = raw.read(54);
  auto le = [&](int at, int n) {
    quint32 v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | quint8(head.at(at + i));
    return v;
  };
  if (head.size() < 54 || le(28, 2) != 8 || le(46, 4) != quint32(img.colorCount()))
    fail(QStringLiteral("%1 is not an 8-bit BMP with %2 palette entries").arg(name).arg(img.colorCount()));
}

// The picture must come back at the same size, as an 8-bit palette picture
// with the same palette and pixels.
void PictureWriter::checkLoadsBack(const QString& path, const QString& name, const QImage& img,
                                   QSize expected) {
  QImage back(path);
  if (back.isNull()) {
    fail(QStringLiteral("%1 does not load back").arg(name));
    return;
  }
  if (back.size() != expected) fail(QStringLiteral("%1 loads back at the wrong size").arg(name));
  if (back.format() != QImage::Format_Indexed8)
    fail(QStringLiteral("%1 does not load back as an 8-bit palette picture").arg(name));
  if (back.colorTable() != img.colorTable())
    fail(QStringLiteral("%1 loads back with a different palette (%2 entries)")
             .arg(name)
             .arg(back.colorCount()));
  for (int y = 0; y < std::min(back.height(), img.height()); ++y)
    if (std::memcmp(back.constScanLine(y), img.constScanLine(y),
                    size_t(std::min(back.width(), img.width()))) != 0) {
      fail(QStringLiteral("%1 row %2 loads back with different pixels").arg(name).arg(y));
      return;
    }
}

}  // namespace art
