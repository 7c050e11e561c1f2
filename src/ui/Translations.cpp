#include "ui/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace translations {

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

bool keep(QCoreApplication& app, std::unique_ptr<QTranslator> translator) {
  if (!app.installTranslator(translator.get())) return false;
  installed().push_back(std::move(translator));
  return true;
}

}  // namespace

QString install(QCoreApplication& app, const QLocale& locale) {
  // The desktop's languages in its order of preference. English is the source
  // language: a player who puts it before German wants the game in English.
  QLocale chosen = locale;
  QString language;
  bool english = false;
  for (const QString& name : locale.uiLanguages()) {
    const QLocale one(name);
    if (one.language() == QLocale::English || one.language() == QLocale::C) {
      english = true;
      break;
    }
    auto game = std::make_unique<QTranslator>();
    if (game->load(one, QStringLiteral("pievorbquarn"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
      language = game->language();
      chosen = one;
      keep(app, std::move(game));
      break;
    }
  }
  if (english) return language;
  // Qt's own, for the standard dialogs and buttons, in the game's language; in the
  // desktop's when the game has none of its own, since a dialog in the player's
  // language still helps.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    keep(app, std::move(qt));
  return language;
}

bool installFile(QCoreApplication& app, const QString& qmFile) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(qmFile)) return false;
  return keep(app, std::move(translator));
}

void removeAll(QCoreApplication& app) {
  for (const auto& translator : installed()) app.removeTranslator(translator.get());
  installed().clear();
}

}  // namespace translations
