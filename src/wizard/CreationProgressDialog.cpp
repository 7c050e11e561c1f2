#include "wizard/CreationProgressDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kTroughWidth = 585;
constexpr int kTroughHeight = 29;
constexpr int kBevel = 2;
}  // namespace

CreationProgressDialog::CreationProgressDialog(Clock clock, QWidget* parent)
    : GameDialog(false, parent), clock_(std::move(clock)) {
  setWindowTitle(tr("Creating eXtended Image Set File..."));
  setAttribute(Qt::WA_DeleteOnClose);

  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("status"));
  status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* top = new QHBoxLayout;
  top->setContentsMargins(1, 0, 0, 0);
  top->addWidget(new QLabel(tr("Attempting to create image set file, please wait...")));
  top->addWidget(status_, 1);

  trough_ = new QLabel(tr("I m a g e    S e t    C r e a t i o n    P r o g r e s s . . ."));
  trough_->setObjectName(QStringLiteral("trough"));
  trough_->setMinimumWidth(kTroughWidth);
  trough_->setFixedHeight(kTroughHeight);
  trough_->setAlignment(Qt::AlignCenter);
  trough_->setStyleSheet(QStringLiteral(
      "QLabel#trough { background: black; color: #ff9315; font-weight: bold; font-size: 16px;"
      " border: 2px inset #808080; }"));
  // The bar grows over the trough from its left edge; its width is the share written.
  bar_ = new QLabel(QStringLiteral("0%"), trough_);
  bar_->setObjectName(QStringLiteral("bar"));
  bar_->setAlignment(Qt::AlignCenter);
  // The banner's orange fills the black trough.
  bar_->setStyleSheet(QStringLiteral("QLabel#bar { background: #ff9315; color: black; font-weight: bold; }"));
  bar_->setGeometry(kBevel, kBevel, 0, kTroughHeight - 2 * kBevel);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(3, 4, 4, 4);
  column->setSpacing(2);
  column->addLayout(top);
  column->addWidget(trough_);
  setDesignSize({592, 57});
}

void CreationProgressDialog::drawStatus(const QString& text) { status_->setText(text); }

void CreationProgressDialog::drawProgress(qint64 written, qint64 total) {
  if (written != lastWritten_) {
    lastWritten_ = written;
    const quint64 a = static_cast<quint64>(written) / 256;
    quint64 b = static_cast<quint64>(total) / 256;
    if (b == 0) b = 1;
    const int troughWidth = trough_->width();
    const auto w = static_cast<int>(a * static_cast<quint64>(troughWidth - 4) / b);
    if (w != lastWidth_) {
      lastWidth_ = w;
      // Past the estimate the bar stops at the trough's inner edge.
      bar_->setFixedWidth(std::min(w, troughWidth - 2 * kBevel));
      bar_->setText(QString::number(a * 100 / b) + QLatin1Char('%'));
    }
  }
  pumpEvents();
}

void CreationProgressDialog::pumpEvents() {
  const qint64 now = clock_();
  if (lastPump_ && now - *lastPump_ < kPumpInterval) return;
  lastPump_ = now;
  QApplication::processEvents();
}

void CreationProgressDialog::finish() {
  finished_ = true;
  close();
}

void CreationProgressDialog::aboutToShow() { finished_ = false; }

void CreationProgressDialog::closeEvent(QCloseEvent* event) {
  if (finished_)
    event->accept();
  else
    event->ignore();
}

// Escape would hide the window without asking closeEvent.
void CreationProgressDialog::reject() {
  if (finished_) QDialog::reject();
}
