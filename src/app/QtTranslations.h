#pragma once
// Qt's own texts (file, print and message dialogs, standard buttons, the context menus
// of text boxes) in the user's language, so that they match the program's Portuguese:
// the translation for the system's language, or the Brazilian Portuguese one when the
// system's language has none installed.

#include <QLocale>

class QTranslator;

namespace validador::app {

// Installs the translation of Qt's texts for `system` (QLocale::system() in the program)
// in the application; returns it (owned by the application), or nullptr when neither
// it nor the Portuguese one is installed.
QTranslator* InstallQtTranslations(const QLocale& system);

}  // namespace validador::app
