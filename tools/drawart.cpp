// drawart: draws every built-in picture and cursor of Pie Vorb Quarn and
// writes them as 8-bit palette BMP files into the folder named on the
// command line (normally resources/).
//
// Everything is drawn antialiased in true colour first. The colour pictures
// are then quantised together onto one shared 256-entry palette, so all of
// them can be blitted into each other without colour shifts. Cursors are
// drawn without antialiasing and stored with a fixed 4-entry palette whose
// index (not colour) carries the meaning the cursor loader needs.
//
// After writing, every file is read back and compared pixel for pixel, so a
// broken writer or a size slip stops the run instead of reaching the game.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// Strip geometry shared with the game: 111-wide frames at a pitch of 112,
// 107-high frames at a pitch of 108.
constexpr int FrameW = 111;
constexpr int FrameH = 107;
constexpr int PitchX = 112;

// The hole picture in the game is 111 x 130: a frame on top, the rim below.
// The hole scene is drawn once on a canvas that tall (plus one spare row,
// since the rim is stored 24 rows high and squeezed to 23) and then cut into
// the frame part and the rim part, so the two always line up.
constexpr int SceneH = 131;

// ---------------------------------------------------------------- colours

const QColor Ink(0x22, 0x1a, 0x2e);        // every outline
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor TitleRed(255, 0, 0);          // the title panel behind the banner

const QColor GrassLight(0xb4, 0xe0, 0x6c);
const QColor Grass(0x86, 0xc8, 0x48);
const QColor GrassDark(0x5a, 0x9c, 0x30);
const QColor DirtLight(0xc8, 0x8a, 0x52);
const QColor Dirt(0x9a, 0x60, 0x34);
const QColor DirtDark(0x6a, 0x3e, 0x22);
const QColor HoleDark(0x1c, 0x11, 0x0c);
const QColor Shadow(0xd8, 0xd8, 0xd0);

const QColor Skin(0x78, 0xd0, 0xc0);       // Vorb is a cheerful teal
const QColor SkinLight(0xa8, 0xea, 0xdc);
const QColor SkinDark(0x3e, 0x9c, 0x8e);
const QColor Spot(0x5c, 0xb8, 0xa8);
const QColor Blush(0xff, 0x8c, 0xa0);
const QColor Antenna(0xff, 0x6a, 0x9a);
const QColor AntennaLight(0xff, 0xc0, 0xd4);
const QColor Mouth(0x8a, 0x1c, 0x2c);
const QColor Tongue(0xff, 0x6e, 0x7e);
const QColor Tie(0xe8, 0x3a, 0x3a);
const QColor TieDark(0xa8, 0x1e, 0x28);

const QColor Cream(0xff, 0xf8, 0xe6);
const QColor CreamShade(0xf0, 0xd8, 0xa8);
const QColor Crust(0xe8, 0xa8, 0x50);
const QColor CrustDark(0xb8, 0x70, 0x2c);
const QColor Tin(0xc8, 0xcc, 0xd4);
const QColor TinDark(0x8c, 0x92, 0xa0);
const QColor Cherry(0xe0, 0x20, 0x38);

const QColor Gold1(0xff, 0xf4, 0x80);
const QColor Gold2(0xff, 0xc0, 0x20);
const QColor Gold3(0xff, 0x80, 0x10);
const QColor GoldEdge(0x8a, 0x2c, 0x00);
const QColor DimCross(0x8c, 0x5c, 0x5c);   // the abort button's cross when unlit

QString g_fontFamily = QStringLiteral("DejaVu Sans");

// Deterministic pseudo-random numbers, so every run draws the same splats.
struct Lcg {
    quint32 s;
    explicit Lcg(quint32 seed) : s(seed) {}
    double next() {
        s = s * 1664525u + 1013904223u;
        return double(s >> 8) / double(1u << 24);
    }
    double range(double a, double b) { return a + (b - a) * next(); }
};

