#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "wizard/Cp.h"

TEST(CreateProgress, BarMovesIn256ByteStepsAndStopsAtTheTroughEdge) {
  TCreateProgress dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Creating eXtended Image Set File..."));
  EXPECT_EQ(dialog.Pg->text(), QStringLiteral("0%"));
  EXPECT_EQ(dialog.Pg->width(), 0);

  dialog.ShowProgress(1280, 2560);
  EXPECT_EQ(dialog.Pg->width(), 290);
  EXPECT_EQ(dialog.Pg->text(), QStringLiteral("50%"));

  // Another count that gives the same width leaves the caption alone.
  dialog.Pg->setText(QStringLiteral("marker"));
  dialog.ShowProgress(1300, 2560);
  EXPECT_EQ(dialog.Pg->text(), QStringLiteral("marker"));
  EXPECT_EQ(dialog.lastWritten, 1300);

  dialog.ShowProgress(2560, 2560);
  EXPECT_EQ(dialog.Pg->width(), 581);
  EXPECT_EQ(dialog.Pg->text(), QStringLiteral("100%"));

  dialog.ShowProgress(5120, 2560);
  EXPECT_EQ(dialog.Pg->text(), QStringLiteral("200%"));
  EXPECT_EQ(dialog.Pg->width(), 581);

  // A total below 256 still divides by one step.
  TCreateProgress tiny;
  tiny.ShowProgress(256, 100);
  EXPECT_EQ(tiny.Pg->width(), 581);
  EXPECT_EQ(tiny.Pg->text(), QStringLiteral("100%"));
}

TEST(CreateProgress, SameCountStillLetsPendingEventsThrough) {
  TCreateProgress dialog;
  dialog.ShowProgress(512, 1024);
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  dialog.ShowProgress(512, 1024);
  EXPECT_TRUE(ran);
}

TEST(CreateProgress, ClosesOnlyOnceTheWriterAllowsItAndThenDeletesItself) {
  QPointer<TCreateProgress> dialog = new TCreateProgress;
  dialog->Tag = 1;
  dialog->show();
  EXPECT_EQ(dialog->Tag, 0);
  dialog->SetStatus(QStringLiteral("Title Graphics..."));
  dialog->ShowProgress(3000, 6000);
  if (const QString keep = qEnvironmentVariable("PVQ_WIZARD_PNG"); !keep.isEmpty())
    dialog->grab().save(keep + QStringLiteral("/progress.png"));

  dialog->close();
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());

  dialog->Finish();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());
}
