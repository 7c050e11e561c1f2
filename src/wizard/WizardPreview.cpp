#include "wizard/WizardPreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <QVBoxLayout>

#include "imageset/BmpDecode.h"
#include "imageset/CursorTable.h"
#include "imageset/DefaultSet.h"
#include "board/SetPreview.h"
#include "imageset/SetReaders.h"
#include "imageset/CursorPicture.h"
#include "wizard/PictureImport.h"
#include "wizard/StripChecks.h"

namespace {

constexpr QSize kWizardPreviewSize{232, 190};

// Puts the picture a name holds in place; a blank name keeps what is there.
void takePicture(const QString& name, const QString& path, QImage& into, PictureBounds bounds, QRgb page,
                 QStringList& warnings) {
  if (path.trimmed().isEmpty()) return;
  PictureImport imported = importPicture(path, bounds, page);
  if (!imported.ok()) {
    warnings << WizardPreview::tr("%1 cannot be read: %2").arg(name, imported.error);
    return;
  }
  into = std::move(imported.picture);
}

void takeCursor(const SetInputs& in, LoadedSet& set) {
  set.cursorSlot = in.cursorChoice;
  if (in.cursorChoice != kCustomCursorSlot) return;
  const QImage bitmap = importPicture(in.cursorFile, kAnyPictureBounds, colourFromValue(in.pageColour).rgb()).picture;
  if (bitmap.isNull()) return;
  const CursorPlanes planes = makeCursorPlanes(bitmap);
  CustomCursor cursor;
  std::copy(planes.begin(), planes.end(), cursor.planes.begin());
  cursor.hotX = in.hotSpotX;
  cursor.hotY = in.hotSpotY;
  set.cursor = cursor;
}

QString targetCount(const char* strip, int targets) {
  if (targets < 0) return WizardPreview::tr("%1: not chosen").arg(QLatin1String(strip));
  return (targets == 1 ? WizardPreview::tr("%1: %2 target") : WizardPreview::tr("%1: %2 targets"))
      .arg(QLatin1String(strip))
      .arg(targets);
}

}  // namespace

WizardLook wizardLook(const SetInputs& in) {
  WizardLook look{builtinSet(), -1, -1, {}};
  LoadedSet& set = look.set;
  QStringList& warnings = look.warnings;
  const QRgb page = colourFromValue(in.pageColour).rgb();
  const bool figureChosen = !in.pict1.trimmed().isEmpty(), splatChosen = !in.pict2.trimmed().isEmpty();
  takePicture(QStringLiteral("Pict1.bmp"), in.pict1, set.targetStrip, kStripBounds, page, warnings);
  takePicture(QStringLiteral("Pict2.bmp"), in.pict2, set.splatStrip, kStripBounds, page, warnings);
  takePicture(QStringLiteral("title.bmp"), in.titleBmp, set.title, kTitleBounds, page, warnings);
  takePicture(QStringLiteral("numbers.bmp"), in.numbersBmp, set.digitStrip, kDigitStripBounds, page, warnings);
  takePicture(QStringLiteral("count.bmp"), in.countBmp, set.countStrip, kCountStripBounds, page, warnings);
  QImage misc;
  takePicture(QStringLiteral("miscpics.bmp"), in.miscBmp, misc, kMiscPicturesBounds, page, warnings);
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
    return path.trimmed().isEmpty() ? WizardPreview::tr(builtin) : QString::fromLatin1(name);
  };
  // Every target of both strips stands on the page: each strip's own targets are looked at.
  QList<PictureOnPage> onPage;
  const auto addTargets = [&](const QString& path, const char* name, const char* builtin, const QImage& strip) {
    const QList<QRgb> backgrounds = targetBackgrounds(strip);
    for (qsizetype t = 0; t < backgrounds.size(); ++t) {
      const QString label = named(path, name, builtin);
      onPage.append({backgrounds.size() == 1 ? label : WizardPreview::tr("%1 target %2").arg(label).arg(t + 1), backgrounds[t]});
    }
  };
  addTargets(in.pict1, "Pict1.bmp", QT_TRANSLATE_NOOP("WizardPreview", "the built-in figure"), set.targetStrip);
  addTargets(in.pict2, "Pict2.bmp", QT_TRANSLATE_NOOP("WizardPreview", "the built-in splat"), set.splatStrip);
  onPage.append({named(in.countBmp, "count.bmp", QT_TRANSLATE_NOOP("WizardPreview", "the built-in count-down")),
                 pictureBackground(set.countStrip)});
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
  target_ = new QSpinBox(this);
  target_->setObjectName(QStringLiteral("previewTarget"));
  target_->setPrefix(tr("Target "));
  target_->setAccessibleName(tr("Target shown"));
  target_->setVisible(false);
  connect(target_, &QSpinBox::valueChanged, this, [this] { showInputs(lastInputs_); });
  auto* column = new QVBoxLayout;
  column->addWidget(targets_);
  column->addWidget(target_, 0, Qt::AlignLeft);
  column->addWidget(warnings_, 1);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(picture_, 0, Qt::AlignTop);
  row->addLayout(column, 1);
}

void WizardPreview::showInputs(const SetInputs& in) {
  WizardLook look = wizardLook(in);
  const int targets = std::max({look.figureTargets, look.splatTargets, 1});
  {
    const QSignalBlocker quiet(target_);
    target_->setRange(1, targets);
  }
  target_->setVisible(targets > 1);
  const int shown = target_->value() - 1;
  look.set.targetStrip = targetRows(look.set.targetStrip, shown);
  look.set.splatStrip = targetRows(look.set.splatStrip, shown);
  lastInputs_ = in;
  picture_->setPixmap(QPixmap::fromImage(drawSetPreview(look.set, kWizardPreviewSize - QSize(2, 2), picture_->devicePixelRatioF())));
  targets_->setText(targetCount("Pict1.bmp", look.figureTargets) + QStringLiteral("    ") +
                   targetCount("Pict2.bmp", look.splatTargets));
  warnings_->setText(look.warnings.join(QLatin1Char('\n')));
}
