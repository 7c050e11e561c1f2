#pragma once
// `CursorSetupDialog`: lets the set's author place the hot spot of a custom cursor and
// try the cursor over shapes of many colours before the set is written. It gives
// back the cursor (planes and hot spot); whoever asked puts it where it belongs.
// The trial cursor is the dialog's own while it is shown: the game's cursors are
// never touched.
#include <QDialog>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <QCursor>
#include <QPoint>

#include "ui/GameDialog.h"
#include "imageset/CursorPicture.h"

class QCursor;

// A custom cursor as the set stores it.
struct SetCursor {
  CursorPlanes planes{};
  QPoint hotSpot;
};
class QFrame;
class QSpinBox;


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
  explicit CursorSetupDialog(QWidget* parent = nullptr);

  // Loads the wizard's cursor file into the preview; false when it is not a picture.
  bool loadCursorPicture(const QString& path) { return preview_->loadFromFile(path); }
  // The planes the writer stores: those of the preview's bitmap.
  CursorPlanes cursorPlanes() const { return makeCursorPlanes(preview_->bitmap()); }
  // The trial cursor while the dialog is shown, else nullptr.
  const QCursor* trialCursor() const { return trialCursor_.get(); }
  // The cursor as set up: the planes of the picture and the hot spot.
  SetCursor cursor() const;
  void setHotSpot(QPoint at);
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

  std::unique_ptr<QCursor> trialCursor_;
  QFrame* testArea_;  // shows the trial cursor, except over its "Normal Cursor" panel
  QSpinBox* hotSpotX_;
  QSpinBox* hotSpotY_;
  CursorPreview* preview_;
};
