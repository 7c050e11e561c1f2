#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <map>

#include "language/EveryWindow.h"
#include "ui/AppInfo.h"
#include "ui/Translations.h"

namespace {

// Names are the same in every language: the game's, its author's, its version,
// and the file names a set is made of ("Pict1.bmp", "pict2.bmp:").
bool isName(const QString& text) {
  const QString t = text.trimmed();
  static const QRegularExpression fileName(QStringLiteral("^[\\w.-]+\\.(bmp|wav|mid|xet|set):?$"),
                                           QRegularExpression::CaseInsensitiveOption);
  return t == QLatin1String(kAppName) || t == QLatin1String(kAppVersion) || t == QLatin1String(kAuthorName) ||
         fileName.match(t).hasMatch();
}

bool hasWords(const QString& text) { return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))); }

// The pseudo-language marks every letter it can; plain English has none of its marks.
bool isPseudo(const QString& text) {
  static const QString marks = QStringLiteral("áéîõüýçñšÅÉÎÕÜÝÇÑŠžŽÿ");
  for (const QChar c : text)
    if (marks.contains(c)) return true;
  return false;
}

struct Findings {
  std::vector<ShownText> untranslated;
  QSet<QString> windowsSeen;

  void judge(const ShownText& t, const std::function<bool(const ShownText&)>& english) {
    windowsSeen.insert(t.where.section(u'/', 0, 0).section(u'#', 0, 0));
    if (showsStoredText(t.where) || isName(t.text) || !hasWords(t.text) || !english(t)) return;
    untranslated.push_back(t);
  }
  void expectNone() const {
    for (const ShownText& t : untranslated)
      ADD_FAILURE() << "untranslated in " << t.where.toStdString() << ": " << t.text.toStdString();
  }
};

class Language : public ::testing::Test {
 protected:
  void TearDown() override { translations::removeAll(*QCoreApplication::instance()); }
};

}  // namespace

// Every window in a language about 40 % longer than English: no text is cut, and
// every text is the pseudo-language's, so none skips the translation system.
TEST_F(Language, PseudoLanguageFitsEveryWindowAndReachesEveryText) {
  ASSERT_TRUE(translations::installFile(*QCoreApplication::instance(), QStringLiteral(PVQ_PSEUDO_QM)));
  WindowFixture f;
  Findings findings;
  const auto english = [](const ShownText& t) { return !isPseudo(t.text); };
  int windows = 0;
  visitEveryWindow(f, [&](QWidget& window) {
    ++windows;
    for (const ShownText& t : languagecheck::clippedTexts(window))
      if (!showsStoredText(t.where)) ADD_FAILURE() << "cut in " << t.where.toStdString() << ": " << t.text.toStdString();
    for (const ShownText& t : languagecheck::shownTexts(window)) findings.judge(t, english);
  });
  for (const ShownText& t : promptAndMenuTexts(f)) findings.judge(t, english);
  EXPECT_GE(windows, 10) << "the walk lost its way: too few windows";
  EXPECT_TRUE(findings.windowsSeen.contains(QStringLiteral("AboutDialog")));
  EXPECT_TRUE(findings.windowsSeen.contains(QStringLiteral("SetInfoDialog")));
  findings.expectNone();
}

// The same windows in German and in English, text by text: a German window shows
// no text that is still the English one.
TEST_F(Language, GermanWindowsShowNoEnglishText) {
  std::vector<ShownText> english;
  {
    WindowFixture f;
    visitEveryWindow(f, [&](QWidget& window) {
      const std::vector<ShownText> texts = languagecheck::shownTexts(window);
      english.insert(english.end(), texts.begin(), texts.end());
    });
  }
  ASSERT_FALSE(translations::install(*QCoreApplication::instance(), QLocale(QLocale::German)).isEmpty());
  std::vector<ShownText> german;
  {
    WindowFixture f;
    visitEveryWindow(f, [&](QWidget& window) {
      const std::vector<ShownText> texts = languagecheck::shownTexts(window);
      german.insert(german.end(), texts.begin(), texts.end());
    });
  }
  // Each German text beside the English one of the same widget (the n-th of its texts).
  std::map<QString, QStringList> englishAt;
  for (const ShownText& t : english) englishAt[t.where] << t.text;
  std::map<QString, int> seenAt;
  Findings findings;
  for (const ShownText& t : german) {
    const QStringList& texts = englishAt[t.where];
    const int n = seenAt[t.where]++;
    ASSERT_LT(n, texts.size()) << "no English counterpart of " << t.where.toStdString();
    findings.judge(t, [&](const ShownText& shown) { return shown.text == texts[n]; });
  }
  EXPECT_TRUE(findings.windowsSeen.contains(QStringLiteral("AboutDialog")));
  findings.expectNone();
}

// A language the game speaks is put in force with Qt's own in the same language;
// one it does not speak leaves it English, and removing the translations too.
TEST_F(Language, TheGamesAndQtsTranslationsGoTogether) {
  QCoreApplication& app = *QCoreApplication::instance();
  EXPECT_EQ(translations::install(app, QLocale(QLocale::French, QLocale::Canada)), QStringLiteral("fr"));
  EXPECT_EQ(QCoreApplication::translate("DialogLook", "&Ok"), QStringLiteral("&OK"));
  EXPECT_EQ(QCoreApplication::translate("AboutDialog", "Created by"), QStringLiteral("Créé par"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
  translations::removeAll(app);
  EXPECT_EQ(QCoreApplication::translate("AboutDialog", "Created by"), QStringLiteral("Created by"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
  EXPECT_TRUE(translations::install(app, QLocale(QLocale::Japanese)).isEmpty());
  EXPECT_EQ(QCoreApplication::translate("AboutDialog", "Created by"), QStringLiteral("Created by"));
}

// The desktop's own language, as the start-up reads it: ctest runs this with
// LANGUAGE set (language_from_desktop_*), and names the language it expects;
// English before German keeps the game and Qt in English.
TEST_F(Language, TheDesktopsLanguageIsTheOneLoaded) {
  const QString expected = QString::fromLatin1(qgetenv("PVQ_EXPECT_LANGUAGE"));
  if (expected.isEmpty()) GTEST_SKIP() << "run by ctest with LANGUAGE set";
  QCoreApplication& app = *QCoreApplication::instance();
  const QString languages = QLocale::system().uiLanguages().join(u',');
  const std::map<QString, QString> cancels = {{"de", "Abbrechen"}, {"fr", "Annuler"}, {"en", "Cancel"}};
  // English is the game's own language: no translation is put in force for it.
  EXPECT_EQ(translations::install(app), expected == QLatin1String("en") ? QString() : expected) << languages.toStdString();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancels.at(expected)) << languages.toStdString();
}

// A screen reader names every control the player can reach by the keyboard: by
// its own text, an accessible name, or the label tied to it.
TEST_F(Language, EveryControlHasAName) {
  WindowFixture f;
  std::vector<ShownText> nameless;
  visitEveryWindow(f, [&](QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (!w->isVisibleTo(&window) || w->focusPolicy() == Qt::NoFocus) continue;
      if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) &&
          !qobject_cast<QAbstractSpinBox*>(w))
        continue;
      // A combo box's or spin box's line edit is named through its box.
      if (qobject_cast<QLineEdit*>(w) &&
          (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget())))
        continue;
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
      if (control && !control->text(QAccessible::Name).trimmed().isEmpty()) continue;
      nameless.push_back({languagecheck::nameOf(window) + u'/' + languagecheck::nameOf(*w), QString()});
    }
  });
  for (const ShownText& t : nameless) ADD_FAILURE() << "no accessible name: " << t.where.toStdString();
}
