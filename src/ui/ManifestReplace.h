#pragma once
// Before "Resultado" writes HASHV.txt over one that holds more lines than the new one: the
// old manifest may be the whole delivery's and the new one a single file's, so the user is
// asked first, and the answer that is offered is not to replace it.

#include <QString>

class QWidget;

namespace validador::ui {

// The lines of the manifest at `path` that hold anything; 0 when there is no such file or
// it cannot be read.
qsizetype ManifestLineCount(const QString& path);

// "O HASHV.txt da pasta tem 8 linhas; o novo terá 1. …"
QString ShrinkingManifestQuestion(qsizetype oldLines, qsizetype newLines);

// The question in a message box with "Substituir" and "Não substituir" (the default);
// true to replace.
bool AskToReplaceWithMessageBox(QWidget* parent, qsizetype oldLines, qsizetype newLines);

}  // namespace validador::ui
