#pragma once
// What every picture of the built-in set is drawn with: the colours, pens,
// canvases and lettering they share, and the palette and BMP writer that turn
// them into the 8-bit files the game loads.

#include <QColor>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace art {

inline const QColor kInk(0x22, 0x1a, 0x2e);  // every outline
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kTitleRed(255, 0, 0);  // the title panel behind the banner

inline const QColor kGrassLight(0xb4, 0xe0, 0x6c);
inline const QColor kGrass(0x86, 0xc8, 0x48);
inline const QColor kGrassDark(0x5a, 0x9c, 0x30);
inline const QColor kDirtLight(0xc8, 0x8a, 0x52);
inline const QColor kDirt(0x9a, 0x60, 0x34);
inline const QColor kDirtDark(0x6a, 0x3e, 0x22);
inline const QColor kHoleDark(0x1c, 0x11, 0x0c);
inline const QColor kShadow(0xd8, 0xd8, 0xd0);

inline const QColor kSkin(0x78, 0xd0, 0xc0);  // Vorb is a cheerful teal
inline const QColor kSkinLight(0xa8, 0xea, 0xdc);
inline const QColor kSkinDark(0x3e, 0x9c, 0x8e);
inline const QColor kSpot(0x5c, 0xb8, 0xa8);
inline const QColor kBlush(0xff, 0x8c, 0xa0);
inline const QColor kAntenna(0xff, 0x6a, 0x9a);
inline const QColor kAntennaLight(0xff, 0xc0, 0xd4);
inline const QColor kMouth(0x8a, 0x1c, 0x2c);
inline const QColor kTongue(0xff, 0x6e, 0x7e);
inline const QColor kTie(0xe8, 0x3a, 0x3a);
inline const QColor kTieDark(0xa8, 0x1e, 0x28);

inline const QColor kCream(0xff, 0xf8, 0xe6);
inline const QColor kCreamShade(0xf0, 0xd8, 0xa8);
inline const QColor kCrust(0xe8, 0xa8, 0x50);
inline const QColor kCrustDark(0xb8, 0x70, 0x2c);
inline const QColor kTin(0xc8, 0xcc, 0xd4);
inline const QColor kTinDark(0x8c, 0x92, 0xa0);
inline const QColor kCherry(0xe0, 0x20, 0x38);

inline const QColor kGold1(0xff, 0xf4, 0x80);
inline const QColor kGold2(0xff, 0xc0, 0x20);
inline const QColor kGold3(0xff, 0x80, 0x10);
inline const QColor kGoldEdge(0x8a, 0x2c, 0x00);
inline const QColor kDimCross(0x8c, 0x5c, 0x5c);  // the abort button's cross when unlit

// What the ground of the hole scene is strewn with.
enum class GroundDetail { GrassTufts, Craters, Pebbles };

// Who lives in the holes: each character has its own figure, its own splat
// and its own lettering on the count-down signs.
enum class Character { Vorb, Owl, Crab };

// Everything that makes one picture set look its own: the page the holes
// stand on, the ground, the figure's colours, the pie's filling and the
// lettering. The program's own pictures (buttons, icons) keep the constants
// above; the set pictures are drawn in the theme in use.
struct Theme {
  QString bannerText;
  QColor page, titlePanel, bannerPlate, bannerPlateEdge, bannerShadow, shadow;
  // The mound's top (grass, moon dust or sand), its earthy side and the hole.
  QColor grassLight, grass, grassDark, dirtLight, dirt, dirtDark, holeDark, holeWallLit, holeWallDim;
  GroundDetail ground;
  QColor skin, skinLight, skinDark, spot, blush, antenna, antennaLight, mouth, tongue, tie, tieDark;
  QColor cream, creamShade, crust, crustDark, cherry;
  QColor letterTop, letterMiddle, letterBottom, letterEdge;
  Character character = Character::Vorb;
};

// The game's own set, and the two other sets shipped with it.
Theme defaultTheme();
Theme moonlightTheme();
Theme seasideTheme();
// The theme the set pictures are drawn in; the default one until changed.
const Theme& theme();
void useTheme(const Theme& t);

// The colours the palette keeps exact, so flat areas stay flat; the
// highlights only ever appear in gradients and may shift a little.
std::vector<QColor> flatColours();

// Deterministic pseudo-random numbers, so every run draws the same splats.
struct Lcg {
  quint32 state;
  explicit Lcg(quint32 seed) : state(seed) {}
  double next() {
    state = state * 1664525u + 1013904223u;
    return double(state >> 8) / double(1u << 24);
  }
  double range(double a, double b) { return a + (b - a) * next(); }
};

