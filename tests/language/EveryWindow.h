#pragma once
// Every window of the game, opened one after another on a window fixture: the
// main window, every command of its menus (each dialog, box and file dialog a
// command brings up), every page of a paged dialog, and the dialogs the game
// opens by itself. This is the one list of the windows the language checks see;
// a new window joins it here.
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <vector>

#include "support/LanguageChecks.h"
#include "support/WindowFixture.h"

// Calls look with each window while it is on the screen and laid out.
void visitEveryWindow(WindowFixture& fixture, const std::function<void(QWidget& window)>& look);

// The texts the game asked boxes and file dialogs to show meanwhile, and the
// main window's menus.
std::vector<ShownText> promptAndMenuTexts(const WindowFixture& fixture);

// Widgets that show a set's own texts or the player's (stored, never translated).
bool showsStoredText(const QString& where);
