#pragma once
// Measuring, checking and writing the inputs of a new extended set, free of any
// window: the wizard fills a SetInputs from its controls, the estimate fills the
// size fields of a header, and the writer produces the file while it reports to
// whatever progress display it is given.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "common/Files.h"
#include "imageset/CursorPicture.h"
#include "imageset/GameNumbers.h"
#include "imageset/SetHeader.h"
#include "imageset/SoundEffects.h"

// The four sound names, indexed by indexOf(SoundEffect); an empty name is no sound.
using WaveNames = std::array<QString, kSoundEffectCount>;

struct SetInputs {
  QString outFile;
  QString pict1, pict2;                          // target and splat strips
  QString titleBmp, numbersBmp, countBmp, miscBmp;  // blank keeps the built-in picture
  WaveNames waves;
  QString music;
  QString cursorFile;                            // used only with cursor choice 8
  QString name, author, email, url, comment, prefix, suffix;
  std::array<QString, kRatingMessages> ratings;
  std::uint32_t titleColour = 0x000000FF;
  std::uint32_t pageColour = 0x00FFFFFF;
  std::uint8_t cursorChoice = 1;
  std::uint8_t hotSpotX = 0, hotSpotY = 0;
  std::uint8_t tickMode = 0;
};


// What a set stores, converted from the inputs: each picture a whole BMP file,
// each sound unsigned 8-bit mono samples at 11025 Hz, the tune MIDI data, the
// cursor's planes. An empty block is left out of the set (the built-in one plays).
struct PreparedSet {
  SetInputs inputs;  // the texts, colours, choices and output name
  QByteArray pict1, pict2, title, numbers, count, misc;
  std::array<QByteArray, kSoundEffectCount> waves;
  QByteArray tune;
  CursorPlanes cursorPlanes{};
};

struct Preparation {
  PreparedSet set;
  QStringList problems;  // one line per input that cannot go into a set, naming its file
  bool ok() const { return problems.isEmpty(); }
};

// Reads and converts every file the inputs name; a blank name is left out.
Preparation prepareSet(const SetInputs& in);

// Clears header, fills its size fields and returns the length the file will have.
qint64 estimateSetSize(const PreparedSet& set, SetHeader& header);

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
  enum Kind { Written, CannotOpenOutput, OutputIsAnInput, NotConverted };
  Kind kind = Written;
  qint64 written = 0;
  qint64 expected = 0;
  bool storageFailed = false;  // the file did not reach the disk or could not take its name
  bool valid() const { return kind == Written && !storageFailed && written == expected; }
};

// Writes the set to set.inputs.outFile, refilling header (sizes by the estimate,
// then the texts, colours and cursor). The file takes that name only for a valid
// outcome; otherwise nothing is left under it but what was there before. When the
// output is an input or cannot be opened it returns at once, before beforeWriting
// runs and without any progress report.
WriteOutcome writeExtendedSet(const PreparedSet& set, SetHeader& header, WriterProgress& progress,
                              const std::function<void()>& beforeWriting = {});

// The same from inputs that all convert (see prepareSet); cursorPlanes, when given,
// replaces the planes drawn from the cursor file.
WriteOutcome writeExtendedSet(const SetInputs& in, SetHeader& header, WriterProgress& progress,
                              const std::function<CursorPlanes()>& cursorPlanes = {},
                              const std::function<void()>& beforeWriting = {});

// The message the writer ends with: the success message only for a valid outcome.
QString writeOutcomeText(const WriteOutcome& outcome);
