#pragma once
// The program's message boxes: plain notices, the general error handler's box and the
// box of a file that cannot be read. Each waits until the user closes it.

#include <QString>

class QWidget;

namespace validador::ui {

// A plain notice captioned with the program's title, with one OK button and no icon.
void ShowNotice(QWidget* parent, const QString& text);

// An error that ended a command: captioned with the program's title, the message with
// a full stop added when it has none, the error icon.
void ShowCommandError(QWidget* parent, const QString& message);

// "Impossível ler o arquivo" in an error box titled "Error".
void ShowCannotReadFile(QWidget* parent);

}  // namespace validador::ui
