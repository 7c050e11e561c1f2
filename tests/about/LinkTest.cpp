#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "about/Ab.h"
#include "about/Link.h"
#include "support/FakePrompts.h"

namespace {
QColor textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
}  // namespace

TEST(LinkAddress, WebAndMailAddressesOnly) {
  EXPECT_EQ(linkAddress("http://www.example.com/", ""), "http://www.example.com/");
  EXPECT_EQ(linkAddress("https://example.com/a?b=c#d", "caption"), "https://example.com/a?b=c#d");
  EXPECT_EQ(linkAddress("mailto:ann@example.com", ""), "mailto:ann@example.com");
  EXPECT_EQ(linkAddress("HTTP://Example.COM/Path", ""), "http://example.com/Path");
  // Blanks and control characters around the target do not count.
  EXPECT_EQ(linkAddress(" \t\r\nhttp://example.com/\x01 ", ""), "http://example.com/");
  // A bare www address is what a browser makes of it.
  EXPECT_EQ(linkAddress("www.example.com", ""), "http://www.example.com");
  // The caption stands in for a blank target.
  EXPECT_EQ(linkAddress("  ", " https://example.org "), "https://example.org");
  EXPECT_EQ(linkAddress("", ""), "");
  EXPECT_EQ(linkAddress(" \t", "\r\n "), "");
}

TEST(LinkAddress, RefusesProgramsFilesAndOtherSchemes) {
  const char* refused[] = {
      "/usr/bin/xterm",     "xterm",        "calc.exe",    "C:\\Windows\\notepad.exe", "file:///etc/passwd",
      "FILE:/home/ann/.bashrc", "javascript:alert(1)", "ftp://example.com/", "smb://server/share", "http://",
      "https:///path",      "mailto:",      "../piescore.sdf", "ann@example.com", "data:text/html,<b>x</b>",
      "http://exa mple.com/"};
  for (const char* target : refused) {
    EXPECT_EQ(linkAddress(target, ""), "") << target;
    // An unsafe target is not rescued by a safe caption either.
    EXPECT_EQ(linkAddress(target, "http://example.com/"), "") << target;
  }
}

TEST(TLink, LooksLikeALink) {
  TLink link;
  EXPECT_EQ(textColour(&link), QColor(Qt::blue));
  EXPECT_TRUE(link.font().underline());
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(link.ActiveColor(), QColor(Qt::red));
  link.setURL_Caption("Tom & Jerry");
  EXPECT_EQ(link.text(), "Tom & Jerry");
  // An ampersand is a letter here: the width is that of the whole text.
  link.adjustSize();
  EXPECT_GE(link.width(), link.fontMetrics().horizontalAdvance("Tom & Jerry"));
}

TEST(TLink, PressingTurnsItRedUntilReleased) {
  FakePrompts fake;
  TLink link;
  link.setURL_Caption("Web Site:");
  link.resize(60, 16);
  link.setActiveColor(Qt::darkGreen);
  QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(textColour(&link), QColor(Qt::darkGreen));
  QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(textColour(&link), QColor(Qt::blue));
  // A release away from the label restores the colour but is no click.
  QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(textColour(&link), QColor(Qt::blue));
  EXPECT_TRUE(fake.openedUrls.isEmpty());
}

TEST(TLink, ClickOpensTheTargetElseTheCaption) {
  FakePrompts fake;
  TLink link;
  link.resize(100, 16);
  int handlerCalls = 0;
  qsizetype openedBeforeHandler = -1;
  QObject::connect(&link, &TLink::clicked, [&] {
    ++handlerCalls;
    openedBeforeHandler = fake.openedUrls.size();
  });

  link.setURL_Caption(" http://caption.example/ ");
  QTest::mouseClick(&link, Qt::LeftButton);
  EXPECT_EQ(fake.openedUrls, QStringList{"http://caption.example/"});
  EXPECT_EQ(handlerCalls, 1);
  EXPECT_EQ(openedBeforeHandler, 0) << "the owner's handler runs first";

  link.setURL("mailto:ann@example.com");
  link.click();
  EXPECT_EQ(fake.openedUrls.last(), "mailto:ann@example.com");

  // Nothing to open, or nothing safe to open: the handler still runs, nothing opens.
  link.setURL(" ");
  link.setURL_Caption(" ");
  link.click();
  link.setURL("/usr/bin/xterm");
  link.setURL_Caption("http://caption.example/");
  link.click();
  EXPECT_EQ(fake.openedUrls.size(), 2);
  EXPECT_EQ(handlerCalls, 4);

  // Other buttons do not click.
  link.setURL("http://example.com/");
  QTest::mouseClick(&link, Qt::RightButton);
  EXPECT_EQ(fake.openedUrls.size(), 2);
}

TEST(TAbout, AudioLineVersionAndLinks) {
  FakePrompts fake;
  TAbout about(false);
  about.show();
  EXPECT_EQ(about.windowTitle(), "About Pie Vorb Quarn");
  EXPECT_EQ(about.Ver->text(), "3.40");
  EXPECT_FALSE(about.PE->isVisible());
  EXPECT_TRUE(about.Label20->isVisible());
  EXPECT_EQ(about.Label20->text(), "Pie Vorb Quarn Audio System Failed...");
  EXPECT_EQ(about.Label20->toolTip(), "This was probably because WAVE device in use on startup");
  about.Button1->click();
  EXPECT_EQ(about.result(), QDialog::Accepted);

  about.setAudioOpened(true);
  about.show();
  EXPECT_TRUE(about.PE->isVisible());
  EXPECT_EQ(about.PE->text(), "Pie Vorb Quarn Audio System Enabled!");
  // The enabled line covers the failed one beneath it.
  EXPECT_TRUE(about.PE->geometry().contains(about.Label20->geometry()));
  EXPECT_TRUE(about.PE->autoFillBackground());

  // The main window's "Goto website" command clicks this link.
  about.tLink2->click();
  about.tLink1->click();
  EXPECT_EQ(fake.openedUrls, (QStringList{AuthorWebPage, AuthorWebPage}));
  EXPECT_EQ(about.tLink1->text(), "The Zanthorp");
  EXPECT_EQ(about.tLink2->text(), "Web Site:");

  // The emblem shows when it is built in, and its absence is no failure.
  EXPECT_EQ(about.Image1->pixmap().isNull(), !QFile::exists(":/Emblem.bmp"));
}
