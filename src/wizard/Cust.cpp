#include "wizard/Cust.h"

#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include "about/DialogLook.h"
#include "game/Game.h"
#include "imageset/BmpDecode.h"
#include "imageset/CursorTable.h"

CursorPlanes MakeCursorPlanes(const QImage& bitmap) {
  CursorPlanes planes{};
  std::uint8_t* andPlane = planes.data();
  std::uint8_t* xorPlane = planes.data() + 128;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      bool andBit = true;  // transparent unless the colour says otherwise
      bool xorBit = false;
      if (x < bitmap.width() && y < bitmap.height()) {
        const QRgb c = bitmap.pixel(x, y);
        const int r = qRed(c), g = qGreen(c), b = qBlue(c);
        if (r == 0 && g == 0 && b == 0) {
          andBit = false;
        } else if (r == 255 && g == 255 && b == 255) {
          andBit = false;
          xorBit = true;
        } else if (r == 255 && g == 0 && b == 0) {
          xorBit = true;
        }
      }
      const int byte = 4 * y + x / 8;
      const std::uint8_t bit = std::uint8_t(0x80u >> (x % 8));
      if (andBit) andPlane[byte] |= bit;
      if (xorBit) xorPlane[byte] |= bit;
    }
  }
  return planes;
}

// ---------------------------------------------------------------------------

TCursorImage::TCursorImage(QWidget* parent) : QWidget(parent) { resize(32, 32); }

bool TCursorImage::LoadFromFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  QImage loaded;
  if (suffix == QLatin1String("bmp")) {
    QString error;
    loaded = loadBmpFile(path, &error);
  } else if (!suffix.isEmpty()) {
    // Any other kind of picture is only shown; the reader is picked by the
    // extension, so a bitmap under another name does not pass for one.
    QImageReader reader(path, suffix.toLatin1());
    loaded = reader.read();
  }
  if (loaded.isNull()) return false;
  picture_ = loaded;
  isBitmap_ = suffix == QLatin1String("bmp");
  update();
  return true;
}

void TCursorImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), picture_, QRect(0, 0, 32, 32));
}

// ---------------------------------------------------------------------------

namespace {

// A hot-spot field that takes whatever is typed and settles it when it loses
// focus: out of range goes to the nearest bound, anything not a number to 0.
class HotSpotEdit : public QSpinBox {
 public:
  explicit HotSpotEdit(QWidget* parent) : QSpinBox(parent) { setRange(0, 31); }

 protected:
  QValidator::State validate(QString& text, int&) const override {
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[-+]?\\d*\\s*$"));
    if (!wholeNumber.match(text).hasMatch()) return QValidator::Invalid;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
  }
  void fixup(QString& text) const override {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    text = QString::number(ok ? qBound(qlonglong(minimum()), v, qlonglong(maximum())) : 0);
  }
};

QFrame* square(QWidget* parent, int left, int top, const char* fill, const char* outline) {
  auto* shape = new QFrame(parent);
  shape->setGeometry(left, top, 25, 25);
  shape->setStyleSheet(QStringLiteral("QFrame { background-color: %1; border: 1px solid %2; }")
                           .arg(QLatin1String(fill), QLatin1String(outline)));
  return shape;
}

}  // namespace

