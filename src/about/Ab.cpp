#include "about/Ab.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include "about/DialogLook.h"
#include "about/Link.h"

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

TAbout::TAbout(bool audioOpened, QWidget* parent) : QDialog(parent, dialogFlags(true)), audioOpened_(audioOpened) {
  setWindowTitle(QStringLiteral("About Pie Vorb Quarn"));
  setFont(dialogFont());
  setFixedSize(345, 161);

  Image1 = new QLabel(this);
  Image1->setGeometry(8, 8, 32, 32);
  // The emblem may not be built into this copy; the box works without it.
  const QPixmap emblem(QStringLiteral(":/Emblem.bmp"));
  if (!emblem.isNull()) Image1->setPixmap(emblem);

  Label1 = label(this, QStringLiteral("Pie Vorb Quarn"), 48, 8);
  Ver = label(this, QString(), 113, 8);
  // Never over the name, whatever face stands in for the original.
  Ver->move(qMax(113, Label1->geometry().right() + 3), 8);

  Label20 = label(this, QStringLiteral("Pie Vorb Quarn Audio System Failed..."), 171, 8);
  setTextColor(Label20, Qt::blue);
  Label20->setToolTip(QStringLiteral("This was probably because WAVE device in use on startup"));

  // Opaque, so when shown it covers the failed line beneath it.
  PE = label(this, QStringLiteral("Pie Vorb Quarn Audio System Enabled!"), 168, 8);
  PE->resize(qMax(PE->width(), Label20->geometry().right() + 1 - PE->x()), PE->height());
  PE->setAutoFillBackground(true);
  setTextColor(PE, Qt::red);

  Label2 = label(this, QStringLiteral("Created by"), 48, 28);
  tLink1 = new TLink(this);
  tLink1->move(104, 28);
  tLink1->setURL_Caption(QStringLiteral("The Zanthorp"));
  tLink1->adjustSize();
  tLink1->setURL(QLatin1String(AuthorWebPage));

  Label4 = new QLabel(
      QStringLiteral("Ever wished you could be the one pushing the pie into that face? "
                     "With this game, now you can!"),
      this);
  Label4->setGeometry(8, 48, 329, 26);
  Label4->setWordWrap(true);
  Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fitHeight(Label4);

  Label5 = label(this, QStringLiteral("Visit my"), 8, 84);
  tLink2 = new TLink(this);
  tLink2->move(48, 84);
  tLink2->setURL_Caption(QStringLiteral("Web Site:"));
  tLink2->adjustSize();
  tLink2->setURL(QLatin1String(AuthorWebPage));

  Button1 = new QPushButton(QStringLiteral("&Ok"), this);
  Button1->setGeometry(92, 120, 157, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  centreOnScreen(this);
  FormShow();
}

void TAbout::FormShow() {
  PE->setVisible(audioOpened_);
  Ver->setText(QStringLiteral("3.40"));
  Ver->adjustSize();
}
