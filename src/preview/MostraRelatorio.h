#pragma once
// The result report as the window shows it: in its preview, from which the user prints.

#include "preview/ReportTarget.h"
#include "report/DadosResultado.h"

class QWidget;

namespace validador {

// Builds a fresh report from `dados`, shows its preview and waits until the user closes
// it (the program keeps working meanwhile); the report is then destroyed. `target`
// proposes where its PDF goes.
void MostraRelatorio(const DadosResultado& dados, QWidget* parent,
                     const ReportTarget& target = ReportTarget());

}  // namespace validador
