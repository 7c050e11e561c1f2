#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/DialogChecks.h"
#include "support/FakePrompts.h"
#include "wizard/ImageGroupDialog.h"

namespace {

class GroupEditor : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  FakePrompts fake;
  ImageGroupDialog dialog;
  QLineEdit& figureFile = child<QLineEdit>(dialog, "pict1.bmp");
  QLineEdit& splatFile = child<QLineEdit>(dialog, "pict2.bmp");
  QAbstractButton& browseFigure = child<QAbstractButton>(dialog, "browse:pict1.bmp");
  QAbstractButton& browseSplat = child<QAbstractButton>(dialog, "browse:pict2.bmp");

  QString makeFile(const QString& name) {
    const QString path = tmp.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM");
    return path;
  }
  // Presses Ok; true when the dialog accepted.
  bool pressOk() {
    dialog.setResult(QDialog::Rejected);
    button(dialog, "&Ok").click();
    return dialog.result() == QDialog::Accepted;
  }
};

}  // namespace

TEST_F(GroupEditor, OkReportsTheFirstMissingFileOnly) {
  // Both empty: pict1 is reported, pict2 is not looked at. Enter presses Ok.
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Return);
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(fake.messages[0].text, "Error, file for pict1.bmp cannot be found...");
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Exclamation);

  // A folder is not a file.
  figureFile.setText(makeFile("a.bmp"));
  splatFile.setText(tmp.path());
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 2);
  EXPECT_EQ(fake.messages[1].text, "Error, file for pict2.bmp cannot be found...");

  // pict1 missing while pict2 is fine is still about pict1.
  figureFile.setText(tmp.filePath("gone.bmp"));
  splatFile.setText(makeFile("b.bmp"));
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 3);
  EXPECT_EQ(fake.messages[2].text, "Error, file for pict1.bmp cannot be found...");
}

TEST_F(GroupEditor, TypedPathsOfExistingFilesAreAccepted) {
  // No Browse involved; the contents are not examined.
  figureFile.setText(makeFile("one.txt"));
  splatFile.setText(makeFile("two.txt"));
  EXPECT_TRUE(pressOk());
  EXPECT_TRUE(fake.messages.isEmpty());
  EXPECT_TRUE(fake.fileRequests.isEmpty());
}

TEST_F(GroupEditor, BrowseAsksForABitmapAndFillsItsOwnEdit) {
  const QString chosen = makeFile("face.bmp");
  fake.fileAnswers.push_back(chosen);
  browseFigure.click();
  ASSERT_EQ(fake.fileRequests.size(), 1);
  const FileDialogRequest& r = fake.fileRequests[0];
  EXPECT_EQ(r.title, "Please select popping up image (pict1.bmp)");
  // Today's pictures are offered besides bitmaps.
  EXPECT_TRUE(r.filter.contains("*.png") && r.filter.contains("*.jpg") && r.filter.contains("*.bmp")) << r.filter.toStdString();
  EXPECT_EQ(r.defaultExt, "png");
  EXPECT_FALSE(r.save);
  EXPECT_TRUE(r.mustExist);
  EXPECT_EQ(figureFile.text(), chosen);
  EXPECT_TRUE(splatFile.text().isEmpty());

  fake.fileAnswers.push_back(chosen);
  browseSplat.click();
  EXPECT_EQ(fake.fileRequests[1].title, "Please select splating image (pict2.bmp)");
  EXPECT_EQ(splatFile.text(), chosen);
}

TEST_F(GroupEditor, BrowseStartsOnTheEditsFileOrTheLastOne) {
  const QString first = makeFile("first.bmp");
  const QString second = makeFile("second.bmp");
  figureFile.setText(first);
  fake.fileAnswers.push_back(QString());  // cancelled
  browseFigure.click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, first);
  EXPECT_EQ(figureFile.text(), first) << "a cancelled dialog leaves the edit alone";

  // splatFile names nothing, so the dialog keeps the name it last held.
  splatFile.setText(tmp.filePath("nothing.bmp"));
  fake.fileAnswers.push_back(second);
  browseSplat.click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, first);
  EXPECT_EQ(splatFile.text(), second);

  figureFile.clear();
  browseFigure.click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, second);
  EXPECT_TRUE(figureFile.text().isEmpty());
}

TEST_F(GroupEditor, CallerGetsThePathsBackOnlyAfterOk) {
  const QString a = makeFile("a.bmp"), b = makeFile("b.bmp");
  QString pict1 = "old1", pict2 = "old2";
  QStringList seenOnOpening;
  fake.onModal = [&](QDialog&) {
    seenOnOpening << figureFile.text() << splatFile.text();
    figureFile.setText(a);
    splatFile.setText(b);
    button(dialog, "&Cancel").click();
    return dialog.result();
  };
  EXPECT_FALSE(dialog.edit(pict1, pict2));
  EXPECT_EQ(seenOnOpening, QStringList({"old1", "old2"}));
  EXPECT_EQ(pict1, "old1");
  EXPECT_EQ(pict2, "old2");

  fake.onModal = [&](QDialog&) {
    figureFile.setText(b);
    splatFile.setText(a);
    button(dialog, "&Ok").click();
    return dialog.result();
  };
  EXPECT_TRUE(dialog.edit(pict1, pict2));
  EXPECT_EQ(pict1, b);
  EXPECT_EQ(pict2, a);
  EXPECT_EQ(fake.modalTitles, QStringList({"Add/Edit Image Group", "Add/Edit Image Group"}));
}
