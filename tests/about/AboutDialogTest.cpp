#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>

#include "about/AboutDialog.h"
#include "support/DialogChecks.h"
#include "support/FakePrompts.h"
#include "ui/AppInfo.h"
#include "ui/LinkLabel.h"

TEST(AboutDialog, AudioLineVersionAndLinks) {
  FakePrompts fake;
  AboutDialog about(false);
  const QLabel& enabled = child<QLabel>(about, "audioEnabled");
  const QLabel& failed = child<QLabel>(about, "audioFailed");
  about.show();
  EXPECT_EQ(about.windowTitle(), "About Pie Vorb Quarn");
  EXPECT_EQ(child<QLabel>(about, "version").text(), "3.40");
  EXPECT_FALSE(enabled.isVisible());
  EXPECT_TRUE(failed.isVisible());
  EXPECT_EQ(failed.text(), "Pie Vorb Quarn Audio System Failed...");
  EXPECT_EQ(failed.toolTip(), "This was probably because WAVE device in use on startup");
  button(about, "&Ok").click();
  EXPECT_EQ(about.result(), QDialog::Accepted);

  about.setAudioOpened(true);
  about.show();
  EXPECT_TRUE(enabled.isVisible());
  EXPECT_EQ(enabled.text(), "Pie Vorb Quarn Audio System Enabled!");
  // The enabled line covers the failed one beneath it.
  EXPECT_TRUE(enabled.geometry().contains(failed.geometry()));
  EXPECT_TRUE(enabled.autoFillBackground());

  // The main window's "Goto website" command opens the same page.
  about.openWebSite();
  child<LinkLabel>(about, "authorLink").click();
  EXPECT_EQ(fake.openedUrls, (QStringList{kAuthorWebPage, kAuthorWebPage}));
  EXPECT_EQ(child<LinkLabel>(about, "authorLink").text(), "The Zanthorp");
  EXPECT_EQ(child<LinkLabel>(about, "webSiteLink").text(), "Web Site:");

  // The emblem shows when it is built in, and its absence is no failure.
  EXPECT_EQ(child<QLabel>(about, "emblem").pixmap().isNull(), !QFile::exists(":/Emblem.bmp"));
  LargerFace face(20);
  AboutDialog larger(true);
  expectGrownAndWhole(larger, about.size());
}
