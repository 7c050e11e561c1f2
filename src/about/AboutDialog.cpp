#include "about/AboutDialog.h"

#include <QLabel>
#include <algorithm>
#include <QPixmap>
#include <QPushButton>

#include "ui/AppInfo.h"
#include "ui/AppStyle.h"
#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"

namespace {
QLabel* label(QWidget* parent, const QString& text, int left, int top) {
  auto* l = new QLabel(text, parent);
  l->setTextFormat(Qt::PlainText);
  l->move(left, top);
  l->adjustSize();
  return l;
}

void setTextColor(QLabel* l, const QColor& color) {
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, color);
  l->setPalette(pal);
}
}  // namespace

AboutDialog::AboutDialog(bool audioOpened, QWidget* parent) : GameDialog(true, parent), audioOpened_(audioOpened) {
  setWindowTitle(QStringLiteral("About ") + QLatin1String(kAppName));

  emblem = new QLabel(this);
  emblem->setGeometry(8, 8, 32, 32);
  // The emblem may not be built into this copy; the box works without it.
  const QImage picture(QStringLiteral(":/Emblem.bmp"));
  if (!picture.isNull()) emblem->setPixmap(sharpPixmap(picture, emblem->devicePixelRatioF()));

  nameLabel = label(this, QLatin1String(kAppName), 48, 8);
  versionLabel = label(this, QLatin1String(kAppVersion), 113, 8);
  // Never over the name, whatever face the dialog font finds.
  versionLabel->move(qMax(113, nameLabel->geometry().right() + 3), 8);

  const int audioLeft = std::max(171, versionLabel->geometry().right() + 12);
  audioFailedLabel = label(this, QStringLiteral("Pie Vorb Quarn Audio System Failed..."), audioLeft, 8);
  setTextColor(audioFailedLabel, Qt::blue);
  audioFailedLabel->setToolTip(QStringLiteral("This was probably because WAVE device in use on startup"));

  // Opaque, so when shown it covers the failed line beneath it.
  audioEnabledLabel = label(this, QStringLiteral("Pie Vorb Quarn Audio System Enabled!"), audioLeft - 3, 8);
  audioEnabledLabel->resize(qMax(audioEnabledLabel->width(), audioFailedLabel->geometry().right() + 1 - audioEnabledLabel->x()), audioEnabledLabel->height());
  audioEnabledLabel->setAutoFillBackground(true);
  setTextColor(audioEnabledLabel, appstyle::kAlertRed);
  // As wide as the audio line needs.
  const int width = std::max(345, audioEnabledLabel->geometry().right() + 9);
  setFixedSize(width, 161);

  buildLinks();

  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  okButton->setGeometry((width - 157) / 2, 120, 157, 25);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

// The author's name, the blurb and the web page.
void AboutDialog::buildLinks() {
  createdByLabel = label(this, QStringLiteral("Created by"), 48, 28);
  authorLink = new LinkLabel(this);
  authorLink->move(std::max(104, createdByLabel->geometry().right() + 5), 28);
  authorLink->setCaption(QLatin1String(kAuthorName));
  authorLink->adjustSize();
  authorLink->setUrl(QLatin1String(kAuthorWebPage));

  blurbLabel = new QLabel(
      QStringLiteral("Ever wished you could be the one pushing the pie into that face? "
                     "With this game, now you can!"),
      this);
  blurbLabel->setGeometry(8, 48, width() - 16, 26);
  blurbLabel->setWordWrap(true);
  blurbLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fitHeight(blurbLabel);

  visitLabel = label(this, QStringLiteral("Visit my"), 8, 84);
  webSiteLink = new LinkLabel(this);
  webSiteLink->move(std::max(48, visitLabel->geometry().right() + 5), 84);
  webSiteLink->setCaption(QStringLiteral("Web Site:"));
  webSiteLink->adjustSize();
  webSiteLink->setUrl(QLatin1String(kAuthorWebPage));
}

void AboutDialog::aboutToShow() { audioEnabledLabel->setVisible(audioOpened_); }

void AboutDialog::openWebSite() { webSiteLink->click(); }
