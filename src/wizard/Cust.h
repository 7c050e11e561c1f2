#pragma once
// `TCustomSetup`: lets the set's author place the hot spot of a custom cursor and
// try the cursor over shapes of many colours before the set is written. One
// instance lives for the whole run; `X1`/`Y1` are the hot spot the writer stores.
//
// While the dialog is shown its trial cursor sits in cursor slot 8, which the
// current set's own cursor is using: showing the dialog destroys that cursor and
// closing it leaves slot 8 empty. The dialog itself owns no cursor.
#include <QDialog>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

class Game;
class QCursor;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

using CursorPlanes = std::array<std::uint8_t, 256>;  // AND plane (0-127), XOR plane (128-255)

// The planes of a 32 x 32 monochrome cursor from a picture's top-left 32 x 32
// pixels: black stays black, white stays white, pure red inverts, every other
// colour (and anything beyond a smaller picture) is transparent. Colours must
// match exactly. A null image gives a wholly transparent cursor.
CursorPlanes MakeCursorPlanes(const QImage& bitmap);

// `Curimg`: shows the cursor picture's top-left 32 x 32 pixels. Only a bitmap
// counts for the cursor; another kind of picture is shown but its planes come
// out transparent.
class TCursorImage : public QWidget {
  Q_OBJECT
 public:
  explicit TCursorImage(QWidget* parent);
  // Loads a picture of the kind its extension names (.bmp through the game's
  // own BMP decoding). False, leaving the old picture, when it does not load.
  bool LoadFromFile(const QString& path);
  const QImage& Picture() const { return picture_; }
  bool IsBitmap() const { return isBitmap_; }
  // What the planes are taken from: the bitmap, or an empty one for another kind.
  QImage Bitmap() const { return isBitmap_ ? picture_ : QImage(); }

 protected:
  void paintEvent(class QPaintEvent*) override;

 private:
  QImage picture_;
  bool isBitmap_ = false;
};

class TCustomSetup : public QDialog {
  Q_OBJECT
 public:
  explicit TCustomSetup(Game& game, QWidget* parent = nullptr);

  // Loads the wizard's cursor file into `Curimg`; false when it is not a picture.
  bool LoadCurimg(const QString& path) { return Curimg->LoadFromFile(path); }
  // The planes the writer stores: those of `Curimg`'s bitmap.
  CursorPlanes CurimgPlanes() const { return MakeCursorPlanes(Curimg->Bitmap()); }
  // The trial cursor while the dialog is shown, else nullptr (owned by slot 8).
  const QCursor* TrialCursor() const { return trialCursor_; }

  QFrame* Panel1;       // "Cursor Test Area"
  QLabel* Label1;       // its caption
  QFrame* Shapes[12];   // the coloured squares, row by row
  QPushButton* Button2; // "Test Button (does nothing)"
  QLabel* Panel2;       // "Normal Cursor"
  QGroupBox* GroupBox1; // " &Hot Spot (where click point is) "
  QLabel* Label2;       // "X:"
  QLabel* Label3;       // "Y:"
  QSpinBox* X1;
  QSpinBox* Y1;
  QFrame* Bevel1;
  TCursorImage* Curimg;
  QPushButton* Button1;  // "&Ok"

  void FormCreate();
  void FormShow();   // also on every change of X1 or Y1 while shown
  void FormClose();
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void hotSpotChanged();

  Game& game_;
  const QCursor* trialCursor_ = nullptr;
};
