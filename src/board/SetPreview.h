#pragma once
// A small picture of the board as a set makes it look in a round, drawn by the
// board painter from the set value alone (the set need not be in force): the
// title banner on the set's title colour, the score and time in its digits and
// words, a hole with the figure standing and a hole with a splat on its page
// colour, and its cursor between them. Only QImage work, so it may run off
// the GUI thread.
#include <QImage>
#include <QSize>

#include "imageset/LoadedSet.h"

// The preview keeps the smallest board's proportions within a pixel.
constexpr QSize kSetPreviewSize{196, 160};

// `size` is in the screen's logical pixels; the picture holds `devicePixelRatio`
// pixels for each of them and says so, so it stays sharp on a dense screen.
QImage drawSetPreview(const LoadedSet& set, QSize size = kSetPreviewSize, qreal devicePixelRatio = 1);

// Changes whenever drawSetPreview draws differently, so stored previews are redrawn.
constexpr int kSetPreviewVersion = 5;
