#include "wizard/Cp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

namespace {
constexpr int kTroughWidth = 585;
constexpr int kBevel = 2;
}  // namespace

TCreateProgress::TCreateProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Creating eXtended Image Set File..."));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(592, 57);

  Label1 = new QLabel(QStringLiteral("Attempting to create image set file, please wait..."), this);
  Label1->setGeometry(4, 4, 320, 16);

  Status = new QLabel(this);
  Status->setObjectName(QStringLiteral("Status"));
  Status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Status->setGeometry(592 - 4 - 341, 4, 341, 16);

  Progress = new QLabel(QStringLiteral("I m a g e    S e t    C r e a t i o n    P r o g r e s s . . ."), this);
  Progress->setObjectName(QStringLiteral("Progress"));
  Progress->setGeometry(3, 24, kTroughWidth, 29);
  Progress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Progress->setLineWidth(kBevel / 2);
  Progress->setMidLineWidth(0);
  Progress->setAlignment(Qt::AlignCenter);
  Progress->setAutoFillBackground(true);
  Progress->setStyleSheet(QStringLiteral(
      "QLabel#Progress { background: #c0c0c0; color: #808080; font-weight: bold; font-size: 16px;"
      " border: 2px inset #808080; }"));

  Pg = new QLabel(QStringLiteral("0%"), Progress);
  Pg->setObjectName(QStringLiteral("Pg"));
  Pg->setAlignment(Qt::AlignCenter);
  Pg->setStyleSheet(QStringLiteral("QLabel#Pg { background: #000080; color: white; font-weight: bold; }"));
  Pg->setGeometry(kBevel, kBevel, 0, 25);
}

void TCreateProgress::SetStatus(const QString& text) { Status->setText(text); }

void TCreateProgress::ShowProgress(qint64 written, qint64 total) {
  if (written != lastWritten) {
    lastWritten = written;
    const quint64 a = static_cast<quint64>(written) / 256;
    quint64 b = static_cast<quint64>(total) / 256;
    if (b == 0) b = 1;
    const auto w = static_cast<int>(a * static_cast<quint64>(kTroughWidth - 4) / b);
    if (w != lastWidth) {
      lastWidth = w;
      // Past the estimate the bar stops at the trough's inner edge.
      Pg->setFixedWidth(std::min(w, kTroughWidth - 2 * kBevel));
      Pg->setText(QString::number(a * 100 / b) + QLatin1Char('%'));
    }
  }
  pump();
}

void TCreateProgress::pump() { QApplication::processEvents(); }

void TCreateProgress::Finish() {
  Tag = 1;
  close();
}

void TCreateProgress::showEvent(QShowEvent* event) {
  Tag = 0;
  QDialog::showEvent(event);
}

void TCreateProgress::closeEvent(QCloseEvent* event) {
  if (Tag == 1)
    event->accept();
  else
    event->ignore();
}

// Escape would hide the window without asking closeEvent.
void TCreateProgress::reject() {
  if (Tag == 1) QDialog::reject();
}
