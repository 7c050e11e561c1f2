#pragma once
// `TImgAbout`: what the set in force says about itself.
#include <QDialog>

class QLabel;
class QPushButton;
class TLink;
struct SetHeader;

class TImgAbout : public QDialog {
  Q_OBJECT
 public:
  // source, when given, is the active header the dialog reads each time it is shown.
  explicit TImgAbout(const SetHeader* source = nullptr, QWidget* parent = nullptr);

  // `FormShow`: fills the labels and links from header.
  void fillFrom(const SetHeader& header);

  QLabel* Label1;
  QLabel* Title;
  QLabel* Label3;
  TLink* Author;
  QLabel* Label5;
  TLink* Email;
  QLabel* Label7;
  TLink* Web;
  QLabel* Label4;
  QLabel* Comment;
  QPushButton* Button1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const SetHeader* source_;
};

// Fills the dialog from header and shows it modally (through prompts(), so tests
// see it without a modal loop).
void ShowImgAbout(TImgAbout& dialog, const SetHeader& header);
