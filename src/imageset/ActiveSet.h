#pragma once
// The set in force: everything a game draws, plays and says comes from here.
#include <QImage>
#include <QString>
#include <algorithm>
#include <array>

#include "imageset/GameNumbers.h"
#include "imageset/SetHeader.h"
#include "imageset/SoundEffects.h"
#include "sound/SoundBuffer.h"

// What a set brings and the game reads while the set is in force: pictures ready
// to draw, the sound effects, the texts and the header.
struct SetContent {
  QImage targetStrip;  // figures rising, one row per image group
  QImage splatStrip;   // splat frames, same rows as the target strip
  QImage countStrip;   // 3, 2, 1, GO, click-here, Game Over
  QImage digitStrip;   // ten 30 x 51 digit cells
  QImage holeBase;     // the rim at the foot of every hole (24 rows once cut)
  QImage scoreWords;   // picture of `scoreWords`
  QImage timeWords;    // picture of `timeWords`
  QImage title;        // picture of `titleImage`

  std::array<SoundBuffer, kSoundEffectCount> sounds;  // indexed by SoundEffect

  QString setTitle;  // shown in the main window caption; empty for the built-in set
  QString congratulationPrefix;
  QString congratulationSuffix;
  std::array<QString, kRatingMessages> ratingMessages;  // one per score band

  SetHeader header{};
  QString sourceFile;  // the set file it was read from, absolute; empty when made in the game

  SoundBuffer& sound(SoundEffect effect) { return sounds[indexOf(effect)]; }
  const SoundBuffer& sound(SoundEffect effect) const { return sounds[indexOf(effect)]; }

  // The targets (image groups) of the target strip, counted in the game's
  // pixels however dense the strip is drawn.
  int groupCount() const {
    return stripTargets(int(targetStrip.height() / std::max(1.0, targetStrip.devicePixelRatio())));
  }
};

struct ActiveSet : SetContent {
  QString musicFile;          // where the set's tune is written while the set is active
  bool musicPresent = false;  // the tune file exists for this set
};
