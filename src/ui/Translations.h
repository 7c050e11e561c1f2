#pragma once
// The game in the desktop's language: its own texts from the translations built
// into it, and Qt's own (file and colour dialogs, message box buttons) from the
// system's Qt translations, both for the first language of the desktop's list
// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that each has.
#include <QLocale>
#include <QString>

class QCoreApplication;

namespace translations {

// Puts the game's and Qt's translations for locale in force; returns the language
// of the game's translation in force, or an empty text when the game stays English.
QString install(QCoreApplication& app, const QLocale& locale = QLocale::system());

// Puts one translation file in force (a test's pseudo-language); false when it
// cannot be read.
bool installFile(QCoreApplication& app, const QString& qmFile);

// Takes every translation install() and installFile() put in force out again.
void removeAll(QCoreApplication& app);

}  // namespace translations
