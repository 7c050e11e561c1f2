#include "wizard/WizardPreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "imageset/BmpDecode.h"
#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "board/SetPreview.h"
#include "imageset/SetReaders.h"
#include "wizard/CursorSetupDialog.h"
#include "wizard/StripChecks.h"

namespace {

constexpr QSize kWizardPreviewSize{232, 190};

// Puts the picture a name holds in place; a blank name keeps what is there.
void takePicture(const QString& name, const QString& path, QImage& into, PictureBounds bounds,
                 QStringList& warnings) {
  if (path.trimmed().isEmpty()) return;
  QString why;
  QImage picture = loadBmpFile(path, &why, bounds);
  if (picture.isNull()) {
    warnings << QStringLiteral("%1 cannot be read: %2").arg(name, why.isEmpty() ? QStringLiteral("not found") : why);
    return;
  }
  into = std::move(picture);
}

void takeCursor(const SetInputs& in, LoadedSet& set) {
  set.cursorSlot = in.cursorChoice;
  if (in.cursorChoice != kCustomCursorSlot) return;
  const QImage bitmap = loadBmpFile(in.cursorFile, nullptr, kAnyPictureBounds);
  if (bitmap.isNull()) return;
  const CursorPlanes planes = makeCursorPlanes(bitmap);
  CustomCursor cursor;
  std::copy(planes.begin(), planes.end(), cursor.planes.begin());
  cursor.hotX = in.hotSpotX;
  cursor.hotY = in.hotSpotY;
  set.cursor = cursor;
}

QString targetCount(const char* strip, int targets) {
  if (targets < 0) return QStringLiteral("%1: not chosen").arg(QLatin1String(strip));
  return QStringLiteral("%1: %2 %3").arg(QLatin1String(strip)).arg(targets).arg(targets == 1 ? "target" : "targets");
}

}  // namespace

WizardLook wizardLook(const SetInputs& in) {
  WizardLook look{builtinSet(), -1, -1, {}};
  LoadedSet& set = look.set;
  QStringList& warnings = look.warnings;
  const bool figureChosen = !in.pict1.trimmed().isEmpty(), splatChosen = !in.pict2.trimmed().isEmpty();
  takePicture(QStringLiteral("Pict1.bmp"), in.pict1, set.targetStrip, kStripBounds, warnings);
  takePicture(QStringLiteral("Pict2.bmp"), in.pict2, set.splatStrip, kStripBounds, warnings);
  takePicture(QStringLiteral("title.bmp"), in.titleBmp, set.title, kTitleBounds, warnings);
  takePicture(QStringLiteral("numbers.bmp"), in.numbersBmp, set.digitStrip, kDigitStripBounds, warnings);
  takePicture(QStringLiteral("count.bmp"), in.countBmp, set.countStrip, kCountStripBounds, warnings);
  QImage misc;
  takePicture(QStringLiteral("miscpics.bmp"), in.miscBmp, misc, kMiscPicturesBounds, warnings);
  if (!misc.isNull()) {
    set.holeBase = misc;
    cutMiscPictures(set);
  }
  set.playfieldColour = colourFromValue(in.pageColour);
  set.titleColour = colourFromValue(in.titleColour);
  takeCursor(in, set);

  if (figureChosen) look.figureTargets = targetsInStrip(set.targetStrip.height());
  if (splatChosen) look.splatTargets = targetsInStrip(set.splatStrip.height());
  if (figureChosen) warnings << stripHeightWarning(QStringLiteral("Pict1.bmp"), set.targetStrip.height());
  if (splatChosen) warnings << stripHeightWarning(QStringLiteral("Pict2.bmp"), set.splatStrip.height());
  if (figureChosen && splatChosen) warnings << stripCountWarning(look.figureTargets, look.splatTargets);

  // Named as the wizard names them, so the warning stays short whatever the paths.
  auto named = [](const QString& path, const char* name, const char* builtin) {
    return QString::fromLatin1(path.trimmed().isEmpty() ? builtin : name);
  };
  const QList<PictureOnPage> onPage = {
      {named(in.pict1, "Pict1.bmp", "the built-in figure"), pictureBackground(set.targetStrip)},
      {named(in.pict2, "Pict2.bmp", "the built-in splat"), pictureBackground(set.splatStrip)},
      {named(in.countBmp, "count.bmp", "the built-in count-down"), pictureBackground(set.countStrip)},
  };
  warnings << pageColourWarning(colourFromValue(in.pageColour).rgb(), onPage);
  warnings.removeAll(QString());
  return look;
}

WizardPreview::WizardPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("wizardPreview"));
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("previewPicture"));
  picture_->setFixedSize(kWizardPreviewSize);
  picture_->setFrameStyle(QFrame::Box | QFrame::Plain);
  targets_ = new QLabel(this);
  targets_->setObjectName(QStringLiteral("previewTargets"));
  warnings_ = new QLabel(this);
  warnings_->setObjectName(QStringLiteral("previewWarnings"));
  warnings_->setWordWrap(true);
  warnings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  warnings_->setStyleSheet(QStringLiteral("color: #c80000;"));
  auto* column = new QVBoxLayout;
  column->addWidget(targets_);
  column->addWidget(warnings_, 1);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(picture_, 0, Qt::AlignTop);
  row->addLayout(column, 1);
}

void WizardPreview::showInputs(const SetInputs& in) {
  const WizardLook look = wizardLook(in);
  picture_->setPixmap(QPixmap::fromImage(drawSetPreview(look.set, kWizardPreviewSize - QSize(2, 2))));
  targets_->setText(targetCount("Pict1.bmp", look.figureTargets) + QStringLiteral("    ") +
                   targetCount("Pict2.bmp", look.splatTargets));
  warnings_->setText(look.warnings.join(QLatin1Char('\n')));
}
