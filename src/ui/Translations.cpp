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
  // The game's own texts, built in. English is the source language: no file.
  auto game = std::make_unique<QTranslator>();
  QString language;
  if (game->load(locale, QStringLiteral("pievorbquarn"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
    language = game->language();
    keep(app, std::move(game));
  }
  // Qt's, for the standard dialogs and buttons. Looked for even when the game has
  // no translation of its own: a dialog in the player's language still helps.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
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
