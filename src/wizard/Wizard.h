#pragma once
// `TForm3`: the six steps that gather the pictures, sounds, texts and cursor of a
// new extended set, check each step on Next, and write the set on the last one.
// Made afresh for every use, so each opening starts from the built-in texts.
#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "wizard/SetWriter.h"

class Game;
class TEditGroup;
class TCustomSetup;
class QComboBox;

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// A modal box with the error icon and one OK button.
void ShowWizardError(QWidget* parent, const QString& caption, const QString& text);

// A cursor tile: shows the cursor of its slot while the pointer is over it.
class TCursorTile : public QFrame {
  Q_OBJECT
 public:
  TCursorTile(int tag, QWidget* parent);
  int Tag;
  void setSelected(bool selected);
  bool selected() const { return selected_; }
  QImage picture;  // the cursor drawn in the tile

 Q_SIGNALS:
  void clicked(int tag);

 protected:
  void mousePressEvent(class QMouseEvent* event) override;
  void paintEvent(class QPaintEvent* event) override;

 private:
  bool selected_ = false;
};

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  // game gives the cursors of the tiles and the built-in pictures of the examples;
  // the two dialogs are the program's single instances.
  TForm3(Game& game, TEditGroup& editGroup, TCustomSetup& customSetup, QWidget* parent = nullptr);

  // The colour dialog, replaceable in tests; an invalid colour means cancelled.
  std::function<QColor(const QColor& initial, QWidget* parent)> chooseColour;

  std::uint8_t CursorChoice = 1;

  QLabel* Intro;
  QLabel* PagePanel;
  QStackedWidget* Notebook1;
  QPushButton* Button1;  // "&Cancel" / "&Quit"
  QPushButton* Button2;  // "&Next >>"
  QPushButton* Button3;  // "<< &Back"

  // Step 1
  QLabel* TheFName1;
  QLabel* TheFName2;
  QPushButton* Button4;
  // Step 2
  QLineEdit *F1, *F2, *F3, *F4;
  QFrame *Examp, *Bg2;
  QPushButton *Button11, *Button15, *Button12, *Button13, *Button21, *Button22;
  // Step 3
  QLineEdit *FName1, *FName2, *FName3, *FName4, *FName5;
  QComboBox* PlayMode;
  QPushButton *Button14, *Button16, *Button17, *Button18, *Button19;
  // Step 4
  QLineEdit *Name, *Author, *Email, *URL, *Comm, *M1, *M2;
  std::array<QLineEdit*, 8> C;
  // Step 5
  std::array<TCursorTile*, 8> B;
  QGroupBox* GB1;
  QLineEdit* CursorFilename;
  QPushButton *Button7, *Button20;
  // Step 6
  QLineEdit* OutFile;
  QPushButton* Button8;
  QFrame* Panel12;
  QLabel *EstFilesize, *AvailSpace, *Warning;
  QPushButton *Button9, *Button10;

  void FormShow();
  void Notebook1PageChanged();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button5Click();
  void B7Click(int tag);
  void Button20Click();
  void Button21Click();
  void Button22Click();
  void OutFileChange();
  void Button10Click();

  // What the controls hold, as the estimate and the writer take it.
  SetInputs Inputs() const;
  // The check of the page shown; false (after its message) when it fails.
  bool CheckPage(int page);
  bool Creating() const { return creating_; }

  // Free space in bytes where path would be written, -1 when it cannot be told.
  static qint64 FreeSpaceFor(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  enum class Dialog { Bitmap, Wave, Midi, Save };
  void browse(QLineEdit* field, Dialog kind, const QString& title);
  void pickColour(QFrame* swatch);
  QWidget* makeAnimationPage();
  QWidget* makeBitmapsPage();
  QWidget* makeSoundsPage();
  QWidget* makeTextsPage();
  QWidget* makeCursorPage();
  QWidget* makeOutputPage();

  Game& game_;
  TEditGroup& editGroup_;
  TCustomSetup& customSetup_;
  SetHeader writerHeader_{};
  bool creating_ = false;
  bool closeWhenDone_ = false;
  // The file each dialog last held, where it starts when its field names no file.
  std::array<QString, 4> lastDialogFile_;
};

// The colour of a swatch as the set stores it (0x00BBGGRR) and back.
std::uint32_t SwatchColour(const QFrame* swatch);
void SetSwatchColour(QFrame* swatch, const QColor& colour);
