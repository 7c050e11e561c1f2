#pragma once
// The two other characters living in the holes of the shipped sets: an owl in
// a nightcap under the moon, and a crab on the beach. Each has a figure drawn
// fully risen around the same hole as Vorb, and a splat strip of its own.

#include <QImage>
#include <QPainter>

#include "Figure.h"

namespace art {

// Fully risen with the given face (Grin, Worried or Alarmed); the caller
// moves and clips.
void drawOwl(QPainter& p, Face face);
void drawCrab(QPainter& p, Face face);

// The splat strips: what hits each of them, and how it lands.
QImage drawOwlSplatStrip();
QImage drawCrabSplatStrip();

}  // namespace art
