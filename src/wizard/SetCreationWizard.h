#pragma once
// `SetCreationWizard`: the six steps that gather the pictures, sounds, texts and cursor of a
// new extended set, check each step on Next, and write the set on the last one.
// Made afresh for every use, so each opening starts from the built-in texts.
//
// The pages are built in WizardPages.cpp; this class's own file holds the flow:
// moving between steps, the check of each step, the file dialogs and the creation.
#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "imageset/SoundEffects.h"
#include "ui/GameDialog.h"
#include "wizard/CursorTile.h"
#include "wizard/SetWriter.h"

class CreationProgressDialog;
class CursorSetupDialog;
class CursorTable;
class ImageGroupDialog;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
struct BuiltinPictures;

class SetCreationWizard : public GameDialog {
  Q_OBJECT
 public:
  // cursors draws the cursor tiles and pictures the examples of the picture step;
  // both are read only while the wizard is built. The two dialogs are the
  // program's single instances, which outlive the wizard.
  SetCreationWizard(const CursorTable& cursors, const BuiltinPictures& pictures, ImageGroupDialog& editGroup,
                    CursorSetupDialog& customSetup, QWidget* parent = nullptr);

  // The colour dialog, replaceable in tests; an invalid colour means cancelled.
  std::function<QColor(const QColor& initial, QWidget* parent)> chooseColour;

  std::uint8_t cursorChoice = 1;

  QLabel* introLabel;
  QLabel* pageTitle;
  QStackedWidget* pages;
  QFrame* bottomRule;
  QPushButton* cancelButton;  // "&Cancel" / "&Quit"
  QPushButton* nextButton;    // "&Next >>"
  QPushButton* backButton;    // "<< &Back"

  // Step 1: the two picture strips
  QLabel* figureFileLabel;
  QLabel* splatFileLabel;
  QPushButton* changeGroupFilesButton;
  // Step 2: the game's other pictures and the two colours
  QLineEdit *titleFile, *digitsFile, *countFile, *miscFile;
  QFrame *titleColourSwatch, *pageColourSwatch;
  QPushButton *browseTitleButton, *browseDigitsButton, *browseCountButton, *browseMiscButton, *titleColourButton,
      *pageColourButton;
  // Step 3: the sounds, indexed by indexOf(SoundEffect), and the tune
  std::array<QLineEdit*, kSoundEffectCount> waveFiles;
  std::array<QPushButton*, kSoundEffectCount> browseWaveButtons;
  QLineEdit* musicFile;
  QComboBox* tickModeBox;
  QPushButton* browseMusicButton;
  // Step 4: the texts
  QLineEdit *setNameEdit, *authorEdit, *emailEdit, *urlEdit, *commentEdit, *prefixEdit, *suffixEdit;
  std::array<QLineEdit*, 8> ratingEdits;
  // Step 5: the cursor
  std::array<CursorTile*, 8> cursorTiles;
  QGroupBox* customCursorBox;
  QLineEdit* cursorFile;
  QPushButton *browseCursorButton, *setUpCursorButton;
  // Step 6: the output file and its size
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

  // The length the set file will have, as last estimated on reaching the last step;
  // showing it also puts it in estimateLabel.
  qint64 estimatedSize() const { return estimatedSize_; }
  void showEstimatedSize(qint64 bytes);

  // Free space in bytes where path would be written, -1 when it cannot be told.
  static qint64 freeSpaceFor(const QString& path);

 protected:
  void aboutToShow() override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  enum class Dialog { Bitmap, Wave, Midi, Save };
  void browse(QLineEdit* field, Dialog kind, const QString& title);
  void pickColour(QFrame* swatch);
  void showError(const QString& text);
  // Writes the set; progress is the window shown once the output file is open.
  WriteOutcome writeSet(const SetInputs& in, QPointer<CreationProgressDialog>& progress);

  void addHeading();
  void addPages(const CursorTable& cursors, const BuiltinPictures& pictures);
  void addStepButtons();
  void layOutFrame();
  // One builder per step, in WizardPages.cpp.
  QWidget* makeAnimationPage();
  QWidget* makeBitmapsPage(const BuiltinPictures& pictures);
  QWidget* makeSoundsPage();
  QWidget* makeTextsPage();
  QWidget* makeCursorPage(const CursorTable& cursors);
  QWidget* makeOutputPage();
  // The parts of the steps that hold controls the flow reads.
  QWidget* makeCursorStrip(QWidget* page, const CursorTable& cursors);
  QGroupBox* makeCustomCursorBox(QWidget* page);
  QFrame* makeSizePanel(QWidget* page);
  void connectPictureButtons();
  void connectSoundButtons();

  ImageGroupDialog& editGroup_;
  CursorSetupDialog& customSetup_;
  SetHeader writerHeader_{};
  qint64 estimatedSize_ = 0;
  bool creating_ = false;
  bool closeWhenDone_ = false;
  // The file each dialog last held, where it starts when its field names no file.
  std::array<QString, 4> lastDialogFile_;
};

// The colour of a swatch as the set stores it (0x00BBGGRR) and back.
std::uint32_t swatchColour(const QFrame* swatch);
void setSwatchColour(QFrame* swatch, const QColor& colour);
