#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "wizard/CreationProgressDialog.h"

TEST(CreateProgress, BarMovesIn256ByteStepsAndStopsAtTheTroughEdge) {
  CreationProgressDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Creating eXtended Image Set File..."));
  EXPECT_EQ(dialog.bar->text(), QStringLiteral("0%"));
  EXPECT_EQ(dialog.bar->width(), 0);

  dialog.drawProgress(1280, 2560);
  EXPECT_EQ(dialog.bar->width(), 290);
  EXPECT_EQ(dialog.bar->text(), QStringLiteral("50%"));

  // Another count that gives the same width leaves the caption alone.
  dialog.bar->setText(QStringLiteral("marker"));
  dialog.drawProgress(1300, 2560);
  EXPECT_EQ(dialog.bar->text(), QStringLiteral("marker"));
  EXPECT_EQ(dialog.lastWritten, 1300);

  dialog.drawProgress(2560, 2560);
  EXPECT_EQ(dialog.bar->width(), 581);
  EXPECT_EQ(dialog.bar->text(), QStringLiteral("100%"));

  dialog.drawProgress(5120, 2560);
  EXPECT_EQ(dialog.bar->text(), QStringLiteral("200%"));
  EXPECT_EQ(dialog.bar->width(), 581);

  // A total below 256 still divides by one step.
  CreationProgressDialog tiny;
  tiny.drawProgress(256, 100);
  EXPECT_EQ(tiny.bar->width(), 581);
  EXPECT_EQ(tiny.bar->text(), QStringLiteral("100%"));
}

TEST(CreateProgress, SameCountStillLetsPendingEventsThrough) {
  CreationProgressDialog dialog;
  dialog.drawProgress(512, 1024);
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  dialog.drawProgress(512, 1024);
  EXPECT_TRUE(ran);
}

TEST(CreateProgress, ClosesOnlyOnceTheWriterAllowsItAndThenDeletesItself) {
  QPointer<CreationProgressDialog> dialog = new CreationProgressDialog;
  dialog->finished = true;
  dialog->show();
  EXPECT_FALSE(dialog->finished);
  dialog->drawStatus(QStringLiteral("Title Graphics..."));
  dialog->drawProgress(3000, 6000);
  if (const QString keep = qEnvironmentVariable("PVQ_WIZARD_PNG"); !keep.isEmpty())
    dialog->grab().save(keep + QStringLiteral("/progress.png"));

  dialog->close();
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());

  dialog->finish();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());
}
