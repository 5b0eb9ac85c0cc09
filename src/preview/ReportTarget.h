#pragma once
// Where the report of a check belongs: the folder of the delivery that was checked and
// the case number, which give the proposed name of its PDF (in the save dialog and in
// the print dialog's file field): "<pasta>/Resultado-<n.º do caso>.pdf".

#include <QString>

namespace validador {

// `text` with the characters that Windows or POSIX file names cannot hold (and control
// characters) turned into '-', blanks at the ends dropped.
QString SafeInFileName(QString text);

struct ReportTarget {
  QString folder;      // empty: no folder of its own (the dialogs start where they like)
  QString caseNumber;  // empty: "Resultado.pdf"

  // "Resultado-<case number>.pdf"; characters that a file name cannot hold become '-'.
  QString PdfFileName() const;
  // The file name in the folder (just the file name when there is no folder).
  QString PdfPath() const;
};

}  // namespace validador