TCustomSetup::TCustomSetup(Game& game, QWidget* parent) : QDialog(parent, dialogFlags(true)), game_(game) {
  setWindowTitle(QStringLiteral("Custom Cursor Setup"));
  setFont(dialogFont());
  setFixedSize(420, 167);

  Panel1 = new QFrame(this);
  Panel1->setGeometry(3, 3, 413, 101);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);

  // Rows of colours a cursor is likely to meet; black outlines around the light
  // ones, white around the dark ones, so each edge is visible.
  static const char* const fills[12] = {"#ff0000", "#ffff00", "#00ff00", "#0000ff", "#ffffff", "#000000",
                                        "#808080", "#ff00ff", "#008000", "#800000", "#800080", "#808000"};
  for (int i = 0; i < 12; ++i) {
    const int row = i / 4, col = i % 4;
    const char* outline = (i < 5) ? "#000000" : "#ffffff";
    Shapes[i] = square(Panel1, 8 + 28 * col, 8 + 28 * row, fills[i], outline);
  }

  Label1 = new QLabel(QStringLiteral("Cursor Test Area"), Panel1);
  QFont bold = font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(117, 40, 115, 16);

  Button2 = new QPushButton(QStringLiteral("Test Button (does nothing)"), Panel1);
  Button2->setGeometry(232, 12, 173, 33);
  Button2->setAutoDefault(false);

  Panel2 = new QLabel(QStringLiteral("Normal Cursor"), Panel1);
  QFont boldItalic = bold;
  boldItalic.setItalic(true);
  Panel2->setFont(boldItalic);
  Panel2->setAlignment(Qt::AlignCenter);
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel2->setGeometry(232, 60, 173, 29);
  // The one place in the test area that keeps the ordinary pointer, to compare.
  Panel2->setCursor(Qt::ArrowCursor);

  GroupBox1 = new QGroupBox(QStringLiteral(" &Hot Spot (where click point is) "), this);
  GroupBox1->setGeometry(3, 110, 185, 51);
  Label2 = new QLabel(QStringLiteral("X:"), GroupBox1);
  Label2->setGeometry(12, 24, 14, 13);
  X1 = new HotSpotEdit(GroupBox1);
  X1->setGeometry(28, 20, 57, 22);
  Label3 = new QLabel(QStringLiteral("Y:"), GroupBox1);
  Label3->setGeometry(100, 24, 14, 13);
  Y1 = new HotSpotEdit(GroupBox1);
  Y1->setGeometry(116, 20, 57, 22);
  Label2->setBuddy(X1);
  Label3->setBuddy(Y1);
  GroupBox1->setFocusProxy(X1);

  Bevel1 = new QFrame(this);
  Bevel1->setGeometry(223, 118, 34, 34);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel1->setLineWidth(1);
  Curimg = new TCursorImage(this);
  Curimg->setGeometry(224, 119, 32, 32);

  Button1 = new QPushButton(QStringLiteral("&Ok"), this);
  Button1->setGeometry(295, 127, 121, 29);
  Button1->setDefault(true);

  connect(Button1, &QPushButton::clicked, this, &TCustomSetup::Button1Click);
  connect(X1, &QSpinBox::valueChanged, this, &TCustomSetup::hotSpotChanged);
  connect(Y1, &QSpinBox::valueChanged, this, &TCustomSetup::hotSpotChanged);

  FormCreate();
}

void TCustomSetup::FormCreate() { trialCursor_ = nullptr; }

void TCustomSetup::FormShow() {
  CursorTable& table = game_.cursors;
  // The set's own cursor dies with the slot; nothing may point at it afterwards.
  if (game_.set.customCursor && table.get(kCustomCursorSlot) == game_.set.customCursor)
    game_.set.customCursor = nullptr;
  table.clear(kCustomCursorSlot);
  trialCursor_ = nullptr;

  const CursorPlanes planes = CurimgPlanes();
  table.set(kCustomCursorSlot, CursorFromPlanes(planes.data(), X1->value(), Y1->value()));
  trialCursor_ = table.get(kCustomCursorSlot);
  if (trialCursor_)
    Panel1->setCursor(*trialCursor_);
  else
    Panel1->unsetCursor();
}

void TCustomSetup::FormClose() {
  Panel1->unsetCursor();
  CursorTable& table = game_.cursors;
  if (trialCursor_ && table.get(kCustomCursorSlot) == trialCursor_) table.clear(kCustomCursorSlot);
  trialCursor_ = nullptr;
}

void TCustomSetup::Button1Click() { accept(); }

void TCustomSetup::hotSpotChanged() {
  // The wizard command zeroes the hot spot while the dialog is hidden; that must
  // not build a cursor nobody will release.
  if (isVisible()) FormShow();
}

void TCustomSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
  // The hot spot is what there is to do here; the test button is only a target.
  X1->setFocus();
  FormShow();
}

void TCustomSetup::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) FormClose();
}
