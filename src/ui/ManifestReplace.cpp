#include "ui/ManifestReplace.h"

#include <QMessageBox>
#include <QPushButton>

#include "branding/Branding.h"
#include "qttexts/QtTexts.h"
#include "validation/manifest/ManifestLines.h"

namespace validador::ui {
namespace {

QString Lines(qsizetype count) {
  return count == 1 ? QStringLiteral("1 linha") : QStringLiteral("%1 linhas").arg(count);
}

}  // namespace

qsizetype ManifestLineCount(const QString& path) {
  try {
    return static_cast<qsizetype>(ContaLinhasDoManifesto(ToPath(path)).value_or(0));
  } catch (const std::exception&) {
    return 0;  // unreadable: the write that follows names the fault
  }
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
