#pragma once
// The four sound effects a set carries. Everything that stores, reads, writes or
// asks for them loops over this one table, so their order and names agree.
#include <QtGlobal>
#include <array>
#include <cstdint>

#include "imageset/SetHeader.h"

enum class SoundEffect : std::uint8_t { Startup, Tick, Splat, GameOver };
inline constexpr int kSoundEffectCount = 4;

struct SoundEffectInfo {
  SoundEffect effect;
  std::int32_t SetHeader::*sizeField;  // where the header records its length
  const char* fileName;                // the wave's usual name in a set maker's folder
  // The two texts are English; they are shown through
  // QCoreApplication::translate("SoundEffects", text).
  const char* writerStatus;            // what the writer's progress says while copying it
  const char* wizardCaption;           // the title of its group on the wizard's sound page
};

// In the order a set file stores them (the header lists their sizes the other way round).
inline constexpr std::array<SoundEffectInfo, kSoundEffectCount> kSoundEffects = {{
    {SoundEffect::Startup, &SetHeader::startupSoundSize, "startup.wav", QT_TRANSLATE_NOOP("SoundEffects", "Extracting sound data (startup)"),
     QT_TRANSLATE_NOOP("SoundEffects", " Program Startup/File Loaded Sound (only used when set loaded)  - startup.wav")},
    {SoundEffect::Tick, &SetHeader::tickSoundSize, "tick.wav", QT_TRANSLATE_NOOP("SoundEffects", "Extracting sound data (Tick)"),
     QT_TRANSLATE_NOOP("SoundEffects", " Ticking Clock Sound  - tick.wav")},
    {SoundEffect::Splat, &SetHeader::splatSoundSize, "splat.wav", QT_TRANSLATE_NOOP("SoundEffects", "Extracting sound data (Splat!)"),
     QT_TRANSLATE_NOOP("SoundEffects", " Splat Sound (heard when the player clicks on a popped up picture) - splat.wav")},
    {SoundEffect::GameOver, &SetHeader::gameOverSoundSize, "gameover.wav", QT_TRANSLATE_NOOP("SoundEffects", "Extracting sound data (End)"),
     QT_TRANSLATE_NOOP("SoundEffects", " End of game sound (sound played when time runs out, played once)  - gameover.wav")},
}};

constexpr int indexOf(SoundEffect effect) { return static_cast<int>(effect); }
