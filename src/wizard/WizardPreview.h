#pragma once
// The board as the wizard's pictures, colours and cursor will make it look, the
// targets found in each strip and the warnings about them; shown on the steps
// that choose the pictures.
#include <QStringList>
#include <QWidget>

#include "imageset/LoadedSet.h"
#include "wizard/SetWriter.h"

class QLabel;
class QSpinBox;

struct WizardLook {
  LoadedSet set;            // the built-in set with what the inputs replace
  int figureTargets = -1;   // -1 while no strip is chosen
  int splatTargets = -1;
  QStringList warnings;
};

// Reads the pictures the inputs name (a blank name keeps the built-in picture, a
// picture that cannot be read is said so) and checks the strips and page colour.
WizardLook wizardLook(const SetInputs& in);

class WizardPreview : public QWidget {
  Q_OBJECT
 public:
  explicit WizardPreview(QWidget* parent = nullptr);

  void showInputs(const SetInputs& in);

 private:
  QLabel* picture_;
  QLabel* targets_;
  QLabel* warnings_;
  QSpinBox* target_;  // which target the picture shows, when a strip holds more than one
  SetInputs lastInputs_;
};
