#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "support/FakePrompts.h"
#include "wizard/Grped.h"

namespace {

class GroupEditor : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  FakePrompts fake;
  TEditGroup dialog;

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
    dialog.Button3->click();
    return dialog.result() == QDialog::Accepted;
  }
};

}  // namespace

TEST_F(GroupEditor, OkReportsTheFirstMissingFileOnly) {
  // Both empty: pict1 is reported, pict2 is not looked at.
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 1);
  EXPECT_EQ(fake.messages[0].text, "Error, file for pict1.bmp cannot be found...");
  EXPECT_EQ(fake.messages[0].caption, "Error");
  EXPECT_EQ(fake.messages[0].icon, BoxIcon::Exclamation);

  // A folder is not a file.
  dialog.P1->setText(makeFile("a.bmp"));
  dialog.P2->setText(tmp.path());
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 2);
  EXPECT_EQ(fake.messages[1].text, "Error, file for pict2.bmp cannot be found...");

  // pict1 missing while pict2 is fine is still about pict1.
  dialog.P1->setText(tmp.filePath("gone.bmp"));
  dialog.P2->setText(makeFile("b.bmp"));
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 3);
  EXPECT_EQ(fake.messages[2].text, "Error, file for pict1.bmp cannot be found...");
}

TEST_F(GroupEditor, TypedPathsOfExistingFilesAreAccepted) {
  // No Browse involved; the contents are not examined.
  dialog.P1->setText(makeFile("one.txt"));
  dialog.P2->setText(makeFile("two.txt"));
  EXPECT_TRUE(pressOk());
  EXPECT_TRUE(fake.messages.isEmpty());
  EXPECT_TRUE(fake.fileRequests.isEmpty());
}

TEST_F(GroupEditor, BrowseAsksForABitmapAndFillsItsOwnEdit) {
  const QString chosen = makeFile("face.bmp");
  fake.fileAnswers.push_back(chosen);
  dialog.Button1->click();
  ASSERT_EQ(fake.fileRequests.size(), 1);
  const FileDialogRequest& r = fake.fileRequests[0];
  EXPECT_EQ(r.title, "Please select popping up image (pict1.bmp)");
  EXPECT_EQ(r.filter, "Bitmap Files (*.BMP)|*.BMP|All Files (*.*_|*.*");
  EXPECT_EQ(r.defaultExt, "bmp");
  EXPECT_FALSE(r.save);
  EXPECT_TRUE(r.mustExist);
  EXPECT_EQ(dialog.P1->text(), chosen);
  EXPECT_TRUE(dialog.P2->text().isEmpty());

  fake.fileAnswers.push_back(chosen);
  dialog.Button2->click();
  EXPECT_EQ(fake.fileRequests[1].title, "Please select splating image (pict2.bmp)");
  EXPECT_EQ(dialog.P2->text(), chosen);
}

TEST_F(GroupEditor, BrowseStartsOnTheEditsFileOrTheLastOne) {
  const QString first = makeFile("first.bmp");
  const QString second = makeFile("second.bmp");
  dialog.P1->setText(first);
  fake.fileAnswers.push_back(QString());  // cancelled
  dialog.Button1->click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, first);
  EXPECT_EQ(dialog.P1->text(), first) << "a cancelled dialog leaves the edit alone";

  // P2 names nothing, so the dialog keeps the name it last held.
  dialog.P2->setText(tmp.filePath("nothing.bmp"));
  fake.fileAnswers.push_back(second);
  dialog.Button2->click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, first);
  EXPECT_EQ(dialog.P2->text(), second);

  dialog.P1->clear();
  dialog.Button1->click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, second);
  EXPECT_TRUE(dialog.P1->text().isEmpty());
}

TEST_F(GroupEditor, CallerGetsThePathsBackOnlyAfterOk) {
  const QString a = makeFile("a.bmp"), b = makeFile("b.bmp");
  QString pict1 = "old1", pict2 = "old2";
  QStringList seenOnOpening;
  fake.onModal = [&](QDialog&) {
    seenOnOpening << dialog.P1->text() << dialog.P2->text();
    dialog.P1->setText(a);
    dialog.P2->setText(b);
    dialog.Button4->click();
    return dialog.result();
  };
  EXPECT_FALSE(dialog.Edit(pict1, pict2));
  EXPECT_EQ(seenOnOpening, QStringList({"old1", "old2"}));
  EXPECT_EQ(pict1, "old1");
  EXPECT_EQ(pict2, "old2");

  fake.onModal = [&](QDialog&) {
    dialog.P1->setText(b);
    dialog.P2->setText(a);
    dialog.Button3->click();
    return dialog.result();
  };
  EXPECT_TRUE(dialog.Edit(pict1, pict2));
  EXPECT_EQ(pict1, b);
  EXPECT_EQ(pict2, a);
  EXPECT_EQ(fake.modalTitles, QStringList({"Add/Edit Image Group", "Add/Edit Image Group"}));
}

TEST_F(GroupEditor, WindowLooksAsDesigned) {
  EXPECT_EQ(dialog.windowTitle(), "Add/Edit Image Group");
  EXPECT_EQ(dialog.size(), QSize(450, 163));
  EXPECT_TRUE(dialog.Button3->isDefault());
  EXPECT_FALSE(dialog.Button4->isDefault());
  EXPECT_EQ(dialog.P1->maxLength(), 255);
  EXPECT_EQ(dialog.P2->maxLength(), 255);
  // Everything inside the client area.
  for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(dialog.rect().contains(w->geometry())) << w->metaObject()->className();
}
