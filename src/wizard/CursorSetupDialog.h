#pragma once
// `CursorSetupDialog`: lets the set's author place the hot spot of a custom cursor and
// try the cursor over shapes of many colours before the set is written. One
// instance lives for the whole run; its hot spot is the one the writer stores.
//
// While the dialog is shown its trial cursor sits in cursor slot 8, which the
// current set's own cursor is using: showing the dialog destroys that cursor and
// closing it leaves slot 8 empty. The dialog itself owns no cursor.
#include <QDialog>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

#include "ui/GameDialog.h"
#include "wizard/SetWriter.h"

class CursorTable;
class QCursor;
class QFrame;
class QSpinBox;

// The planes of a 32 x 32 monochrome cursor from a picture's top-left 32 x 32
// pixels: black stays black, white stays white, pure red inverts, every other
// colour (and anything beyond a smaller picture) is transparent. Colours must
// match exactly. A null image gives a wholly transparent cursor.
CursorPlanes makeCursorPlanes(const QImage& bitmap);

// Shows the cursor picture's top-left 32 x 32 pixels. Only a bitmap
// counts for the cursor; another kind of picture is shown but its planes come
// out transparent.
class CursorPreview : public QWidget {
  Q_OBJECT
 public:
  explicit CursorPreview(QWidget* parent);
  // Loads a picture of the kind its extension names (.bmp through the game's
  // own BMP decoding). False, leaving the old picture, when it does not load.
  bool loadFromFile(const QString& path);
  const QImage& picture() const { return picture_; }
  bool isBitmap() const { return isBitmap_; }
  // What the planes are taken from: the bitmap, or an empty one for another kind.
  QImage bitmap() const { return isBitmap_ ? picture_ : QImage(); }

 protected:
  void paintEvent(class QPaintEvent*) override;

 private:
  QImage picture_;
  bool isBitmap_ = false;
};

class CursorSetupDialog : public GameDialog {
  Q_OBJECT
 public:
  // cursors holds the custom slot the trial cursor borrows from the set's own cursor.
  explicit CursorSetupDialog(CursorTable& cursors, QWidget* parent = nullptr);

  // Loads the wizard's cursor file into the preview; false when it is not a picture.
  bool loadCursorPicture(const QString& path) { return preview_->loadFromFile(path); }
  // The planes the writer stores: those of the preview's bitmap.
  CursorPlanes cursorPlanes() const { return makeCursorPlanes(preview_->bitmap()); }
  // The trial cursor while the dialog is shown, else nullptr (owned by slot 8).
  const QCursor* trialCursor() const { return trialCursor_; }
  // The hot spot the writer stores: column and row, 0 to 31.
  QPoint hotSpot() const;
  // Each wizard starts from the top-left corner.
  void resetHotSpot();

 protected:
  void aboutToShow() override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* makeTestArea();
  QWidget* makeHotSpotBox();
  void installTrialCursor();
  void removeTrialCursor();
  void hotSpotChanged();

  CursorTable& cursors_;
  const QCursor* trialCursor_ = nullptr;
  QFrame* testArea_;  // shows the trial cursor, except over its "Normal Cursor" panel
  QSpinBox* hotSpotX_;
  QSpinBox* hotSpotY_;
  CursorPreview* preview_;
};
