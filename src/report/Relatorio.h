#pragma once
// The result report as the programs use it: shown in its preview window, or written to
// a PDF file with no window at all.

#include <QString>

#include "report/DadosResultado.h"

class QWidget;

namespace validador {

// Builds a fresh report from `dados`, shows its preview and waits until the user closes
// it (the program keeps working meanwhile); the report is then destroyed.
void MostraRelatorio(const DadosResultado& dados, QWidget* parent);

// Writes the report built from `dados` as a PDF file. False, with `erro` filled, when
// the file cannot be written. Needs only a QGuiApplication.
bool SalvaRelatorioPdf(const DadosResultado& dados, const QString& pdfPath, QString* erro);

}  // namespace validador
