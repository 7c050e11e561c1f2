#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "support/LayoutChecks.h"
#include "support/FakePrompts.h"
#include "wizard/ImageGroupDialog.h"

namespace {

class GroupEditor : public ::testing::Test {
 protected:
  QTemporaryDir tmp;
  FakePrompts fake;
  ImageGroupDialog dialog;

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
    dialog.okButton->click();
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
  dialog.figureFile->setText(makeFile("a.bmp"));
  dialog.splatFile->setText(tmp.path());
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 2);
  EXPECT_EQ(fake.messages[1].text, "Error, file for pict2.bmp cannot be found...");

  // pict1 missing while pict2 is fine is still about pict1.
  dialog.figureFile->setText(tmp.filePath("gone.bmp"));
  dialog.splatFile->setText(makeFile("b.bmp"));
  EXPECT_FALSE(pressOk());
  ASSERT_EQ(fake.messages.size(), 3);
  EXPECT_EQ(fake.messages[2].text, "Error, file for pict1.bmp cannot be found...");
}

TEST_F(GroupEditor, TypedPathsOfExistingFilesAreAccepted) {
  // No Browse involved; the contents are not examined.
  dialog.figureFile->setText(makeFile("one.txt"));
  dialog.splatFile->setText(makeFile("two.txt"));
  EXPECT_TRUE(pressOk());
  EXPECT_TRUE(fake.messages.isEmpty());
  EXPECT_TRUE(fake.fileRequests.isEmpty());
}

TEST_F(GroupEditor, BrowseAsksForABitmapAndFillsItsOwnEdit) {
  const QString chosen = makeFile("face.bmp");
  fake.fileAnswers.push_back(chosen);
  dialog.browseFigureButton->click();
  ASSERT_EQ(fake.fileRequests.size(), 1);
  const FileDialogRequest& r = fake.fileRequests[0];
  EXPECT_EQ(r.title, "Please select popping up image (pict1.bmp)");
  EXPECT_EQ(r.filter, "Bitmap Files (*.BMP)|*.BMP|All Files (*.*_|*.*");
  EXPECT_EQ(r.defaultExt, "bmp");
  EXPECT_FALSE(r.save);
  EXPECT_TRUE(r.mustExist);
  EXPECT_EQ(dialog.figureFile->text(), chosen);
  EXPECT_TRUE(dialog.splatFile->text().isEmpty());

  fake.fileAnswers.push_back(chosen);
  dialog.browseSplatButton->click();
  EXPECT_EQ(fake.fileRequests[1].title, "Please select splating image (pict2.bmp)");
  EXPECT_EQ(dialog.splatFile->text(), chosen);
}

TEST_F(GroupEditor, BrowseStartsOnTheEditsFileOrTheLastOne) {
  const QString first = makeFile("first.bmp");
  const QString second = makeFile("second.bmp");
  dialog.figureFile->setText(first);
  fake.fileAnswers.push_back(QString());  // cancelled
  dialog.browseFigureButton->click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, first);
  EXPECT_EQ(dialog.figureFile->text(), first) << "a cancelled dialog leaves the edit alone";

  // splatFile names nothing, so the dialog keeps the name it last held.
  dialog.splatFile->setText(tmp.filePath("nothing.bmp"));
  fake.fileAnswers.push_back(second);
  dialog.browseSplatButton->click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, first);
  EXPECT_EQ(dialog.splatFile->text(), second);

  dialog.figureFile->clear();
  dialog.browseFigureButton->click();
  EXPECT_EQ(fake.fileRequests.last().initialPath, second);
  EXPECT_TRUE(dialog.figureFile->text().isEmpty());
}

TEST_F(GroupEditor, CallerGetsThePathsBackOnlyAfterOk) {
  const QString a = makeFile("a.bmp"), b = makeFile("b.bmp");
  QString pict1 = "old1", pict2 = "old2";
  QStringList seenOnOpening;
  fake.onModal = [&](QDialog&) {
    seenOnOpening << dialog.figureFile->text() << dialog.splatFile->text();
    dialog.figureFile->setText(a);
    dialog.splatFile->setText(b);
    dialog.cancelButton->click();
    return dialog.result();
  };
  EXPECT_FALSE(dialog.edit(pict1, pict2));
  EXPECT_EQ(seenOnOpening, QStringList({"old1", "old2"}));
  EXPECT_EQ(pict1, "old1");
  EXPECT_EQ(pict2, "old2");

  fake.onModal = [&](QDialog&) {
    dialog.figureFile->setText(b);
    dialog.splatFile->setText(a);
    dialog.okButton->click();
    return dialog.result();
  };
  EXPECT_TRUE(dialog.edit(pict1, pict2));
  EXPECT_EQ(pict1, b);
  EXPECT_EQ(pict2, a);
  EXPECT_EQ(fake.modalTitles, QStringList({"Add/Edit Image Group", "Add/Edit Image Group"}));
}

TEST_F(GroupEditor, WindowKeepsItsLayout) {
  EXPECT_EQ(dialog.windowTitle(), "Add/Edit Image Group");
  EXPECT_EQ(dialog.width(), 450);
  EXPECT_GE(dialog.height(), 163);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  layoutchecks::expectTextsFitAndNothingOverlaps(dialog);
  EXPECT_TRUE(dialog.okButton->isDefault());
  EXPECT_FALSE(dialog.cancelButton->isDefault());
  EXPECT_EQ(dialog.figureFile->maxLength(), 255);
  EXPECT_EQ(dialog.splatFile->maxLength(), 255);
  // Everything inside the client area.
  for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(dialog.rect().contains(w->geometry())) << w->metaObject()->className();
}
