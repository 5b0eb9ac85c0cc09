#include "ui/ManifestReplace.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "report/Branding.h"

namespace validador::ui {
namespace {

QString Lines(qsizetype count) {
  return count == 1 ? QStringLiteral("1 linha") : QStringLiteral("%1 linhas").arg(count);
}

}  // namespace

// Lines end in CR LF as the program writes them, or in a line feed alone.
qsizetype ManifestLineCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  qsizetype count = 0;
  while (!file.atEnd()) {
    if (!file.readLine().trimmed().isEmpty()) ++count;
  }
  return count;
}

QString ShrinkingManifestQuestion(qsizetype oldLines, qsizetype newLines) {
  return QStringLiteral("O HASHV.txt da pasta tem %1; o novo terá %2.\n"
                        "Substituir o HASHV.txt existente?")
      .arg(Lines(oldLines), Lines(newLines));
}

bool AskToReplaceWithMessageBox(QWidget* parent, qsizetype oldLines, qsizetype newLines) {
  QMessageBox box(QMessageBox::Warning, ProgramTitle(), ShrinkingManifestQuestion(oldLines, newLines),
                  QMessageBox::NoButton, parent);
  QPushButton* replace = box.addButton(QStringLiteral("Substituir"), QMessageBox::AcceptRole);
  QPushButton* keep = box.addButton(QStringLiteral("Não substituir"), QMessageBox::RejectRole);
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  box.exec();
  return box.clickedButton() == replace;
}

}  // namespace validador::ui
