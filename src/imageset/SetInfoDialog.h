#pragma once
// `SetInfoDialog`: what the set in force says about itself.
#include "ui/GameDialog.h"

class QLabel;
class LinkLabel;
struct SetHeader;

class SetInfoDialog : public GameDialog {
  Q_OBJECT
 public:
  // source, when given, is the active header the dialog reads each time it is shown.
  explicit SetInfoDialog(const SetHeader* source = nullptr, QWidget* parent = nullptr);

  // Fills the labels and links from header.
  void fillFrom(const SetHeader& header);

 protected:
  void aboutToShow() override;

 private:
  const SetHeader* source_;
  QLabel* title_;
  LinkLabel* author_;
  LinkLabel* email_;
  LinkLabel* webPage_;
  QLabel* comment_;
};

// Fills the dialog from header and shows it modally (through prompts(), so tests
// see it without a modal loop).
void runSetInfoDialog(SetInfoDialog& dialog, const SetHeader& header);
