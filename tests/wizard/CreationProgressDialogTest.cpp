#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

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

TEST(CreateProgress, PendingEventsGoThroughAtMostEveryFifteenMilliseconds) {
  CreationProgressDialog dialog;
  qint64 now = 1000;
  dialog.clock = [&] { return now; };
  QPointer<CreationProgressDialog> window(&dialog);
  CreationProgressRelay relay(window);
  int ran = 0;
  auto pumped = [&](const std::function<void()>& report) {
    const int before = ran;
    QTimer::singleShot(0, [&] { ++ran; });
    report();
    const bool through = ran > before;
    QApplication::processEvents();  // the test's own round, for the next call
    return through;
  };

  EXPECT_TRUE(pumped([&] { dialog.drawProgress(512, 1024); }));  // the first report always goes through
  now += 14;
  EXPECT_FALSE(pumped([&] { dialog.drawProgress(768, 1024); }));
  EXPECT_EQ(dialog.bar->text(), QStringLiteral("75%"));  // drawn without waiting for the events
  EXPECT_FALSE(pumped([&] { relay.pump(); }));
  now += 1;
  EXPECT_TRUE(pumped([&] { dialog.drawProgress(768, 1024); }));  // the same count still lets events through
  now += 20;
  EXPECT_TRUE(pumped([&] { relay.pump(); }));
  EXPECT_FALSE(pumped([&] { relay.showProgress(1024, 1024); }));
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
