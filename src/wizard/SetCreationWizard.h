#pragma once
// `SetCreationWizard`: the six steps that gather the pictures, sounds, texts and cursor of a
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
class ImageGroupDialog;
class CursorSetupDialog;
class QComboBox;

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// A modal box with the error icon and one OK button.
void showWizardError(QWidget* parent, const QString& caption, const QString& text);

// A cursor tile: shows the cursor of its slot while the pointer is over it.
class CursorTile : public QFrame {
  Q_OBJECT
 public:
  CursorTile(int tag, QWidget* parent);
  int slot;
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

class SetCreationWizard : public QDialog {
  Q_OBJECT
 public:
  // game gives the cursors of the tiles and the built-in pictures of the examples;
  // the two dialogs are the program's single instances.
  SetCreationWizard(Game& game, ImageGroupDialog& editGroup, CursorSetupDialog& customSetup, QWidget* parent = nullptr);

  // The colour dialog, replaceable in tests; an invalid colour means cancelled.
  std::function<QColor(const QColor& initial, QWidget* parent)> chooseColour;

  std::uint8_t cursorChoice = 1;

  QLabel* introLabel;
  QLabel* pageTitle;
  QStackedWidget* pages;
  QPushButton* cancelButton;  // "&Cancel" / "&Quit"
  QPushButton* nextButton;  // "&Next >>"
  QPushButton* backButton;  // "<< &Back"

  // Step 1
  QLabel* figureFileLabel;
  QLabel* splatFileLabel;
  QPushButton* changeGroupFilesButton;
  // Step 2
  QLineEdit *titleFile, *digitsFile, *countFile, *miscFile;
  QFrame *titleColourSwatch, *pageColourSwatch;
  QPushButton *browseTitleButton, *browseDigitsButton, *browseCountButton, *browseMiscButton, *titleColourButton, *pageColourButton;
  // Step 3
  QLineEdit *startupWaveFile, *tickWaveFile, *splatWaveFile, *gameOverWaveFile, *musicFile;
  QComboBox* tickModeBox;
  QPushButton *browseStartupButton, *browseTickButton, *browseSplatButton, *browseGameOverButton, *browseMusicButton;
  // Step 4
  QLineEdit *setNameEdit, *authorEdit, *emailEdit, *urlEdit, *commentEdit, *prefixEdit, *suffixEdit;
  std::array<QLineEdit*, 8> ratingEdits;
  // Step 5
  std::array<CursorTile*, 8> cursorTiles;
  QGroupBox* customCursorBox;
  QLineEdit* cursorFile;
  QPushButton *browseCursorButton, *setUpCursorButton;
  // Step 6
  QLineEdit* outFile;
  QPushButton* browseOutFileButton;
  QFrame* sizePanel;
  QLabel *estimateLabel, *freeSpaceLabel, *warningLabel;
  QPushButton *refreshSizesButton, *createButton;

  void resetFields();
  void pageChanged();
  void cancel();
  void next();
  void back();
  void editImageGroup();
  void chooseCursor(int tag);
  void setUpCursor();
  void chooseTitleColour();
  void choosePageColour();
  void outFileChanged();
  void createSet();

  // What the controls hold, as the estimate and the writer take it.
  SetInputs inputs() const;
  // The check of the page shown; false (after its message) when it fails.
  bool checkPage(int page);
  bool creating() const { return creating_; }

  // Free space in bytes where path would be written, -1 when it cannot be told.
  static qint64 freeSpaceFor(const QString& path);

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
  ImageGroupDialog& editGroup_;
  CursorSetupDialog& customSetup_;
  SetHeader writerHeader_{};
  bool creating_ = false;
  bool closeWhenDone_ = false;
  // The file each dialog last held, where it starts when its field names no file.
  std::array<QString, 4> lastDialogFile_;
};

// The colour of a swatch as the set stores it (0x00BBGGRR) and back.
std::uint32_t swatchColour(const QFrame* swatch);
void setSwatchColour(QFrame* swatch, const QColor& colour);
