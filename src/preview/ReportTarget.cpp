#include "preview/ReportTarget.h"

#include <QDir>

namespace validador {

QString SafeInFileName(QString text) {
  static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
  for (QChar& character : text) {
    if (forbidden.contains(character) || character.unicode() < 0x20) character = QLatin1Char('-');
  }
  return text.trimmed();
}

QString ReportTarget::PdfFileName() const {
  const QString safeCase = SafeInFileName(caseNumber);
  if (safeCase.isEmpty()) return QStringLiteral("Resultado.pdf");
  return QStringLiteral("Resultado-%1.pdf").arg(safeCase);
}

QString ReportTarget::PdfPath() const {
  if (folder.isEmpty()) return PdfFileName();
  return QDir(folder).filePath(PdfFileName());
}

}  // namespace validador
