#include <QLabel>
#include <QPushButton>

#include "SetTestSupport.h"
#include "ui/AppInfo.h"
#include "ui/LinkLabel.h"
#include "imageset/SetInfoDialog.h"
#include "game/SetCommands.h"

namespace {

SetHeader headerWith(const QString& title, const QString& email) {
  SetHeader h;
  h.clear();
  h.title.set(title);
  h.author.set(QStringLiteral("Ann Author"));
  h.email.set(email);
  h.webPage.set(QStringLiteral("https://example.org/ann"));
  h.comment.set(QStringLiteral("A comment long enough to need more than one line in the comment box of this dialog, "
                               "so that its word wrapping shows."));
  return h;
}

}  // namespace

TEST(setInfoDialog, ShowsTheHeaderInTheDesignedOrder) {
  FakePrompts prompts;
  SetInfoDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Current Image Set..."));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_EQ(dialog.okButton->text(), QStringLiteral("&Ok"));
  EXPECT_TRUE(dialog.okButton->isDefault());
  EXPECT_EQ(dialog.titleText->size(), QSize(330, 25));
  EXPECT_EQ(dialog.commentText->size(), QSize(330, 85));
  // The values share one column, clear of the widest caption.
  for (QWidget* value : QList<QWidget*>{dialog.authorLink, dialog.emailLink, dialog.webLink, dialog.commentText})
    EXPECT_EQ(value->x(), dialog.titleText->x());
  EXPECT_GT(dialog.titleText->x(), dialog.emailCaption->geometry().right());
  EXPECT_TRUE(dialog.rect().contains(dialog.titleText->geometry()));
  EXPECT_TRUE(dialog.titleText->wordWrap() && dialog.commentText->wordWrap());

  const QStringList captions{dialog.titleCaption->text(), dialog.authorCaption->text(), dialog.emailCaption->text(),
                             dialog.webCaption->text(), dialog.commentCaption->text()};
  EXPECT_EQ(captions, (QStringList{"Image Set Title:", "Image Set Author:", "Author's E-mail Address:",
                                   "Author's Web Site:", "Image Set Comment:"}));
  const QList<QWidget*> topToBottom{dialog.titleText, dialog.authorLink, dialog.emailLink, dialog.webLink, dialog.commentText, dialog.okButton};
  for (int i = 1; i < topToBottom.size(); ++i) EXPECT_LT(topToBottom[i - 1]->y(), topToBottom[i]->y());

  QStringList seen;
  prompts.onModal = [&](QDialog&) {
    seen << dialog.titleText->text() << dialog.authorLink->caption() << dialog.authorLink->url() << dialog.emailLink->caption()
         << dialog.emailLink->url() << dialog.webLink->caption() << dialog.webLink->url();
    return int(QDialog::Accepted);
  };
  const SetHeader h = headerWith(QStringLiteral("Ann's Set"), QStringLiteral("ann@example.org"));
  runSetInfoDialog(dialog, h);
  EXPECT_EQ(seen, (QStringList{"Ann's Set", "Ann Author", "", "ann@example.org", "mailto:ann@example.org",
                               "https://example.org/ann", ""}));
  EXPECT_EQ(dialog.commentText->text(), h.comment.text());
  EXPECT_EQ(prompts.modalTitles, QStringList{"About Current Image Set..."});

  // The longest address makes the longest target the dialog allows.
  runSetInfoDialog(dialog, headerWith(QStringLiteral("x"), QString(200, QLatin1Char('e'))));
  EXPECT_EQ(dialog.emailLink->url().size(), 207);
  for (LinkLabel* link : {dialog.authorLink, dialog.emailLink, dialog.webLink}) EXPECT_LE(link->width(), 330);

  // Rendered for a look by eye when asked.
  if (const QByteArray png = qgetenv("PVQ_IMAB_PNG"); !png.isEmpty()) {
    runSetInfoDialog(dialog, h);
    EXPECT_TRUE(dialog.grab().save(QString::fromLocal8Bit(png)));
  }
}

TEST_F(SetTest, ImgAboutReadsTheActiveHeaderEachTimeItIsShown) {
  SetInfoDialog dialog(&game.set().header);
  dialog.show();
  EXPECT_EQ(dialog.titleText->text(), QStringLiteral("Pie Vorb Quarn (Default)"));
  EXPECT_EQ(dialog.emailLink->url(), QStringLiteral("mailto:") + QString::fromLatin1(kAuthorEmail));
  dialog.hide();

  prompts.fileAnswers = {write("bmp1.bmp", bmpBytes(truePicture(20, 20, qRgb(1, 1, 1)))),
                         write("bmp2.bmp", bmpBytes(truePicture(20, 20, qRgb(2, 2, 2))))};
  ImageSetCommands(game).loadBitmapPair();
  dialog.show();
  EXPECT_EQ(dialog.titleText->text(), QStringLiteral("Unknwon"));
  EXPECT_EQ(dialog.authorLink->text(), QStringLiteral("Unknown"));
  EXPECT_TRUE(dialog.commentText->text().startsWith(QStringLiteral("Images from ")));
  dialog.hide();
}

// Also the way to make a sample set for trying by hand: PVQ_SAMPLE_XET=/path/sample.xet.
TEST_F(SetTest, SampleSetWithEveryItemLoads) {
  const QByteArray bytes = sampleSet();
  QString path = QString::fromLocal8Bit(qgetenv("PVQ_SAMPLE_XET"));
  if (path.isEmpty()) path = dir.filePath(QStringLiteral("sample.xet"));
  ASSERT_TRUE(writeFile(path, bytes));

  ImageSetCommands commands(game);
  commands.dropFiles({path});
  ASSERT_TRUE(prompts.messages.isEmpty()) << messageTexts().join('|').toStdString();
  EXPECT_EQ(game.set().setTitle, QStringLiteral("Sample Set"));
  EXPECT_EQ(colourValue(game.board().pageColour), 0x00704020u);
  EXPECT_EQ(colourValue(game.board().titleColour), 0x0000C0FFu);
  EXPECT_EQ(game.playfieldCursorSlot(), 8);
  EXPECT_TRUE(game.cursors().has(kCustomCursorSlot));
  EXPECT_EQ(game.set().groupCount(), 2);
  EXPECT_EQ(game.set().header.tickSoundMode, 2);
  EXPECT_EQ(game.set().sound(SoundEffect::GameOver).data.size(), 11025u);
  EXPECT_TRUE(game.set().musicPresent);
  EXPECT_EQ(view.aboutShown, 1);
}
