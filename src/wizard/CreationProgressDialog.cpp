#include "wizard/CreationProgressDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <algorithm>

namespace {
constexpr int kTroughWidth = 585;
constexpr int kBevel = 2;
}  // namespace

CreationProgressDialog::CreationProgressDialog(QWidget* parent)
    : GameDialog(false, parent) {
  setWindowTitle(QStringLiteral("Creating eXtended Image Set File..."));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(592, 57);

  waitLabel = new QLabel(QStringLiteral("Attempting to create image set file, please wait..."), this);
  waitLabel->setGeometry(4, 4, 320, 18);

  statusLabel = new QLabel(this);
  statusLabel->setObjectName(QStringLiteral("statusLabel"));
  statusLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusLabel->setGeometry(592 - 4 - 341, 4, 341, 18);

  trough = new QLabel(QStringLiteral("I m a g e    S e t    C r e a t i o n    P r o g r e s s . . ."), this);
  trough->setObjectName(QStringLiteral("trough"));
  trough->setGeometry(3, 24, kTroughWidth, 29);
  trough->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  trough->setLineWidth(kBevel / 2);
  trough->setMidLineWidth(0);
  trough->setAlignment(Qt::AlignCenter);
  trough->setAutoFillBackground(true);
  trough->setStyleSheet(QStringLiteral(
      "QLabel#trough { background: black; color: #ff9315; font-weight: bold; font-size: 16px;"
      " border: 2px inset #808080; }"));

  bar = new QLabel(QStringLiteral("0%"), trough);
  bar->setObjectName(QStringLiteral("bar"));
  bar->setAlignment(Qt::AlignCenter);
  // The banner's orange fills the black trough.
  bar->setStyleSheet(QStringLiteral("QLabel#bar { background: #ff9315; color: black; font-weight: bold; }"));
  bar->setGeometry(kBevel, kBevel, 0, 25);
}

void CreationProgressDialog::drawStatus(const QString& text) { statusLabel->setText(text); }

void CreationProgressDialog::drawProgress(qint64 written, qint64 total) {
  if (written != lastWritten) {
    lastWritten = written;
    const quint64 a = static_cast<quint64>(written) / 256;
    quint64 b = static_cast<quint64>(total) / 256;
    if (b == 0) b = 1;
    const auto w = static_cast<int>(a * static_cast<quint64>(kTroughWidth - 4) / b);
    if (w != lastWidth) {
      lastWidth = w;
      // Past the estimate the bar stops at the trough's inner edge.
      bar->setFixedWidth(std::min(w, kTroughWidth - 2 * kBevel));
      bar->setText(QString::number(a * 100 / b) + QLatin1Char('%'));
    }
  }
  pumpEvents();
}

void CreationProgressDialog::pumpEvents() {
  const qint64 now = clock();
  if (lastPump_ && now - *lastPump_ < kPumpInterval) return;
  lastPump_ = now;
  QApplication::processEvents();
}

void CreationProgressDialog::finish() {
  finished = true;
  close();
}

void CreationProgressDialog::aboutToShow() { finished = false; }

void CreationProgressDialog::closeEvent(QCloseEvent* event) {
  if (finished)
    event->accept();
  else
    event->ignore();
}

// Escape would hide the window without asking closeEvent.
void CreationProgressDialog::reject() {
  if (finished) QDialog::reject();
}
