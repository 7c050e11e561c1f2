#pragma once
// `TAbout`: the program's name, version, author and whether its sound started.
#include <QDialog>

class QLabel;
class QPushButton;
class TLink;

// The author's web page, the target of the links in the about box and the game-over dialog.
inline constexpr char AuthorWebPage[] = "http://www.zanthorp.example/";

class TAbout : public QDialog {
  Q_OBJECT
 public:
  // audioOpened: whether the wave device opened at start-up (muting later changes nothing here).
  explicit TAbout(bool audioOpened = false, QWidget* parent = nullptr);
  void setAudioOpened(bool opened) { audioOpened_ = opened; }

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Ver;
  QLabel* Label20;
  QLabel* PE;
  QLabel* Label2;
  TLink* tLink1;
  QLabel* Label4;
  QLabel* Label5;
  // Also clicked by the main window's command that opens the web site.
  TLink* tLink2;
  QPushButton* Button1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();

  bool audioOpened_;
};
