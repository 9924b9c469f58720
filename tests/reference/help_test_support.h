#pragma once

#include <QString>
#include <QUrl>

#include <string_view>

#include "tests/support/qt_printing.h"

namespace velmar {

class HelpWindow;

// The collection built with the program, as the program finds it.
QString builtHelpCollection();

// Waits until the window's contents tree and keyword index are filled.
bool waitUntilHelpLoaded(const HelpWindow& window);

QString toQString(std::string_view utf8);

// The text of a help page, read from the collection.
QString pageText(const HelpWindow& window, const QUrl& page);

} // namespace velmar
