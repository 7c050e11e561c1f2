#pragma once
// `ImageGroupDialog`: names the two bitmap files of an image group (pict1.bmp, the
// figure popping up, and pict2.bmp, its splat). One instance lives for the whole
// run; whoever opens it writes both paths in first and reads them back only
// after OK, so the edits carry nothing between openings that matters.
#include "ui/GameDialog.h"
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class ImageGroupDialog : public GameDialog {
  Q_OBJECT
 public:
  explicit ImageGroupDialog(QWidget* parent = nullptr);

  // Puts pict1/pict2 into `figureFile`/`splatFile`, shows the dialog modally and, only on OK,
  // copies the edits back. Returns true for OK.
  bool edit(QString& pict1, QString& pict2);

  QLabel* explanationLabel;  // what an image group is
  QLabel* instructionLabel;  // "Please select/edit/type ..."
  QLabel* figureCaption;  // "pict1.bmp:"
  QLabel* splatCaption;  // "pict2.bmp:"
  QLineEdit* figureFile;
  QLineEdit* splatFile;
  QPushButton* browseFigureButton;  // Browse for figureFile
  QPushButton* browseSplatButton;  // Browse for splatFile
  QPushButton* okButton;  // "&Ok"
  QPushButton* cancelButton;  // "&Cancel"

  void browseFigure();
  void browseSplat();
  void acceptEdits();
  void cancelEdits();

 private:
  void browse(QLineEdit* edit, const QString& title);

  QString openerFileName_;  // the file dialog starts here when the edit names no file
};
