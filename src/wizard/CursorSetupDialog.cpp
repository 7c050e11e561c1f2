#include "wizard/CursorSetupDialog.h"

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

#include "ui/DialogLook.h"
#include "imageset/ActiveSet.h"
#include "imageset/BmpDecode.h"
#include "imageset/CursorTable.h"

CursorPlanes makeCursorPlanes(const QImage& bitmap) {
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

CursorPreview::CursorPreview(QWidget* parent) : QWidget(parent) { resize(32, 32); }

bool CursorPreview::loadFromFile(const QString& path) {
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

void CursorPreview::paintEvent(QPaintEvent*) {
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

CursorSetupDialog::CursorSetupDialog(CursorTable& cursors, QWidget* parent)
    : GameDialog(true, parent), cursors_(cursors) {
  setWindowTitle(QStringLiteral("Custom Cursor Setup"));
  setFixedSize(420, 167);
  buildTestArea();
  buildHotSpotBox();
  buildPreviewAndOk();
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(hotSpotX, &QSpinBox::valueChanged, this, &CursorSetupDialog::hotSpotChanged);
  connect(hotSpotY, &QSpinBox::valueChanged, this, &CursorSetupDialog::hotSpotChanged);
}

// Squares of many colours, a button and a panel with the ordinary pointer.
void CursorSetupDialog::buildTestArea() {
  testArea = new QFrame(this);
  testArea->setGeometry(3, 3, 413, 101);
  testArea->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  testArea->setLineWidth(1);

  // Rows of colours a cursor is likely to meet; black outlines around the light
  // ones, white around the dark ones, so each edge is visible.
  static const char* const fills[12] = {"#ff0000", "#ffff00", "#00ff00", "#0000ff", "#ffffff", "#000000",
                                        "#808080", "#ff00ff", "#008000", "#800000", "#800080", "#808000"};
  for (int i = 0; i < 12; ++i) {
    const int row = i / 4, col = i % 4;
    const char* outline = (i < 5) ? "#000000" : "#ffffff";
    shapes[i] = square(testArea, 8 + 28 * col, 8 + 28 * row, fills[i], outline);
  }

  testAreaCaption = new QLabel(QStringLiteral("Cursor Test Area"), testArea);
  QFont bold = font();
  bold.setBold(true);
  testAreaCaption->setFont(bold);
  testAreaCaption->setAlignment(Qt::AlignCenter);
  testAreaCaption->setGeometry(117, 39, 115, 18);

  testButton = new QPushButton(QStringLiteral("Test Button (does nothing)"), testArea);
  testButton->setGeometry(232, 12, 173, 33);
  testButton->setAutoDefault(false);

  normalCursorPanel = new QLabel(QStringLiteral("Normal Cursor"), testArea);
  QFont boldItalic = bold;
  boldItalic.setItalic(true);
  normalCursorPanel->setFont(boldItalic);
  normalCursorPanel->setAlignment(Qt::AlignCenter);
  normalCursorPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  normalCursorPanel->setGeometry(232, 60, 173, 29);
  // The one place in the test area that keeps the ordinary pointer, to compare.
  normalCursorPanel->setCursor(Qt::ArrowCursor);
}

void CursorSetupDialog::buildHotSpotBox() {
  hotSpotBox = new QGroupBox(QStringLiteral(" &Hot Spot (where click point is) "), this);
  hotSpotBox->setGeometry(3, 108, 215, 55);
  xLabel = new QLabel(QStringLiteral("X:"), hotSpotBox);
  xLabel->setGeometry(12, 25, 14, 16);
  hotSpotX = new HotSpotEdit(hotSpotBox);
  hotSpotX->setObjectName(QStringLiteral("hotSpotX"));
  hotSpotX->setGeometry(28, 22, 62, 22);
  yLabel = new QLabel(QStringLiteral("Y:"), hotSpotBox);
  yLabel->setGeometry(110, 25, 14, 16);
  hotSpotY = new HotSpotEdit(hotSpotBox);
  hotSpotY->setObjectName(QStringLiteral("hotSpotY"));
  hotSpotY->setGeometry(126, 22, 62, 22);
  xLabel->setBuddy(hotSpotX);
  yLabel->setBuddy(hotSpotY);
  hotSpotBox->setFocusProxy(hotSpotX);
}

void CursorSetupDialog::buildPreviewAndOk() {
  previewBevel = new QFrame(this);
  previewBevel->setGeometry(233, 118, 34, 34);
  previewBevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  previewBevel->setLineWidth(1);
  preview = new CursorPreview(this);
  preview->setGeometry(234, 119, 32, 32);

  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  okButton->setGeometry(295, 127, 121, 29);
  okButton->setDefault(true);
}

void CursorSetupDialog::installTrialCursor() {
  CursorTable& table = cursors_;
  // The set's own cursor dies with the slot.
  table.clear(kCustomCursorSlot);
  trialCursor_ = nullptr;

  const CursorPlanes planes = cursorPlanes();
  table.set(kCustomCursorSlot, cursorFromPlanes(planes.data(), hotSpotX->value(), hotSpotY->value()));
  trialCursor_ = table.get(kCustomCursorSlot);
  if (trialCursor_)
    testArea->setCursor(*trialCursor_);
  else
    testArea->unsetCursor();
}

void CursorSetupDialog::removeTrialCursor() {
  testArea->unsetCursor();
  CursorTable& table = cursors_;
  if (trialCursor_ && table.get(kCustomCursorSlot) == trialCursor_) table.clear(kCustomCursorSlot);
  trialCursor_ = nullptr;
}

void CursorSetupDialog::hotSpotChanged() {
  // The wizard command zeroes the hot spot while the dialog is hidden; that must
  // not build a cursor nobody will release.
  if (isVisible()) installTrialCursor();
}

void CursorSetupDialog::aboutToShow() {
  // The hot spot is what there is to do here; the test button is only a target.
  hotSpotX->setFocus();
  installTrialCursor();
}

void CursorSetupDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) removeTrialCursor();
}

void CursorSetupDialog::resetHotSpot() {
  hotSpotX->setValue(0);
  hotSpotY->setValue(0);
}
