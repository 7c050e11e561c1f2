#pragma once
// `SetCreationWizard`: the six steps that gather the pictures, sounds, texts and cursor of a
// new extended set, check each step on Next, and write the set on the last one.
// Made afresh for every use, so each opening starts from the built-in texts.
//
// The pages are built in WizardPages.cpp; this class's own file holds the flow:
// moving between steps, the check of each step, the file dialogs and the creation.
// Every control carries an object name (the fields that name a file are called after
// the file they stand for: "title.bmp", "tick.wav", ...).
#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>

#include "imageset/CursorTable.h"
#include "imageset/GameNumbers.h"
#include "imageset/SoundEffects.h"
#include "ui/GameDialog.h"
#include "wizard/SetDraft.h"
#include "wizard/SetWriter.h"
#include <functional>

class WavePlayer;
class QTimer;

// What the wizard reaches outside itself through; each may be left empty.
struct WizardPorts {
  WavePlayer* sound = nullptr;                  // the game's own sound engine, for the Play buttons
  std::function<void(const QString&)> useSet;   // puts a newly written set in force
  QString draftPath;                            // where the draft waits between runs; empty keeps none
  QString setsFolder;                           // where a new set goes unless the set maker says otherwise
  // The game's own tune player, for the tune's Play button: plays MIDI data once
  // (false with the reason when it cannot), and ends that.
  std::function<bool(const QByteArray&, QString&)> playTune;
  std::function<void()> stopTune;
};

class CreationProgressDialog;
class CursorSetupDialog;
class CursorTable;
class CursorTile;
class ImageGroupDialog;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class WizardPreview;
struct BuiltinPictures;

class SetCreationWizard : public GameDialog {
  Q_OBJECT
 public:
  // cursors draws the cursor tiles and pictures the examples of the picture step;
  // both are read only while the wizard is built. The two dialogs are the
  // program's single instances, which outlive the wizard.
  SetCreationWizard(const CursorTable& cursors, const BuiltinPictures& pictures, ImageGroupDialog& editGroup,
                    CursorSetupDialog& customSetup, QWidget* parent = nullptr, WizardPorts ports = {});
  ~SetCreationWizard() override;

  // What the controls hold, as the estimate and the writer take it.
  SetInputs inputs() const;
  // The draft the pages show; every edit lands in it.
  const SetDraft& draft() const { return draft_; }
  // The cursor tile chosen, 1 to 8 (8: the custom cursor).
  int cursorChoice() const { return cursorChoice_; }
  void chooseCursor(int tag);
  bool creating() const { return creating_; }

  // The length the set file will have, as last estimated on reaching the last step;
  // showing one puts it in the size panel and is what the free space is measured against.
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
  void resetFields();
  // The controls into the draft, and the draft into the controls.
  void takeControls();
  void showDraft();
  // Called on every edit: the preview, lengths and the saved draft follow shortly after.
  void edited();
  void settle();
  void playSound(std::size_t index);
  void playTune();
  // Ends the tune the Play button started, if any.
  void stopTune();
  void showSoundLengths();
  // True when nothing would be lost, or the set maker agrees to lose it.
  bool mayDiscard();
  void pageChanged();
  // Sizes the window for the step shown, scrolling it on a screen too small for it.
  void fitStep();
  void keepOnScreen();
  // The board preview, target counts and warnings of the step shown, when it has them.
  void refreshPreview();
  void next();
  void back();
  // The check of the page shown; false (after its message) when it fails.
  bool checkPage(int page);
  void editImageGroup();
  void setUpCursor();
  void pickColour(QFrame* swatch);
  void outFileChanged();
  void createSet();
  void browse(QLineEdit* field, Dialog kind, const QString& title);
  void showError(const QString& text);
  // Writes the set; progress is the window shown once the output file is open.
  WriteOutcome writeSet(const SetInputs& in, QPointer<CreationProgressDialog>& progress);

  void addPages(const CursorTable& cursors, const BuiltinPictures& pictures);
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

  ImageGroupDialog& editGroup_;
  WizardPorts ports_;
  SetDraft draft_;
  QTimer* settle_;
  std::array<QLabel*, kSoundEffectCount> soundLengths_{};
  bool refitting_ = false;
  CursorSetupDialog& customSetup_;
  SetHeader writerHeader_{};
  qint64 estimatedSize_ = 0;
  bool creating_ = false;
  bool closeWhenDone_ = false;
  int cursorChoice_ = 1;
  // The file each dialog last held, where it starts when its field names no file.
  std::array<QString, 4> lastDialogFile_;

  QLabel* intro_;
  QLabel* pageTitle_;
  QStackedWidget* pages_;
  class QScrollArea* scroll_;
  QPushButton* back_;
  QPushButton* next_;
  QPushButton* cancel_;  // "&Cancel" / "&Quit"
  // Step 1: the two picture strips, changed only through the group editor
  QLabel* pict1_;
  QLabel* pict2_;
  WizardPreview* animationPreview_;
  // Step 2: the game's other pictures and the two colours
  QLineEdit *titleFile_, *numbersFile_, *countFile_, *miscFile_;
  QFrame *titleColour_, *pageColour_;
  WizardPreview* picturesPreview_;
  // Step 3: the sounds, indexed by indexOf(SoundEffect), and the tune
  std::array<QLineEdit*, kSoundEffectCount> waveFiles_;
  QLineEdit* musicFile_;
  QPushButton* playTune_;
  bool tunePlaying_ = false;
  QComboBox* tickMode_;
  // Step 4: the texts
  QLineEdit *setName_, *author_, *email_, *url_, *comment_, *prefix_, *suffix_;
  std::array<QLineEdit*, kRatingMessages> ratings_;
  // Step 5: the cursor
  std::array<CursorTile*, kCustomCursorSlot> cursorTiles_;  // the seven built-in cursors and the set's own
  QGroupBox* customCursorBox_;
  QLineEdit* cursorFile_;
  // Step 6: the output file and its size
  QLineEdit* outFile_;
  QFrame* sizePanel_;
  QLabel *estimate_, *freeSpace_, *warning_;
};
