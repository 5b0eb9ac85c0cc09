#pragma once
// The result report written to a PDF file, with no window at all.

#include <QString>

#include "report/DadosResultado.h"

namespace validador {

// Writes the report built from `dados` as a PDF file. False, with `erro` filled, when
// the file cannot be written. Needs only a QGuiApplication.
bool SalvaRelatorioPdf(const DadosResultado& dados, const QString& pdfPath, QString* erro);

}  // namespace validador
