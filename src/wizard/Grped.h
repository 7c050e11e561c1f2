#pragma once
// `TEditGroup`: names the two bitmap files of an image group (pict1.bmp, the
// figure popping up, and pict2.bmp, its splat). One instance lives for the whole
// run; whoever opens it writes both paths in first and reads them back only
// after OK, so the edits carry nothing between openings that matters.
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class TEditGroup : public QDialog {
  Q_OBJECT
 public:
  explicit TEditGroup(QWidget* parent = nullptr);

  // Puts pict1/pict2 into `P1`/`P2`, shows the dialog modally and, only on OK,
  // copies the edits back. Returns true for OK.
  bool Edit(QString& pict1, QString& pict2);

  QLabel* Label1;  // what an image group is
  QLabel* Label2;  // "Please select/edit/type ..."
  QLabel* Label3;  // "pict1.bmp:"
  QLabel* Label4;  // "pict2.bmp:"
  QLineEdit* P1;
  QLineEdit* P2;
  QPushButton* Button1;  // Browse for P1
  QPushButton* Button2;  // Browse for P2
  QPushButton* Button3;  // "&Ok"
  QPushButton* Button4;  // "&Cancel"

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void browse(QLineEdit* edit, const QString& title);

  QString openerFileName_;  // the file dialog starts here when the edit names no file
};
