#include "about/AboutDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AppInfo.h"
#include "ui/AppStyle.h"
#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"
#include "ui/PaletteColour.h"

namespace {

QLabel* plainLabel(const QString& text, const char* name = nullptr) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  if (name) label->setObjectName(QLatin1String(name));
  return label;
}

LinkLabel* authorsPage(const QString& caption, const char* name) {
  auto* link = new LinkLabel;
  link->setObjectName(QLatin1String(name));
  link->setCaption(caption);
  link->setUrl(QLatin1String(kAuthorWebPage));
  return link;
}

// A caption and what follows it on one line, the rest of the line empty.
QHBoxLayout* line(QWidget* first, QWidget* second, int gap) {
  auto* row = new QHBoxLayout;
  row->setSpacing(gap);
  row->addWidget(first);
  row->addWidget(second);
  row->addStretch();
  return row;
}

}  // namespace

AboutDialog::AboutDialog(bool audioOpened, QWidget* parent) : GameDialog(true, parent), audioOpened_(audioOpened) {
  setWindowTitle(tr("About %1").arg(QLatin1String(kAppName)));

  auto* blurb = plainLabel(tr("Ever wished you could be the one pushing the pie into that face? "
                              "With this game, now you can!"));
  blurb->setWordWrap(true);
  webSiteLink_ = authorsPage(tr("Web Site:"), "webSiteLink");

  QDialogButtonBox* buttons = centredOkButtons(this, {157, 25});

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 9, 16);
  column->setSpacing(3);
  column->addLayout(makeHeading());
  column->addWidget(blurb);
  auto* visit = plainLabel(tr("Visit my"));
  visit->setBuddy(webSiteLink_);
  column->addLayout(line(visit, webSiteLink_, 5));
  column->addStretch();
  column->addWidget(buttons);
  setDesignSize({345, 161});
}

// The emblem beside the name, version and audio line, and the author under them.
QLayout* AboutDialog::makeHeading() {
  auto* emblem = new QLabel;
  emblem->setObjectName(QStringLiteral("emblem"));
  emblem->setAccessibleName(tr("%1 emblem").arg(QLatin1String(kAppName)));
  emblem->setFixedSize(32, 32);
  // The emblem may not be built into this copy; the box works without it.
  const QImage picture(QStringLiteral(":/Emblem.bmp"));
  if (!picture.isNull()) emblem->setPixmap(sharpPixmap(picture, emblem->devicePixelRatioF()));

  auto* failed = plainLabel(tr("%1 Audio System Failed...").arg(QLatin1String(kAppName)), "audioFailed");
  setPaletteColour(*failed, QPalette::WindowText, Qt::blue);
  failed->setToolTip(tr("This was probably because WAVE device in use on startup"));
  failed->setContentsMargins(3, 0, 0, 0);
  audioEnabled_ = plainLabel(tr("%1 Audio System Enabled!").arg(QLatin1String(kAppName)), "audioEnabled");
  audioEnabled_->setAutoFillBackground(true);
  setPaletteColour(*audioEnabled_, QPalette::WindowText, appstyle::kAlertRed);
  // Both lines in one place; the enabled one, opaque, hides the other when shown.
  auto* audio = new QGridLayout;
  audio->addWidget(failed, 0, 0);
  audio->addWidget(audioEnabled_, 0, 0);

  auto* nameLine = new QHBoxLayout;
  nameLine->setSpacing(3);
  nameLine->addWidget(plainLabel(QLatin1String(kAppName)));
  nameLine->addWidget(plainLabel(QLatin1String(kAppVersion), "version"));
  nameLine->addSpacing(3);
  nameLine->addLayout(audio);
  nameLine->addStretch();

  auto* lines = new QVBoxLayout;
  lines->setSpacing(3);
  lines->addLayout(nameLine);
  auto* createdBy = plainLabel(tr("Created by"));
  LinkLabel* author = authorsPage(QLatin1String(kAuthorName), "authorLink");
  createdBy->setBuddy(author);
  lines->addLayout(line(createdBy, author, 5));
  auto* heading = new QHBoxLayout;
  heading->setSpacing(8);
  heading->addWidget(emblem, 0, Qt::AlignTop);
  heading->addLayout(lines);
  return heading;
}

void AboutDialog::openWebSite() { webSiteLink_->click(); }

void AboutDialog::aboutToShow() { audioEnabled_->setVisible(audioOpened_); }
