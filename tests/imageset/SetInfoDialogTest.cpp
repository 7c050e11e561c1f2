#include <QLabel>

#include "SetTestSupport.h"
#include "support/DialogChecks.h"
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
  const QLabel& title = child<QLabel>(dialog, "title");
  const LinkLabel& author = child<LinkLabel>(dialog, "author");
  const LinkLabel& email = child<LinkLabel>(dialog, "email");
  const LinkLabel& webPage = child<LinkLabel>(dialog, "webPage");
  const QLabel& comment = child<QLabel>(dialog, "comment");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Current Image Set..."));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

  QStringList seen;
  prompts.onModal = [&](QDialog&) {
    seen << title.text() << author.caption() << author.url() << email.caption() << email.url() << webPage.caption()
         << webPage.url();
    return int(QDialog::Accepted);
  };
  const SetHeader h = headerWith(QStringLiteral("Ann's Set"), QStringLiteral("ann@example.org"));
  runSetInfoDialog(dialog, h);
  EXPECT_EQ(seen, (QStringList{"Ann's Set", "Ann Author", "", "ann@example.org", "mailto:ann@example.org",
                               "https://example.org/ann", ""}));
  EXPECT_EQ(comment.text(), h.comment.text());
  EXPECT_EQ(prompts.modalTitles, QStringList{"About Current Image Set..."});

  // Each caption stands left of its value, in this order from the top, with Ok below.
  dialog.show();
  const std::pair<QString, const QWidget*> rows[] = {{"Image Set Title:", &title},
                                                     {"Image Set Author:", &author},
                                                     {"Author's E-mail Address:", &email},
                                                     {"Author's Web Site:", &webPage},
                                                     {"Image Set Comment:", &comment},
                                                     {"&Ok", &button(dialog, "&Ok")}};
  auto at = [&](const QWidget* w) { return w->mapTo(&dialog, QPoint()); };
  for (int i = 0; i < 5; ++i) {
    const QLabel* caption = nullptr;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) caption = l->text() == rows[i].first ? l : caption;
    ASSERT_NE(caption, nullptr) << i;
    EXPECT_EQ(at(caption).y(), at(rows[i].second).y()) << i;
    EXPECT_LT(at(caption).x() + caption->width(), at(rows[i].second).x()) << i;
    EXPECT_LT(at(rows[i].second).y(), at(rows[i + 1].second).y()) << i;
  }

  // The longest address makes the longest target the dialog allows, and stays in its column.
  runSetInfoDialog(dialog, headerWith(QStringLiteral("x"), QString(200, QLatin1Char('e'))));
  EXPECT_EQ(email.url().size(), 207);
  EXPECT_LE(email.geometry().right(), dialog.width());
  LargerFace face(20);
  SetInfoDialog larger;
  runSetInfoDialog(larger, h);
  expectGrownAndWhole(larger, dialog.size());
}

TEST_F(SetTest, ImgAboutReadsTheActiveHeaderEachTimeItIsShown) {
  SetInfoDialog dialog(&game.set().header);
  dialog.show();
  EXPECT_EQ(child<QLabel>(dialog, "title").text(), QStringLiteral("Pie Vorb Quarn (Default)"));
  EXPECT_EQ(child<LinkLabel>(dialog, "email").url(), QStringLiteral("mailto:") + QString::fromLatin1(kAuthorEmail));
  dialog.hide();

  prompts.fileAnswers = {write("bmp1.bmp", bmpBytes(truePicture(20, 20, qRgb(1, 1, 1)))),
                         write("bmp2.bmp", bmpBytes(truePicture(20, 20, qRgb(2, 2, 2))))};
  ImageSetCommands(game).loadBitmapPair();
  dialog.show();
  EXPECT_EQ(child<QLabel>(dialog, "title").text(), QStringLiteral("Unknwon"));
  EXPECT_EQ(child<LinkLabel>(dialog, "author").text(), QStringLiteral("Unknown"));
  EXPECT_TRUE(child<QLabel>(dialog, "comment").text().startsWith(QStringLiteral("Images from ")));
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