QPen inkPen(double w) {
    return QPen(Ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage newCanvas(int w, int h, const QColor &fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void startPainter(QPainter &p, QImage &img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// ------------------------------------------------------------------ text

QPainterPath textPath(const QString &text, double pixelSize, double stretch = 100) {
    QFont f(g_fontFamily);
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
QPainterPath fitPath(const QPainterPath &path, const QRectF &box, bool keepAspect) {
    QRectF b = path.boundingRect();
    double sx = box.width() / b.width();
    double sy = box.height() / b.height();
    if (keepAspect)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

// The game's lettering: a dark outline, an optional drop shadow, a vertical
// gradient fill and a thin highlight along the top edge.
struct LetterStyle {
    QColor top, middle, bottom, edge;
    double edgeWidth = 3.0;
    QPointF shadowOffset{0, 0};
    QColor shadow = Ink;
    bool highlight = true;
};

void drawLettering(QPainter &p, const QPainterPath &path, const LetterStyle &s) {
    QRectF b = path.boundingRect();
    if (!s.shadowOffset.isNull()) {
        QPainterPath sh = path.translated(s.shadowOffset);
        p.strokePath(sh, QPen(s.shadow, s.edgeWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(sh, s.shadow);
    }
    p.strokePath(path, QPen(s.edge, s.edgeWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, b.top(), 0, b.bottom());
    g.setColorAt(0.0, s.top);
    g.setColorAt(0.5, s.middle);
    g.setColorAt(1.0, s.bottom);
    p.fillPath(path, g);
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
    LetterStyle s;
    s.top = Gold1;
    s.middle = Gold2;
    s.bottom = Gold3;
    s.edge = GoldEdge;
    s.edgeWidth = edge;
    return s;
}

// --------------------------------------------------------- hole geometry

const QPointF IslandCentre(55, 96);
constexpr double IslandRx = 53.5, IslandRy = 23.5, IslandDepth = 7;
const QPointF HoleCentre(55, 91);
constexpr double LipRx = 41, LipRy = 14.5;
constexpr double HoleRx = 34, HoleRy = 10;

QRectF ellipseRect(QPointF c, double rx, double ry) {
    return QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
}

QPainterPath holeInterior() {
    QPainterPath p;
    p.addEllipse(ellipseRect(HoleCentre, HoleRx, HoleRy));
    return p;
}

// Anything coming out of the hole may be seen above the hole's middle line
// and inside the opening; the front lip hides the rest.
QPainterPath figureClip() {
    QPainterPath above;
    above.addRect(QRectF(-20, -20, FrameW + 40, HoleCentre.y() + 20));
    return above.united(holeInterior());
}

// The grassy mound with its hole: the same in every frame and in the rim.
void drawGroundAndHole(QPainter &p) {
    // Soft shadow of the mound on the white playfield.
    p.setPen(Qt::NoPen);
    p.setBrush(Shadow);
    p.drawEllipse(ellipseRect(IslandCentre + QPointF(0, IslandDepth + 3), IslandRx - 3, IslandRy - 2));

    // The mound's earthy side, then its grassy top.
    QPainterPath side;
    side.addEllipse(ellipseRect(IslandCentre + QPointF(0, IslandDepth), IslandRx, IslandRy));
    QPainterPath sideBand;
    sideBand.addRect(QRectF(IslandCentre.x() - IslandRx, IslandCentre.y(), 2 * IslandRx, IslandDepth));
    side = side.united(sideBand);
    p.setPen(inkPen(2.2));
    QLinearGradient sg(0, IslandCentre.y(), 0, IslandCentre.y() + IslandRy + IslandDepth);
    sg.setColorAt(0, Dirt);
    sg.setColorAt(1, DirtDark);
    p.setBrush(sg);
    p.drawPath(side);

    QRectF top = ellipseRect(IslandCentre, IslandRx, IslandRy);
    QRadialGradient gg(IslandCentre + QPointF(-10, -8), IslandRx * 1.1);
    gg.setColorAt(0, GrassLight);
    gg.setColorAt(0.7, Grass);
    gg.setColorAt(1, GrassDark);
    p.setBrush(gg);
    p.drawEllipse(top);

    // A few grass tufts around the mound.
    p.setPen(QPen(GrassDark, 1.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF tufts[] = {{10, 98}, {99, 99}, {20, 111}, {88, 112}, {55, 116}, {33, 77}, {78, 76}};
    for (const QPointF &t : tufts) {
        p.drawLine(t, t + QPointF(-2, -4));
        p.drawLine(t, t + QPointF(0, -5));
        p.drawLine(t, t + QPointF(2, -4));
    }

    // The dirt lip thrown up around the opening.
    QRectF lip = ellipseRect(HoleCentre, LipRx, LipRy);
    QLinearGradient lg(0, lip.top(), 0, lip.bottom());
    lg.setColorAt(0, DirtDark);
    lg.setColorAt(0.45, Dirt);
    lg.setColorAt(1, DirtLight);
    p.setPen(inkPen(2.0));
    p.setBrush(lg);
    p.drawEllipse(lip);

    // The opening: black at the front, the far wall lit a little.
    QPainterPath hole = holeInterior();
    p.setPen(Qt::NoPen);
    p.setBrush(HoleDark);
    p.drawPath(hole);
    QPainterPath wall = hole.subtracted(hole.translated(0, 6));
    QLinearGradient wg(0, HoleCentre.y() - HoleRy, 0, HoleCentre.y() - HoleRy + 7);
    wg.setColorAt(0, QColor(0x7a, 0x4c, 0x30));
    wg.setColorAt(1, QColor(0x42, 0x2a, 0x1c));
    p.setBrush(wg);
    p.drawPath(wall);
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hole);
}

// Whatever stands in the hole gets darker as it goes down into it.
void shadeHoleInside(QPainter &p) {
    p.save();
    p.setClipPath(holeInterior());
    QLinearGradient g(0, HoleCentre.y() - HoleRy, 0, HoleCentre.y() + HoleRy);
    g.setColorAt(0, QColor(0x1c, 0x11, 0x0c, 40));
    g.setColorAt(0.4, QColor(0x1c, 0x11, 0x0c, 190));
    g.setColorAt(0.75, QColor(0x1c, 0x11, 0x0c, 240));
    g.setColorAt(1, QColor(0x1c, 0x11, 0x0c, 250));
    p.fillRect(QRectF(0, HoleCentre.y() - HoleRy - 1, FrameW, 2 * HoleRy + 2), g);
    p.restore();
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(holeInterior());
}

// ------------------------------------------------------------- the Vorb

enum class Face { Grin, Worried, Alarmed, Squashed, Creamed, Licking };

void drawEye(QPainter &p, QPointF c, double rx, double ry, QPointF look, double lid = 0) {
    p.setPen(inkPen(2.0));
    p.setBrush(White);
    p.drawEllipse(ellipseRect(c, rx, ry));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    QPointF pc = c + QPointF(look.x() * rx * 0.45, look.y() * ry * 0.45);
    double pr = std::min(rx, ry) * 0.48;
    p.drawEllipse(ellipseRect(pc, pr, pr * 1.1));
    p.setBrush(White);
    p.drawEllipse(ellipseRect(pc + QPointF(-pr * 0.35, -pr * 0.4), pr * 0.32, pr * 0.32));
    if (lid > 0) {
        // A heavy upper lid for the dazed look.
        p.save();
        QPainterPath eye;
        eye.addEllipse(ellipseRect(c, rx, ry));
        p.setClipPath(eye, Qt::IntersectClip);
        p.setBrush(SkinDark);
        p.setPen(inkPen(2.0));
        p.drawRect(QRectF(c.x() - rx - 2, c.y() - ry - 2, 2 * rx + 4, 2 * ry * lid + 2));
        p.restore();
        p.setPen(inkPen(2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ellipseRect(c, rx, ry));
    }
}

// The head outline, used both to draw it and to keep the cream on it.
QPainterPath headPath() {
    QPainterPath head;
    head.addEllipse(ellipseRect(QPointF(55, 44), 36, 31));
    return head;
}

// Vorb Quarn fully risen; the caller moves and clips him.
void drawVorb(QPainter &p, Face face) {
    // Neck and the bow tie (he dresses up for his audience).
    QPainterPath neck;
    neck.addRoundedRect(QRectF(34, 56, 42, 100), 14, 14);
    QLinearGradient ng(34, 0, 76, 0);
    ng.setColorAt(0, SkinDark);
    ng.setColorAt(0.35, Skin);
    ng.setColorAt(1, SkinDark);
    p.setPen(inkPen(2.2));
    p.setBrush(ng);
    p.drawPath(neck);
    QPainterPath bow;
    bow.moveTo(55, 78);
    bow.lineTo(41, 71);
    bow.quadTo(38, 78, 41, 85);
    bow.closeSubpath();
    bow.moveTo(55, 78);
    bow.lineTo(69, 71);
    bow.quadTo(72, 78, 69, 85);
    bow.closeSubpath();
    QLinearGradient tg(0, 71, 0, 85);
    tg.setColorAt(0, Tie);
    tg.setColorAt(1, TieDark);
    p.setBrush(tg);
    p.drawPath(bow);
    p.drawRoundedRect(QRectF(50.5, 74, 9, 8), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    for (QPointF dot : {QPointF(45, 76), QPointF(46, 81), QPointF(65, 76), QPointF(64, 81)})
        p.drawEllipse(ellipseRect(dot, 1.2, 1.2));

    // Pointy ears.
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(55 + side * 30, 34);
        ear.quadTo(55 + side * 52, 22, 55 + side * 53, 28);
        ear.quadTo(55 + side * 48, 44, 55 + side * 32, 54);
        ear.closeSubpath();
        p.setBrush(Skin);
        p.drawPath(ear);
        QPainterPath inner;
        inner.moveTo(55 + side * 34, 37);
        inner.quadTo(55 + side * 47, 29, 55 + side * 48, 31);
        inner.quadTo(55 + side * 44, 42, 55 + side * 35, 48);
        inner.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Blush);
        p.drawPath(inner);
        p.setPen(inkPen(2.2));
    }

    // Antennae with bobbles.
    for (int side : {-1, 1}) {
        QPainterPath stalk;
        stalk.moveTo(55 + side * 12, 16);
        stalk.quadTo(55 + side * 16, 6, 55 + side * 25, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 5.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stalk);
        p.setPen(QPen(SkinDark, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stalk);
        QPointF bob(55 + side * 27, 7);
        QRadialGradient bg(bob + QPointF(-1.5, -1.5), 5.5);
        bg.setColorAt(0, AntennaLight);
        bg.setColorAt(1, Antenna);
        p.setPen(inkPen(2.0));
        p.setBrush(bg);
        p.drawEllipse(ellipseRect(bob, 5.2, 5.2));
    }

    // The head.
    QPainterPath head = headPath();
    QRadialGradient hg(QPointF(45, 30), 46);
    hg.setColorAt(0, SkinLight);
    hg.setColorAt(0.55, Skin);
    hg.setColorAt(1, SkinDark);
    p.setPen(inkPen(2.4));
    p.setBrush(hg);
    p.drawPath(head);

    // Spots on the dome.
    p.setPen(Qt::NoPen);
    p.setBrush(Spot);
    p.drawEllipse(ellipseRect(QPointF(55, 19), 5, 3.2));
    p.drawEllipse(ellipseRect(QPointF(43, 22), 2.6, 2));
    p.drawEllipse(ellipseRect(QPointF(67, 22), 3, 2.2));

    // Cheeks.
    p.setBrush(QColor(Blush.red(), Blush.green(), Blush.blue(), 170));
    p.drawEllipse(ellipseRect(QPointF(30, 53), 6, 4));
    p.drawEllipse(ellipseRect(QPointF(80, 53), 6, 4));

    // Eyes: mismatched on purpose, he is a bit goofy.
    switch (face) {
    case Face::Grin:
        drawEye(p, QPointF(42, 38), 10, 12, QPointF(0.5, 0.2));
        drawEye(p, QPointF(68, 36), 12, 14, QPointF(-0.3, -0.4));
        break;
    case Face::Worried:
        drawEye(p, QPointF(42, 37), 11, 13, QPointF(0.9, -0.5));
        drawEye(p, QPointF(68, 35), 13, 15, QPointF(0.9, -0.5));
        break;
    case Face::Alarmed:
        drawEye(p, QPointF(42, 36), 12, 14, QPointF(0.7, -0.3));
        drawEye(p, QPointF(68, 34), 14, 16, QPointF(0.6, -0.2));
        break;
    default:
        break; // under the cream
    }

    // Brows.
    p.setPen(QPen(Ink, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (face == Face::Worried || face == Face::Alarmed) {
        double lift = face == Face::Alarmed ? 4 : 2;
        p.drawLine(QPointF(33, 22 - lift), QPointF(47, 19 - lift));
        p.drawLine(QPointF(61, 16 - lift), QPointF(76, 18 - lift));
    } else if (face == Face::Grin) {
        p.drawLine(QPointF(34, 23), QPointF(47, 22));
        p.drawLine(QPointF(61, 19), QPointF(75, 20));
    }

    // Mouth.
    if (face == Face::Grin) {
        QPainterPath m;
        m.moveTo(33, 55);
        m.quadTo(55, 58, 77, 53);
        m.quadTo(70, 74, 54, 73);
        m.quadTo(38, 72, 33, 55);
        m.closeSubpath();
        p.setPen(inkPen(2.2));
        p.setBrush(Mouth);
        p.drawPath(m);
        p.save();
        p.setClipPath(m, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        p.setBrush(Tongue);
        p.drawEllipse(ellipseRect(QPointF(58, 72), 11, 7));
        // Two buck teeth.
        p.setBrush(White);
        p.setPen(inkPen(1.4));
        p.drawRoundedRect(QRectF(47, 54, 7, 8), 1.5, 1.5);
        p.drawRoundedRect(QRectF(54, 54, 7, 8), 1.5, 1.5);
        p.restore();
        p.setPen(inkPen(2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
    } else if (face == Face::Worried || face == Face::Alarmed) {
        double r = face == Face::Alarmed ? 9 : 6;
        QRectF o = ellipseRect(QPointF(56, 62), r * 0.85, r);
        p.setPen(inkPen(2.2));
        p.setBrush(Mouth);
        p.drawEllipse(o);
        p.setPen(Qt::NoPen);
        p.setBrush(Tongue);
        p.drawEllipse(ellipseRect(QPointF(56, 62 + r * 0.5), r * 0.55, r * 0.35));
    }
}

// --------------------------------------------------------------- the pie

// A cream pie seen from the side: tin, crust rim, a heap of cream and a
// cherry. Drawn around the origin, about 44 wide at scale 1.
void drawPieSide(QPainter &p, QPointF c, double scale, double angle) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.scale(scale, scale);
    p.setPen(inkPen(2.2 / scale));

    QPainterPath tin;
    tin.moveTo(-22, 2);
    tin.lineTo(22, 2);
    tin.lineTo(17, 12);
    tin.lineTo(-17, 12);
    tin.closeSubpath();
    QLinearGradient tg(0, 2, 0, 12);
    tg.setColorAt(0, Tin);
    tg.setColorAt(1, TinDark);
    p.setBrush(tg);
    p.drawPath(tin);
    p.setPen(QPen(TinDark, 1.0 / scale));
    for (int x = -14; x <= 14; x += 7)
        p.drawLine(QPointF(x, 4), QPointF(x * 0.85, 11));
    p.setPen(inkPen(2.2 / scale));

    p.setBrush(Crust);
    p.drawRoundedRect(QRectF(-24, -2, 48, 6), 3, 3);

    QPainterPath cream;
    cream.moveTo(-21, 0);
    cream.cubicTo(-22, -8, -14, -10, -10, -9);
    cream.cubicTo(-8, -16, 2, -18, 5, -13);
    cream.cubicTo(10, -17, 20, -12, 17, -6);
    cream.cubicTo(23, -6, 23, 0, 21, 0);
    cream.closeSubpath();
    QLinearGradient cg(0, -18, 0, 0);
    cg.setColorAt(0, Cream);
    cg.setColorAt(1, CreamShade);
    p.setBrush(cg);
    p.drawPath(cream);

    p.setBrush(Cherry);
    p.drawEllipse(ellipseRect(QPointF(3, -19), 4, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(ellipseRect(QPointF(1.8, -20.3), 1.3, 1.3));
    p.setPen(QPen(Ink, 1.6 / scale, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(3, -23);
    stem.quadTo(5, -28, 9, -29);
    p.drawPath(stem);
    p.restore();
}

// A wobbly blob: a splat of cream with round lobes.
QPainterPath blobPath(QPointF c, double rx, double ry, int lobes, double wobble, quint32 seed) {
    Lcg rnd(seed);
    std::vector<QPointF> pts;
    for (int i = 0; i < lobes; ++i) {
        double a = 2 * M_PI * (i + rnd.range(-0.2, 0.2)) / lobes;
        double k = 1.0 + rnd.range(-wobble, wobble);
        pts.emplace_back(c.x() + std::cos(a) * rx * k, c.y() + std::sin(a) * ry * k);
    }
    QPainterPath path;
    const int n = int(pts.size());
    auto mid = [&](int i) { return (pts[i % n] + pts[(i + 1) % n]) / 2; };
    path.moveTo(mid(0));
    for (int i = 1; i <= n; ++i) {
        // Bulge each lobe outwards past its control point.
        QPointF ctl = pts[i % n] + (pts[i % n] - c) * 0.18;
        path.quadTo(ctl, mid(i));
    }
    path.closeSubpath();
    return path;
}

void fillCream(QPainter &p, const QPainterPath &path, double pen = 2.2) {
    QRectF b = path.boundingRect();
    QLinearGradient g(0, b.top(), 0, b.bottom());
    g.setColorAt(0, Cream);
    g.setColorAt(0.7, Cream);
    g.setColorAt(1, CreamShade);
    p.setPen(inkPen(pen));
    p.setBrush(g);
    p.drawPath(path);
}

void drawDrop(QPainter &p, QPointF c, double r, double angleDeg) {
    // A droplet with its tail pointing back towards where it came from.
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    QPainterPath d;
    d.moveTo(-r * 2.4, 0);
    d.quadTo(-r * 0.6, -r * 1.05, 0, -r);
    d.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, -180);
    d.quadTo(-r * 0.6, r * 1.05, -r * 2.4, 0);
    d.closeSubpath();
    fillCream(p, d, 1.6);
    p.restore();
}

void drawCreamEyes(QPainter &p, int mode) {
    // Eyes peeking out of the cream; mode 0 wide, 1 dazed, 2 blinking.
    if (mode == 2) {
        p.setPen(QPen(Ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath a, b;
        a.moveTo(34, 38);
        a.quadTo(42, 43, 50, 38);
        b.moveTo(60, 36);
        b.quadTo(68, 41, 76, 36);
        p.drawPath(a);
        p.drawPath(b);
        return;
    }
    if (mode == 0) {
        drawEye(p, QPointF(42, 38), 9, 10, QPointF(-0.4, 0.3));
        drawEye(p, QPointF(68, 36), 10, 11, QPointF(0.5, -0.5));
    } else {
        drawEye(p, QPointF(42, 38), 9, 10, QPointF(0.6, 0.5), 0.45);
        drawEye(p, QPointF(68, 36), 10, 11, QPointF(-0.5, 0.5), 0.45);
    }
}

// Little stars circling a dazed head.
void drawStar(QPainter &p, QPointF c, double r) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5;
        double rr = (i % 2) ? r * 0.45 : r;
        QPointF q(c.x() + std::cos(a) * rr, c.y() + std::sin(a) * rr);
        if (i == 0)
            s.moveTo(q);
        else
            s.lineTo(q);
    }
    s.closeSubpath();
    p.setPen(inkPen(1.5));
    p.setBrush(Gold1);
    p.drawPath(s);
}

// ------------------------------------------------------------- the frames

using SceneFn = std::function<void(QPainter &)>;

// Draws one hole scene (frame + rim) on a white 111 x 131 canvas: the
// ground, then whatever 'inHole' draws clipped to what the hole lets show,
// then 'onTop' unclipped (flying pies, splashes).
QImage holeScene(const SceneFn &inHole, const SceneFn &onTop = {}) {
    QImage img = newCanvas(FrameW, SceneH, White);
    QPainter p;
    startPainter(p, img);
    drawGroundAndHole(p);
    if (inHole) {
        p.save();
        p.setClipPath(figureClip());
        inHole(p);
        p.restore();
    }
    // Shaded even when empty, so the empty hole matches the busy ones.
    shadeHoleInside(p);
    if (onTop)
        onTop(p);
    p.end();
    return img;
}

// Puts frames side by side at the strip pitch over a background colour
// (which then also forms the dividers).
QImage stripOf(const std::vector<QImage> &frames, int width, int height, const QColor &bg) {
    QImage strip = newCanvas(width, height, bg);
    QPainter p(&strip);
    for (size_t i = 0; i < frames.size(); ++i)
        p.drawImage(QPoint(int(i) * PitchX, 0), frames[i], QRect(0, 0, FrameW, FrameH));
    p.end();
    return strip;
}

SceneFn vorbAt(double dy, Face face) {
    return [=](QPainter &p) {
        p.translate(0, dy);
        drawVorb(p, face);
    };
}

// Rising steps: how far below full height Vorb stands in frames 1..4.
constexpr double RiseDrop[5] = {0, 66, 43, 21, 0};

QImage drawTargetStrip() {
    std::vector<QImage> frames;
    frames.push_back(holeScene({}));
    for (int k = 1; k <= 4; ++k)
        frames.push_back(holeScene(vorbAt(RiseDrop[k], Face::Grin)));
    return stripOf(frames, 559, 108, White);
}

// Cream splashed on the ground around the hole after the hit.
void drawGroundSplats(QPainter &p, int stage) {
    if (stage <= 0)
        return;
    p.save();
    QPainterPath mound;
    mound.addEllipse(ellipseRect(IslandCentre, IslandRx - 1, IslandRy - 1));
    p.setClipPath(mound);
    const struct { QPointF c; double r; quint32 seed; } blobs[] = {
        {{14, 94}, 5.5, 11}, {{97, 92}, 6.5, 12}, {{24, 108}, 4.0, 13}, {{86, 110}, 4.5, 14}, {{68, 112}, 3.0, 15},
    };
    int n = std::min<int>(5, 1 + stage);
    for (int i = 0; i < n; ++i) {
        QPainterPath b = blobPath(blobs[i].c, blobs[i].r * 1.3, blobs[i].r * 0.8, 7, 0.25, blobs[i].seed);
        fillCream(p, b, 1.5);
    }
    p.restore();
}

// The cream on Vorb's face from the hit onwards: one splat with drips
// hanging off its lower edge, drawn as a single shape so it reads as one mass.
QPainterPath faceSplat(double spread, double dripLen, quint32 seed) {
    QPainterPath cream = blobPath(QPointF(55, 47), 27 + spread, 22 + spread * 0.7, 9, 0.13, seed);
    if (dripLen > 0) {
        const double xs[3] = {37, 54, 71};
        const double ks[3] = {0.7, 1.0, 0.5};
        for (int i = 0; i < 3; ++i) {
            double x = xs[i], top = 58, len = 8 + dripLen * ks[i], r = 3.2;
            QPainterPath d;
            d.moveTo(x - 5, top);
            d.quadTo(x - r, top + len * 0.5, x - r, top + len);
            d.arcTo(QRectF(x - r, top + len - r, 2 * r, 2 * r), 180, 180);
            d.quadTo(x + r, top + len * 0.5, x + 5, top);
            d.closeSubpath();
            cream = cream.united(d);
        }
    }
    QPainterPath limit;
    limit.addEllipse(ellipseRect(QPointF(55, 46), 44, 40));
    return cream.intersected(limit);
}

void drawCreamedVorb(QPainter &p, double spread, int eyes, bool tongue, double dripLen, quint32 seed) {
    drawVorb(p, Face::Creamed);
    fillCream(p, faceSplat(spread, dripLen, seed), 2.2);
    // Flecks that landed on the dome and the ears.
    const QPointF flecks[] = {{33, 24}, {81, 31}, {46, 17}};
    for (size_t i = 0; i < std::size(flecks); ++i)
        fillCream(p, blobPath(flecks[i], 3.2, 2.6, 5, 0.2, seed + 31 + quint32(i)), 1.5);
    // A wet shine on the cream.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(ellipseRect(QPointF(39, 33), 5, 2.6));
    // The cherry ends up perched on his head.
    p.setPen(inkPen(1.8));
    p.setBrush(Cherry);
    p.drawEllipse(ellipseRect(QPointF(62, 11), 4.5, 4.3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(ellipseRect(QPointF(60.5, 9.5), 1.4, 1.4));
    p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(62, 7);
    stem.quadTo(64, 2, 69, 2);
    p.drawPath(stem);

    drawCreamEyes(p, eyes);
    if (tongue) {
        // Might as well have a taste.
        QPainterPath t;
        t.moveTo(55, 62);
        t.cubicTo(55, 72, 72, 74, 71, 64);
        t.cubicTo(70, 60, 62, 60, 55, 62);
        t.closeSubpath();
        p.setPen(inkPen(2.0));
        p.setBrush(Tongue);
        p.drawPath(t);
        p.setPen(QPen(Mouth, 1.2));
        p.drawLine(QPointF(61, 63), QPointF(64, 68));
    }
}

QImage drawSplatStrip() {
    std::vector<QImage> frames;

    // 0-2: the pie flies in from the upper right.
    frames.push_back(holeScene(vorbAt(0, Face::Worried), [](QPainter &p) { drawPieSide(p, QPointF(96, 14), 0.42, -25); }));
    frames.push_back(holeScene(vorbAt(0, Face::Alarmed), [](QPainter &p) { drawPieSide(p, QPointF(80, 26), 0.72, -35); }));
    frames.push_back(holeScene(vorbAt(0, Face::Alarmed), [](QPainter &p) {
        // The moment of impact: the tin face on, cream squirting out round it.
        QPainterPath squirt = blobPath(QPointF(58, 42), 36, 30, 16, 0.22, 7);
        fillCream(p, squirt, 2.2);
        QRectF tin = ellipseRect(QPointF(58, 42), 27, 25);
        QRadialGradient g(tin.center() + QPointF(-6, -6), 30);
        g.setColorAt(0, QColor(0xee, 0xf0, 0xf4));
        g.setColorAt(0.6, Tin);
        g.setColorAt(1, TinDark);
        p.setPen(inkPen(2.4));
        p.setBrush(g);
        p.drawEllipse(tin);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(TinDark, 1.3));
        p.drawEllipse(ellipseRect(QPointF(58, 42), 20, 18.5));
        p.drawEllipse(ellipseRect(QPointF(58, 42), 13, 12));
        // Impact lines.
        p.setPen(QPen(Ink, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(96, 12), QPointF(104, 5));
        p.drawLine(QPointF(100, 30), QPointF(109, 28));
        p.drawLine(QPointF(86, 6), QPointF(90, 0));
        p.drawLine(QPointF(16, 14), QPointF(9, 7));
        p.drawLine(QPointF(12, 34), QPointF(3, 32));
    }));

    // 3-5: the splat.
    frames.push_back(holeScene(
        [](QPainter &p) { drawCreamedVorb(p, 7, 0, false, 0, 21); },
        [](QPainter &p) {
            const double drops[][4] = {{10, 16, 4.0, 200}, {100, 14, 4.5, -20}, {8, 50, 3.5, 170}, {103, 48, 3.8, 10},
                                       {28, 3, 3.2, 240}, {84, 3, 3.4, -60}, {55, 2, 3.0, -90}};
            for (auto &d : drops)
                drawDrop(p, QPointF(d[0], d[1]), d[2], d[3]);
            drawPieSide(p, QPointF(94, 72), 0.5, 160);
        }));
    frames.push_back(holeScene(
        [](QPainter &p) { drawCreamedVorb(p, 5, 1, false, 4, 21); },
        [](QPainter &p) {
            const double drops[][4] = {{5, 28, 3.2, 200}, {105, 26, 3.5, -20}, {4, 66, 3.0, 160}, {106, 62, 3.0, 20}};
            for (auto &d : drops)
                drawDrop(p, QPointF(d[0], d[1]), d[2], d[3]);
            drawGroundSplats(p, 1);
            drawPieSide(p, QPointF(97, 86), 0.5, 175);
        }));
    frames.push_back(holeScene(
        [](QPainter &p) { drawCreamedVorb(p, 5, 2, true, 9, 21); },
        [](QPainter &p) {
            drawGroundSplats(p, 3);
            drawPieSide(p, QPointF(99, 92), 0.5, 180);
            drawStar(p, QPointF(14, 12), 6);
            drawStar(p, QPointF(97, 8), 5);
            drawStar(p, QPointF(104, 30), 4);
        }));

    // 6-8: he sinks back, dripping.
    const double sink[3] = {20, 42, 64};
    for (int i = 0; i < 3; ++i) {
        double dy = sink[i];
        frames.push_back(holeScene(
            [=](QPainter &p) {
                p.translate(0, dy);
                drawCreamedVorb(p, 5, i == 0 ? 1 : 2, false, 12, 21);
            },
            [](QPainter &p) {
                drawGroundSplats(p, 4);
                drawPieSide(p, QPointF(99, 92), 0.5, 180);
            }));
    }
    return stripOf(frames, 1007, 108, White);
}

// --------------------------------------------------------- count strip

QImage countFrame(const std::function<void(QPainter &)> &sign) {
    QImage img = holeScene({});
    QPainter p;
    startPainter(p, img);
    sign(p);
    p.end();
    return img;
}

void bigSign(QPainter &p, const QString &text, const QRectF &box, LetterStyle s) {
    QPainterPath path = fitPath(textPath(text, 120), box, true);
    drawLettering(p, path, s);
}

LetterStyle greenStyle(double edge) {
    LetterStyle s;
    s.top = QColor(0xd8, 0xff, 0x8a);
    s.middle = QColor(0x60, 0xe0, 0x40);
    s.bottom = QColor(0x20, 0x9a, 0x30);
    s.edge = Ink;
    s.edgeWidth = edge;
    return s;
}

LetterStyle redStyle(double edge) {
    LetterStyle s;
    s.top = QColor(0xff, 0xa0, 0x80);
    s.middle = QColor(0xf0, 0x40, 0x30);
    s.bottom = QColor(0xb0, 0x10, 0x28);
    s.edge = Ink;
    s.edgeWidth = edge;
    return s;
}

LetterStyle blueStyle(double edge) {
    LetterStyle s;
    s.top = QColor(0xa8, 0xe4, 0xff);
    s.middle = QColor(0x40, 0x9c, 0xf0);
    s.bottom = QColor(0x28, 0x50, 0xc8);
    s.edge = Ink;
    s.edgeWidth = edge;
    return s;
}

// A cartoon glove pointing down (tilted by 'angle'), fingertip at 'tip'.
void drawPointingHand(QPainter &p, QPointF tip, double scale, double angle) {
    p.save();
    p.translate(tip);
    p.rotate(angle);
    p.scale(scale, scale);
    const double w = 2.0 / scale;
    p.setPen(inkPen(w));
    // Cuff with a stripe.
    p.setBrush(White);
    p.drawRoundedRect(QRectF(-10, -47, 23, 9), 3, 3);
    p.setPen(QPen(Antenna, 1.6 / scale));
    p.drawLine(QPointF(-8, -42.5), QPointF(11, -42.5));
    p.setPen(inkPen(w));
    // Fist and index finger as one outline.
    QPainterPath fist;
    fist.addRoundedRect(QRectF(-11, -39, 25, 20), 8, 8);
    QPainterPath finger;
    finger.addRoundedRect(QRectF(-4.5, -24, 9, 24), 4.5, 4.5);
    p.drawPath(fist.united(finger));
    // The curled fingers.
    p.setPen(QPen(Ink, 1.4 / scale, Qt::SolidLine, Qt::RoundCap));
    for (double x : {6.0, 10.5}) {
        QPainterPath k;
        k.moveTo(x - 1, -30);
        k.quadTo(x + 1, -25, x - 1, -20);
        p.drawPath(k);
    }
    // The thumb folded across the front.
    p.setPen(inkPen(w));
    p.setBrush(White);
    QPainterPath thumb;
    thumb.moveTo(-11, -33);
    thumb.quadTo(-15, -24, -7, -21);
    thumb.quadTo(-2, -20, -2, -25);
    thumb.quadTo(-3, -29, -9, -29);
    p.drawPath(thumb);
    p.restore();
}

QImage drawCountStrip() {
    std::vector<QImage> frames;
    const QRectF numberBox(24, 6, 63, 66);
    LetterStyle numbers = goldStyle(3.2);
    numbers.shadowOffset = QPointF(3, 3);
    for (const char *n : {"3", "2", "1"})
        frames.push_back(countFrame([&](QPainter &p) { bigSign(p, QString::fromLatin1(n), numberBox, numbers); }));

    LetterStyle go = greenStyle(3.2);
    go.shadowOffset = QPointF(3, 3);
    frames.push_back(countFrame([&](QPainter &p) {
        bigSign(p, QStringLiteral("GO!"), QRectF(7, 10, 97, 58), go);
    }));

    LetterStyle click = blueStyle(2.0);
    click.shadowOffset = QPointF(1.5, 1.5);
    frames.push_back(countFrame([&](QPainter &p) {
        bigSign(p, QStringLiteral("CLICK"), QRectF(9, 4, 93, 21), click);
        bigSign(p, QStringLiteral("HERE TO"), QRectF(9, 28, 93, 15), click);
        LetterStyle start = goldStyle(2.0);
        start.shadowOffset = QPointF(1.5, 1.5);
        bigSign(p, QStringLiteral("START"), QRectF(5, 48, 64, 20), start);
        drawPointingHand(p, QPointF(80, 93), 1.0, 18);
    }));

    LetterStyle over = redStyle(2.6);
    over.shadowOffset = QPointF(2, 2);
    frames.push_back(countFrame([&](QPainter &p) {
        bigSign(p, QStringLiteral("GAME"), QRectF(10, 7, 91, 28), over);
        bigSign(p, QStringLiteral("OVER"), QRectF(10, 42, 91, 28), over);
    }));

    return stripOf(frames, 671, 107, White);
}

// ------------------------------------------------------ digits and words

QImage drawNumbers() {
    QImage img = newCanvas(300, 51, Black);
    QPainter p;
    startPainter(p, img);
    LetterStyle s = goldStyle(2.2);
    for (int d = 0; d <= 9; ++d) {
        QPainterPath glyph = textPath(QString::number(d), 60);
        QPainterPath fitted = fitPath(glyph, QRectF(30 * d + 4, 5, 22, 39), false);
        drawLettering(p, fitted, s);
    }
    p.end();
    return img;
}

QImage drawXtras(const QImage &scene) {
    QImage img = newCanvas(111, 124, Black);
    QPainter p;
    startPainter(p, img);
    LetterStyle s = goldStyle(2.2);
    drawLettering(p, fitPath(textPath(QStringLiteral("Time"), 60), QRectF(10, 5, 91, 38), true), s);
    drawLettering(p, fitPath(textPath(QStringLiteral("Score"), 60), QRectF(5, 55, 101, 37), true), s);
    // The rim is the lower part of the very same hole scene.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(QPoint(0, 100), scene, QRect(0, FrameH, FrameW, 24));
    p.end();
    return img;
}

QImage drawTitle() {
    QImage img = newCanvas(594, 31, TitleRed);
    QPainter p;
    startPainter(p, img);
    // A darker plate behind the lettering; the picture's edges stay the
    // panel's own red so a wider window shows no seam.
    p.setPen(QPen(QColor(0x60, 0x00, 0x08), 1.5));
    p.setBrush(QColor(0xb8, 0x00, 0x12));
    p.drawRoundedRect(QRectF(112, 1.5, 370, 28), 13, 13);

    LetterStyle s = goldStyle(2.0);
    s.edge = Ink;
    s.shadowOffset = QPointF(2, 2);
    s.shadow = QColor(0x50, 0x00, 0x08);
    QPainterPath words = fitPath(textPath(QStringLiteral("Pie Vorb Quarn"), 60), QRectF(170, 3, 254, 24), true);
    drawLettering(p, words, s);
    // A flying pie either side.
    drawPieSide(p, QPointF(140, 19), 0.62, -15);
    drawPieSide(p, QPointF(454, 19), 0.62, 15);
    p.end();
    return img;
}

// ---------------------------------------------------- window buttons

void roundButton(QPainter &p, QPointF c, double r, QColor base, bool down, bool lit) {
    // Bezel ring.
    QRadialGradient ring(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    ring.setColorAt(0, QColor(0xe8, 0xe8, 0xf0));
    ring.setColorAt(1, QColor(0x50, 0x50, 0x60));
    p.setPen(QPen(QColor(0x10, 0x10, 0x14), 1.5));
    p.setBrush(ring);
    p.drawEllipse(ellipseRect(c, r, r));

    // The cap: convex when up, dished and darker when pressed.
    double cr = r - 4;
    QRadialGradient cap(c + (down ? QPointF(r * 0.25, r * 0.3) : QPointF(-r * 0.3, -r * 0.35)), cr * 1.5);
    QColor hi = lit ? base.lighter(170) : base.lighter(120);
    QColor lo = down ? base.darker(260) : base.darker(lit ? 140 : 200);
    cap.setColorAt(0, down ? base.darker(130) : hi);
    cap.setColorAt(0.6, down ? base.darker(170) : base);
    cap.setColorAt(1, lo);
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(cap);
    p.drawEllipse(ellipseRect(c + (down ? QPointF(0.5, 1) : QPointF()), cr, cr));
    if (!down) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, lit ? 150 : 90));
        p.drawEllipse(ellipseRect(c + QPointF(-cr * 0.25, -cr * 0.5), cr * 0.5, cr * 0.25));
    } else {
        // Pushed in: the bezel throws a shadow across the top of the cap.
        p.save();
        QPainterPath capPath;
        capPath.addEllipse(ellipseRect(c + QPointF(0.5, 1), cr, cr));
        p.setClipPath(capPath);
        p.setPen(QPen(QColor(0, 0, 0, 140), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ellipseRect(c + QPointF(1.5, 3), cr, cr));
        p.restore();
    }
    if (lit) {
        // A glow ring so the running state is obvious at a glance.
        p.setPen(QPen(QColor(0xff, 0xd0, 0x60, 200), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ellipseRect(c, r - 2.2, r - 2.2));
    }
}

QImage drawMenuButton() {
    QImage img = newCanvas(50, 100, Black);
    QPainter p;
    startPainter(p, img);
    const QColor blue(0x30, 0x8c, 0xe8);
    for (int half = 0; half < 2; ++half) {
        bool down = half == 1;
        QPointF c(25, 25 + 50 * half);
        roundButton(p, c, 22.5, blue, down, false);
        QPainterPath t = fitPath(textPath(QStringLiteral("MENU"), 40), QRectF(c.x() - 14, c.y() - 5, 28, 10), true);
        t.translate(down ? QPointF(0.5, 1) : QPointF());
        p.strokePath(t, QPen(QColor(0x0c, 0x20, 0x50), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(t, down ? QColor(0xc8, 0xd8, 0xe8) : White);
    }
    p.end();
    return img;
}

QImage drawAbortButton() {
    QImage img = newCanvas(50, 100, Black);
    QPainter p;
    startPainter(p, img);
    for (int half = 0; half < 2; ++half) {
        bool lit = half == 0;
        QPointF c(25, 25 + 50 * half);
        roundButton(p, c, 22.5, lit ? QColor(0xf0, 0x28, 0x20) : QColor(0x70, 0x18, 0x18), false, lit);
        // The stop cross.
        QPainterPath x;
        const double a = 7.5;
        x.moveTo(c + QPointF(-a, -a));
        x.lineTo(c + QPointF(a, a));
        x.moveTo(c + QPointF(a, -a));
        x.lineTo(c + QPointF(-a, a));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(lit ? QColor(0x50, 0x00, 0x00) : QColor(0x18, 0x04, 0x04), 6.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(x);
        p.setPen(QPen(lit ? White : DimCross, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(x);
    }
    p.end();
    return img;
}

void drawSpeaker(QPainter &p, QPointF o, QColor body, QColor waves) {
    QPainterPath s;
    s.moveTo(o + QPointF(1.5, 7));
    s.lineTo(o + QPointF(4.5, 7));
    s.lineTo(o + QPointF(8.5, 3));
    s.lineTo(o + QPointF(8.5, 17));
    s.lineTo(o + QPointF(4.5, 13));
    s.lineTo(o + QPointF(1.5, 13));
    s.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(s);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(waves, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ellipseRect(o + QPointF(8.5, 10), 3, 3.5), -50 * 16, 100 * 16);
    p.drawArc(ellipseRect(o + QPointF(8.5, 10), 5.5, 6.5), -50 * 16, 100 * 16);
}

QImage drawSoundIcons() {
    QImage img = newCanvas(15, 60, Black);
    QPainter p;
    startPainter(p, img);
    drawSpeaker(p, QPointF(0, 0), QColor(0xf0, 0xf0, 0xf0), Gold2);
    const QColor crosses[2] = {QColor(0xff, 0x20, 0x20), QColor(0x90, 0x10, 0x10)};
    for (int i = 0; i < 2; ++i) {
        QPointF o(0, 20 * (i + 1));
        drawSpeaker(p, o, QColor(0xb0, 0xb0, 0xb8), QColor(0x80, 0x80, 0x88));
        p.setPen(QPen(crosses[i], 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(o + QPointF(2, 3), o + QPointF(13, 17));
        p.drawLine(o + QPointF(13, 3), o + QPointF(2, 17));
    }
    p.end();
    return img;
}

QImage drawEmblem() {
    QImage img = newCanvas(32, 32, White);
    QPainter p;
    startPainter(p, img);
    // A pie seen from above with the word across it.
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(CrustDark);
    p.drawEllipse(QRectF(0.8, 0.8, 30.4, 30.4));
    QRadialGradient g(QPointF(12, 11), 16);
    g.setColorAt(0, Cream);
    g.setColorAt(1, CreamShade);
    p.setBrush(Crust);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    p.setBrush(g);
    p.setPen(QPen(CrustDark, 1.0));
    p.drawEllipse(QRectF(5, 5, 22, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(Cherry);
    p.drawEllipse(QRectF(13.5, 3.6, 5, 5));
    QPainterPath word = fitPath(textPath(QStringLiteral("Pie!"), 40), QRectF(4.5, 12, 23, 12), true);
    p.strokePath(word, QPen(White, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(word, QColor(0xc0, 0x10, 0x20));
    p.end();
    return img;
}

// ---------------------------------------------------------------- cursors

// Cursor pixels are drawn in these four exact colours without
// antialiasing; the stored palette index is what carries the meaning.
const QRgb CurBlack = qRgb(0, 0, 0);
const QRgb CurWhite = qRgb(255, 255, 255);
const QRgb CurClear = qRgb(0, 255, 0);
const QRgb CurInvert = qRgb(255, 0, 255);

struct Cursor {
    QString file;
    int hotX, hotY;
    QImage img; // Indexed8, 4 entries
};

QImage cursorCanvas() {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(CurClear);
    return img;
}

// Surrounds every drawn pixel with a one-pixel ring of 'halo' so the
// cursor stays visible on both light and dark backgrounds.
void addHalo(QImage &img, QRgb halo, QRgb around = 0, bool onlyAround = false) {
    QImage src = img.copy();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (src.pixel(x, y) != CurClear)
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= 32 || ny >= 32)
                        continue;
                    QRgb c = src.pixel(nx, ny);
                    if (c != CurClear && c != halo && (!onlyAround || c == around))
                        near = true;
                }
            if (near)
                img.setPixel(x, y, halo);
        }
}

QImage toCursorIndexed(const QImage &rgb) {
    QImage out(32, 32, QImage::Format_Indexed8);
    out.setColorTable({CurBlack, CurWhite, CurClear, CurInvert});
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            QRgb c = rgb.pixel(x, y) & 0xffffff;
            uchar idx = 2;
            if (c == (CurBlack & 0xffffff))
                idx = 0;
            else if (c == (CurWhite & 0xffffff))
                idx = 1;
            else if (c == (CurInvert & 0xffffff))
                idx = 3;
            else if (c != (CurClear & 0xffffff)) {
                std::fprintf(stderr, "drawart: stray cursor colour %06x\n", c);
                std::exit(1);
            }
            out.setPixel(x, y, idx);
        }
    return out;
}

struct CursorPainter : QPainter {
    explicit CursorPainter(QImage *img) : QPainter(img) { setRenderHint(QPainter::Antialiasing, false); }
    void pen(QRgb c, double w = 1) { setPen(QPen(QColor(c), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)); }
    void fill(QRgb c) { setBrush(QColor(c)); }
};

QImage cursorPie() {
    QImage img = cursorCanvas();
    {
        // The same cream pie the player throws, side on: cream heap, crust,
        // a ridged tin and the cherry on top.
        CursorPainter p(&img);
        p.pen(CurBlack);
        p.fill(CurWhite);
        QPainterPath cream;
        cream.moveTo(3, 17);
        cream.cubicTo(2, 11, 7, 9, 9, 10);
        cream.cubicTo(10, 5, 17, 4, 19, 8);
        cream.cubicTo(23, 6, 29, 9, 27, 13);
        cream.cubicTo(30, 14, 30, 17, 28, 17);
        cream.closeSubpath();
        p.drawPath(cream);
        p.drawRect(QRect(1, 16, 29, 3));
        QPolygon tin;
        tin << QPoint(3, 19) << QPoint(28, 19) << QPoint(25, 26) << QPoint(6, 26);
        p.fill(CurBlack);
        p.drawPolygon(tin);
        p.pen(CurWhite);
        for (int x = 8; x <= 23; x += 5)
            p.drawLine(QPoint(x, 21), QPoint(x, 24));
        p.pen(CurBlack);
        p.fill(CurBlack);
        p.drawEllipse(QRect(13, 1, 5, 5));
        img.setPixel(14, 2, CurWhite);
        // Cream swirl lines.
        p.drawLine(QPoint(8, 14), QPoint(11, 13));
        p.drawLine(QPoint(17, 12), QPoint(21, 11));
    }
    addHalo(img, CurWhite);
    return toCursorIndexed(img);
}

QImage cursorFinger() {
    QImage img = cursorCanvas();
    {
        CursorPainter p(&img);
        p.pen(CurBlack);
        p.fill(CurWhite);
        QPainterPath finger;
        finger.addRoundedRect(QRectF(7, 1, 6, 16), 3, 3);
        QPainterPath fist;
        fist.addRoundedRect(QRectF(7, 11, 18, 15), 4, 4);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(2, 14, 8, 6), 3, 3);
        QPainterPath cuff;
        cuff.addRect(QRectF(9, 26, 14, 4));
        QPainterPath hand = finger.united(fist).united(thumb).united(cuff);
        p.drawPath(hand);
        // Curled fingers.
        p.drawLine(QPoint(13, 13), QPoint(13, 19));
        p.drawLine(QPoint(17, 12), QPoint(17, 19));
        p.drawLine(QPoint(21, 12), QPoint(21, 19));
        p.drawLine(QPoint(9, 26), QPoint(23, 26));
    }
    addHalo(img, CurWhite);
    return toCursorIndexed(img);
}

QImage cursorCrossHair() {
    QImage img = cursorCanvas();
    {
        CursorPainter p(&img);
        p.pen(CurBlack);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(5, 5, 21, 21));
        p.drawLine(QPoint(15, 1), QPoint(15, 11));
        p.drawLine(QPoint(15, 19), QPoint(15, 30));
        p.drawLine(QPoint(1, 15), QPoint(11, 15));
        p.drawLine(QPoint(19, 15), QPoint(30, 15));
    }
    addHalo(img, CurWhite);
    // The very centre inverts, so the aim point shows on any colour.
    img.setPixel(15, 15, CurInvert);
    return toCursorIndexed(img);
}

QImage cursorShotgun() {
    QImage img = cursorCanvas();
    {
        // Both barrels staring straight at the player, bead sight on top.
        CursorPainter p(&img);
        p.pen(CurBlack);
        p.fill(CurWhite);
        p.drawRect(QRect(13, 4, 5, 4));
        p.drawEllipse(QRect(1, 7, 15, 15));
        p.drawEllipse(QRect(15, 7, 15, 15));
        p.fill(CurBlack);
        p.drawRect(QRect(15, 1, 1, 3));
        p.drawEllipse(QRect(5, 11, 7, 7));
        p.drawEllipse(QRect(19, 11, 7, 7));
    }
    // A glint in each bore so they read as holes, not dots.
    img.setPixel(7, 13, CurWhite);
    img.setPixel(21, 13, CurWhite);
    addHalo(img, CurWhite);
    return toCursorIndexed(img);
}

QImage cursorDart1() {
    QImage img = cursorCanvas();
    {
        CursorPainter p(&img);
        const int radii[] = {14, 11, 8, 5, 2};
        for (int i = 0; i < 5; ++i) {
            int r = radii[i];
            p.setPen(Qt::NoPen);
            p.fill(i % 2 ? CurWhite : CurBlack);
            p.drawEllipse(QRect(15 - r, 15 - r, 2 * r + 1, 2 * r + 1));
        }
    }
    addHalo(img, CurWhite);
    img.setPixel(15, 15, CurInvert);
    return toCursorIndexed(img);
}

QImage cursorDart2() {
    QImage img = cursorCanvas();
    {
        CursorPainter p(&img);
        p.pen(CurBlack);
        p.fill(CurWhite);
        p.drawEllipse(QRect(1, 1, 29, 29));
        // Sixteen alternating segments, the odd ones inverting the screen.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 16; ++i) {
            p.fill(i % 2 ? CurInvert : CurWhite);
            p.drawPie(QRect(3, 3, 25, 25), i * 360, 360);
        }
        p.pen(CurBlack);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(3, 3, 25, 25));
        p.drawEllipse(QRect(9, 9, 13, 13));
        p.fill(CurBlack);
        p.drawEllipse(QRect(13, 13, 5, 5));
    }
    addHalo(img, CurWhite);
    img.setPixel(15, 15, CurWhite);
    return toCursorIndexed(img);
}

QImage cursorTriangle() {
    QImage img = cursorCanvas();
    {
        // A lopsided triangle with bent sides and an eye in it.
        CursorPainter p(&img);
        QPainterPath t;
        t.moveTo(1, 1);
        t.quadTo(16, 10, 28, 9);
        t.quadTo(15, 16, 10, 29);
        t.quadTo(10, 14, 1, 1);
        t.closeSubpath();
        p.pen(CurBlack);
        p.fill(CurInvert);
        p.drawPath(t);
        p.fill(CurWhite);
        p.drawEllipse(QRect(9, 9, 7, 6));
        p.fill(CurBlack);
        p.setPen(Qt::NoPen);
        p.drawRect(QRect(12, 11, 2, 2));
    }
    addHalo(img, CurWhite);
    return toCursorIndexed(img);
}

QImage cursorCustom() {
    QImage img = cursorCanvas();
    {
        // A bold question mark...
        CursorPainter p(&img);
        QPainterPath q = fitPath(textPath(QStringLiteral("?"), 40), QRectF(9, 4, 14, 24), true);
        p.setPen(Qt::NoPen);
        p.fill(CurBlack);
        p.drawPath(q);
    }
    addHalo(img, CurWhite);
    // ...in a dashed frame.
    for (int i = 0; i < 31; ++i) {
        QRgb c = (i / 3) % 2 ? CurWhite : CurBlack;
        img.setPixel(i, 0, c);
        img.setPixel(31 - i, 31, c);
        img.setPixel(0, 31 - i, c);
        img.setPixel(31, i, c);
    }
    return toCursorIndexed(img);
}

// ------------------------------------------------------------- palette

// Median cut over the pixels of every colour picture at once, so they all
// share one palette. Colours that must stay exact are reserved first.
std::vector<QRgb> buildPalette(const std::vector<const QImage *> &images, const std::vector<QRgb> &reserved) {
    QHash<QRgb, qint64> counts;
    for (const QImage *img : images)
        for (int y = 0; y < img->height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img->constScanLine(y));
            for (int x = 0; x < img->width(); ++x)
                counts[line[x] | 0xff000000u] += 1;
        }
    for (QRgb r : reserved)
        counts.remove(r | 0xff000000u);

    struct Entry {
        QRgb c;
        qint64 n;
    };
    struct Box {
        std::vector<Entry> e;
        qint64 total = 0;
        int widest = 0;
        int range = 0;
        void measure() {
            int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
            total = 0;
            for (const Entry &x : e) {
                int ch[3] = {qRed(x.c), qGreen(x.c), qBlue(x.c)};
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], ch[k]);
                    hi[k] = std::max(hi[k], ch[k]);
                }
                total += x.n;
            }
            range = -1;
            for (int k = 0; k < 3; ++k)
                if (hi[k] - lo[k] > range) {
                    range = hi[k] - lo[k];
                    widest = k;
                }
        }
    };
    std::vector<Box> boxes(1);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        boxes[0].e.push_back({it.key(), it.value()});
    // QHash order changes from run to run; sorting keeps the output stable.
    std::sort(boxes[0].e.begin(), boxes[0].e.end(), [](const Entry &a, const Entry &c) { return a.c < c.c; });
    boxes[0].measure();
    const int want = 256 - int(reserved.size());
    while (int(boxes.size()) < want) {
        // Split the box where the error is largest: wide and well used.
        int best = -1;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].e.size() < 2)
                continue;
            double score = double(boxes[i].range) * std::sqrt(double(boxes[i].total));
            if (score > bestScore) {
                bestScore = score;
                best = int(i);
            }
        }
        if (best < 0)
            break;
        Box &b = boxes[best];
        int k = b.widest;
        auto chan = [k](QRgb c) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); };
        std::sort(b.e.begin(), b.e.end(), [&](const Entry &a, const Entry &c) {
            return chan(a.c) != chan(c.c) ? chan(a.c) < chan(c.c) : a.c < c.c;
        });
        qint64 half = b.total / 2, acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i < b.e.size() - 1; ++i) {
            acc += b.e[i].n;
            cut = i + 1;
            if (acc >= half)
                break;
        }
        Box other;
        other.e.assign(b.e.begin() + cut, b.e.end());
        b.e.resize(cut);
        b.measure();
        other.measure();
        boxes.push_back(std::move(other));
    }

    std::vector<QRgb> pal;
    for (QRgb r : reserved)
        pal.push_back(r | 0xff000000u);
    for (const Box &b : boxes) {
        if (b.e.empty())
            continue;
        // A flat colour that dominates its box is kept exactly.
        const Entry *top = &*std::max_element(b.e.begin(), b.e.end(), [](const Entry &a, const Entry &c) { return a.n < c.n; });
        if (top->n * 2 >= b.total) {
            pal.push_back(top->c | 0xff000000u);
            continue;
        }
        double r = 0, g = 0, bl = 0;
        for (const Entry &x : b.e) {
            r += double(qRed(x.c)) * double(x.n);
            g += double(qGreen(x.c)) * double(x.n);
            bl += double(qBlue(x.c)) * double(x.n);
        }
        double t = double(b.total);
        pal.push_back(qRgb(int(std::lround(r / t)), int(std::lround(g / t)), int(std::lround(bl / t))));
    }
    return pal;
}

QImage quantise(const QImage &img, const std::vector<QRgb> &pal, QHash<QRgb, uchar> &cache) {
    QImage out(img.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(pal.begin(), pal.end()));
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        uchar *dst = out.scanLine(y);
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

// ---------------------------------------------------------------- output

bool g_failed = false;

void fail(const QString &msg) {
    std::fprintf(stderr, "drawart: %s\n", qPrintable(msg));
    g_failed = true;
}

void put16(QByteArray &b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray &b, qint64 v) {
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

// Qt's own BMP writer picks the bit depth from the colour count (a 4-entry
// cursor would come out as a 4-bit file), but the loaders want 8-bit files
// whose palette holds exactly the entries written, so the file is built here.
bool writeBmp8(const QString &path, const QImage &img) {
    if (img.format() != QImage::Format_Indexed8 || img.colorCount() < 1 || img.colorCount() > 256)
        return false;
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
    put32(b, h); // positive: rows stored bottom-up
    put16(b, 1);
    put16(b, 8);
    put32(b, 0); // BI_RGB
    put32(b, qint64(stride) * h);
    put32(b, 2835); // 72 dpi
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
        b.append(reinterpret_cast<const char *>(img.constScanLine(y)), w);
        b.append(QByteArray(stride - w, '\0'));
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(b) == b.size();
}

// Writes the picture and reads it straight back: it must come back at the
// same size, as an 8-bit palette picture with the same palette and pixels.
void writeChecked(const QDir &dir, const QString &name, const QImage &img, QSize expected) {
    if (img.size() != expected)
        fail(QStringLiteral("%1 drawn at %2x%3, expected %4x%5").arg(name).arg(img.width()).arg(img.height()).arg(expected.width()).arg(expected.height()));
    const QString path = dir.filePath(name);
    if (!writeBmp8(path, img)) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    QFile raw(path);
    if (raw.open(QIODevice::ReadOnly)) {
        const QByteArray head = raw.read(54);
        auto le = [&](int at, int n) {
            quint32 v = 0;
            for (int i = n - 1; i >= 0; --i)
                v = (v << 8) | quint8(head.at(at + i));
            return v;
        };
        if (head.size() < 54 || le(28, 2) != 8 || le(46, 4) != quint32(img.colorCount()))
            fail(QStringLiteral("%1 is not an 8-bit BMP with %2 palette entries").arg(name).arg(img.colorCount()));
    }
    QImage back(path);
    if (back.isNull()) {
        fail(QStringLiteral("%1 does not load back").arg(name));
        return;
    }
    if (back.size() != expected)
        fail(QStringLiteral("%1 loads back at the wrong size").arg(name));
    if (back.format() != QImage::Format_Indexed8)
        fail(QStringLiteral("%1 does not load back as an 8-bit palette picture").arg(name));
    if (back.colorTable() != img.colorTable())
        fail(QStringLiteral("%1 loads back with a different palette (%2 entries)").arg(name).arg(back.colorCount()));
    for (int y = 0; y < std::min(back.height(), img.height()); ++y)
        if (std::memcmp(back.constScanLine(y), img.constScanLine(y), size_t(std::min(back.width(), img.width()))) != 0) {
            fail(QStringLiteral("%1 row %2 loads back with different pixels").arg(name).arg(y));
            break;
        }
    std::printf("  %-16s %4dx%-4d %3d colours\n", qPrintable(name), img.width(), img.height(), int(img.colorCount()));
}

} // namespace

int main(int argc, char **argv) {
    // Needs no display: fonts are all it wants from the GUI library.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pvq_drawart <output folder>\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.absolutePath())) {
        std::fprintf(stderr, "drawart: cannot create %s\n", argv[1]);
        return 1;
    }
    int fontId = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    if (fontId >= 0 && !QFontDatabase::applicationFontFamilies(fontId).isEmpty())
        g_fontFamily = QFontDatabase::applicationFontFamilies(fontId).first();
    else
        std::fprintf(stderr, "drawart: DejaVu Sans Bold not found, lettering will use a fallback font\n");

    struct Colour {
        QString file;
        QImage img;
        QSize size;
    };
    const QImage emptyScene = holeScene({});
    std::vector<Colour> pictures = {
        {QStringLiteral("DefVorb.bmp"), drawTargetStrip(), {559, 108}},
        {QStringLiteral("DefPie.bmp"), drawSplatStrip(), {1007, 108}},
        {QStringLiteral("DefCount.bmp"), drawCountStrip(), {671, 107}},
        {QStringLiteral("DefNumbers.bmp"), drawNumbers(), {300, 51}},
        {QStringLiteral("DefXtras.bmp"), drawXtras(emptyScene), {111, 124}},
        {QStringLiteral("DefTitle.bmp"), drawTitle(), {594, 31}},
        {QStringLiteral("Image17.bmp"), drawMenuButton(), {50, 100}},
        {QStringLiteral("Image18.bmp"), drawAbortButton(), {50, 100}},
        {QStringLiteral("Stat.bmp"), drawSoundIcons(), {15, 60}},
        {QStringLiteral("Emblem.bmp"), drawEmblem(), {32, 32}},
    };

    std::vector<const QImage *> all;
    for (const Colour &c : pictures)
        all.push_back(&c.img);
    // The flat colours of the art are kept exact; the rest of the palette
    // goes to shading and antialiased edges.
    std::vector<QRgb> keep = {qRgb(0, 0, 0), qRgb(255, 255, 255), TitleRed.rgb()};
    for (const QColor &c : {Ink, GrassLight, Grass, GrassDark, DirtLight, Dirt, DirtDark, HoleDark, Shadow, Skin, SkinLight,
                            SkinDark, Spot, Blush, Antenna, Mouth, Tongue, Tie, Cream, CreamShade, Crust, CrustDark, Tin,
                            TinDark, Cherry, Gold1, Gold2, Gold3, GoldEdge, DimCross})
        if (std::find(keep.begin(), keep.end(), c.rgb()) == keep.end())
            keep.push_back(c.rgb());
    const std::vector<QRgb> palette = buildPalette(all, keep);
    QHash<QRgb, uchar> cache;
    std::printf("drawart: shared palette of %d colours\n", int(palette.size()));
    for (const Colour &c : pictures)
        writeChecked(out, c.file, quantise(c.img, palette, cache), c.size);

    const std::vector<Cursor> cursors = {
        {QStringLiteral("Cur1.bmp"), 15, 16, cursorPie()},
        {QStringLiteral("Cur2.bmp"), 10, 1, cursorFinger()},
        {QStringLiteral("Cur3.bmp"), 15, 15, cursorCrossHair()},
        {QStringLiteral("Cur4.bmp"), 15, 14, cursorShotgun()},
        {QStringLiteral("Cur5.bmp"), 15, 15, cursorDart1()},
        {QStringLiteral("Cur6.bmp"), 15, 15, cursorDart2()},
        {QStringLiteral("Cur7.bmp"), 1, 1, cursorTriangle()},
        {QStringLiteral("Cur9.bmp"), 15, 15, cursorCustom()},
    };
    QFile list(out.filePath(QStringLiteral("cursors.txt")));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        fail(QStringLiteral("cannot write cursors.txt"));
    } else {
        QTextStream ts(&list);
        for (const Cursor &c : cursors) {
            writeChecked(out, c.file, c.img, {32, 32});
            ts << c.file << ' ' << c.hotX << ' ' << c.hotY << '\n';
        }
    }
    if (g_failed)
        return 1;
    std::printf("drawart: all pictures written to %s\n", qPrintable(out.absolutePath()));
    return 0;
}
