#pragma once
// The result report written to a PDF file, with no window at all.

#include <QByteArray>
#include <QString>

#include "report/DadosResultado.h"

namespace validador {

// Writes the report built from `dados` as a PDF file. False, with `erro` filled, when
// the file cannot be written. Needs only a QGuiApplication.
bool SalvaRelatorioPdf(const DadosResultado& dados, const QString& pdfPath, QString* erro);

// The report built from `dados` as a whole PDF document in memory, for the caller to
// write. False, with `erro` filled, when it cannot be painted.
bool GeraRelatorioPdf(const DadosResultado& dados, QByteArray* pdf, QString* erro);

}  // namespace validador
