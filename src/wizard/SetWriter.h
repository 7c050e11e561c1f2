#pragma once
// Measuring, checking and writing the inputs of a new extended set, free of any
// window: the wizard fills a SetInputs from its controls, the estimate fills the
// size fields of a header, and the writer produces the file while it reports to
// whatever progress display it is given.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "common/Files.h"
#include "imageset/SetHeader.h"
#include "imageset/SoundEffects.h"

// Size of the file in bytes, or -1 for a blank or unreadable name, or a file
// larger than a size field can hold. A size at or above 0 is added to *total.
std::int32_t wholeFileSize(const QString& name, qint64* total = nullptr);

// The four wave names, indexed by indexOf(SoundEffect); an empty name is no sound.
using WaveNames = std::array<QString, kSoundEffectCount>;

// The combined message of the sound step: one line per wave (empty when it passes),
// then the tune's line if it fails. Empty when every sound and the tune pass.
QString soundStepMessage(const WaveNames& waves, const QString& music);

struct SetInputs {
  QString outFile;
  QString pict1, pict2;                          // target and splat strips
  QString titleBmp, numbersBmp, countBmp, miscBmp;  // blank keeps the built-in picture
  WaveNames waves;
  QString music;
  QString cursorFile;                            // used only with cursor choice 8
  QString name, author, email, url, comment, prefix, suffix;
  std::array<QString, 8> ratings;
  std::uint32_t titleColour = 0x000000FF;
  std::uint32_t pageColour = 0x00FFFFFF;
  std::uint8_t cursorChoice = 1;
  std::uint8_t hotSpotX = 0, hotSpotY = 0;
  std::uint8_t tickMode = 0;
};

constexpr int kCursorPlanesSize = 256;
using CursorPlanes = std::array<std::uint8_t, kCursorPlanesSize>;  // AND plane (0-127), XOR plane (128-255)

// Clears header, fills its size fields and returns the length the file will have.
qint64 estimateSetSize(const SetInputs& in, SetHeader& header);

// What the writer shows while it works.
class WriterProgress {
 public:
  virtual ~WriterProgress() = default;
  virtual void setStatus(const QString& text) = 0;
  virtual void showProgress(qint64 written, qint64 total) = 0;
  // Lets the window system handle pending input between pieces.
  virtual void pump() {}
};

struct WriteOutcome {
  enum Kind { Written, CannotOpenOutput, OutputIsAnInput };
  Kind kind = Written;
  qint64 written = 0;
  qint64 expected = 0;
  bool storageFailed = false;  // the file did not reach the disk or could not take its name
  bool valid() const { return kind == Written && !storageFailed && written == expected; }
};

// Writes the set to in.outFile, refilling header (sizes by the estimate, then the
// texts, colours and cursor). The file takes that name only for a valid outcome;
// otherwise nothing is left under it but what was there before. When the output
// is an input or cannot be opened it returns at once, before beforeWriting runs
// and without any progress report.
// cursorPlanes is asked for only with cursor choice 8, after the header is written.
WriteOutcome writeExtendedSet(const SetInputs& in, SetHeader& header, WriterProgress& progress,
                              const std::function<CursorPlanes()>& cursorPlanes,
                              const std::function<void()>& beforeWriting = {});

// The message the writer ends with: the success message only for a valid outcome.
QString writeOutcomeText(const WriteOutcome& outcome);
