#pragma once
// `CreationProgressDialog`: the stage and the share of the file written while a set is
// created. The player cannot close it; the writer sets `finished` to 1 and closes it
// when done, and it then deletes itself.
#include <QDialog>

#include "wizard/SetWriter.h"

class QLabel;

class CreationProgressDialog : public QDialog, public WriterProgress {
  Q_OBJECT
 public:
  explicit CreationProgressDialog(QWidget* parent = nullptr);

  int finished = 0;

  QLabel* waitLabel;    // "Attempting to create image set file, please wait..."
  QLabel* statusLabel;
  QLabel* trough;  // the sunken trough with its caption
  QLabel* bar;        // the bar

  // Redraws only when the count changed, in steps of 256 bytes, and always lets
  // pending input through.
  void drawProgress(qint64 written, qint64 total);
  void drawStatus(const QString& text);
  // Allows closing and closes; the window deletes itself.
  void finish();

  // Both start at -1 so the first call draws.
  qint64 lastWritten = -1;
  int lastWidth = -1;

  void setStatus(const QString& text) override { drawStatus(text); }
  void showProgress(qint64 written, qint64 total) override { drawProgress(written, total); }
  void pump() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
};
