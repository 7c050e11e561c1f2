#include "wizard/CursorSetupDialog.h"

#include <QFileInfo>
#include <algorithm>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "imageset/ActiveSet.h"
#include "ui/DialogLook.h"
#include "wizard/WizardParts.h"
#include "imageset/BmpDecode.h"
#include "imageset/CursorTable.h"

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
  HotSpotEdit() { setRange(0, 31); }

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

QFrame* square(const char* fill, const char* outline) {
  auto* shape = new QFrame;
  shape->setFixedSize(25, 25);
  shape->setStyleSheet(QStringLiteral("QFrame { background-color: %1; border: 1px solid %2; }")
                           .arg(QLatin1String(fill), QLatin1String(outline)));
  return shape;
}

HotSpotEdit* hotSpotEdit(const char* name) {
  auto* edit = new HotSpotEdit;
  edit->setObjectName(QLatin1String(name));
  edit->setMinimumWidth(62);
  return edit;
}

}  // namespace

CursorSetupDialog::CursorSetupDialog(QWidget* parent) : GameDialog(true, parent) {
  setWindowTitle(tr("Custom Cursor Setup"));
  auto* bevel = new QFrame;
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setLineWidth(1);
  bevel->setFixedSize(34, 34);
  preview_ = new CursorPreview(bevel);
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->move(1, 1);

  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = addButton(*buttons, QCoreApplication::translate("DialogLook", "&Ok"), QDialogButtonBox::AcceptRole, {121, 29});
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(15);
  bottom->addWidget(makeHotSpotBox());
  bottom->addWidget(bevel, 0, Qt::AlignVCenter);
  bottom->addWidget(buttons, 1, Qt::AlignBottom);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(3, 3, 4, 4);
  column->setSpacing(4);
  column->addWidget(makeTestArea());
  column->addLayout(bottom);
  setDesignSize({420, 167});
  connect(hotSpotX_, &QSpinBox::valueChanged, this, &CursorSetupDialog::hotSpotChanged);
  connect(hotSpotY_, &QSpinBox::valueChanged, this, &CursorSetupDialog::hotSpotChanged);
}

// Squares of many colours, a button and a panel with the ordinary pointer.
QWidget* CursorSetupDialog::makeTestArea() {
  testArea_ = new QFrame;
  testArea_->setObjectName(QStringLiteral("testArea"));
  testArea_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  testArea_->setLineWidth(1);

  // Rows of colours a cursor is likely to meet; black outlines around the light
  // ones, white around the dark ones, so each edge is visible.
  static const char* const fills[12] = {"#ff0000", "#ffff00", "#00ff00", "#0000ff", "#ffffff", "#000000",
                                        "#808080", "#ff00ff", "#008000", "#800000", "#800080", "#808000"};
  auto* squares = new QGridLayout;
  squares->setSpacing(3);
  for (int i = 0; i < 12; ++i) squares->addWidget(square(fills[i], i < 5 ? "#000000" : "#ffffff"), i / 4, i % 4);

  auto* caption = new QLabel(tr("Cursor Test Area"));
  QFont bold = font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->setAlignment(Qt::AlignCenter);

  auto* testButton = new SizedButton(tr("Test Button (does nothing)"), {173, 33});
  testButton->setAutoDefault(false);
  auto* normal = new QLabel(tr("Normal Cursor"));
  normal->setObjectName(QStringLiteral("normalCursor"));
  QFont boldItalic = bold;
  boldItalic.setItalic(true);
  normal->setFont(boldItalic);
  normal->setAlignment(Qt::AlignCenter);
  normal->setFrameStyle(QFrame::Panel | QFrame::Raised);
  // The one place in the test area that keeps the ordinary pointer, to compare.
  normal->setCursor(Qt::ArrowCursor);
  auto* right = new QVBoxLayout;
  right->setContentsMargins(0, 4, 0, 4);
  right->setSpacing(15);
  right->addWidget(testButton);
  right->addWidget(normal);
  right->addStretch();

  auto* row = new QHBoxLayout(testArea_);
  row->setContentsMargins(7, 7, 7, 7);
  row->setSpacing(0);
  row->addLayout(squares);
  row->addWidget(caption, 1);
  row->addLayout(right);
  setLeastSize(normal, {173, 29});
  setLeastSize(testArea_, {413, 101});
  return testArea_;
}

QWidget* CursorSetupDialog::makeHotSpotBox() {
  auto* box = new QGroupBox(tr(" &Hot Spot (where click point is) "));
  hotSpotX_ = hotSpotEdit("hotSpotX");
  hotSpotY_ = hotSpotEdit("hotSpotY");
  auto* x = new QLabel(tr("X:"));
  auto* y = new QLabel(tr("Y:"));
  x->setBuddy(hotSpotX_);
  y->setBuddy(hotSpotY_);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(12, wizardparts::groupTopMargin(box, 4), 12, 4);
  row->setSpacing(2);
  row->addWidget(x);
  row->addWidget(hotSpotX_);
  row->addSpacing(20);
  row->addWidget(y);
  row->addWidget(hotSpotY_);
  row->addStretch();
  box->setFocusProxy(hotSpotX_);
  setLeastSize(box, {215, 55});
  return box;
}

QPoint CursorSetupDialog::hotSpot() const { return {hotSpotX_->value(), hotSpotY_->value()}; }

void CursorSetupDialog::resetHotSpot() {
  hotSpotX_->setValue(0);
  hotSpotY_->setValue(0);
}

void CursorSetupDialog::setHotSpot(QPoint at) {
  hotSpotX_->setValue(std::clamp(at.x(), 0, 31));
  hotSpotY_->setValue(std::clamp(at.y(), 0, 31));
}

SetCursor CursorSetupDialog::cursor() const { return {cursorPlanes(), hotSpot()}; }

void CursorSetupDialog::installTrialCursor() {
  const CursorPlanes planes = cursorPlanes();
  trialCursor_ = cursorFromPlanes(planes.data(), hotSpotX_->value(), hotSpotY_->value());
  if (trialCursor_)
    testArea_->setCursor(*trialCursor_);
  else
    testArea_->unsetCursor();
}

void CursorSetupDialog::removeTrialCursor() {
  testArea_->unsetCursor();
  trialCursor_.reset();
}

void CursorSetupDialog::hotSpotChanged() {
  // The wizard command zeroes the hot spot while the dialog is hidden; that must
  // not build a cursor nobody will release.
  if (isVisible()) installTrialCursor();
}

void CursorSetupDialog::aboutToShow() {
  // The hot spot is what there is to do here; the test button is only a target.
  hotSpotX_->setFocus();
  installTrialCursor();
}

void CursorSetupDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) removeTrialCursor();
}
