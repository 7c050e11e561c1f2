#pragma once
// `ImageGroupDialog`: names the two bitmap files of an image group (pict1.bmp, the
// figure popping up, and pict2.bmp, its splat). One instance lives for the whole
// run; whoever opens it writes both paths in first and reads them back only
// after OK, so the edits carry nothing between openings that matters.
#include <QString>

#include "ui/GameDialog.h"

class QGridLayout;
class QLineEdit;

class ImageGroupDialog : public GameDialog {
  Q_OBJECT
 public:
  explicit ImageGroupDialog(QWidget* parent = nullptr);

  // Puts pict1/pict2 into the two fields, shows the dialog modally and, only on OK,
  // copies the fields back. Returns true for OK.
  bool edit(QString& pict1, QString& pict2);

 private:
  // file names the field for tests and tools; captionText is what the player reads.
  QLineEdit* addFileRow(QGridLayout* rows, const char* file, const QString& captionText, const QString& browseTitle);
  void browse(QLineEdit* edit, const QString& title);
  void acceptEdits();

  QLineEdit* figureFile_;
  QLineEdit* splatFile_;
  QString openerFileName_;  // the file dialog starts here when the edit names no file
};
