#include "preview/MostraRelatorio.h"

#include <memory>

#include "preview/ReportPreview.h"
#include "report/TfrmResultado.h"

namespace validador {

void MostraRelatorio(const DadosResultado& dados, QWidget* parent) {
  auto form = std::make_unique<TfrmResultado>();
  form->PreencheRelatorio(dados);
  ReportPreview preview(form->QuickRep1, parent);
  preview.exec();
}

}  // namespace validador
