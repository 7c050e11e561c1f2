#pragma once
// `CreationProgressDialog`: the stage and the share of the file written while a set is
// created. The player cannot close it; the wizard shows it once the output file is
// open, relays the writer's reports to it, and calls finish() when the writer is done,
// after which the window closes and deletes itself.
#include <QDeadlineTimer>
#include <QPointer>
#include <functional>
#include <optional>

#include "ui/GameDialog.h"
#include "wizard/SetWriter.h"

class QLabel;

class CreationProgressDialog : public GameDialog {
  Q_OBJECT
 public:
  // Milliseconds on a steady clock; tests drive it by hand.
  using Clock = std::function<qint64()>;
  explicit CreationProgressDialog(Clock clock = [] { return QDeadlineTimer::current().deadline(); },
                                  QWidget* parent = nullptr);

  void drawStatus(const QString& text);
  // Redraws only when the count changed, in steps of 256 bytes, then lets pending
  // input through (see pumpEvents).
  void drawProgress(qint64 written, qint64 total);
  // Lets the window system handle pending input and repaint, at most once every
  // kPumpInterval: a set is written in thousands of pieces, and a round of events
  // for each would cost more than the writing.
  void pumpEvents();
  static constexpr qint64 kPumpInterval = 15;  // milliseconds
  // Allows closing and closes; the window deletes itself.
  void finish();

 protected:
  void aboutToShow() override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  Clock clock_;
  QLabel* status_;
  QLabel* trough_;  // the sunken trough with its caption
  QLabel* bar_;     // the bar inside it, with the percentage
  bool finished_ = false;  // whether closing is allowed; showing the window forbids it again
  // Both start at -1 so the first call draws.
  qint64 lastWritten_ = -1;
  int lastWidth_ = -1;
  std::optional<qint64> lastPump_;
};

// Passes a writer's reports on to a progress window while it exists; the window
// appears only once the output file is open, and may be gone before the writer ends.
class CreationProgressRelay : public WriterProgress {
 public:
  explicit CreationProgressRelay(QPointer<CreationProgressDialog>& window) : window_(window) {}
  void setStatus(const QString& text) override {
    if (window_) window_->drawStatus(text);
  }
  void showProgress(qint64 written, qint64 total) override {
    if (window_) window_->drawProgress(written, total);
  }
  void pump() override {
    if (window_) window_->pumpEvents();
  }

 private:
  QPointer<CreationProgressDialog>& window_;
};
