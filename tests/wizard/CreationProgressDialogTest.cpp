#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/DialogChecks.h"
#include "wizard/CreationProgressDialog.h"

TEST(CreateProgress, BarMovesIn256ByteStepsAndStopsAtTheTroughEdge) {
  CreationProgressDialog dialog;
  const QLabel& bar = child<QLabel>(dialog, "bar");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Creating eXtended Image Set File..."));
  EXPECT_EQ(bar.text(), QStringLiteral("0%"));
  EXPECT_EQ(bar.width(), 0);

  dialog.drawProgress(1280, 2560);
  EXPECT_EQ(bar.width(), 290);
  EXPECT_EQ(bar.text(), QStringLiteral("50%"));

  // Another count that gives the same width leaves the caption alone.
  child<QLabel>(dialog, "bar").setText(QStringLiteral("marker"));
  dialog.drawProgress(1300, 2560);
  EXPECT_EQ(bar.text(), QStringLiteral("marker"));

  dialog.drawProgress(2560, 2560);
  EXPECT_EQ(bar.width(), 581);
  EXPECT_EQ(bar.text(), QStringLiteral("100%"));

  dialog.drawProgress(5120, 2560);
  EXPECT_EQ(bar.text(), QStringLiteral("200%"));
  EXPECT_EQ(bar.width(), 581);

  // A total below 256 still divides by one step.
  CreationProgressDialog tiny;
  tiny.drawProgress(256, 100);
  EXPECT_EQ(child<QLabel>(tiny, "bar").width(), 581);
  EXPECT_EQ(child<QLabel>(tiny, "bar").text(), QStringLiteral("100%"));
}

TEST(CreateProgress, PendingEventsGoThroughAtMostEveryFifteenMilliseconds) {
  qint64 now = 1000;
  CreationProgressDialog dialog([&] { return now; });
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
  EXPECT_EQ(child<QLabel>(dialog, "bar").text(), QStringLiteral("75%"));  // drawn without waiting for the events
  EXPECT_FALSE(pumped([&] { relay.pump(); }));
  now += 1;
  EXPECT_TRUE(pumped([&] { dialog.drawProgress(768, 1024); }));  // the same count still lets events through
  now += 20;
  EXPECT_TRUE(pumped([&] { relay.pump(); }));
  EXPECT_FALSE(pumped([&] { relay.showProgress(1024, 1024); }));
}

TEST(CreateProgress, ClosesOnlyOnceTheWriterAllowsItAndThenDeletesItself) {
  QPointer<CreationProgressDialog> dialog = new CreationProgressDialog;
  dialog->show();
  dialog->drawStatus(QStringLiteral("Title Graphics..."));
  EXPECT_EQ(child<QLabel>(*dialog, "status").text(), QStringLiteral("Title Graphics..."));

  dialog->close();
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());

  dialog->finish();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());
}
