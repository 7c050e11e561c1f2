// pvq_drawart: draws the built-in pictures and cursors of Pie Vorb Quarn.
//
//   pvq_drawart <folder>             the set as the game embeds it (resources/)
//   pvq_drawart --examples <folder>  the set's six pictures under plain names,
//                                    plus a custom cursor, for people making sets
//   pvq_drawart --icons <folder>     the desktop icon as PNG files in the
//                                    hicolor layout (data/icons/hicolor)
//   pvq_drawart --set <name> <folder>
//                                    the six pictures of another shipped set
//                                    (moonlight, seaside) under plain names
//   pvq_drawart --sharp <name> <folder>
//                                    the six pictures of a shipped set (default,
//                                    moonlight, seaside) at twice the size, as
//                                    PNG files under the same plain names
//
// Everything is drawn antialiased in true colour first. The colour pictures
// are then quantised together onto one shared 256-entry palette, so all of
// them can be blitted into each other without colour shifts. Cursors are
// drawn without antialiasing and keep their own 4-entry palette.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "Banner.h"
#include "Buttons.h"
#include "CountDown.h"
#include "Cursors.h"
#include "Drawing.h"
#include "Figure.h"
#include "Icons.h"
#include "Splat.h"
#include "Words.h"

namespace {

struct Picture {
  QString file;
  QString exampleFile;  // empty when set makers cannot replace it
  QImage img;
  QSize size;
};

// The six pictures a set carries, in the theme in use.
std::vector<Picture> drawSetPictures() {
  const QImage emptyScene = art::holeScene({});
  return {
      {QStringLiteral("DefVorb.bmp"), QStringLiteral("figure.bmp"), art::drawTargetStrip(), {559, 108}},
      {QStringLiteral("DefPie.bmp"), QStringLiteral("splat.bmp"), art::drawSplatStrip(), {1007, 108}},
      {QStringLiteral("DefCount.bmp"), QStringLiteral("countdown.bmp"), art::drawCountStrip(), {671, 107}},
      {QStringLiteral("DefNumbers.bmp"), QStringLiteral("digits.bmp"), art::drawNumbers(), {300, 51}},
      {QStringLiteral("DefXtras.bmp"), QStringLiteral("misc.bmp"), art::drawXtras(emptyScene), {111, 124}},
      {QStringLiteral("DefTitle.bmp"), QStringLiteral("title.bmp"), art::drawTitle(), {594, 31}},
  };
}

// Puts the pictures on one shared palette.
void quantiseTogether(std::vector<Picture>& pictures) {
  std::vector<const QImage*> all;
  for (const Picture& c : pictures) all.push_back(&c.img);
  // The flat colours of the art are kept exact; the rest of the palette
  // goes to shading and antialiased edges.
  std::vector<QRgb> keep;
  for (const QColor& c : art::flatColours())
    if (std::find(keep.begin(), keep.end(), c.rgb()) == keep.end()) keep.push_back(c.rgb());
  const std::vector<QRgb> palette = art::buildPalette(all, keep);
  std::printf("drawart: shared palette of %d colours\n", int(palette.size()));
  QHash<QRgb, uchar> cache;
  for (Picture& c : pictures) c.img = art::quantise(c.img, palette, cache);
}

// The set pictures and the program's own (buttons, emblem), drawn and put on
// their shared palette.
std::vector<Picture> drawColourPictures() {
  std::vector<Picture> pictures = drawSetPictures();
  pictures.push_back({QStringLiteral("MenuButton.bmp"), {}, art::drawMenuButton(), {50, 100}});
  pictures.push_back({QStringLiteral("AbortButton.bmp"), {}, art::drawAbortButton(), {50, 100}});
  pictures.push_back({QStringLiteral("SoundIcon.bmp"), {}, art::drawSoundIcons(), {15, 60}});
  pictures.push_back({QStringLiteral("Emblem.bmp"), {}, art::drawEmblem(), {32, 32}});
  quantiseTogether(pictures);
  return pictures;
}

void writeResources(art::PictureWriter& out) {
  for (const Picture& c : drawColourPictures()) out.write(c.file, c.img, c.size);

  QFile list(out.path(QStringLiteral("cursors.txt")));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    out.fail(QStringLiteral("cannot write cursors.txt"));
    return;
  }
  QTextStream ts(&list);
  for (const art::Cursor& c : art::drawCursors()) {
    out.write(c.file, c.img, {32, 32});
    ts << c.file << ' ' << c.hotX << ' ' << c.hotY << '\n';
  }
}

