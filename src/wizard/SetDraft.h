#pragma once
// `SetDraft`: a set in the making, with no window. It holds every input the wizard
// gathers, the step shown, the check each step makes on Next, and turns into the
// set to write. The wizard's pages and the image-group and cursor windows show and
// change a draft; `--make-set` fills one from a manifest. A draft survives a quit:
// it is saved as JSON and read back, and a damaged file is set aside, never trusted.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

#include "wizard/SetWriter.h"

// The steps in the order the wizard shows them.
enum DraftStep { kStripsStep, kPicturesStep, kSoundsStep, kTextsStep, kCursorStep, kOutputStep, kDraftSteps };

class SetDraft {
  Q_DECLARE_TR_FUNCTIONS(SetDraft)
 public:
  // The built-in texts and colours, the first step, nothing chosen.
  SetDraft();

  SetInputs inputs;
  int step = kStripsStep;

  // The message Next shows on a step whose inputs cannot go into a set; empty when it passes.
  QString checkStep(int which) const;
  // Moves to the next step when the current one passes; otherwise says why in *why.
  bool next(QString* why = nullptr);
  void back();
  bool onLastStep() const { return step == kOutputStep; }

  // True once anything differs from a fresh draft: losing it would lose work.
  bool anythingFilled() const;

  // Every file read and converted, as the writer takes it.
  Preparation prepare() const { return prepareSet(inputs); }

  QByteArray toJson() const;
  // A draft from toJson's bytes; nothing for bytes that are not one.
  static std::optional<SetDraft> fromJson(const QByteArray& bytes);

  friend bool operator==(const SetDraft& a, const SetDraft& b) { return a.toJson() == b.toJson(); }
};

struct DraftLoad {
  std::optional<SetDraft> draft;  // nothing when there is no draft or it was damaged
  QString message;                // said to the player when a damaged draft was set aside
};
// Reads the draft file at path; a file that is no draft is renamed aside (".damaged").
DraftLoad loadDraftFile(const QString& path);
// Writes the draft whole or not at all; a link at path is replaced, never followed.
bool saveDraftFile(const SetDraft& draft, const QString& path);
// Removes the draft file once its set is written or the set maker discards it.
void removeDraftFile(const QString& path);