QPen inkPen(double w);
// How many picture pixels each of the game's pixels gets: 1 for the pictures
// stored in the set files, 2 for their sharp companions. Every canvas is made
// at this scale and painted in the game's pixels, so the drawing code never
// knows which it draws.
int artScale();
void setArtScale(int scale);
// A canvas of w x h game pixels at the art scale.
QImage newCanvas(int w, int h, const QColor& fill);
// The part of a picture given in game pixels, as picture pixels.
QRectF pixelRect(const QImage& img, const QRectF& gameRect);
void startPainter(QPainter& p, QImage& img);
QRectF ellipseRect(QPointF c, double rx, double ry);
// A drip of cream or goo hanging from 'top' at x: 'halfWidth' to either side
// where it leaves the mass, narrowing to a round end of radius r 'len' below.
QPainterPath dripPath(double x, double top, double len, double r, double halfWidth);
// A four-pointed twinkle around c, its points r away.
QPainterPath twinklePath(QPointF c, double r);
// A five-pointed star around c, pointing up, its points 'outer' away and the
// notches between them 'inner' away.
QPainterPath starPath(QPointF c, double outer, double inner);
// Moves, turns (degrees) and scales the painter so that a shape drawn
// around the origin lands at 'at'; the caller saves and restores around it.
void placeAt(QPainter& p, QPointF at, double scale, double angle);
// Paints onto a copy of the picture with antialiasing on and returns it.
QImage paintedOn(QImage img, const std::function<void(QPainter&)>& paint);

// A gradient's colour stops as (position 0..1, colour) pairs.
using GradientStops = std::initializer_list<std::pair<double, QColor>>;
QLinearGradient linearGradient(QPointF from, QPointF to, GradientStops stops);
// Top to bottom, the way most of the art is lit.
QLinearGradient verticalGradient(double top, double bottom, GradientStops stops);
QRadialGradient radialGradient(QPointF centre, double radius, GradientStops stops);

// Loads the bold face the lettering is drawn in; without it the lettering
// falls back to whatever the system offers and the pictures change.
void loadLetteringFont();
// The faces of the other characters' signs: a bold italic serif and a black
// rounded sans.
enum class TypeFace { Game, Serif, Rounded };
QPainterPath textPath(const QString& text, double pixelSize, double stretch = 100);
QPainterPath textPathIn(TypeFace face, const QString& text, double pixelSize);
QPainterPath fitPath(const QPainterPath& path, const QRectF& box, bool keepAspect);

// The game's lettering: a dark outline, an optional drop shadow, a vertical
// gradient fill and a thin highlight along the top edge.
struct LetterStyle {
  QColor top, middle, bottom, edge;
  double edgeWidth = 3.0;
  QPointF shadowOffset{0, 0};
  QColor shadow = kInk;
  bool highlight = true;
};

void drawLettering(QPainter& p, const QPainterPath& path, const LetterStyle& s);
// The lettering of the digits, the words and the banner, in the theme's colours.
LetterStyle goldStyle(double edge);

// Median cut over the pixels of every colour picture at once, so they all
// share one palette. Colours that must stay exact are reserved first.
std::vector<QRgb> buildPalette(const std::vector<const QImage*>& images, const std::vector<QRgb>& reserved);
// Maps a true-colour picture onto the palette; the cache is shared between
// pictures because they mostly repeat the same colours.
QImage quantise(const QImage& img, const std::vector<QRgb>& pal, QHash<QRgb, uchar>& cache);

// Writes 8-bit palette BMP files into one folder and reads each one straight
// back, so a broken writer or a size slip stops the run instead of reaching
// the game.
class PictureWriter {
 public:
  explicit PictureWriter(const QDir& dir) : dir_(dir) {}
  void write(const QString& name, const QImage& img, QSize expected);
  // An 8-bit palette PNG, read back the same way.
  void writePng(const QString& name, const QImage& img, QSize expected);
  // For anything else written into the folder (lists, PNG files).
  QString path(const QString& name) const { return dir_.filePath(name); }
  void fail(const QString& msg);
  bool failed() const { return failed_; }

 private:
  // A picture drawn at another size than its file wants is a drawing fault.
  void checkSize(const QString& name, const QImage& img, QSize expected);
  void checkHeader(const QString& path, const QString& name, const QImage& img);
  void checkLoadsBack(const QString& path, const QString& name, const QImage& img, QSize expected);

  QDir dir_;
  bool failed_ = false;
};

}  // namespace art
