#include <gtest/gtest.h>

#include <QScreen>
#include <QLabel>
#include <QTest>

#include "ui/GameDialog.h"
#include "ui/LinkLabel.h"
#include "support/FakePrompts.h"
#include "ui/AppStyle.h"

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

TEST(LinkLabel, LooksLikeALink) {
  LinkLabel link;
  EXPECT_EQ(textColour(&link), QColor(Qt::blue));
  EXPECT_TRUE(link.font().underline());
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(link.activeColor(), QColor(Qt::red));
  link.setCaption("Tom & Jerry");
  EXPECT_EQ(link.text(), "Tom & Jerry");
  // An ampersand is a letter here: the width is that of the whole text.
  link.adjustSize();
  EXPECT_GE(link.width(), link.fontMetrics().horizontalAdvance("Tom & Jerry"));
}

TEST(LinkLabel, PressingTurnsItRedUntilReleased) {
  FakePrompts fake;
  LinkLabel link;
  link.setCaption("Web Site:");
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

TEST(LinkLabel, ClickOpensTheTargetElseTheCaption) {
  FakePrompts fake;
  LinkLabel link;
  link.resize(100, 16);
  int handlerCalls = 0;
  qsizetype openedBeforeHandler = -1;
  QObject::connect(&link, &LinkLabel::clicked, [&] {
    ++handlerCalls;
    openedBeforeHandler = fake.openedUrls.size();
  });

  link.setCaption(" http://caption.example/ ");
  QTest::mouseClick(&link, Qt::LeftButton);
  EXPECT_EQ(fake.openedUrls, QStringList{"http://caption.example/"});
  EXPECT_EQ(handlerCalls, 1);
  EXPECT_EQ(openedBeforeHandler, 0) << "the owner's handler runs first";

  link.setUrl("mailto:ann@example.com");
  link.click();
  EXPECT_EQ(fake.openedUrls.last(), "mailto:ann@example.com");

  // Nothing to open, or nothing safe to open: the handler still runs, nothing opens.
  link.setUrl(" ");
  link.setCaption(" ");
  link.click();
  link.setUrl("/usr/bin/xterm");
  link.setCaption("http://caption.example/");
  link.click();
  EXPECT_EQ(fake.openedUrls.size(), 2);
  EXPECT_EQ(handlerCalls, 4);

  // Other buttons do not click.
  link.setUrl("http://example.com/");
  QTest::mouseClick(&link, Qt::RightButton);
  EXPECT_EQ(fake.openedUrls.size(), 2);
}

namespace {
class CountingDialog : public GameDialog {
 public:
  using GameDialog::GameDialog;
  int showings = 0;

 protected:
  void aboutToShow() override { ++showings; }
};
}  // namespace

TEST(GameDialog, OpensInTheMiddleOfTheScreenNotOverItsOwnerAndFillsAtEachShowing) {
  QWidget owner;
  owner.setGeometry(0, 0, 120, 90);
  owner.show();
  CountingDialog dialog(false, &owner);
  dialog.setFixedSize(200, 100);
  dialog.show();
  const QRect area = dialog.screen()->availableGeometry();
  EXPECT_EQ(dialog.pos(), area.center() - QPoint(100, 50)) << "not over its owner";
  EXPECT_EQ(dialog.showings, 1);
  EXPECT_EQ(dialog.font().pixelSize(), appstyle::kFontPixels);
  EXPECT_EQ(dialog.font().family(), appstyle::appFont().family());
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

  dialog.hide();
  dialog.move(10, 10);
  dialog.show();
  EXPECT_EQ(dialog.showings, 2);
  EXPECT_EQ(dialog.pos(), area.center() - QPoint(100, 50)) << "every showing opens in the middle";
}
