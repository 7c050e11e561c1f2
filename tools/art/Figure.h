#pragma once
// Vorb Quarn in his hole: the scene every strip of the built-in set is drawn
// on, and the target strip of him rising out of it.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <vector>

namespace art {

// Strip geometry shared with the game: 111-wide frames at a pitch of 112,
// 107-high frames at a pitch of 108.
constexpr int kFrameW = 111;
constexpr int kFrameH = 107;
constexpr int kPitchX = 112;

// The hole picture in the game is 111 x 130: a frame on top, the rim below.
// The hole scene is drawn once on a canvas that tall (plus one spare row,
// since the rim is stored 24 rows high and squeezed to 23) and then cut into
// the frame part and the rim part, so the two always line up.
constexpr int kSceneH = 131;

// The grassy mound around the hole; the splats on it need its outline.
inline const QPointF kIslandCentre(55, 96);
constexpr double kIslandRx = 53.5, kIslandRy = 23.5, kIslandDepth = 7;
// Clips what the painter draws next to just inside the mound's edge, for what
// lands on the ground; the caller saves and restores around it.
void clipToMound(QPainter& p);
inline const QPointF kHoleCentre(55, 91);
constexpr double kLipRx = 41, kLipRy = 14.5;
constexpr double kHoleRx = 34, kHoleRy = 10;

enum class Face { Grin, Worried, Alarmed, Squashed, Creamed, Licking };

// One eye at c, its pupil looking towards 'look' (-1..1 in each direction);
// 'lid' closes it from the top by that share.
void drawEye(QPainter& p, QPointF c, double rx, double ry, QPointF look, double lid = 0);
// Vorb Quarn fully risen; the caller moves and clips him.
void drawVorb(QPainter& p, Face face);

using SceneFn = std::function<void(QPainter&)>;

// Draws one hole scene (frame + rim) on a white 111 x 131 canvas: the
// ground, then whatever 'inHole' draws clipped to what the hole lets show,
// then 'onTop' unclipped (flying pies, splashes).
QImage holeScene(const SceneFn& inHole, const SceneFn& onTop = {});
// The same scene painted onto any painter, with the mound's shadow in the
// given colour (the playfield's is an opaque grey, an icon's a see-through one).
void paintHoleScene(QPainter& p, const SceneFn& inHole, const SceneFn& onTop, const QColor& shadow);
// Puts frames side by side at the strip pitch over a background colour
// (which then also forms the dividers).
QImage stripOf(const std::vector<QImage>& frames, int width, int height, const QColor& bg);
// The last three frames of a splat strip: the figure sinks back into its hole,
// 20, 42 and then 64 pixels deep. 'figure' draws it fully risen (given the
// frame, 0 to 2) and is moved down; 'ground' draws what lies around the hole
// (given how deep the figure has sunk).
void addSinkingFrames(std::vector<QImage>& frames, const std::function<void(QPainter&, int frame)>& figure,
                      const std::function<void(QPainter&, double dy)>& ground);
// Vorb standing 'dy' below full height with the given face.
SceneFn vorbAt(double dy, Face face);
// The theme's own character standing 'dy' below full height.
SceneFn figureAt(double dy, Face face);

QImage drawTargetStrip();

}  // namespace art
