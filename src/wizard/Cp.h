#pragma once
// `TCreateProgress`: the stage and the share of the file written while a set is
// created. The player cannot close it; the writer sets `Tag` to 1 and closes it
// when done, and it then deletes itself.
#include <QDialog>

#include "wizard/SetWriter.h"

class QLabel;

class TCreateProgress : public QDialog, public WriterProgress {
  Q_OBJECT
 public:
  explicit TCreateProgress(QWidget* parent = nullptr);

  int Tag = 0;

  QLabel* Label1;    // "Attempting to create image set file, please wait..."
  QLabel* Status;
  QLabel* Progress;  // the sunken trough with its caption
  QLabel* Pg;        // the bar

  // Redraws only when the count changed, in steps of 256 bytes, and always lets
  // pending input through.
  void ShowProgress(qint64 written, qint64 total);
  void SetStatus(const QString& text);
  // Allows closing and closes; the window deletes itself.
  void Finish();

  // Both start at -1 so the first call draws.
  qint64 lastWritten = -1;
  int lastWidth = -1;

  void setStatus(const QString& text) override { SetStatus(text); }
  void showProgress(qint64 written, qint64 total) override { ShowProgress(written, total); }
  void pump() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
};
