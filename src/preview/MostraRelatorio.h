#pragma once
// The result report as the window shows it: in its preview, from which the user prints.

#include "report/DadosResultado.h"

class QWidget;

namespace validador {

// Builds a fresh report from `dados`, shows its preview and waits until the user closes
// it (the program keeps working meanwhile); the report is then destroyed.
void MostraRelatorio(const DadosResultado& dados, QWidget* parent);

}  // namespace validador
