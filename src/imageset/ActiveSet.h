#pragma once
// The set in force: everything a game draws, plays and says comes from here.
#include <QCursor>
#include <QImage>
#include <QString>
#include <array>

#include "imageset/SetHeader.h"
#include "sound/SoundBuffer.h"

// Frames are 111 x 107 at a pitch of 112 across and 108 down.
constexpr int kFrameWidth = 111;
constexpr int kFrameHeight = 107;
constexpr int kFramePitchX = 112;
constexpr int kFramePitchY = 108;

struct ActiveSet {
  QImage targetStrip;  // figures rising, one row per image group
  QImage splatStrip;   // splat frames, same rows as the target strip
  QImage countStrip;   // 3, 2, 1, GO, click-here, Game Over
  QImage digitStrip;   // ten 30 x 51 digit cells
  QImage holeBase;     // the rim at the foot of every hole (24 rows once cut)
  QImage scoreWords;   // picture of `scoreWords`
  QImage timeWords;    // picture of `timeWords`
  QImage title;        // picture of `titleImage`

  SoundBuffer startupSound;
  SoundBuffer tickSound;
  SoundBuffer splatSound;
  SoundBuffer gameOverSound;

  QString musicFile;          // where the set's tune is written while the set is active
  bool musicPresent = false;  // the tune file exists for this set

  QString setTitle;  // shown in the main window caption; empty for the built-in set
  QString congratulationPrefix;
  QString congratulationSuffix;
  std::array<QString, 8> ratingMessages;

  SetHeader header{};

  // The set's own cursor while slot 8 holds it; the wizard's trial cursor may
  // take the slot over, and must not be destroyed by a reset.
  const QCursor* customCursor = nullptr;

  // Image groups are complete 108-row bands of the target strip.
  int groupCount() const { return targetStrip.height() / kFramePitchY; }
};