void writeExamples(art::PictureWriter& out) {
  for (const Picture& c : drawColourPictures())
    if (!c.exampleFile.isEmpty()) out.write(c.exampleFile, c.img, c.size);
  const art::Cursor cursor = art::drawExampleCursor();
  out.write(cursor.file, cursor.img, {32, 32});
}

// Another shipped set's pictures, on a palette of their own.
void writeThemedSet(const art::Theme& theme, art::PictureWriter& out) {
  art::useTheme(theme);
  std::vector<Picture> pictures = drawSetPictures();
  quantiseTogether(pictures);
  for (const Picture& c : pictures) out.write(c.exampleFile, c.img, c.size);
}

// A shipped set's pictures drawn at twice the size for dense screens, on a
// palette of their own.
// The game's own set brings the program's buttons and sound icon along.
void writeSharpSet(const art::Theme& theme, bool withButtons, art::PictureWriter& out) {
  art::useTheme(theme);
  art::setArtScale(2);
  std::vector<Picture> pictures = drawSetPictures();
  if (withButtons) {
    pictures.push_back({QStringLiteral("MenuButton.bmp"), {}, art::drawMenuButton(), {50, 100}});
    pictures.push_back({QStringLiteral("AbortButton.bmp"), {}, art::drawAbortButton(), {50, 100}});
    pictures.push_back({QStringLiteral("SoundIcon.bmp"), {}, art::drawSoundIcons(), {15, 60}});
  }
  quantiseTogether(pictures);
  for (Picture& c : pictures) {
    c.img.setDevicePixelRatio(1);
    const QString plain = c.exampleFile.isEmpty() ? c.file : c.exampleFile;
    const QString name = plain.chopped(4) + QStringLiteral(".png");
    out.writePng(name, c.img, c.size * 2);
  }
}

void writeIcons(art::PictureWriter& out) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString path = out.path(folder + QStringLiteral("/example.zanthorp.PieVorbQuarn.png"));
    if (!QDir().mkpath(out.path(folder)) || !art::drawAppIcon(size).save(path, "PNG"))
      out.fail(QStringLiteral("cannot write %1").arg(path));
    else
      std::printf("  %s\n", qPrintable(path));
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Needs no display: fonts are all it wants from the GUI library.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool examples = argc == 3 && std::strcmp(argv[1], "--examples") == 0;
  const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
  const bool sharp = argc == 4 && std::strcmp(argv[1], "--sharp") == 0;
  const bool themed = argc == 4 && (std::strcmp(argv[1], "--set") == 0 || sharp);
  std::optional<art::Theme> theme;
  const bool builtin = sharp && std::strcmp(argv[2], "default") == 0;
  if (builtin) theme = art::defaultTheme();
  if (themed && std::strcmp(argv[2], "moonlight") == 0) theme = art::moonlightTheme();
  if (themed && std::strcmp(argv[2], "seaside") == 0) theme = art::seasideTheme();
  if ((argc != 2 && !examples && !icons && !themed) || (themed && !theme)) {
    std::fprintf(stderr,
                 "usage: pvq_drawart [--examples | --icons | --set moonlight|seaside |"
                 " --sharp default|moonlight|seaside] <output folder>\n");
    return 2;
  }
  const char* folder = argv[argc - 1];
  QDir dir(QString::fromLocal8Bit(folder));
  if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
    std::fprintf(stderr, "drawart: cannot create %s\n", folder);
    return 1;
  }
  art::loadLetteringFont();
  art::PictureWriter out(dir);
  if (sharp)
    writeSharpSet(*theme, builtin, out);
  else if (theme)
    writeThemedSet(*theme, out);
  else if (examples)
    writeExamples(out);
  else if (icons)
    writeIcons(out);
  else
    writeResources(out);
  if (out.failed()) return 1;
  std::printf("drawart: all pictures written to %s\n", qPrintable(dir.absolutePath()));
  return 0;
}
